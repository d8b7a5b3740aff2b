#pragma once

#include <QMenuBar>
#include <QPointer>

class QAction;
class QMenu;

// The menu bar of the program: File with "&Quit", Edit with the standard
// editing items, which act on the text field that has the focus.
class MenuBar1 : public QMenuBar
{
    Q_OBJECT

public:
    // The one menu bar, created on first use.
    static MenuBar1 *instance();

    // An item by its name ("FileQuit", "EditCopy", ...), or nullptr.
    QAction *item(const QString &name) const;

private:
    MenuBar1();
    void Constructor();
    void Untitled0();
    void Untitled1();
    QAction *addItem(QMenu *menu, const char *name, const QString &text, const QString &shortcut);

    static inline QPointer<MenuBar1> s_instance;
};
