#include "text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace fw {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Appends the digits from text[i] on to `out` and moves i past them; false
// when there is none.
bool takeDigits(QStringView text, qsizetype &i, std::string &out)
{
    const qsizetype first = i;
    for (; i < text.size() && isDigit(text[i]); ++i)
        out += static_cast<char>(text[i].unicode());
    return i > first;
}

} // namespace

double Val(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    std::string number;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    bool anyDigit = takeDigits(text, i, number);
    if (i < n && text[i] == u'.') {
        std::string fraction;
        qsizetype j = i + 1;
        if (takeDigits(text, j, fraction)) {
            number += '.' + fraction;
            anyDigit = true;
            i = j;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            exponent += static_cast<char>(text[j].unicode());
            ++j;
        }
        if (takeDigits(text, j, exponent))
            number += exponent;
    }
    double value = 0.0;
    const char *first = number.data();
    if (*first == '-')
        ++first; // from_chars takes no sign of its own here
    auto [ptr, ec] = std::from_chars(first, number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large gives infinity, too small gives zero, as strtod does.
        const bool tiny = number.find("e-") != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    (void)ptr;
    return number.front() == '-' ? -value : value;
}

QString Str(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0.0)
        return QStringLiteral("0"); // -0 too
    // The fewest digits that read back as this very Double, always in plain
    // decimal: the widest, the smallest subnormal, takes 327 characters.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString Str(int value) { return QString::number(value); }
QString Str(std::int64_t value) { return QString::number(static_cast<qlonglong>(value)); }

double Round(double value) { return std::round(value); }

std::int32_t ToInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value); // truncates toward zero
}

bool LessByNumber(QStringView a, QStringView b)
{
    const double na = Val(a);
    const double nb = Val(b);
    if (na != nb)
        return na < nb;
    return a < b;
}

QStringList Split(const QString &text, const QString &separator)
{
    if (text.isEmpty())
        return {};
    return text.split(separator, Qt::KeepEmptyParts);
}

QString Field(const QStringList &fields, qsizetype index)
{
    return index >= 0 && index < fields.size() ? fields[index] : QString();
}

QStringView TrimWhere(QStringView text, bool (*outer)(QChar))
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && outer(text[begin]))
        ++begin;
    while (end > begin && outer(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QStringView Trim(QStringView text) { return TrimWhere(text, isBlank); }

QString Trim(const QString &text)
{
    const QStringView trimmed = Trim(QStringView(text));
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

std::optional<QString> DecimalCommaAsPoint(const QString &text)
{
    QString number = Trim(text);
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

Decimal DecimalOf(double value)
{
    Decimal d;
    if (!std::isfinite(value) || value == 0.0)
        return d;
    d.negative = value < 0;
    // "d.dddddddddddddde[+-]x": 15 significant digits.
    char buffer[32];
    const char *const end =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14).ptr;
    const char *p = buffer;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.')
            d.digits = d.digits * 10 + static_cast<std::uint64_t>(*p - '0');
    // from_chars reads a "-" but no "+"; it stops where to_chars did.
    const char *exponent = p + 1;
    if (exponent != end && *exponent == '+')
        ++exponent;
    int e = 0;
    std::from_chars(exponent, end, e);
    d.exponent = e - 14;
    while (d.digits % 10 == 0) {
        d.digits /= 10;
        ++d.exponent;
    }
    return d;
}

QString FormatAmount(const Decimal &value)
{
    // The whole part and the decimals of |value|, as written out.
    const std::string digits = std::to_string(value.digits);
    std::string whole = digits;
    std::string fraction;
    if (value.digits == 0) {
        whole = "0";
    } else if (value.exponent >= 0) {
        whole += std::string(static_cast<size_t>(value.exponent), '0');
    } else {
        const size_t decimals = static_cast<size_t>(-static_cast<long long>(value.exponent));
        if (digits.size() <= decimals) {
            whole = "0";
            fraction = std::string(decimals - digits.size(), '0') + digits;
        } else {
            whole = digits.substr(0, digits.size() - decimals);
            fraction = digits.substr(digits.size() - decimals);
        }
    }
    // Rounded on the decimal digits: 2.675 is shown 2.68.
    const bool roundUp = fraction.size() > 2 && fraction[2] >= '5';
    fraction.resize(2, '0');
    std::string cents = whole + fraction;
    if (roundUp) {
        int i = static_cast<int>(cents.size()) - 1;
        while (i >= 0 && cents[static_cast<size_t>(i)] == '9') {
            cents[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i < 0)
            cents.insert(cents.begin(), '1');
        else
            ++cents[static_cast<size_t>(i)];
    }
    std::string result = cents.substr(0, cents.size() - 2) + "." + cents.substr(cents.size() - 2);
    const bool zero = result.find_first_not_of("0.") == std::string::npos;
    if (value.negative && !zero)
        result.insert(result.begin(), '-');
    return QString::fromStdString(result);
}

QString FormatAmount(double value)
{
    if (std::isnan(value) || std::isinf(value))
        return Str(value);
    return FormatAmount(DecimalOf(value));
}

QString EndOfLine() { return QStringLiteral("\n"); }

} // namespace fw
