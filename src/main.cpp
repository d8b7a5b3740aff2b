#include "app/vandrelico.h"
#include "cashdesk/window1.h"
#include "framework/runtime.h"

int main(int argc, char **argv)
{
    Vandrelico application(argc, argv);
    return app::Run(application, [] {
        Window1 *desk = Window1::instance();
        if (!fw::QuitRequested())
            desk->Show();
    });
}
