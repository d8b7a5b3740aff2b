#pragma once

#include "registerfiles.h"

#include <QString>
#include <QVector>
#include <cstdint>

// What a seller must be before the windows write it: the register and the
// coupon index have no quoting, each coupon is one line of the index, and a
// coupon or a code belongs to one seller only.
namespace reg {

// More coupons than a fair ever has: a larger range is a typing mistake, and
// writing it would fill the disk.
inline constexpr std::int64_t kMostCouponsOfASeller = 100000;

// How many lines the seller's range gives the index: 0 when last < first.
std::int64_t CouponCount(const Seller &seller);

// The refusal of a range of that many coupons.
QString RangeRefusal(std::int64_t count);

// Digits only once the blanks around are gone: "007" and " 12 " are, "12O",
// "-2", "1.5" and the empty text are not.
bool IsWholeNumber(const QString &text);

// Why the seller cannot be written as typed, in the words shown to the
// organiser; empty when it can. A field holding a "," or a line end would
// split its line, one wholly inside quotes would read back without them. The
// code, the bounds and the counts are whole numbers: an empty count is 0, a
// seller without a code cannot be told apart. Without a last coupon the
// seller has no coupons yet (the windows fill in the first); without a first
// one the range would start at 0, so it is refused. The last coupon cannot
// come before the first. Fields are named by the windows' captions.
QString SellerRefusal(const Seller &seller);

// Why a seller typed in a window cannot be written: what SellerRefusal
// says, and first a name that is empty or only blanks. A nameless seller
// would still take a code and get a sign and a page of the statements with
// no one on them. The editor's save does not ask for a name: a nameless
// line already in the register cannot be removed there, and naming it only
// to save the others would make up a seller.
QString TypedSellerRefusal(const Seller &seller);

// Why the seller cannot join the other sellers of the register: a coupon of
// its range or its code (compared by value, "06" is 6) is already another
// seller's. Empty when it can. Checks only what SellerRefusal lets through.
QString ConflictRefusal(const Seller &seller, const QVector<Seller> &others);

// The first seller of a whole register that cannot be written, and why: a
// seller SellerRefusal refuses, else one that shares a coupon or a code with
// an earlier one (the reason then names that one). Ranges are compared as
// intervals, so a register of large ranges is checked at once.
struct RegisterRefusal {
    qsizetype row = -1;
    QString reason;

    explicit operator bool() const { return row >= 0; }
};
RegisterRefusal CheckRegister(const QVector<Seller> &sellers);

} // namespace reg
