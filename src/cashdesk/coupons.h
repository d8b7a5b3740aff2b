#pragma once

#include <QString>
#include <QStringList>

namespace fw {
class Listbox;
}

// A recorded coupon is one row of cells: coupon, amount, seller name, seller
// code, as the cash desk's list shows it. The journal keeps the four cells,
// the seller's sales file the first two; missing cells are empty.
namespace cashdesk {

QString JournalLine(const QStringList &row);
QString SaleLine(const QStringList &row);

// The last row of the list whose coupon (column 0) is exactly `coupon`, or -1.
int LastRowOf(const fw::Listbox &list, const QString &coupon);

} // namespace cashdesk
