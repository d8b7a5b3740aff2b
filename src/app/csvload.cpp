#include "csvload.h"

#include "framework/controls.h"
#include "framework/files.h"

namespace app {

void FormatAmounts(QVector<QStringList> &rows, const fw::TextField &amountFormat)
{
    for (QStringList &row : rows) {
        if (row.size() < 2)
            continue;
        if (!row[1].isEmpty())
            row[1] = amountFormat.formatted(AmountValue(row[1]).Formatted());
    }
}

qsizetype CsvLoad(fw::TextInputStream &stream, fw::Listbox &list, const fw::LineForm &form,
                  const fw::TextField *amountFormat)
{
    CsvRows read = ReadCsvRows(stream, form);
    if (amountFormat)
        FormatAmounts(read.rows, *amountFormat);
    list.AppendRows(std::move(read.rows));
    return read.badLine;
}

} // namespace app
