#include "figures.h"

#include "app/amount.h"
#include "app/csvload.h"
#include "app/rules.h"
#include "framework/text.h"

#include <cmath>
#include <cstdint>

namespace statements {

namespace {

// A figure in cents as the amount format shows it; nothing when there are
// too many digits for the cents to be counted in 64 bits.
std::optional<std::int64_t> shownCents(double value)
{
    QString shown = fw::FormatAmount(value);
    shown.remove(u'.');
    bool ok = false;
    const std::int64_t cents = shown.size() <= 18 ? shown.toLongLong(&ok) : 0;
    return ok ? std::optional<std::int64_t>(cents) : std::nullopt;
}

} // namespace

Sales ReadSales(fw::TextInputStream &in)
{
    app::CsvRows read = app::ReadCsvRows(in, app::kSaleLine);
    Sales sales;
    app::AmountSum gross;
    for (const QStringList &row : read.rows)
        gross.add(app::AmountValue(row[1]));
    sales.rows = std::move(read.rows);
    sales.gross = gross.value();
    sales.badLine = read.badLine;
    return sales;
}

double RentalFees(const QString &tanks, const QString &ramps)
{
    const double fees = fw::Val(tanks) * kRentalFee + fw::Val(ramps) * kRentalFee;
    return std::isfinite(fees) ? fees : 0.0; // a count beyond any Double is no count
}

std::optional<double> TypedFees(const QString &typed)
{
    const std::optional<app::TypedAmount> fees = app::ReadTypedAmount(typed);
    if (!fees || !std::isfinite(fees->value))
        return std::nullopt;
    return fees->value;
}

SellerFigures FiguresOf(double gross, double rate, double fees)
{
    SellerFigures f;
    f.gross = gross;
    f.fees = fees;
    f.commission = app::Commission(rate, gross);
    const auto g = shownCents(f.gross);
    const auto c = shownCents(f.commission);
    const auto e = shownCents(f.fees);
    if (g && c && e)
        f.net = static_cast<double>(*g - *c - *e) / 100.0;
    else // beyond any fair: the shown figures' own difference
        f.net = fw::Val(fw::FormatAmount(f.gross)) - fw::Val(fw::FormatAmount(f.commission)) -
                fw::Val(fw::FormatAmount(f.fees));
    return f;
}

} // namespace statements
