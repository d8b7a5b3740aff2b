#pragma once

#include "framework/window.h"

namespace Ui {
class utilities;
}

namespace statements {
struct SellerAccount;
}

// The organiser's tools at the end of the fair: the seller sign sheet, the
// general statements document and the register editor.
class utilities : public fw::DesignedWindow<utilities, Ui::utilities>
{
    Q_OBJECT

public slots:
    void BevelButton1_Action(); // "Imprimer les fiches vendeurs"
    void BevelButton2_Action(); // "Imprimer les résultats"
    void BevelButton3_Action(); // "Fermer"
    void BevelButton4_Action(); // "Editer le fichier des vendeurs"

private:
    void Layout() override;
    void CreateControls() override;

    void showLastPage(const statements::SellerAccount &account);
};
