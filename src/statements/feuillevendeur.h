#pragma once

#include "framework/window.h"
#include <memory>

namespace Ui {
class FeuilleVendeur;
}

// The seller sheet: the coupons cashed for the current seller and the
// seller's account, computed once when the sheet opens; "Imprimer" writes the
// seller statement from what the sheet shows.
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

    std::unique_ptr<Ui::FeuilleVendeur> ui;
};
