#pragma once

namespace fw {
class Listbox;
class TextField;
class TextInputStream;
} // namespace fw

#include <QStringList>
#include <QVector>

namespace app {

// The remaining lines of a stream cut at every ",", field c trimmed into cell
// c of a row of `columns` cells (cells past a short line's end are empty).
QVector<QStringList> ReadCsvRows(fw::TextInputStream &stream, int columns);

// Puts cell 1 of every row into the amount field's format.
void FormatAmounts(QVector<QStringList> &rows, const fw::TextField &amountFormat);

// Loads the remaining lines of a stream into a list: one row per line, field c
// trimmed into column c. A line with more fields than the list has columns
// loses the extra ones; a short line leaves its missing cells empty.
// With an amount field, column 1 is put into that field's amount format.
void CsvLoad(fw::TextInputStream &stream, fw::Listbox &list, const fw::TextField *amountFormat = nullptr);

} // namespace app
