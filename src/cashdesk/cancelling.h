#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Cancelling a recorded coupon, apart from the window: rows are the cells of a
// list, row by row.
namespace cashdesk {

// The journal lines of every row but `skip`: the four cells of each row
// joined by ",", exactly as they are.
QStringList JournalLines(const QVector<QStringList> &rows, int skip);

// The sum of the amounts (cell 1) of every row but `skip`.
double Turnover(const QVector<QStringList> &rows, int skip);

// Replaces a seller sales file with one "coupon,amount" line per row. False
// when it could not be written; the old file then stays whole.
bool WriteSalesFile(const QString &name, const QVector<QStringList> &rows);

} // namespace cashdesk
