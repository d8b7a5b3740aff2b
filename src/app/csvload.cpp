#include "csvload.h"

#include "framework/controls.h"
#include "framework/files.h"
#include "framework/text.h"

namespace app {

QVector<QStringList> ReadCsvRows(fw::TextInputStream &stream, int columns)
{
    const QString comma = QStringLiteral(",");
    QVector<QStringList> rows;
    while (!stream.Eof()) {
        const QStringList fields = fw::Split(stream.ReadLine(), comma);
        QStringList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row.append(fw::Trim(fw::Field(fields, c)));
        rows.append(std::move(row));
    }
    return rows;
}

void FormatAmounts(QVector<QStringList> &rows, const fw::TextField &amountFormat)
{
    for (QStringList &row : rows)
        if (row.size() > 1)
            row[1] = amountFormat.formatted(row[1]);
}

void CsvLoad(fw::TextInputStream &stream, fw::Listbox &list, const fw::TextField *amountFormat)
{
    QVector<QStringList> rows = ReadCsvRows(stream, list.ColumnCount());
    if (amountFormat)
        FormatAmounts(rows, *amountFormat);
    list.AppendRows(std::move(rows));
}

} // namespace app
