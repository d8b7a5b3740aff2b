#include "recording.h"

#include "framework/files.h"
#include "framework/text.h"

#include <cmath>
#include <cstring>

namespace cashdesk {

namespace {

QStringList splitLine(QByteArrayView line) { return fw::Split(fw::DecodeLine(line), QStringLiteral(",")); }

bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

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

// A number typed with a decimal comma: an optional sign, digits, one "," and
// digits, blanks around. The same number with a point and without the blanks;
// none for any other text.
std::optional<QString> DecimalCommaAsPoint(const QString &text)
{
    QString number = fw::Trim(text);
    qsizetype i = 0;
    const qsizetype n = number.size();
    if (i < n && (number[i] == u'+' || number[i] == u'-'))
        ++i;
    const qsizetype wholeStart = i;
    while (i < n && isDigit(number[i]))
        ++i;
    if (i == wholeStart || i == n || number[i] != u',')
        return std::nullopt;
    const qsizetype comma = i++;
    const qsizetype fractionStart = i;
    while (i < n && isDigit(number[i]))
        ++i;
    if (i == fractionStart || i != n)
        return std::nullopt;
    number[comma] = u'.';
    return number;
}

} // namespace

std::optional<QString> TypedCoupon(const QString &typed)
{
    const QString coupon = withoutOuterLineEnds(typed);
    if (coupon.contains(u',') || hasLineBreak(coupon))
        return std::nullopt;
    return coupon;
}

std::optional<QString> TypedAmount(const QString &typed)
{
    const QString amount = withoutOuterLineEnds(typed);
    if (hasLineBreak(amount))
        return std::nullopt;
    if (amount.contains(u','))
        return DecimalCommaAsPoint(amount);
    return amount;
}

std::optional<double> TypedRate(const QString &typed)
{
    const double percent = fw::Val(DecimalCommaAsPoint(typed).value_or(typed));
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
    const QByteArray wanted = coupon.toUtf8();
    const bool asciiCoupon = fw::IsAscii(wanted);
    const bool canMatch = !coupon.contains(QLatin1Char(',')); // a first field never holds one
    const qsizetype n = wanted.size();
    CouponOwner owner;
    while (!index.Eof()) {
        const QByteArrayView line = index.ReadLineBytes();
        if (!canMatch)
            continue;
        if (asciiCoupon) {
            if (line.size() < n || (line.size() > n && line[n] != ',') ||
                std::memcmp(line.data(), wanted.constData(), static_cast<size_t>(n)) != 0)
                continue;
        } else {
            const qsizetype comma = line.indexOf(',');
            if (fw::IsAscii(comma < 0 ? line : line.first(comma)))
                continue;
            if (fw::Field(splitLine(line), 0) != coupon)
                continue;
        }
        const QStringList fields = splitLine(line);
        owner.name = fw::Field(fields, 1);
        owner.codeText = fw::Field(fields, 2);
    }
    return owner;
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
