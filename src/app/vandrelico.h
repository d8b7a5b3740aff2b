#pragma once

#include "framework/application.h"

// The application object of the program; it only holds the menu bar.
class Vandrelico : public fw::Application
{
    Q_OBJECT

public:
    using fw::Application::Application;
};

namespace app {

// Start-up once the application object exists: gives it the menu bar, makes
// the default window (whose Open event runs at once) and runs the event loop,
// unless a quit was asked during that opening.
int Run(fw::Application &application, void (*makeDefaultView)());

} // namespace app
