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

// The digits and the decimal exponent of |value| rounded to 15 significant
// digits: value = 0.d1d2...d15 x 10^exponent.
struct Decimal {
    std::string digits; // 15 digits, the first non-zero
    int exponent = 0;
};

Decimal toDecimal(double magnitude)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                std::chars_format::scientific, 14);
    std::string text(buffer, result.ptr);
    // "d.dddddddddddddde[+-]xx"
    const auto e = text.find('e');
    Decimal d;
    d.digits = text.substr(0, 1) + text.substr(2, e - 2);
    d.exponent = std::stoi(text.substr(e + 1)) + 1;
    return d;
}

// Plain decimal text of a non-negative value from its decimal digits.
std::string plain(const Decimal &d)
{
    std::string digits = d.digits;
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        return "0";
    const int n = static_cast<int>(digits.size());
    if (d.exponent <= 0)
        return "0." + std::string(static_cast<size_t>(-d.exponent), '0') + digits;
    if (d.exponent >= n)
        return digits + std::string(static_cast<size_t>(d.exponent - n), '0');
    return digits.substr(0, static_cast<size_t>(d.exponent)) + "." +
           digits.substr(static_cast<size_t>(d.exponent));
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

QString FormatAmount(double value)
{
    if (std::isnan(value) || std::isinf(value))
        return Str(value);
    // Round the decimal text, not the binary value: 2.675 is shown 2.68.
    std::string text = plain(toDecimal(std::fabs(value)));
    if (value == 0.0)
        text = "0";
    std::string whole = text;
    std::string fraction;
    if (const auto dot = text.find('.'); dot != std::string::npos) {
        whole = text.substr(0, dot);
        fraction = text.substr(dot + 1);
    }
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
    if (value < 0 && !zero)
        result.insert(result.begin(), '-');
    return QString::fromStdString(result);
}

QString EndOfLine() { return QStringLiteral("\n"); }

} // namespace fw
