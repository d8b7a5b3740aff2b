#include "salefiles.h"

#include "journal.h"
#include "recording.h"

#include "app/rules.h"
#include "framework/change.h"
#include "framework/files.h"
#include "framework/text.h"

namespace cashdesk {

QString SaleLine(const QStringList &row) { return fw::Field(row, 0) + QLatin1Char(',') + fw::Field(row, 1); }

QString JournalLine(const QStringList &row)
{
    return SaleLine(row) + QLatin1Char(',') + fw::Field(row, 2) + QLatin1Char(',') + fw::Field(row, 3);
}

QString RecordSale(const QString &journal, const QString &myday, const QString &salesFile, const QStringList &row)
{
    // The sales file first: should both fail, it is the one named.
    fw::FileChange change;
    change.Append(salesFile, {SaleLine(row)});
    // Without its header, the next opening would skip two coupons.
    change.Append(journal, {JournalLine(row)}, {JournalHeader1(myday), JournalHeader2()});
    const fw::ChangeFailure failure = change.Commit();
    if (!failure)
        return {};
    if (failure.file == journal)
        return failure.opening ? JournalNotOpenedMessage(journal)
                               : JournalNotWrittenMessage(journal, salesFile, !failure.unrestored.contains(salesFile));
    if (failure.file == salesFile && failure.opening)
        return kSalesFileMessage;
    return SaleNotWrittenMessage(failure.file);
}

} // namespace cashdesk
