#include "window1.h"
#include "ui_window1.h"

#include "app/menubar1.h"
#include "app/pictures.h"
#include "framework/runtime.h"

#include <QAction>
#include <QKeyEvent>

namespace {

// Typed keys never move the list's selection: "Effacer" asks nothing, so the
// row selected must stay the one the cashier clicked.
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

Window1::Window1() : ui(std::make_unique<Ui::Window1>())
{
    setObjectName(QStringLiteral("Window1"));
    CreateControls();
    Layout();
}

Window1::~Window1() = default;

void Window1::Layout() { finishDesign(MenuBar1::instance()); }

void Window1::CreateControls()
{
    ui->setupUi(content());
    ui->Canvas1->setBackdrop(app::siglBourse());
    ui->ReferenceBox->installEventFilter(new NoKeyboardSearch(ui->ReferenceBox));
    fw::OnAction(ui->PushButton3, [this] { PushButton3_Action(); });
    fw::OnAction(ui->PushButton4, [this] { PushButton4_Action(); });
    fw::OnAction(ui->PushButton5, [this] { PushButton5_Action(); });
    fw::OnAction(ui->BevelButton1, [this] { BevelButton1_Action(); });
    fw::OnAction(ui->BevelButton2, [this] { BevelButton2_Action(); });
    fw::OnAction(ui->BevelButton3, [this] { BevelButton3_Action(); });
    fw::OnAction(ui->BevelButton4, [this] { BevelButton4_Action(); });
    fw::OnAction(ui->BevelButton5, [this] { BevelButton5_Action(); });
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
