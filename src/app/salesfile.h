#pragma once

#include "amount.h"
#include "csvload.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace app {

// A seller's sales file vendeur_<code>.csv (app::SalesFileName) read whole,
// as every reader takes it: the cash desk cancelling a coupon, the seller
// sheet and the general statements.
class SalesFile
{
public:
    enum class Status { Missing, Unreadable, Read };

    explicit SalesFile(QString name) : m_name(std::move(name)) {}
    Status Read();

    const QString &name() const { return m_name; }
    // One row per sale, coupon and amount trimmed (a short line leaves the
    // amount empty), in file order.
    const QVector<QStringList> &rows() const { return m_read.rows; }
    // Every line as it was read, blank and unreadable ones too.
    const QStringList &lines() const { return m_read.lines; }
    // The first line that is no sale: its amount is missing from the gross,
    // and a file holding one is never rewritten.
    ReadError readError() const { return m_read.badLine ? ReadError{m_name, m_read.badLine} : ReadError{}; }
    // The sum of the amounts as read (app::AmountValue), before they are put
    // into the amount format.
    Amount gross() const { return m_gross; }
    // The last sale of `coupon` (compared as text), or -1.
    qsizetype LastSaleOf(const QString &coupon) const;
    // The file's lines less the line of one sale, every other line exactly as read.
    QStringList LinesWithout(qsizetype sale) const { return app::LinesWithout(m_read, sale); }

private:
    QString m_name;
    CsvLines m_read;
    Amount m_gross;
};

} // namespace app
