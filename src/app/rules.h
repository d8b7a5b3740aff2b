#pragma once

#include "amount.h"
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
// 0.70. The rate is taken as the decimal it stands for (fw::DecimalOf), never
// as its binary approximation. A commission beyond the bounds of an Amount
// (a rate no club would set) stops at the last 0.05 within them.
Amount Commission(double rate, Amount turnover);

} // namespace app
