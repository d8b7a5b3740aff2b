#include "figures.h"

#include "app/csvload.h"
#include "app/rules.h"
#include "framework/text.h"

namespace statements {

Sales ReadSales(fw::TextInputStream &in)
{
    Sales sales;
    sales.rows = app::ReadCsvRows(in, app::kSaleLine).rows;
    for (const QStringList &row : sales.rows)
        sales.gross += fw::Val(row[1]);
    return sales;
}

double RentalFees(const QString &tanks, const QString &ramps)
{
    return fw::Val(tanks) * kRentalFee + fw::Val(ramps) * kRentalFee;
}

SellerFigures FiguresOf(double gross, double rate, const QString &tanks, const QString &ramps)
{
    SellerFigures f;
    f.gross = gross;
    f.fees = RentalFees(tanks, ramps);
    f.commission = app::Commission(rate, gross);
    f.net = gross - f.commission - f.fees;
    return f;
}

} // namespace statements
