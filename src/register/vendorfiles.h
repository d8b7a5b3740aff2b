#pragma once

#include "framework/window.h"
#include <memory>

namespace Ui {
class VendorFiles;
}

// The register creation window: starts a new fair's register, one seller at
// a time. Opening it empties the register file and the coupon index.
class VendorFiles : public fw::SingleWindow<VendorFiles>
{
    Q_OBJECT

public:
    VendorFiles();
    ~VendorFiles() override;

    void PushButton1_Action();  // "Fermer"
    void BevelButton1_Action(); // "Ajouter"

    void Event_Open() override;

private:
    void Layout();
    void CreateControls();

    std::unique_ptr<Ui::VendorFiles> ui;
};
