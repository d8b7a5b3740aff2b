#include "figures.h"

#include "app/amount.h"
#include "app/rules.h"
#include "framework/text.h"

namespace statements {

app::Amount RentalFees(const QString &tanks, const QString &ramps)
{
    // A count beyond any amount is no count.
    const std::optional<app::Amount> tankFees = app::Amount::FromValue(fw::Val(tanks) * kRentalFee);
    const std::optional<app::Amount> rampFees = app::Amount::FromValue(fw::Val(ramps) * kRentalFee);
    const std::optional<app::Amount> fees = tankFees && rampFees ? tankFees->Plus(*rampFees) : std::nullopt;
    return fees.value_or(app::Amount());
}

std::optional<app::Amount> TypedFees(const QString &typed)
{
    const std::optional<app::TypedAmount> fees = app::ReadTypedAmount(typed);
    return fees ? fees->value : std::nullopt;
}

SellerFigures FiguresOf(app::Amount gross, double rate, app::Amount fees)
{
    SellerFigures f;
    f.gross = gross;
    f.fees = fees;
    f.commission = app::Commission(rate, gross);
    // Each within the bounds, their difference within 64 bits.
    f.net = app::Amount::Clamped(f.gross.Cents().Millionths() - f.commission.Cents().Millionths() -
                                 f.fees.Cents().Millionths());
    return f;
}

} // namespace statements
