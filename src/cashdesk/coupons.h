#pragma once

#include "salefiles.h"

#include <QString>

namespace fw {
class Listbox;
}

namespace cashdesk {

// The last row of the list whose coupon (column 0) is exactly `coupon`, or -1.
int LastRowOf(const fw::Listbox &list, const QString &coupon);

} // namespace cashdesk
