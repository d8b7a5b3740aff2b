#include "account.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "framework/controls.h"
#include "framework/text.h"

namespace statements {

void ShowAccount(const AccountControls &account, Sales sales)
{
    app::FormatAmounts(sales.rows, *account.fromat);
    account.coupons->AppendRows(std::move(sales.rows));
    account.coupons->Sort();

    const SellerFigures figures = FiguresOf(sales.gross, Module1::qvotaux, Module1::bacs2, Module1::rampes2);
    account.locbac->SetText(Module1::bacs2);
    account.locramp->SetText(Module1::rampes2);
    account.fraise->SetText(fw::Str(figures.fees));
    account.TotalBrut->SetText(fw::Str(figures.gross));
    account.Kommision->SetText(fw::Str(figures.commission));
    account.TotalNet->SetText(fw::Str(figures.net));
}

StatementPage PageOfAccount(const AccountControls &account, const QString &sellerNumber)
{
    StatementPage page;
    page.name = account.EcceHomo->Text();
    page.sellerNumber = sellerNumber;
    TakeSellerAddress(page);
    page.gross = account.TotalBrut->Text();
    page.commission = account.Kommision->Text();
    page.fees = account.fraise->Text();
    page.net = account.TotalNet->Text();
    page.coupons = account.coupons->Rows();
    return page;
}

} // namespace statements
