#pragma once

#include "ratefile.h"

#include "app/csvload.h"
#include "framework/csv.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// The year's coupon journal QVOB<year>_main.csv: two header lines, then one
// line per recorded coupon. The cash desk reads it once, at the opening, and
// from then on holds its coupons here; every change to the file goes through
// the same holder, so the two never part.
namespace cashdesk {

// coupon, amount, seller name, seller code.
inline constexpr fw::LineForm kJournalLine{4, 0b1011};

// day/month/year without leading zeros: 7/3/2026.
QString DayText(const QDate &date);

// "QVOB" + year + "_main.csv".
QString JournalName(int year);

// The journal's two header lines.
QString JournalHeader1(const QString &myday);
QString JournalHeader2();

// Creates or replaces the journal with its two header lines and the given
// lines. False when it could not be written; the old file then stays whole.
bool WriteJournal(const QString &name, const QString &myday, const QStringList &lines = {});

// One coupon of the journal.
struct JournalEntry {
    // Coupon, amount, seller name, seller code: as its line reads (trimmed)
    // or, for a coupon recorded in this run, as it was recorded.
    QStringList row;
    QString line; // the line's text in the file
    bool recorded = false;
};

// The entry as the list of recorded coupons shows it: a coupon read from the
// file with its amount in the amount format, one recorded in this run as typed.
QStringList ShownRow(const JournalEntry &entry);

// What a cancellation did.
struct Cancellation {
    // Out of the journal, and so of the entries: the screen follows.
    bool done = false;
    // What the cashier is told; empty for nothing.
    QString message;
    // The sales file's rows as the cancellation leaves them, for the working
    // list that shows them; none when it stopped before reading that file.
    std::optional<QVector<QStringList>> sales;
};

class Journal
{
public:
    // Reads the journal named `name`, or creates it with its header dated
    // `myday` when there is none. A journal that is there but cannot be read
    // is never replaced.
    FileOpening Open(const QString &name, const QString &myday);

    const QString &name() const { return m_name; }
    const QVector<JournalEntry> &entries() const { return m_entries; }
    // The first line the opening could not read. The entries leave it out,
    // and the file keeps it: it is never rewritten while it holds such a line.
    const app::ReadError &readError() const { return m_readError; }
    // The sum of the amounts, each at its app::AmountValue.
    app::Amount Turnover() const;
    // The last entry whose coupon is exactly `coupon`, or -1.
    qsizetype LastEntryOf(const QString &coupon) const;

    // Records a sale (coupon, amount, seller name, seller code) in its
    // seller's sales file and in the journal, both or neither (RecordSale).
    // Empty when it is recorded; otherwise the message that says why not.
    QString Record(const QStringList &row);

    // Takes an entry out of the journal and its coupon's last sale out of its
    // seller's sales file, both or, with a message, neither. The journal is
    // read again first: changed outside the program since it was read, it no
    // longer tells which line is the entry's, and nothing is removed.
    Cancellation Cancel(qsizetype entry);

private:
    bool holds(const app::CsvLines &read) const;

    QString m_name;
    QString m_myday;
    QVector<JournalEntry> m_entries;
    app::ReadError m_readError;
};

} // namespace cashdesk
