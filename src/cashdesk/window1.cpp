#include "window1.h"
#include "ui_window1.h"

#include "chgmenttaux.h"
#include "infowin.h"

#include "app/menubar1.h"
#include "app/pictures.h"
#include "framework/dialogs.h"
#include "framework/runtime.h"
#include "framework/text.h"
#include "register/vendorfiles.h"
#include "statements/selectvendor.h"
#include "statements/utilities.h"

#include <QAction>
#include <QKeyEvent>

namespace {

// Typed keys never move the list's selection: the row selected must stay the
// one the cashier clicked, the one "Effacer" then asks about.
class NoKeyboardSearch final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent *>(event)->text();
            if (!text.isEmpty() && text.front().isPrint())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void Window1::Layout() { finishDesign(MenuBar1::instance()); }

void Window1::CreateControls()
{
    setUpForm();
    ui->Canvas1->setBackdrop(app::siglBourse());
    ui->ReferenceBox->installEventFilter(new NoKeyboardSearch(ui->ReferenceBox));
    // Enter goes from the coupon to its amount, as Tab does, and records the
    // coupon from the amount: digits typed on the keypad go on at once.
    connect(ui->EntryCoupon, &QLineEdit::returnPressed, this,
            [this] { ui->ValeurCoupon->setFocus(Qt::TabFocusReason); });
    connect(ui->ValeurCoupon, &QLineEdit::returnPressed, ui->BevelButton1, &QAbstractButton::click);
}

// The seller sheet and the utilities.
void Window1::PushButton3_Action() { SelectVendor::instance()->Show(); }

void Window1::BevelButton4_Action() { utilities::instance()->Show(); }

// The rate dialog and the About window.
void Window1::BevelButton2_Action()
{
    fw::MsgBox(QStringLiteral("Vous allez modifier définitivement le taux de commission utilisé par Vandrelico!") +
               fw::EndOfLine() +
               QStringLiteral("Si ce n'est pas ce que vous voulez faire cliquez sur \"Abandonner\"."));
    ChgmentTaux::instance()->ShowModal();
}

void Window1::PushButton4_Action() { InfoWin::instance()->Show(); }

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

void Window1::BevelButton5_Action() { fw::Quit(); }

QAction *Window1::EditMenu() const { return MenuBar1::instance()->item(QStringLiteral("EditMenu")); }
QAction *Window1::EditSelectAll() const { return MenuBar1::instance()->item(QStringLiteral("EditSelectAll")); }
QAction *Window1::UntitledMenu0() const { return MenuBar1::instance()->item(QStringLiteral("UntitledMenu0")); }
QAction *Window1::EditClear() const { return MenuBar1::instance()->item(QStringLiteral("EditClear")); }
QAction *Window1::EditPaste() const { return MenuBar1::instance()->item(QStringLiteral("EditPaste")); }
QAction *Window1::EditCopy() const { return MenuBar1::instance()->item(QStringLiteral("EditCopy")); }
QAction *Window1::EditCut() const { return MenuBar1::instance()->item(QStringLiteral("EditCut")); }
QAction *Window1::UntitledMenu1() const { return MenuBar1::instance()->item(QStringLiteral("UntitledMenu1")); }
QAction *Window1::EditUndo() const { return MenuBar1::instance()->item(QStringLiteral("EditUndo")); }
QAction *Window1::FileMenu() const { return MenuBar1::instance()->item(QStringLiteral("FileMenu")); }
QAction *Window1::FileQuit() const { return MenuBar1::instance()->item(QStringLiteral("FileQuit")); }
