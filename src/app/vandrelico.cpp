#include "vandrelico.h"

#include "menubar1.h"

#include "framework/runtime.h"

namespace app {

int Run(fw::Application &application, void (*makeDefaultView)())
{
    application.setMenuBar(MenuBar1::instance());
    makeDefaultView();
    if (fw::QuitRequested())
        return 0;
    return application.exec();
}

} // namespace app
