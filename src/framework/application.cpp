#include "application.h"

#include <QMenuBar>

namespace fw {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    // The program ends by Quit only: the cash desk is never closed.
    setQuitOnLastWindowClosed(false);
}

} // namespace fw
