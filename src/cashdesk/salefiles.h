#pragma once

#include <QString>
#include <QStringList>

// A seller's sales file vendeur_<code>.csv: a sale as it goes into it and
// into the year's coupon journal, apart from the window. The file is read
// by app::SalesFile.
namespace cashdesk {

// A recorded coupon is one row of cells: coupon, amount, seller name, seller
// code. The journal keeps the four cells, the seller's sales file the first
// two; missing cells are empty.
QString JournalLine(const QStringList &row);
QString SaleLine(const QStringList &row);

// Appends the sale (coupon, amount, seller name, seller code) to the sales
// file and to the journal, as one fw::FileChange: both get it or neither
// does, also through a kill or a power cut. A journal removed or emptied
// since it was made starts again with its header, dated `myday`. Empty when
// the sale is recorded; otherwise the message that says why it is not.
QString RecordSale(const QString &journal, const QString &myday, const QString &salesFile, const QStringList &row);

} // namespace cashdesk
