#pragma once

#include "framework/window.h"
#include <QString>
#include <memory>

namespace Ui {
class InfoWin;
}

// The About window: the program's name, the club's emblem and the version.
class InfoWin : public fw::SingleWindow<InfoWin>
{
    Q_OBJECT

public:
    InfoWin();
    ~InfoWin() override;

    void BevelButton1_Action(); // "Fermer"

    void Event_Open() override;

private:
    void Layout();
    void CreateControls();

    std::unique_ptr<Ui::InfoWin> ui;
};

namespace cashdesk {

// The version and the platform this build is for: "0.9.9 (Linux)".
QString VersionText();

} // namespace cashdesk
