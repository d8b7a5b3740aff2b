#pragma once

#include "framework/csv.h"

#include <QString>

// Rules shared by the cash desk and the statements.
namespace app {

// A line of a seller's sales file: coupon, amount.
inline constexpr fw::LineForm kSaleLine{2, 0b11};

// "vendeur_" + the seller code in integer form + ".csv": vendeur_7.csv for
// the codes 7, 07 and " 7".
QString SalesFileName(const QString &codeText);

// The club's commission on a turnover, rounded to the nearest 0.05.
double Commission(double rate, double turnover);

} // namespace app
