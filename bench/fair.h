#pragma once

// The files of a large fair, written by the program's own writers: seller k
// owns the coupons (k - 1) * 100 + 1 to k * 100, and the journal holds the
// coupons 1 to n in order.

#include "cashdesk/journal.h"
#include "framework/runtime.h"
#include "framework/text.h"
#include "register/registerfiles.h"

#include <QStringList>
#include <QVector>

#include <cstdio>

namespace bench {

constexpr int kCouponsPerSeller = 100;

// The register and the coupon index of `sellers` sellers.
inline void writeRegister(int sellers)
{
    QVector<reg::Seller> all;
    for (int k = 1; k <= sellers; ++k) {
        reg::Seller s;
        s.NomVendeur = QStringLiteral("Vendeur ") + fw::Str(k);
        s.CodeVendeur = fw::Str(k);
        s.CouponStart = fw::Str((k - 1) * kCouponsPerSeller + 1);
        s.CouponStop = fw::Str(k * kCouponsPerSeller);
        s.locaquariums = s.locrampes = QStringLiteral("0");
        all.append(s);
    }
    if (reg::RewriteRegister(all))
        std::fprintf(stderr, "cannot write the register\n");
}

// The journal line of coupon n, as the cash desk appends it.
inline QString journalLine(int n)
{
    const int seller = (n - 1) / kCouponsPerSeller + 1;
    return fw::Str(n) + QStringLiteral(",2.50,Vendeur ") + fw::Str(seller) + QLatin1Char(',') + fw::Str(seller);
}

// This year's journal of the coupons 1 to `coupons`.
inline void writeJournal(int coupons)
{
    QStringList lines;
    for (int n = 1; n <= coupons; ++n)
        lines.append(journalLine(n));
    cashdesk::WriteJournal(cashdesk::JournalName(fw::Today().year()), QStringLiteral("1/3/2026"), lines);
}

} // namespace bench
