#include "coupons.h"

#include "framework/controls.h"
#include "framework/text.h"

namespace cashdesk {

QString SaleLine(const QStringList &row) { return fw::Field(row, 0) + QLatin1Char(',') + fw::Field(row, 1); }

QString JournalLine(const QStringList &row)
{
    return SaleLine(row) + QLatin1Char(',') + fw::Field(row, 2) + QLatin1Char(',') + fw::Field(row, 3);
}

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
