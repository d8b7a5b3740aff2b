#include "coupons.h"

#include "framework/controls.h"

namespace cashdesk {

int LastRowOf(const fw::Listbox &list, const QString &coupon)
{
    // Called at every recording on a list of the whole day's coupons: a cell
    // is a shared copy, so the comparison copies no characters.
    for (int r = list.ListCount() - 1; r >= 0; --r)
        if (list.Cell(r, 0) == coupon)
            return r;
    return -1;
}

} // namespace cashdesk
