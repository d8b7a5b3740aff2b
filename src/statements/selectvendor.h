#pragma once

#include "framework/window.h"
#include <memory>

namespace Ui {
class SelectVendor;
}

// The seller picker: the sellers of the register by name; the one chosen
// becomes the current seller of Module1 and its sheet opens.
class SelectVendor : public fw::SingleWindow<SelectVendor>
{
    Q_OBJECT

public:
    SelectVendor();
    ~SelectVendor() override;

    void BevelButton1_Action(); // "Sélectionner et cliquer ici!"

    void Event_Open() override;

private:
    void Layout();
    void CreateControls();

    std::unique_ptr<Ui::SelectVendor> ui;
};
