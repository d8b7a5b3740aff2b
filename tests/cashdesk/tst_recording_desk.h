#pragma once

#include "../register/drivers.h"

#include "cashdesk/window1.h"

namespace drivers {

// The cash desk, as the cashier uses it. Creating it runs the opening.
class Desk : public FormDriver<Window1>
{
public:
    Desk() : FormDriver(Window1::instance()) {}

    // Types a coupon and an amount and presses "Ajouter".
    void record(const QString &coupon, const QString &amount) const
    {
        type("EntryCoupon", coupon);
        type("ValeurCoupon", amount);
        press("BevelButton1");
    }

    fw::Listbox *list() const { return control<fw::Listbox>("ReferenceBox"); }
    QStringList row(int r) const { return FormDriver::row("ReferenceBox", r); }
};

} // namespace drivers
