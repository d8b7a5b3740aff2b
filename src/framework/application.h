#pragma once

#include <QApplication>
#include <QMenuBar>
#include <QPointer>


namespace fw {

// The application object: one per run, holding the menu bar.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    QMenuBar *MenuBar() const { return m_menuBar; }
    void setMenuBar(QMenuBar *menuBar) { m_menuBar = menuBar; }

private:
    QPointer<QMenuBar> m_menuBar;
};

} // namespace fw
