#include "cancelling.h"

#include "coupons.h"

#include "framework/files.h"
#include "framework/text.h"

namespace cashdesk {

QStringList JournalLines(const QVector<QStringList> &rows, int skip)
{
    QStringList lines;
    lines.reserve(rows.size());
    for (int i = 0; i < rows.size(); ++i)
        if (i != skip)
            lines.append(JournalLine(rows[i]));
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

bool WriteSalesFile(const QString &name, const QVector<QStringList> &rows)
{
    auto out = fw::CreateTextFile(name);
    if (!out)
        return false;
    for (const QStringList &row : rows)
        out->WriteLine(SaleLine(row));
    return out->Close();
}

} // namespace cashdesk
