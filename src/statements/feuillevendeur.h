#pragma once

#include "statements/account.h"

#include "framework/window.h"

namespace Ui {
class FeuilleVendeur;
}

// The seller sheet: the account of the seller chosen in the picker, computed
// once when the sheet opens and kept with it; "Imprimer" writes the seller
// statement from that account, with the fee as typed in "Frais (locations)".
class FeuilleVendeur : public fw::DesignedWindow<FeuilleVendeur, Ui::FeuilleVendeur>
{
    Q_OBJECT

public slots:
    void BevelButton1_Action(); // "Fermer"
    void BevelButton2_Action(); // "Imprimer"

public:
    void Event_Open() override;

private:
    void Layout() override;
    void CreateControls() override;
    void showFigures();

    statements::SellerAccount m_account;
};
