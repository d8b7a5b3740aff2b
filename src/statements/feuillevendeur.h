#pragma once

#include "statements/account.h"

#include "framework/window.h"
#include <memory>

namespace Ui {
class FeuilleVendeur;
}

// The seller sheet: the account of the seller chosen in the picker, computed
// once when the sheet opens and kept with it; "Imprimer" writes the seller
// statement from that account, with the fee as typed in "Frais (locations)".
class FeuilleVendeur : public fw::SingleWindow<FeuilleVendeur>
{
    Q_OBJECT

public:
    FeuilleVendeur();
    ~FeuilleVendeur() override;

    void BevelButton1_Action(); // "Fermer"
    void BevelButton2_Action(); // "Imprimer"

    void Event_Open() override;

private:
    void Layout();
    void CreateControls();
    void showFigures();

    std::unique_ptr<Ui::FeuilleVendeur> ui;
    statements::SellerAccount m_account;
};
