#pragma once

#include "framework/csv.h"

#include <QString>
#include <cstdint>

// Rules shared by the cash desk and the statements.
namespace app {

// A line of a seller's sales file: coupon, amount.
inline constexpr fw::LineForm kSaleLine{2, 0b11};

// "vendeur_" + the seller code in integer form + ".csv": vendeur_7.csv for
// the codes 7, 07 and " 7".
QString SalesFileName(const QString &codeText);

// The seller code a code text stands for, as it names the sales file: 7 for
// "7", "07" and " 7", 0 for a text that is no number. Codes are matched by it.
std::int32_t SellerCode(const QString &codeText);

// The club's commission on a turnover: rate x turnover to the nearest 0.05,
// an exact tie rounded away from zero, as on paper: 0.15 x 4.50 = 0.675 gives
// 0.70. Both are taken as the decimals they stand for (15 significant digits),
// never as their binary approximations.
double Commission(double rate, double turnover);

// A sum of amounts in decimal, to the millionth: 45 sales of 0.10 make 4.50,
// not the 4.499999999999999 of binary sums. Amounts too large for that
// (beyond a thousand billion) are summed in binary, and one that would take
// the sum beyond any Double counts 0.
class AmountSum
{
public:
    void add(double amount);
    double value() const;

private:
    std::int64_t m_millionths = 0;
    double m_binary = 0;
    bool m_exact = true;
};

} // namespace app
