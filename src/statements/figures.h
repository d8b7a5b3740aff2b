#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace fw {
class TextInputStream;
}

// One seller's account: what the seller sheet shows and every statement page
// prints.
namespace statements {

inline constexpr double kRentalFee = 5.0; // per rented tank and per rented ramp

// The sales of a seller sales file: one row per line, coupon and amount
// trimmed (a short line leaves them empty), and the gross, the sum of the
// amounts as read, before they are put into the amount format.
struct Sales {
    QVector<QStringList> rows;
    double gross = 0;
};
Sales ReadSales(fw::TextInputStream &in);

// Tanks and ramps as the register file holds them: a count that is no
// number counts 0, decimals and negative counts as written.
double RentalFees(const QString &tanks, const QString &ramps);

struct SellerFigures {
    double gross = 0;
    double commission = 0;
    double fees = 0;
    double net = 0; // gross - commission - fees, not rounded
};
SellerFigures FiguresOf(double gross, double rate, const QString &tanks, const QString &ramps);

} // namespace statements
