#include "rules.h"

#include "framework/text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace app {

namespace {

// A finite Double as the decimal it stands for: digits x 10^exponent, with at
// most 15 significant digits and no trailing zero in `digits`.
struct Decimal {
    std::uint64_t digits = 0;
    int exponent = 0;
    bool negative = false;
};

Decimal decimalOf(double value)
{
    Decimal d;
    if (value == 0.0)
        return d;
    d.negative = value < 0;
    char buffer[64];
    // "d.dddddddddddddde[+-]x": 15 significant digits.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    const char *p = buffer;
    for (; p != result.ptr && *p != 'e'; ++p)
        if (*p != '.')
            d.digits = d.digits * 10 + static_cast<std::uint64_t>(*p - '0');
    // The exponent ends where to_chars stopped: nothing marks the end of it
    // in the buffer, whose next bytes are whatever the stack held.
    const bool negativeExponent = p + 1 != result.ptr && p[1] == '-';
    int exponent = 0;
    std::from_chars(p + 2, result.ptr, exponent);
    d.exponent = (negativeExponent ? -exponent : exponent) - 14;
    while (d.digits % 10 == 0) {
        d.digits /= 10;
        ++d.exponent;
    }
    return d;
}

constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();

// a x b, or false when it does not fit.
bool multiply(std::uint64_t a, std::uint64_t b, std::uint64_t &product)
{
    if (a != 0 && b > kMax / a)
        return false;
    product = a * b;
    return true;
}

// Round(n x 10^exponent), an exact half away from zero; false when it does not fit.
bool roundScaled(std::uint64_t n, int exponent, std::uint64_t &rounded)
{
    if (exponent >= 0) {
        rounded = n;
        for (int i = 0; i < exponent; ++i)
            if (!multiply(rounded, 10, rounded))
                return false;
        return true;
    }
    // 10^20 is above every 64-bit n: below half of it.
    if (exponent < -19) {
        rounded = 0;
        return true;
    }
    std::uint64_t divisor = 1;
    for (int i = 0; i < -exponent; ++i)
        divisor *= 10;
    rounded = n / divisor;
    if (n % divisor >= divisor / 2)
        ++rounded;
    return true;
}

} // namespace

QString SalesFileName(const QString &codeText)
{
    return QStringLiteral("vendeur_") + fw::Str(SellerCode(codeText)) + QStringLiteral(".csv");
}

std::int32_t SellerCode(const QString &codeText) { return fw::ToInt32(fw::Val(codeText)); }

double Commission(double rate, double turnover)
{
    const double binary = fw::Round(rate * turnover * 20.0) / 20.0;
    if (!std::isfinite(rate) || !std::isfinite(turnover))
        return binary;
    const Decimal r = decimalOf(rate);
    const Decimal t = decimalOf(turnover);
    // In twentieths: rate x turnover x 20, rounded to a whole number.
    std::uint64_t product = 0;
    std::uint64_t twentieths = 0;
    if (!multiply(r.digits, t.digits, product) || !multiply(product, 20, product) ||
        !roundScaled(product, r.exponent + t.exponent, twentieths))
        return binary; // beyond 64 bits: far from any amount of a fair
    const double commission = static_cast<double>(twentieths) / 20.0;
    return r.negative != t.negative ? -commission : commission;
}

void AmountSum::add(double amount)
{
    if (!std::isfinite(amount) || !std::isfinite(m_binary + amount))
        return;
    m_binary += amount;
    constexpr double kExactBelow = 1e12;
    if (!m_exact || std::fabs(amount) >= kExactBelow) {
        m_exact = false;
        return;
    }
    const std::int64_t millionths = std::llround(amount * 1e6);
    constexpr std::int64_t kMaxSum = std::numeric_limits<std::int64_t>::max();
    if ((millionths > 0 && m_millionths > kMaxSum - millionths) ||
        (millionths < 0 && m_millionths < -kMaxSum - millionths)) {
        m_exact = false;
        return;
    }
    m_millionths += millionths;
}

double AmountSum::value() const { return m_exact ? static_cast<double>(m_millionths) / 1e6 : m_binary; }

} // namespace app
