#include "window1.h"
#include "ui_window1.h"

#include "framework/dialogs.h"
#include "register/vendorfiles.h"

// Starting a new fair's register.
void Window1::PushButton5_Action()
{
    fw::QuestionDialog warning;
    warning.icon = 1;
    warning.actionCaption = QStringLiteral("Continuer");
    warning.cancelCaption = QStringLiteral("Annuler");
    warning.title = QStringLiteral("Attention! Cette fonction est en principe à n'utiliser qu'en début de Bourse! ");
    warning.message = QStringLiteral("Vous allez mettre à zéro les fichiers ListeVendeurs.csv et couponsvendeurs.csv ");
    warning.explanation = QStringLiteral("Si ce n'est pas ce que vous voulez faire pressez \"Annuler\".");
    if (fw::MessageDialog(warning) == fw::DialogButton::Cancel)
        return;
    ui->PushButton5->setVisible(false);
    VendorFiles::instance()->Show();
}
