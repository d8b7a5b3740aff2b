#include "recording.h"

#include "app/csvload.h"
#include "framework/csv.h"
#include "framework/files.h"
#include "framework/text.h"
#include "register/registerfiles.h"

#include <cmath>
#include <cstring>

namespace cashdesk {

namespace {

QStringList splitLine(QByteArrayView line) { return fw::Split(fw::DecodeLine(line), QStringLiteral(",")); }

bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

// What a spreadsheet cell or a line of text brings along when it is pasted.
QString withoutOuterLineEnds(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isLineEnd(text[begin]))
        ++begin;
    while (end > begin && isLineEnd(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

bool hasLineBreak(const QString &text) { return text.contains(u'\r') || text.contains(u'\n'); }

bool holds(QByteArrayView line, char c) { return std::memchr(line.data(), c, static_cast<size_t>(line.size())); }

// A line as a spreadsheet saves it, with quotes or ";" separators; the
// program's own lines have neither.
bool isSpreadsheetLine(QByteArrayView line) { return holds(line, '"') || holds(line, ';'); }

bool startsQuoted(QByteArrayView line)
{
    qsizetype i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    return i < line.size() && line[i] == '"';
}

// The first field of a line that cannot be read as the index's, only to tell
// whose line it is: the text before the first "," or ";", or inside the
// quotes that open the line.
QString firstFieldOf(QStringView line)
{
    line = line.trimmed();
    if (!line.startsWith(u'"')) {
        qsizetype end = 0;
        while (end < line.size() && line[end] != u',' && line[end] != u';')
            ++end;
        return line.first(end).trimmed().toString();
    }
    QString text;
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (line[i] == u'"') {
            if (i + 1 >= line.size() || line[i + 1] != u'"')
                break;
            ++i;
        }
        text.append(line[i]);
    }
    return text;
}

// A spreadsheet's line read as the spreadsheet meant it; one that cannot be
// read, when it is the coupon's, leaves no seller but its number.
void readSpreadsheetLine(QByteArrayView bytes, qsizetype number, const QString &coupon, CouponOwner &owner)
{
    const QString line = fw::DecodeLine(bytes);
    if (const std::optional<QStringList> fields = fw::SplitDataLine(line, reg::kIndexLine)) {
        if (fields->value(0) == coupon)
            owner = {fields->value(1), fields->value(2), 0};
    } else if (firstFieldOf(line) == coupon) {
        owner = {QString(), QString(), number};
    }
}

} // namespace

std::optional<QString> TypedCoupon(const QString &typed)
{
    const QString coupon = withoutOuterLineEnds(typed);
    if (coupon.contains(u',') || hasLineBreak(coupon))
        return std::nullopt;
    return coupon;
}

std::optional<double> TypedRate(const QString &typed)
{
    // Val would stop at a comma followed by a pasted line end: "12,5\n" would be 12 %.
    const QString rate = withoutOuterLineEnds(typed);
    const double percent = fw::Val(fw::DecimalCommaAsPoint(rate).value_or(rate));
    if (!std::isfinite(percent))
        return std::nullopt;
    return percent / 100;
}

CouponOwner FindCouponOwner(fw::TextInputStream &index, const QString &coupon)
{
    // The index is read at every recording and holds a line per coupon of
    // every seller, so lines are compared as bytes and only an equal one is
    // decoded. An ASCII byte decodes to the same character in every encoding
    // a line may have, and any other byte to a character outside ASCII: for
    // an ASCII coupon number, equal bytes are exactly an equal first field.
    // A line a spreadsheet saved with quotes or ";" is read field by field,
    // when its first bytes show that it may be the coupon's.
    const QByteArray wanted = coupon.toUtf8();
    const bool asciiCoupon = fw::IsAscii(wanted);
    const bool canMatch = !coupon.contains(QLatin1Char(',')); // a first field never holds one
    const qsizetype n = wanted.size();
    CouponOwner owner;
    qsizetype number = 0;
    while (!index.Eof()) {
        const QByteArrayView line = index.ReadLineBytes();
        ++number;
        if (!canMatch)
            continue;
        if (asciiCoupon) {
            const bool sameStart =
                line.size() >= n && std::memcmp(line.data(), wanted.constData(), static_cast<size_t>(n)) == 0;
            const char next = line.size() > n ? line[n] : ',';
            if (sameStart && next == ',' && !isSpreadsheetLine(line)) {
                const QStringList fields = splitLine(line);
                owner = {fw::Field(fields, 1), fw::Field(fields, 2), 0};
                continue;
            }
            if (!(sameStart && (next == ',' || next == ';')) && !startsQuoted(line))
                continue;
        } else if (!isSpreadsheetLine(line)) {
            const qsizetype comma = line.indexOf(',');
            if (fw::IsAscii(comma < 0 ? line : line.first(comma)))
                continue;
            const QStringList fields = splitLine(line);
            if (fw::Field(fields, 0) == coupon)
                owner = {fw::Field(fields, 1), fw::Field(fields, 2), 0};
            continue;
        }
        readSpreadsheetLine(line, number, coupon, owner);
    }
    return owner;
}

QString NoSellerMessage(const CouponOwner &owner)
{
    return owner.badLine ? app::UnreadableLineMessage(reg::kCouponIndex, owner.badLine) : kNoSellerMessage;
}

QString DuplicateMessage(int row) { return QStringLiteral("Coupon déjà saisi, position ") + fw::Str(row + 1); }

bool IsHighAmount(const QString &amount) { return fw::Val(amount) > 151; }

bool IsRecordableTurnover(double turnover) { return std::isfinite(turnover); }

QString JournalNotOpenedMessage(const QString &journal)
{
    return QStringLiteral("Impossible d'ouvrir le journal ") + journal +
           QStringLiteral(" : le coupon n'est pas enregistré.");
}

QString SaleNotWrittenMessage(const QString &salesFile)
{
    return QStringLiteral("Impossible d'écrire dans le fichier ") + salesFile +
           QStringLiteral(" : le coupon n'est pas enregistré.");
}

QString JournalNotWrittenMessage(const QString &journal, const QString &salesFile, bool saleTakenBack)
{
    QString text = QStringLiteral("Impossible d'écrire dans le journal ") + journal +
                   QStringLiteral(" : le coupon n'est pas enregistré");
    if (!saleTakenBack)
        text += QStringLiteral(", mais sa ligne reste dans ") + salesFile;
    return text + QLatin1Char('.');
}

} // namespace cashdesk
