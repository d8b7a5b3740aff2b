#pragma once

#include "app/amount.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// One seller's figures: what the seller sheet shows and every statement page
// prints.
namespace statements {

inline constexpr double kRentalFee = 5.0; // per rented tank and per rented ramp

// Tanks and ramps as the register file holds them: a count that is no
// number counts 0, decimals and negative counts as written. Fees beyond what
// an app::Amount holds count 0.
app::Amount RentalFees(const QString &tanks, const QString &ramps);

// Fees typed on the seller sheet: an amount as app::ReadTypedAmount reads it,
// within the bounds of an app::Amount. Nothing for any other text.
std::optional<app::Amount> TypedFees(const QString &typed);

// The four figures, each as shown: the net is the shown gross, less the shown
// commission, less the shown fees, to the cent, so that the printed line adds
// up (10.005 shows 10.01, and 10.01 - 1.20 - 12.50 is -3.69).
struct SellerFigures {
    app::Amount gross;
    app::Amount commission;
    app::Amount fees;
    app::Amount net;
};
SellerFigures FiguresOf(app::Amount gross, double rate, app::Amount fees);

} // namespace statements
