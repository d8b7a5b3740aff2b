#include "salesfile.h"

#include "rules.h"

#include "framework/files.h"

namespace app {

SalesFile::Status SalesFile::Read()
{
    m_read = {};
    m_gross = {};
    // Most codes of a sparse register have no file: one look tells, without
    // an opening that fails first.
    if (!fw::Exists(m_name))
        return Status::Missing;
    std::unique_ptr<fw::TextInputStream> in = fw::OpenAsTextFile(m_name);
    if (!in)
        return fw::Exists(m_name) ? Status::Unreadable : Status::Missing;
    m_read = ReadCsvLines(*in, kSaleLine);
    AmountSum gross;
    for (const QStringList &row : m_read.rows)
        gross.add(AmountValue(row[1]));
    m_gross = gross.value();
    return Status::Read;
}

qsizetype SalesFile::LastSaleOf(const QString &coupon) const
{
    for (qsizetype r = m_read.rows.size() - 1; r >= 0; --r)
        if (m_read.rows[r][0] == coupon)
            return r;
    return -1;
}

} // namespace app
