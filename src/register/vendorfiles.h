#pragma once

#include "framework/window.h"

#include <QString>
#include <QStringList>

#include <array>

namespace Ui {
class VendorFiles;
}

// The register creation window: starts a new fair's register, one seller at
// a time. Opening it empties the register file and the coupon index.
class VendorFiles : public fw::DesignedWindow<VendorFiles, Ui::VendorFiles>
{
    Q_OBJECT

public slots:
    void PushButton1_Action();  // "Fermer"
    void BevelButton1_Action(); // "Ajouter"

public:
    void Event_Open() override;

private:
    void Layout() override;
    void CreateControls() override;
    // Widens the number columns of the list to the widest number shown,
    // the new row's included.
    void fitListColumns(const QStringList &row);

    // The list's column widths as designed, and per column the width its
    // widest text needs.
    QString m_designedWidths;
    std::array<int, 4> m_widest{};
};
