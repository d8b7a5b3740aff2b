#pragma once

#include "framework/window.h"
#include <memory>

namespace Ui {
class ChgmentTaux;
}

// The commission-rate dialog: shows the rate in force in percent and replaces
// it, in memory and in the rate file, on "Enregistrer". Always shown modally.
class ChgmentTaux : public fw::SingleWindow<ChgmentTaux>
{
    Q_OBJECT

public:
    ChgmentTaux();
    ~ChgmentTaux() override;

    void BevelButton1_Action(); // "Enregistrer"
    void BevelButton2_Action(); // "Abandonner"

    void Event_Open() override;

private:
    void Layout();
    void CreateControls();

    std::unique_ptr<Ui::ChgmentTaux> ui;
};
