#pragma once

#include "framework/window.h"

namespace Ui {
class SelectVendor;
}

// The seller picker: the sellers of the register by name; the one chosen
// becomes the current seller of Module1 and its sheet opens.
class SelectVendor : public fw::DesignedWindow<SelectVendor, Ui::SelectVendor>
{
    Q_OBJECT

public slots:
    void BevelButton1_Action(); // "Sélectionner et cliquer ici!"

public:
    void Event_Open() override;

private:
    void Layout() override;
    void CreateControls() override;
};
