#pragma once

#include "figures.h"
#include "rtf.h"

#include "register/registerfiles.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace app {
class SalesFile;
}

// One seller's account as a value: the seller sheet shows it, and the seller
// statement and the general statements' pages are written from it, never
// from a window's fields or the globals of the moment.
namespace statements {

struct SellerAccount {
    reg::Seller seller;           // the seller's register line, texts as read
    QVector<QStringList> coupons; // coupon, amount in the amount format; by increasing coupon number
    double rate = 0;
    SellerFigures figures;        // computed once, from the sales, the rate and the rentals
};

// The account of the seller's sales at the rate, fees from the seller's rentals.
SellerAccount AccountOf(const reg::Seller &seller, const app::SalesFile &sales, double rate);

// Fees other than the rentals' (typed on the seller sheet); the net follows them.
void SetFees(SellerAccount &account, app::Amount fees);

// Why a fee typed on the seller sheet is not printed: it is no amount.
QString FeesRefusal(const QString &typed);

// The page of the account. The seller number is the document's (the code as
// the register holds it, or the page's code); the date is the run's.
StatementPage PageOf(const SellerAccount &account, const QString &sellerNumber, const QString &date);

} // namespace statements
