#include "amount.h"

#include "framework/text.h"

#include <cmath>

namespace app {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The end of the digits of `text` from `i`.
qsizetype digitsEnd(const QString &text, qsizetype i)
{
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

} // namespace

std::optional<Amount> Amount::FromValue(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const fw::Decimal d = fw::DecimalOf(value);
    // digits x 10^(exponent + 6) millionths
    const int scale = d.exponent + 6;
    std::uint64_t millionths = d.digits;
    if (scale >= 0) {
        for (int i = 0; i < scale && millionths != 0; ++i) {
            if (millionths > kMaxMillionths / 10)
                return std::nullopt;
            millionths *= 10;
        }
    } else if (scale < -16) {
        millionths = 0; // 15 digits at most: below half a millionth
    } else {
        std::uint64_t divisor = 1;
        for (int i = 0; i < -scale; ++i)
            divisor *= 10;
        const std::uint64_t rest = millionths % divisor;
        millionths /= divisor;
        if (rest >= divisor - rest)
            ++millionths;
    }
    if (millionths > static_cast<std::uint64_t>(kMaxMillionths))
        return std::nullopt;
    const auto magnitude = static_cast<std::int64_t>(millionths);
    return Amount(d.negative ? -magnitude : magnitude);
}

std::optional<Amount> Amount::FromText(QStringView text) { return FromValue(fw::Val(text)); }

double Amount::Value() const
{
    // Below 2^53 the millionths are exact in a Double, and one division
    // rounds once; above, the decimal text is read.
    constexpr std::int64_t kExactInDouble = std::int64_t(1) << 53;
    if (m_millionths < kExactInDouble && m_millionths > -kExactInDouble)
        return static_cast<double>(m_millionths) / 1e6;
    const std::int64_t magnitude = m_millionths < 0 ? -m_millionths : m_millionths;
    const QString text = QString::number(magnitude / 1'000'000) + u'.' +
                         QString::number(magnitude % 1'000'000).rightJustified(6, u'0');
    return m_millionths < 0 ? -fw::Val(text) : fw::Val(text);
}

QString Amount::Text() const { return fw::Str(Value()); }

QString Amount::Formatted() const
{
    const bool negative = m_millionths < 0;
    return fw::FormatAmount(
        fw::Decimal{static_cast<std::uint64_t>(negative ? -m_millionths : m_millionths), -6, negative});
}

Amount Amount::Cents() const
{
    const bool negative = m_millionths < 0;
    std::int64_t cents = (negative ? -m_millionths : m_millionths) / 10'000;
    if ((negative ? -m_millionths : m_millionths) % 10'000 >= 5'000)
        ++cents;
    return Amount((negative ? -cents : cents) * 10'000);
}

std::optional<TypedAmount> ReadTypedAmount(const QString &typed)
{
    // Only ASCII digits: Val reads no other, so "１２" would be recorded as 0.
    QString text = typed.trimmed();
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype wholeStart = i;
    i = digitsEnd(text, i);
    const bool whole = i > wholeStart;
    if (i < text.size() && (text[i] == u'.' || text[i] == u',')) {
        const bool comma = text[i] == u',';
        const qsizetype fractionStart = ++i;
        i = digitsEnd(text, i);
        const bool fraction = i > fractionStart;
        // "12." and ".5" are numbers as the seller sheet always took them;
        // a comma needs digits on both sides, "12," or ",50" being a slip.
        if (comma ? !(whole && fraction) : !(whole || fraction))
            return std::nullopt;
        if (comma)
            text[fractionStart - 1] = u'.';
    } else if (!whole) {
        return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return TypedAmount{text, Amount::FromText(text)};
}

} // namespace app
