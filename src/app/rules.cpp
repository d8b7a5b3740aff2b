#include "rules.h"

#include "framework/text.h"

#include <algorithm>
#include <cmath>

namespace app {

QString SalesFileName(const QString &codeText)
{
    return QStringLiteral("vendeur_") + fw::Str(SellerCode(codeText)) + QStringLiteral(".csv");
}

std::int32_t SellerCode(const QString &codeText) { return fw::ToInt32(fw::Val(codeText)); }

Amount Commission(double rate, Amount turnover)
{
    constexpr std::int64_t kMillionthsPerTwentieth = 50'000;
    constexpr std::int64_t kMaxTwentieths = Amount::kMaxMillionths / kMillionthsPerTwentieth;
    const bool negativeTurnover = turnover.Millionths() < 0;
    __extension__ typedef unsigned __int128 Wide;
    const Wide millionths =
        static_cast<std::uint64_t>(negativeTurnover ? -turnover.Millionths() : turnover.Millionths());
    Wide twentieths = 0;
    bool negative = negativeTurnover;
    if (millionths == 0 || std::isnan(rate)) {
        twentieths = 0;
    } else if (std::isinf(rate)) {
        twentieths = kMaxTwentieths;
        negative = negativeTurnover != (rate < 0);
    } else {
        const fw::Decimal r = fw::DecimalOf(rate);
        negative = negativeTurnover != r.negative;
        // digits x 10^exponent x millionths x 10^-6 x 20, rounded: below
        // 10^15 x 10^18 x 20, within 128 bits.
        twentieths = Wide(r.digits) * millionths * 20;
        const int scale = r.exponent - 6;
        if (scale >= 0) {
            for (int i = 0; i < scale && twentieths <= Wide(kMaxTwentieths); ++i)
                twentieths *= 10;
        } else if (scale < -38) {
            twentieths = 0; // below 10^35: not half of 10^38
        } else {
            Wide divisor = 1;
            for (int i = 0; i < -scale; ++i)
                divisor *= 10;
            const Wide rest = twentieths % divisor;
            twentieths /= divisor;
            if (rest >= divisor - rest)
                ++twentieths;
        }
    }
    const std::int64_t bounded = static_cast<std::int64_t>(std::min(twentieths, Wide(kMaxTwentieths)));
    return Amount::Clamped((negative ? -bounded : bounded) * kMillionthsPerTwentieth);
}

} // namespace app
