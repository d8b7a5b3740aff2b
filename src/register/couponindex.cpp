#include "couponindex.h"

#include "registerfiles.h"

#include "framework/csv.h"
#include "framework/files.h"
#include "framework/text.h"

#include <cstring>
#include <optional>

namespace reg {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The first field of a line that cannot be read as the index's, only to tell
// whose line it is: the text before the first "," or ";", or inside the
// quotes that open the line.
QString firstFieldOf(QStringView line)
{
    line = fw::Trim(line);
    if (!line.startsWith(u'"')) {
        qsizetype end = 0;
        while (end < line.size() && line[end] != u',' && line[end] != u';')
            ++end;
        return fw::Trim(line.first(end)).toString();
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

// One line read as every reader of the data files reads it; the coupon's
// line gives its seller, or, when it cannot be read, no seller but its number.
void readLine(QByteArrayView bytes, qsizetype number, const QString &coupon, CouponOwner &owner)
{
    const QString line = fw::DecodeLine(bytes);
    if (fw::IsBlankDataLine(line))
        return;
    if (const std::optional<QStringList> fields = fw::SplitDataLine(line, kIndexLine)) {
        if (fields->value(0) == coupon)
            owner = {fields->value(1), fields->value(2), 0};
    } else if (firstFieldOf(line) == coupon) {
        owner = {QString(), QString(), number};
    }
}

} // namespace

CouponOwner FindCouponOwner(fw::TextInputStream &index, const QString &coupon)
{
    // The index is read at every recording and holds a line per coupon of
    // every seller, so its lines are first looked at as bytes, and only one
    // that may be the coupon's is decoded and read field by field.
    //
    // A line not opened by a quote has for first field, read or not, its
    // text before the first "," or ";" without the blanks around. An ASCII
    // byte decodes to the same character in every encoding a line may have,
    // and any other byte to a character outside ASCII. So for a coupon
    // without blanks around, a line is passed over when its bytes after the
    // leading blanks do not start with the coupon's followed by blanks and a
    // separator (ASCII coupon), or when that first field is all ASCII
    // (other coupon): its first field cannot be the coupon. A coupon with
    // blanks around can only be a quoted cell's.
    const QByteArray wanted = coupon.toUtf8();
    const qsizetype n = wanted.size();
    const bool asciiCoupon = fw::IsAscii(wanted);
    const bool canMatch = !coupon.contains(QLatin1Char(',')); // a field read never holds one
    const bool everyLine = coupon.isEmpty(); // that of ",A,1", but not of a blank line
    const bool plainCanMatch = fw::Trim(coupon) == coupon;
    CouponOwner owner;
    qsizetype number = 0;
    while (!index.Eof()) {
        const QByteArrayView line = index.ReadLineBytes();
        ++number;
        if (!canMatch)
            continue;
        qsizetype start = 0;
        while (start < line.size() && isBlank(line[start]))
            ++start;
        const bool quoted = start < line.size() && line[start] == '"';
        if (everyLine || quoted) {
            readLine(line, number, coupon, owner);
            continue;
        }
        if (!plainCanMatch)
            continue;
        if (asciiCoupon) {
            if (line.size() - start < n || std::memcmp(line.data() + start, wanted.constData(), size_t(n)) != 0)
                continue;
            qsizetype end = start + n;
            while (end < line.size() && isBlank(line[end]))
                ++end;
            if (end < line.size() && line[end] != ',' && line[end] != ';')
                continue;
        } else {
            qsizetype end = start;
            while (end < line.size() && line[end] != ',' && line[end] != ';')
                ++end;
            if (fw::IsAscii(line.sliced(start, end - start)))
                continue;
        }
        readLine(line, number, coupon, owner);
    }
    return owner;
}

} // namespace reg
