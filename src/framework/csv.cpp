#include "csv.h"

#include "text.h"

namespace fw {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The text of a field wholly inside double quotes, or nothing when it is not
// (a lone quote, or text after the closing one, is kept as typed).
std::optional<QString> unquoted(QStringView field)
{
    if (field.size() < 2 || field.front() != u'"' || field.back() != u'"')
        return std::nullopt;
    QString text;
    const QStringView inside = field.sliced(1, field.size() - 2);
    for (qsizetype i = 0; i < inside.size(); ++i) {
        if (inside[i] == u'"') {
            if (i + 1 >= inside.size() || inside[i + 1] != u'"')
                return std::nullopt;
            ++i;
        }
        text.append(inside[i]);
    }
    return text;
}

} // namespace

std::optional<QStringList> SplitDataLine(QStringView line, const LineForm &form)
{
    QStringList fields;
    bool semicolon = false;
    qsizetype start = 0;
    while (start <= line.size()) {
        // A field opened by a quote runs to the quote that closes it, "," included,
        // so that a quoted comma is seen as such and not taken for a separator.
        qsizetype i = start;
        while (i < line.size() && isBlank(line[i]))
            ++i;
        qsizetype comma = -1;
        if (i < line.size() && line[i] == u'"') {
            qsizetype j = i + 1;
            while (j < line.size() && !(line[j] == u'"' && (j + 1 >= line.size() || line[j + 1] != u'"')))
                j += line[j] == u'"' ? 2 : 1;
            qsizetype k = j + 1;
            while (k < line.size() && isBlank(line[k]))
                ++k;
            if (j < line.size() && (k >= line.size() || line[k] == u','))
                comma = k;
        }
        // Not wholly quoted: the quote is a character like any other.
        if (comma < 0)
            comma = line.indexOf(u',', start);
        if (comma < 0)
            comma = line.size();
        const QStringView raw = Trim(line.sliced(start, comma - start));
        if (std::optional<QString> text = unquoted(raw)) {
            if (text->contains(u','))
                return std::nullopt;
            fields.append(*text);
        } else {
            const bool hasSemicolon = raw.contains(u';');
            if (hasSemicolon && fields.size() < 32 && (form.numbers >> fields.size()) & 1u)
                return std::nullopt;
            semicolon = semicolon || hasSemicolon;
            fields.append(raw.toString());
        }
        start = comma + 1;
    }
    if (semicolon && fields.size() < form.fields)
        return std::nullopt;
    return fields;
}

bool IsBlankDataLine(QStringView line)
{
    qsizetype start = 0;
    while (start <= line.size()) {
        qsizetype end = start;
        while (end < line.size() && line[end] != u',' && line[end] != u';')
            ++end;
        QStringView field = Trim(line.sliced(start, end - start));
        // A spreadsheet quotes the empty text of a cell too: "".
        if (field.size() >= 2 && field.front() == u'"' && field.back() == u'"')
            field = Trim(field.sliced(1, field.size() - 2));
        if (!field.isEmpty())
            return false;
        start = end + 1;
    }
    return true;
}

} // namespace fw
