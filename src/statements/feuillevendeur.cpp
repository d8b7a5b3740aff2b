#include "feuillevendeur.h"
#include "ui_feuillevendeur.h"

#include "opener.h"
#include "statement.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "app/rules.h"
#include "app/salesfile.h"
#include "framework/dialogs.h"
#include "framework/runtime.h"
#include "framework/text.h"

using namespace statements;

void FeuilleVendeur::Layout() { finishDesign(); }

void FeuilleVendeur::CreateControls()
{
    setUpForm();
}

void FeuilleVendeur::BevelButton1_Action() { Close(); }

// The seller statement.
void FeuilleVendeur::BevelButton2_Action()
{
    const QString typedFees = ui->fraise->Text();
    const std::optional<app::Amount> fees = TypedFees(typedFees);
    if (!fees)
        return fw::MsgBox(FeesRefusal(typedFees));
    SetFees(m_account, *fees);
    showFigures();

    const QString code = m_account.seller.CodeVendeur;
    const QString fileName = StatementFileName(code);
    const auto cannotCreate = [this] {
        fw::MsgBox(kCannotCreateDocument);
        Close();
    };
    if (fileName.isEmpty())
        return cannotCreate();
    // A statement that did not reach the disk whole is not handed to the viewer.
    if (!WriteSellerStatementFile(fileName, PageOf(m_account, code, Module1::myday)))
        return cannotCreate();

    if (OpenDocument(fileName))
        Close();
}

void FeuilleVendeur::Event_Open()
{
    // The seller the picker has just chosen; later choices leave this sheet as it is.
    reg::Seller seller;
    seller.NomVendeur = Module1::SonNom;
    seller.CodeVendeur = Module1::vc2;
    seller.AdresseVendeur = Module1::adresse2;
    seller.NumPostVendeur = Module1::zip2;
    seller.VilleVendeur = Module1::localite2;
    seller.locaquariums = Module1::bacs2;
    seller.locrampes = Module1::rampes2;

    ui->EcceHomo->SetText(seller.NomVendeur);
    app::SalesFile sales(app::SalesFileName(fw::Str(Module1::FindVendor)));
    if (sales.Read() != app::SalesFile::Status::Read) {
        fw::MsgBox(QStringLiteral("Ce vendeur n'a encore rien vendu!"));
        Close();
        return;
    }
    // A sale left out would make a gross, and a statement, that is short of it.
    if (const app::ReadError error = sales.readError()) {
        fw::MsgBox(app::ReadErrorMessage(error));
        Close();
        return;
    }
    m_account = AccountOf(seller, sales, Module1::qvotaux);
    ui->CouponsVendeur->AppendRows(m_account.coupons);
    ui->locbac->SetText(seller.locaquariums);
    ui->locramp->SetText(seller.locrampes);
    showFigures();
}

void FeuilleVendeur::showFigures()
{
    const SellerFigures &figures = m_account.figures;
    ui->fraise->SetText(figures.fees.Text());
    ui->TotalBrut->SetText(figures.gross.Text());
    ui->Kommision->SetText(figures.commission.Text());
    ui->TotalNet->SetText(figures.net.Text());
}
