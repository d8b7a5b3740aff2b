#pragma once

#include "registerfiles.h"

#include <QString>
#include <cstdint>

// What a seller must be before the windows write it: the register and the
// coupon index have no quoting, and each coupon is one line of the index.
namespace reg {

// More coupons than a fair ever has: a larger range is a typing mistake, and
// writing it would fill the disk.
inline constexpr std::int64_t kMostCouponsOfASeller = 100000;

// How many lines the seller's range gives the index: 0 when last < first.
std::int64_t CouponCount(const Seller &seller);

// The refusal of a range of that many coupons.
QString RangeRefusal(std::int64_t count);

// Why the seller cannot be written as typed, in the words shown to the
// organiser; empty when it can. A field holding a "," or a line end would
// split its line; the fields are named by the captions of the windows.
QString SellerRefusal(const Seller &seller);

} // namespace reg
