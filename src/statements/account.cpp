#include "account.h"

#include "app/csvload.h"
#include "app/salesfile.h"
#include "framework/text.h"

#include <algorithm>

namespace statements {

SellerAccount AccountOf(const reg::Seller &seller, const app::SalesFile &sales, double rate)
{
    SellerAccount account;
    account.seller = seller;
    account.rate = rate;
    account.coupons = sales.rows();
    for (QStringList &row : account.coupons)
        row[1] = app::ShownAmount(row[1]);
    std::stable_sort(account.coupons.begin(), account.coupons.end(),
                     [](const QStringList &a, const QStringList &b) { return fw::LessByNumber(a[0], b[0]); });
    account.figures = FiguresOf(sales.gross(), rate, RentalFees(seller.locaquariums, seller.locrampes));
    return account;
}

void SetFees(SellerAccount &account, app::Amount fees)
{
    account.figures = FiguresOf(account.figures.gross, account.rate, fees);
}

QString FeesRefusal(const QString &typed)
{
    return QStringLiteral("Les frais (locations) \"") + typed +
           QStringLiteral("\" ne sont pas un montant : tapez un nombre, comme 12.50 ou 12,50. Le relevé n'est "
                          "pas imprimé.");
}

StatementPage PageOf(const SellerAccount &account, const QString &sellerNumber, const QString &date)
{
    StatementPage page;
    page.name = account.seller.NomVendeur;
    page.address = account.seller.AdresseVendeur;
    page.zip = account.seller.NumPostVendeur;
    page.locality = account.seller.VilleVendeur;
    page.sellerNumber = sellerNumber;
    page.date = date;
    page.gross = account.figures.gross.Formatted();
    page.commission = account.figures.commission.Formatted();
    page.fees = account.figures.fees.Formatted();
    page.net = account.figures.net.Formatted();
    page.coupons = account.coupons;
    return page;
}

} // namespace statements
