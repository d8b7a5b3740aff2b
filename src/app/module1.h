#pragma once

#include "amount.h"

#include <QString>
#include <cstdint>

// The globals through which the windows share data. None is saved between
// runs: what must survive lives in the data files.
namespace Module1 {

inline QString thename;     // file name of the current year's coupon journal
inline double qvotaux = 0;  // commission rate as a fraction (0.12 is 12 %)
inline QString vc2;         // current seller code, as text
inline QString myday;       // the run's start date, day/month/year
inline app::Amount grandtotal; // the turnover, the sum of the journal's amounts
inline QString SonNom;
inline QString adresse2;
inline QString zip2;
inline QString localite2;
inline QString bacs2;
inline QString rampes2;
inline std::int32_t FindVendor = 0;
inline std::int32_t generalfailure = 0;

// Back to the values of a fresh start (tests begin each case with it).
void reset();

} // namespace Module1
