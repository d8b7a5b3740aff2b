#pragma once

#include "framework/application.h"

#include <QString>

// The application object of the program; it only holds the menu bar.
class Vandrelico : public fw::Application
{
    Q_OBJECT

public:
    using fw::Application::Application;
};

namespace app {

// Shown by a copy started on a data folder that another copy has open; the
// folder is named as the system writes its path.
QString FolderInUseMessage(const QString &folder);

// Shown when a change to several files that a kill or a power cut cut off
// cannot be finished nor undone: `file` could not be put right.
QString InterruptedChangeMessage(const QString &file);

// Start-up once the application object exists: takes the data folder, gives
// the application its menu bar, makes the default window (whose Open event
// runs at once) and runs the event loop, unless a quit was asked during that
// opening. The folder stays taken until the run ends. When another copy has
// it, the run says so and ends with status 1, having read nothing of it. A
// change cut off in an earlier run is finished or undone first
// (fw::FinishInterruptedChange); when it cannot be, the run says which file
// and ends with status 1.
int Run(fw::Application &application, void (*makeDefaultView)());

} // namespace app
