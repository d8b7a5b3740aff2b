#pragma once

#include "framework/window.h"

namespace Ui {
class ChgmentTaux;
}

// The commission-rate dialog: shows the rate in force in percent and replaces
// it, in memory and in the rate file, on "Enregistrer". Always shown modally.
class ChgmentTaux : public fw::DesignedWindow<ChgmentTaux, Ui::ChgmentTaux>
{
    Q_OBJECT

public slots:
    void BevelButton1_Action(); // "Enregistrer"
    void BevelButton2_Action(); // "Abandonner"

public:
    void Event_Open() override;

private:
    void Layout() override;
    void CreateControls() override;
};
