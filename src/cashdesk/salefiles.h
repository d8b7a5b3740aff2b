#pragma once

#include <QString>
#include <QStringList>

// A sale as it goes into the files: the seller's sales file and the year's
// coupon journal, apart from the window.
namespace cashdesk {

// Appends the sale (coupon, amount, seller name, seller code) to the sales
// file and to the journal, as one fw::FileChange: both get it or neither
// does, also through a kill or a power cut. A journal removed or emptied
// since it was made starts again with its header, dated `myday`. Empty when
// the sale is recorded; otherwise the message that says why it is not.
QString RecordSale(const QString &journal, const QString &myday, const QString &salesFile, const QStringList &row);

} // namespace cashdesk
