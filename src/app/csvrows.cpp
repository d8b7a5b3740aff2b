#include "csvload.h"

#include "framework/csv.h"
#include "framework/files.h"
#include "framework/text.h"

namespace app {

namespace {

// Reads the rows, and the lines as read when `kept` is given.
void readRows(fw::TextInputStream &stream, const fw::LineForm &form, qsizetype linesRead, CsvRows &read,
              CsvLines *kept)
{
    qsizetype number = linesRead;
    while (!stream.Eof()) {
        const QString line = stream.ReadLine();
        ++number;
        if (kept)
            kept->lines.append(line);
        if (fw::IsBlankDataLine(line))
            continue;
        std::optional<QStringList> fields = fw::SplitDataLine(line, form);
        if (!fields) {
            if (read.badLine == 0)
                read.badLine = number;
            continue;
        }
        QStringList row = std::move(*fields);
        while (row.size() < form.fields)
            row.append(QString());
        row.resize(form.fields);
        read.rows.append(std::move(row));
        if (kept)
            kept->rowLines.append(kept->lines.size() - 1);
    }
}

} // namespace

CsvRows ReadCsvRows(fw::TextInputStream &stream, const fw::LineForm &form, qsizetype linesRead)
{
    CsvRows read;
    readRows(stream, form, linesRead, read, nullptr);
    return read;
}

CsvLines ReadCsvLines(fw::TextInputStream &stream, const fw::LineForm &form, qsizetype linesRead)
{
    CsvLines read;
    readRows(stream, form, linesRead, read, &read);
    return read;
}

QStringList LinesWithout(const CsvLines &read, qsizetype row)
{
    QStringList lines = read.lines;
    lines.removeAt(read.rowLines[row]);
    return lines;
}

Amount AmountValue(const QString &amount) { return Amount::FromText(amount).value_or(Amount()); }

QString ReadErrorMessage(const ReadError &error)
{
    return QStringLiteral("La ligne %1 de %2 ne se lit pas : ses champs doivent être séparés par des "
                          "virgules, et aucun ne peut contenir de virgule. Corrigez-la dans un éditeur de "
                          "texte, puis recommencez.")
        .arg(error.line)
        .arg(error.file);
}

QString ShownAmount(const QString &amount)
{
    return amount.isEmpty() ? amount : AmountValue(amount).Formatted();
}

} // namespace app
