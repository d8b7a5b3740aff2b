#include "feuillevendeur.h"
#include "ui_feuillevendeur.h"

#include "figures.h"
#include "rtf.h"
#include "statement.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "app/rules.h"
#include "framework/dialogs.h"
#include "framework/files.h"
#include "framework/runtime.h"
#include "framework/text.h"

using namespace statements;

namespace {

QVector<QStringList> couponsOf(const fw::Listbox &list)
{
    QVector<QStringList> rows;
    rows.reserve(list.ListCount());
    for (int r = 0; r < list.ListCount(); ++r)
        rows.append({list.Cell(r, 0), list.Cell(r, 1)});
    return rows;
}

} // namespace

FeuilleVendeur::FeuilleVendeur() : ui(std::make_unique<Ui::FeuilleVendeur>())
{
    setObjectName(QStringLiteral("FeuilleVendeur"));
    CreateControls();
    Layout();
}

FeuilleVendeur::~FeuilleVendeur() = default;

void FeuilleVendeur::Layout() { finishDesign(); }

void FeuilleVendeur::CreateControls()
{
    ui->setupUi(content());
    fw::OnAction(ui->BevelButton1, [this] { BevelButton1_Action(); });
    fw::OnAction(ui->BevelButton2, [this] { BevelButton2_Action(); });
}

void FeuilleVendeur::BevelButton1_Action() { Close(); }

// The seller statement.
void FeuilleVendeur::BevelButton2_Action()
{
    const QString fileName = StatementFileName(Module1::vc2, Module1::FindVendor);
    const auto cannotCreate = [this] {
        fw::MsgBox(kCannotCreateDocument);
        Close();
    };
    std::unique_ptr<fw::TextOutputStream> out = fw::CreateTextFile(fileName);
    if (!out)
        return cannotCreate();

    StatementPage page;
    page.name = ui->EcceHomo->Text();
    page.sellerNumber = Module1::vc2;
    TakeSellerAddress(page);
    page.gross = ui->TotalBrut->Text();
    page.commission = ui->Kommision->Text();
    page.fees = ui->fraise->Text();
    page.net = ui->TotalNet->Text();
    page.coupons = couponsOf(*ui->CouponsVendeur);
    WriteSellerStatement(*out, page);
    // A statement that did not reach the disk whole is not handed to the viewer.
    if (!out->Close())
        return cannotCreate();

    if (OpenDocument(fileName))
        Close();
}

void FeuilleVendeur::Event_Open()
{
    ui->EcceHomo->SetText(Module1::SonNom);
    std::unique_ptr<fw::TextInputStream> in = fw::OpenAsTextFile(app::SalesFileName(fw::Str(Module1::FindVendor)));
    if (!in) {
        fw::MsgBox(QStringLiteral("Ce vendeur n'a encore rien vendu!"));
        Close();
        return;
    }
    Sales sales = ReadSales(*in);
    in->Close();
    app::FormatAmounts(sales.rows, *ui->fromat);
    ui->CouponsVendeur->AppendRows(std::move(sales.rows));
    ui->CouponsVendeur->Sort();

    const SellerFigures figures = FiguresOf(sales.gross, Module1::qvotaux, Module1::bacs2, Module1::rampes2);
    ui->locbac->SetText(Module1::bacs2);
    ui->locramp->SetText(Module1::rampes2);
    ui->fraise->SetText(fw::Str(figures.fees));
    ui->TotalBrut->SetText(fw::Str(figures.gross));
    ui->Kommision->SetText(fw::Str(figures.commission));
    ui->TotalNet->SetText(fw::Str(figures.net));
}
