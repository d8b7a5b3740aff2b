#include "menubar1.h"

#include "framework/runtime.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>

namespace {

// The Edit items work on the focused text field, as the standard items do.
template <class F>
void onFocusedField(F action)
{
    if (auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        action(field);
}

void clearSelection()
{
    if (auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget()); field && !field->isReadOnly())
        field->del();
}

} // namespace

MenuBar1 *MenuBar1::instance()
{
    if (!s_instance)
        s_instance = new MenuBar1;
    return s_instance;
}

MenuBar1::MenuBar1() : QMenuBar(nullptr)
{
    setObjectName(QStringLiteral("MenuBar1"));
    Constructor();
}

void MenuBar1::Constructor()
{
    Untitled0();
    Untitled1();
}

QAction *MenuBar1::addItem(QMenu *menu, const char *name, const QString &text, const QString &shortcut)
{
    auto *action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(QKeySequence(shortcut));
    return action;
}

void MenuBar1::Untitled0()
{
    QMenu *file = addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    file->menuAction()->setObjectName(QStringLiteral("FileMenu"));
    QAction *quit = addItem(file, "FileQuit", QStringLiteral("&Quit"), QStringLiteral("Ctrl+Q"));
    quit->setMenuRole(QAction::QuitRole);
    quit->setShortcutContext(Qt::ApplicationShortcut);
    connect(quit, &QAction::triggered, this, [] { fw::Guarded(fw::Quit); });
}

void MenuBar1::Untitled1()
{
    QMenu *edit = addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    edit->menuAction()->setObjectName(QStringLiteral("EditMenu"));
    connect(addItem(edit, "EditUndo", QStringLiteral("&Undo"), QStringLiteral("Ctrl+Z")), &QAction::triggered,
            this, [] { onFocusedField([](QLineEdit *f) { f->undo(); }); });
    edit->addSeparator()->setObjectName(QStringLiteral("UntitledMenu1"));
    connect(addItem(edit, "EditCut", QStringLiteral("Cu&t"), QStringLiteral("Ctrl+X")), &QAction::triggered,
            this, [] { onFocusedField([](QLineEdit *f) { f->cut(); }); });
    connect(addItem(edit, "EditCopy", QStringLiteral("&Copy"), QStringLiteral("Ctrl+C")), &QAction::triggered,
            this, [] { onFocusedField([](QLineEdit *f) { f->copy(); }); });
    connect(addItem(edit, "EditPaste", QStringLiteral("&Paste"), QStringLiteral("Ctrl+V")), &QAction::triggered,
            this, [] { onFocusedField([](QLineEdit *f) { f->paste(); }); });
    connect(addItem(edit, "EditClear", QStringLiteral("&Delete"), QString()), &QAction::triggered, this,
            clearSelection);
    edit->addSeparator()->setObjectName(QStringLiteral("UntitledMenu0"));
    connect(addItem(edit, "EditSelectAll", QStringLiteral("Select &All"), QStringLiteral("Ctrl+A")),
            &QAction::triggered, this, [] { onFocusedField([](QLineEdit *f) { f->selectAll(); }); });
}

QAction *MenuBar1::item(const QString &name) const
{
    for (QAction *action : findChildren<QAction *>(name))
        return action;
    return nullptr;
}
