#pragma once

#include "framework/window.h"
#include <QString>

namespace Ui {
class InfoWin;
}

// The About window: the program's name, the club's emblem and the version.
class InfoWin : public fw::DesignedWindow<InfoWin, Ui::InfoWin>
{
    Q_OBJECT

public slots:
    void BevelButton1_Action(); // "Fermer"

public:
    void Event_Open() override;

private:
    void Layout() override;
    void CreateControls() override;
};

namespace cashdesk {

// The version and the platform this build is for: "0.9.9 (Linux)".
QString VersionText();

} // namespace cashdesk
