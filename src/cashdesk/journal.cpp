#include "journal.h"

#include "cancelling.h"
#include "salefiles.h"

#include "app/rules.h"
#include "app/salesfile.h"
#include "framework/files.h"
#include "framework/text.h"

namespace cashdesk {

namespace {

// The journal after its two header lines, which are skipped whatever they hold.
app::CsvLines readCoupons(fw::TextInputStream &in)
{
    in.ReadLine();
    in.ReadLine();
    return app::ReadCsvLines(in, kJournalLine, 2);
}

} // namespace

QString DayText(const QDate &date)
{
    return fw::Str(date.day()) + QLatin1Char('/') + fw::Str(date.month()) + QLatin1Char('/') + fw::Str(date.year());
}

QString JournalName(int year) { return QStringLiteral("QVOB") + fw::Str(year) + QStringLiteral("_main.csv"); }

QString JournalHeader1(const QString &myday) { return QStringLiteral("Bourse QVO du ") + myday; }

QString JournalHeader2() { return QStringLiteral("Numéro de coupon,Valeur encaissée,Vendeur,code vendeur"); }

bool WriteJournal(const QString &name, const QString &myday, const QStringList &lines)
{
    auto out = fw::CreateTextFile(name);
    if (!out)
        return false;
    out->WriteLine(JournalHeader1(myday));
    out->WriteLine(JournalHeader2());
    for (const QString &line : lines)
        out->WriteLine(line);
    return out->Close();
}

QStringList ShownRow(const JournalEntry &entry)
{
    QStringList row = entry.row;
    if (!entry.recorded)
        row[1] = app::ShownAmount(row[1]);
    return row;
}

FileOpening Journal::Open(const QString &name, const QString &myday)
{
    m_name = name;
    m_myday = myday;
    m_entries.clear();
    m_readError = {};
    std::unique_ptr<fw::TextInputStream> in = fw::OpenAsTextFile(name);
    if (!in) {
        if (fw::Exists(name))
            return FileOpening::Unreadable;
        return WriteJournal(name, myday) ? FileOpening::Created : FileOpening::NotCreated;
    }
    // Read whole at once, so the entries come from one state of the file.
    const app::CsvLines read = readCoupons(*in);
    m_entries.reserve(read.rows.size());
    for (qsizetype r = 0; r < read.rows.size(); ++r)
        m_entries.append({read.rows[r], read.lines[read.rowLines[r]]});
    m_readError = read.badLine ? app::ReadError{name, read.badLine} : app::ReadError{};
    return FileOpening::Read;
}

app::Amount Journal::Turnover() const
{
    app::AmountSum total;
    for (const JournalEntry &entry : m_entries)
        total.add(app::AmountValue(entry.row.value(1)));
    return total.value();
}

qsizetype Journal::LastEntryOf(const QString &coupon) const
{
    for (qsizetype e = m_entries.size() - 1; e >= 0; --e)
        if (m_entries[e].row.value(0) == coupon)
            return e;
    return -1;
}

QString Journal::Record(const QStringList &row)
{
    const QString failed = RecordSale(m_name, m_myday, app::SalesFileName(row.value(3)), row);
    if (failed.isEmpty())
        m_entries.append({row, JournalLine(row), true});
    return failed;
}

bool Journal::holds(const app::CsvLines &read) const
{
    if (read.rows.size() != m_entries.size())
        return false;
    for (qsizetype r = 0; r < read.rows.size(); ++r)
        if (read.lines[read.rowLines[r]] != m_entries[r].line)
            return false;
    return true;
}

Cancellation Journal::Cancel(qsizetype entry)
{
    Cancellation result;
    if (entry < 0 || entry >= m_entries.size())
        return result;
    std::unique_ptr<fw::TextInputStream> in = fw::OpenAsTextFile(m_name);
    if (!in) {
        result.message = CannotReadMessage(m_name);
        return result;
    }
    const app::CsvLines journal = readCoupons(*in);
    if (journal.badLine) {
        result.message = app::ReadErrorMessage({m_name, journal.badLine});
        return result;
    }
    if (!holds(journal)) {
        result.message = JournalChangedMessage(m_name);
        return result;
    }
    QList<fw::TextFileLines> rewrite{
        {m_name, QStringList{JournalHeader1(m_myday), JournalHeader2()} + app::LinesWithout(journal, entry)}};

    // The coupon as its line reads back: a sales file's coupons are read so too.
    const QString coupon = journal.rows[entry].value(0);
    app::SalesFile sales(app::SalesFileName(m_entries[entry].row.value(3)));
    result.sales.emplace();
    const app::SalesFile::Status status = sales.Read();
    if (status == app::SalesFile::Status::Unreadable) {
        result.message = CannotReadMessage(sales.name());
        return result;
    }
    qsizetype sale = -1;
    if (status == app::SalesFile::Status::Read) {
        if (const app::ReadError error = sales.readError()) {
            result.message = app::ReadErrorMessage(error);
            return result;
        }
        sale = sales.LastSaleOf(coupon);
        if (sale >= 0)
            rewrite.append({sales.name(), sales.LinesWithout(sale)});
        result.sales = sales.rows();
    }

    const fw::ReplaceFailure failure = fw::ReplaceTextFiles(rewrite);
    if (failure && failure.unrestored.isEmpty()) {
        result.message = kCannotRewriteMessage;
        return result;
    }
    // Cancelled, or at least out of the journal, which the entries follow.
    result.done = true;
    m_entries.removeAt(entry);
    if (!failure && sale >= 0)
        result.sales->removeAt(sale);
    if (failure)
        result.message = SaleNotRemovedMessage(m_name, sales.name());
    else if (status == app::SalesFile::Status::Missing)
        result.message = kNoSalesFileMessage;
    return result;
}

} // namespace cashdesk
