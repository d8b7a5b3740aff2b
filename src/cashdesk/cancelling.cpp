#include "cancelling.h"

#include "framework/files.h"
#include "framework/text.h"

namespace cashdesk {

namespace {

QString journalLine(const QStringList &row)
{
    const QChar comma = QLatin1Char(',');
    return fw::Field(row, 0) + comma + fw::Field(row, 1) + comma + fw::Field(row, 2) + comma + fw::Field(row, 3);
}

} // namespace

QStringList JournalLines(const QVector<QStringList> &rows, int skip)
{
    QStringList lines;
    lines.reserve(rows.size());
    for (int i = 0; i < rows.size(); ++i)
        if (i != skip)
            lines.append(journalLine(rows[i]));
    return lines;
}

double Turnover(const QVector<QStringList> &rows, int skip)
{
    double total = 0;
    for (int i = 0; i < rows.size(); ++i)
        if (i != skip)
            total += fw::Val(fw::Field(rows[i], 1));
    return total;
}

int LastRowOf(const QVector<QStringList> &rows, const QString &coupon)
{
    for (int i = static_cast<int>(rows.size()) - 1; i >= 0; --i)
        if (fw::Field(rows[i], 0) == coupon)
            return i;
    return -1;
}

bool WriteSalesFile(const QString &name, const QVector<QStringList> &rows)
{
    auto out = fw::CreateTextFile(name);
    if (!out)
        return false;
    for (const QStringList &row : rows)
        out->WriteLine(fw::Field(row, 0) + QLatin1Char(',') + fw::Field(row, 1));
    return out->Close();
}

} // namespace cashdesk
