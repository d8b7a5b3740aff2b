#include "rtf.h"

#include "framework/files.h"

#include <cstdint>

namespace statements {

namespace {

// In the order of the passes.
constexpr char16_t kAccents[] = {u'à', u'é', u'è', u'ù', u'â', u'î', u'ê', u'û', u'ä', u'ï', u'ö', u'ü', u'ô', u'ë'};
constexpr int kPasses = 3;
constexpr int kCellsPerRow = 10;
constexpr qsizetype kCouponsPerRow = 3;
// Table rows on a statement's first sheet and on each sheet after it. Laid out
// by LibreOffice on A4 at 10 pt, 41 rows fill the first sheet and 62 a
// following one. What is left holds a name and an address that wrap onto a
// second line, and the paragraph after the table: a table that filled its page
// pushed that paragraph onto an empty sheet.
constexpr qsizetype kRowsOnFirstSheet = 36;
constexpr qsizetype kRowsOnNextSheet = 58;

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// "\'hh" at position i.
bool isHexEscape(const QString &text, qsizetype i)
{
    return i + 3 < text.size() && text[i] == u'\\' && text[i + 1] == u'\'' && isHexDigit(text[i + 2]) &&
           isHexDigit(text[i + 3]);
}

QString escapeControls(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // An accent escape already in the text: doubling its backslash would
        // print it as text.
        if (isHexEscape(text, i)) {
            out += QStringView(text).mid(i, 4);
            i += 3;
            continue;
        }
        const QChar c = text[i];
        if (c == u'\\' || c == u'{' || c == u'}')
            out += u'\\';
        out += c;
    }
    return out;
}

void writeLines(fw::TextOutputStream &out, std::initializer_list<QString> lines)
{
    for (const QString &line : lines)
        out.WriteLine(RtfCharacters(line));
}

void writeCellBoundaries(fw::TextOutputStream &out)
{
    for (int cell = 1; cell <= kCellsPerRow; ++cell)
        out.WriteLine(QStringLiteral("\\cellx") + QString::number(cell));
}

void writeTableHeader(fw::TextOutputStream &out)
{
    writeLines(out, {QStringLiteral("\\par"), QStringLiteral(R"(\fs20\trowd\trhdr \qr)"),
                     QStringLiteral("\\trautofit1"), QStringLiteral("\\intbl")});
    writeCellBoundaries(out);
    writeLines(out, {QStringLiteral(R"({\cell Coupon\cell Valeur\cell\cell Coupon\cell Valeur\cell\cell Coupon)"
                                    R"(\cell Valeur\cell \cell})"),
                     QStringLiteral("\\row"), QString()});
}

// Whose sheet it is, in the style of the page's seller number.
void writeSellerHeading(fw::TextOutputStream &out, const StatementPage &page)
{
    writeLines(out, {QStringLiteral("{\\pard"), QStringLiteral("\\ql"), QStringLiteral("\\b\\i\\f0\\fs30"),
                     QStringLiteral("Vendeur  "), RtfPlainText(page.sellerNumber),
                     QStringLiteral(" – ") + RtfText(page.name), QStringLiteral("\\par}"), QString()});
}

QString cellOf(const QVector<QStringList> &coupons, qsizetype row, int column)
{
    return row < coupons.size() ? RtfPlainText(coupons[row].value(column)) : QString();
}

} // namespace

void WritePrologue(fw::TextOutputStream &out, const QString &fontTable, const QString &paper)
{
    writeLines(out, {QStringLiteral(R"({\rtf1\ansi\ansicpg1252\cocoartf1038\cocoasubrtf250)"), fontTable,
                     QStringLiteral(R"({\colortbl;\red255\green255\blue255;})"), paper,
                     QStringLiteral(R"(\pard\tx566\tx1133\tx1700\tx2267\tx2834\tx3401\tx3968\tx4535)"
                                    R"(\tx5102\tx5669\tx6236\tx6803\qc\pardirnatural)")});
}

QString AccentEscape(QString text)
{
    for (int pass = 0; pass < kPasses; ++pass) {
        for (char16_t letter : kAccents) {
            const qsizetype at = text.indexOf(QChar(letter));
            if (at >= 0)
                text.replace(at, 1, QStringLiteral("\\'") + QString::number(letter, 16));
        }
    }
    return text;
}

QString RtfText(const QString &text) { return AccentEscape(escapeControls(text)); }

QString RtfPlainText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\' || c == u'{' || c == u'}')
            out += u'\\';
        out += c;
    }
    return out;
}

QString RtfCharacters(const QString &line)
{
    QString out;
    out.reserve(line.size());
    for (const QChar c : line) {
        const char16_t unit = c.unicode();
        if (unit < 0x80) {
            out += c;
            continue;
        }
        const int byte = fw::Cp1252Byte(c);
        if (byte >= 0)
            out += QStringLiteral("\\'") + QString::number(byte, 16);
        else
            out += QStringLiteral("\\u") + QString::number(static_cast<std::int16_t>(unit)) + u'?';
    }
    return out;
}

void WriteStatementPage(fw::TextOutputStream &out, const StatementPage &page, PageForm form)
{
    const QString tab = QStringLiteral("\\tab ");
    writeLines(out, {QStringLiteral("{\\par"), QStringLiteral("\\ql"), QStringLiteral("\\b\\f0\\fs40"),
                     RtfText(page.name), QStringLiteral("\\par}"), QString()});
    writeLines(out, {QStringLiteral("{\\pard"), QStringLiteral("\\ql"), QStringLiteral("\\b\\f0\\fs24"),
                     RtfText(page.address), QStringLiteral("\\line"),
                     RtfPlainText(page.zip) + QStringLiteral("  ") + RtfText(page.locality), QStringLiteral("\\line"),
                     QStringLiteral("\\line"), QStringLiteral("\\par}"), QString()});
    writeLines(out, {QStringLiteral("{\\pard"), QStringLiteral("\\ql"), QStringLiteral("\\b\\i\\f0\\fs30"),
                     QStringLiteral("Vendeur  "), RtfPlainText(page.sellerNumber), QStringLiteral("\\line"),
                     QStringLiteral("\\par}"), QString()});
    writeLines(out, {QStringLiteral("{\\pard"), QStringLiteral("\\ql"), QStringLiteral("\\b\\f0\\fs30"),
                     QStringLiteral(R"(\tx576\tx2300\tx5184\tx6900)"),
                     QStringLiteral(R"(\tab Total \tab Commission \tab Frais \tab En votre faveur)"),
                     QStringLiteral("\\line \\b"),
                     tab + RtfPlainText(page.gross) + tab + RtfPlainText(page.commission) + tab +
                         RtfPlainText(page.fees) + tab + RtfPlainText(page.net),
                     QStringLiteral("\\par}"), QString()});
    writeLines(out, {QStringLiteral("{\\pard"), QStringLiteral("\\ql"), QStringLiteral("\\b\\f0\\fs24"),
                     QStringLiteral(R"(\tx576\tx5184)"), QStringLiteral("\\line"),
                     QStringLiteral("\\tab Date: ") + page.date + QStringLiteral("\\tab Quittance:"),
                     QStringLiteral("\\line"), QStringLiteral("\\line"), QStringLiteral("\\par}")});
    if (form == PageForm::Single)
        out.WriteLine(QString());
    writeLines(out, {QStringLiteral("{\\pard"), QStringLiteral("\\ql"), QStringLiteral("\\b\\f0\\fs24"),
                     QStringLiteral(R"(\tx576\tx5184)"), QStringLiteral("\\line"),
                     QStringLiteral(R"(\tab Les coupons sont par num\'e9ro croissant de gauche \'e0 droite)"),
                     QStringLiteral("\\line"), QStringLiteral("\\line"), QStringLiteral("\\par}"), QString()});
    WriteCouponTable(out, page);
}

void WriteCouponTable(fw::TextOutputStream &out, const StatementPage &page)
{
    const QVector<QStringList> &coupons = page.coupons;
    writeTableHeader(out);
    const QString cell = QStringLiteral("\\cell ");
    const QString gap = QStringLiteral("\\cell \\cell ");
    const auto coupon = [&](qsizetype place) { return cellOf(coupons, place, 0); };
    const auto amount = [&](qsizetype place) { return cellOf(coupons, place, 1); };
    qsizetype rowsLeft = kRowsOnFirstSheet;
    for (qsizetype k = 0; k < coupons.size(); k += kCouponsPerRow) {
        if (rowsLeft == 0) {
            WritePageBreakAfterTable(out);
            writeSellerHeading(out, page);
            writeTableHeader(out);
            rowsLeft = kRowsOnNextSheet;
        }
        writeLines(out, {QStringLiteral("\\trowd\\trautofit1"), QStringLiteral("\\intbl")});
        writeCellBoundaries(out);
        writeLines(out, {QStringLiteral("{") + cell + coupon(k) + cell + amount(k) + gap + coupon(k + 1) + cell +
                             amount(k + 1) + gap + coupon(k + 2) + cell + amount(k + 2) +
                             QStringLiteral("\\cell \\cell}"),
                         QStringLiteral("\\row"), QString()});
        --rowsLeft;
    }
}

void WritePageBreakAfterTable(fw::TextOutputStream &out)
{
    // Readers ignore a "\page" inside the table's last row, and what follows
    // then runs on in a cell.
    out.WriteLine(QStringLiteral("\\pard\\par"));
    out.WriteLine(QStringLiteral("\\page"));
}

QString OpenerFailureMessage(const QString &fileName, OpenerMessage kind)
{
#if defined(Q_OS_MACOS)
    const QString prefix = kind == OpenerMessage::Exclaimed
                               ? QStringLiteral("Impossible d'ouvrir TextEdit! Vous devrez imprimer le fichier ")
                               : QStringLiteral("Impossible d'ouvrir TextEdit Vous devrez imprimer le fichier ");
#else
    Q_UNUSED(kind);
    const QString prefix = QStringLiteral("Impossible d'ouvrir Abiword! Vous devrez imprimer le fichier ");
#endif
    return prefix + u'"' + fileName + u'"' + QStringLiteral(" vous-même.");
}

} // namespace statements
