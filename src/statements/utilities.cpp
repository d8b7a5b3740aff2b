#include "utilities.h"
#include "ui_utilities.h"

#include "account.h"
#include "figures.h"
#include "generalstatements.h"
#include "rtf.h"
#include "signsheet.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "app/rules.h"
#include "framework/dialogs.h"
#include "framework/files.h"
#include "framework/runtime.h"
#include "framework/text.h"
#include "register/editwin.h"
#include "register/registerfiles.h"

using namespace statements;

namespace {

void takeSeller(const reg::Seller &seller)
{
    Module1::adresse2 = seller.AdresseVendeur;
    Module1::zip2 = seller.NumPostVendeur;
    Module1::localite2 = seller.VilleVendeur;
    Module1::bacs2 = seller.locaquariums;
    Module1::rampes2 = seller.locrampes;
}

} // namespace

utilities::utilities() : ui(std::make_unique<Ui::utilities>())
{
    setObjectName(QStringLiteral("utilities"));
    CreateControls();
    Layout();
}

utilities::~utilities() = default;

void utilities::Layout() { finishDesign(); }

void utilities::CreateControls()
{
    ui->setupUi(content());
    fw::OnAction(ui->BevelButton1, [this] { BevelButton1_Action(); });
    fw::OnAction(ui->BevelButton2, [this] { BevelButton2_Action(); });
    fw::OnAction(ui->BevelButton3, [this] { BevelButton3_Action(); });
    fw::OnAction(ui->BevelButton4, [this] { BevelButton4_Action(); });
}

// The seller sign sheet.
void utilities::BevelButton1_Action()
{
    std::unique_ptr<fw::TextInputStream> in = fw::OpenAsTextFile(reg::kRegisterFile);
    if (!in) {
        fw::MsgBox(kSignSheetNoRegister);
        Close();
        return;
    }
    ui->Controlle->DeleteAllRows();
    const QVector<QStringList> sellers = app::ReadCsvRows(*in, reg::kRegisterLine).rows;
    ui->Controlle->AppendRows(sellers);

    std::unique_ptr<fw::TextOutputStream> out = fw::CreateTextFile(kSignSheetFile);
    if (!out) {
        fw::MsgBox(kSignSheetNotCreated);
        return;
    }
    WriteSignSheet(*out, sellers);
    // A sheet that did not reach the disk whole is not handed to the viewer.
    if (!out->Close()) {
        fw::MsgBox(kSignSheetNotCreated);
        return;
    }
    OpenDocument(kSignSheetFile);
}

// The general statements document.
void utilities::BevelButton2_Action()
{
    const auto registerVanished = [this] {
        fw::MsgBox(kRegisterVanished);
        Close();
    };
    const auto cannotCreate = [this] {
        fw::MsgBox(kCannotCreateDocument);
        Close();
    };

    std::int64_t highest = 0; // wide, so that counting up to the largest code cannot overflow
    {
        std::unique_ptr<fw::TextInputStream> in = fw::OpenAsTextFile(reg::kRegisterFile);
        if (!in)
            return registerVanished();
        highest = HighestSellerCode(*in);
    }
    // Nothing written, and the window stays for the register editor to put the code right.
    if (const QString refusal = HighestCodeRefusal(highest); !refusal.isEmpty())
        return fw::MsgBox(refusal);
    std::unique_ptr<fw::TextOutputStream> out = fw::CreateTextFile(kGeneralStatementsFile);
    if (!out)
        return cannotCreate();
    WriteGeneralStatementsStart(*out);
    bool placeholderWritten = false;
    for (std::int64_t code = 1; code <= highest; ++code) {
        switch (writeStatementPage(*out, code, placeholderWritten)) {
        case PageOutcome::Written:
            break;
        case PageOutcome::RegisterVanished:
            // Dropped unfinished rather than left without its closing "}":
            // the document printed before stays whole.
            out.reset();
            return registerVanished();
        case PageOutcome::NoSales:
            fw::MsgBox(kNoSalesFile);
            fw::MsgBox(kClosingForSafety);
            out->WriteLine(QStringLiteral("}"));
            if (!out->Close())
                cannotCreate();
            return;
        }
    }
    out->WriteLine(QStringLiteral("}"));
    if (!out->Close())
        return cannotCreate();

#if !defined(Q_OS_WIN)
    fw::MsgBox(kGeneralStatementsWritten);
#endif
    if (OpenDocument(kGeneralStatementsFile, OpenerMessage::Exclaimed))
        Close();
}

utilities::PageOutcome utilities::writeStatementPage(fw::TextOutputStream &out, std::int64_t code,
                                                     bool &placeholderWritten)
{
    takeSeller({});
    std::unique_ptr<fw::TextInputStream> sellers = fw::OpenAsTextFile(reg::kRegisterFile);
    if (!sellers)
        return PageOutcome::RegisterVanished;
    const reg::Seller seller = FindSeller(*sellers, code);
    takeSeller(seller);
    ui->EcceHomo->SetText(seller.NomVendeur);

    const QString codeText = fw::Str(code);
    QString salesFile = app::SalesFileName(codeText);
    if (!fw::Exists(salesFile)) {
        // One placeholder serves every code without sales of the document:
        // rewritten per code, each a synced write, sparse codes took minutes.
        if (!placeholderWritten && !WritePlaceholderSalesFile())
            return PageOutcome::NoSales;
        placeholderWritten = true;
        salesFile = kPlaceholderSalesFile;
    }
    std::unique_ptr<fw::TextInputStream> in = fw::OpenAsTextFile(salesFile);
    if (!in)
        return PageOutcome::NoSales;
    const AccountControls account = AccountControlsOf(*ui, ui->CoupinsVendeur);
    ShowAccount(account, ReadSales(*in));
    WriteStatementPage(out, PageOfAccount(account, codeText), PageForm::General);

    ui->CoupinsVendeur->DeleteAllRows();
    WriteGeneralPageBreak(out);
    return PageOutcome::Written;
}

void utilities::BevelButton3_Action() { Close(); }

void utilities::BevelButton4_Action() { editwin::instance()->Show(); }
