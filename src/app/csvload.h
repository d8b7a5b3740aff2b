#pragma once

#include "amount.h"

namespace fw {
class Listbox;
class TextField;
class TextInputStream;
struct LineForm;
} // namespace fw

#include <QString>
#include <QStringList>
#include <QVector>

namespace app {

// The data lines of a file: one row of `form.fields` cells per line, field c
// into cell c (cells past a short line's end are empty, fields past the form's
// dropped). Blank lines give no row, and neither does a line that cannot be of
// the form (see fw::SplitDataLine): `badLine` numbers the first such line,
// counting every line of the file from 1, or is 0 when there is none.
struct CsvRows {
    QVector<QStringList> rows;
    qsizetype badLine = 0;
};

// Reads the remaining lines of a stream; `linesRead` lines of it (a header)
// were read before.
CsvRows ReadCsvRows(fw::TextInputStream &stream, const fw::LineForm &form, qsizetype linesRead = 0);

// The rows as ReadCsvRows reads them, and every line as it was read, blank and
// unreadable ones too: what a rewrite that removes one row needs to give back
// every other line exactly. `rowLines` holds the place in `lines` of each row's line.
struct CsvLines : CsvRows {
    QStringList lines;
    QVector<qsizetype> rowLines;
};
CsvLines ReadCsvLines(fw::TextInputStream &stream, const fw::LineForm &form, qsizetype linesRead = 0);

// The lines as read, less the line of one row.
QStringList LinesWithout(const CsvLines &read, qsizetype row);

// The value of an amount field: Val of it as an amount, and 0 for a text that
// is no number and for an amount beyond the bounds of an app::Amount ("1e400",
// "1e300"), so that one such amount does not take every other out of a sum.
Amount AmountValue(const QString &amount);

// What a reader of a data file could not read, at most one thing: the first
// line that cannot be read as data, or the file itself.
struct ReadError {
    QString file;       // empty: all was read
    qsizetype line = 0; // counting every line of the file from 1; 0: the file itself cannot be read
    explicit operator bool() const { return !file.isEmpty(); }
    bool wholeFile() const { return !file.isEmpty() && line == 0; }
};

// What the organiser is told of a line that cannot be read as data: the file,
// the line and what to do. Every reader's error is told by it.
QString ReadErrorMessage(const ReadError &error);

// An amount as every amount field shows it ("-####.00"): an amount that is
// no number, or beyond what an amount holds, shows 0.00, as it counts; an
// empty one stays empty.
QString ShownAmount(const QString &amount);

// Puts cell 1 of every row into the amount field's format, as the amount
// counts (AmountValue); an empty cell stays empty.
void FormatAmounts(QVector<QStringList> &rows, const fw::TextField &amountFormat);

// Loads the remaining lines of a stream into a list, a row per data line as
// ReadCsvRows reads them; with an amount field, column 1 is put into that
// field's amount format. Gives the first line that could not be read, or 0.
qsizetype CsvLoad(fw::TextInputStream &stream, fw::Listbox &list, const fw::LineForm &form,
                  const fw::TextField *amountFormat = nullptr);

} // namespace app
