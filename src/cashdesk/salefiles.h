#pragma once

#include "app/csvload.h"

#include <QString>
#include <QStringList>

// A seller's sales file vendeur_<code>.csv: a sale as it goes into it and
// into the year's coupon journal, and the file as a cancellation reads it,
// apart from the window.
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

// A sales file read whole: its rows (coupon, amount, trimmed) and every line
// as it was read, so that a rewrite less one sale gives every other line back
// exactly.
class SalesFile
{
public:
    enum class Status { Missing, Unreadable, Read };

    explicit SalesFile(QString name) : m_name(std::move(name)) {}
    Status Read();

    const QString &name() const { return m_name; }
    const QVector<QStringList> &rows() const { return m_read.rows; }
    // The first line that is no sale; a file holding one is never rewritten.
    app::ReadError readError() const { return m_read.badLine ? app::ReadError{m_name, m_read.badLine} : app::ReadError{}; }
    // The last sale of `coupon` (compared as text), or -1.
    qsizetype LastSaleOf(const QString &coupon) const;
    // The file's lines less those of one sale.
    QStringList LinesWithout(qsizetype sale) const;

private:
    QString m_name;
    app::CsvLines m_read;
};

} // namespace cashdesk
