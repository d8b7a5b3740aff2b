#include "utilities.h"
#include "ui_utilities.h"

#include "account.h"
#include "generalstatements.h"
#include "opener.h"
#include "signsheet.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "framework/dialogs.h"
#include "framework/runtime.h"
#include "framework/text.h"
#include "register/editwin.h"
#include "register/registerfiles.h"

using namespace statements;

void utilities::Layout() { finishDesign(); }

void utilities::CreateControls()
{
    setUpForm();
}

// The seller sign sheet.
void utilities::BevelButton1_Action()
{
    const reg::Register read = reg::ReadRegisterFile();
    if (read.error.wholeFile()) {
        fw::MsgBox(kSignSheetNoRegister);
        Close();
        return;
    }
    // The register as loaded stays in the window; the sheet is written from the values read.
    ui->Controlle->DeleteAllRows();
    ui->Controlle->AppendRows(reg::RowsOf(read.sellers));
    // A sheet without the sign of that line would look complete.
    if (read.error)
        return fw::MsgBox(app::ReadErrorMessage(read.error));

    // A sheet that did not reach the disk whole is not handed to the viewer.
    if (!WriteSignSheetFile(read.sellers))
        return fw::MsgBox(kSignSheetNotCreated);
    OpenDocument(kSignSheetFile);
}

// The general statements document.
void utilities::BevelButton2_Action()
{
    const GeneralStatements run = WriteGeneralStatements(Module1::qvotaux, Module1::myday);
    if (run.last)
        showLastPage(*run.last);
    switch (run.outcome) {
    case GeneralOutcome::Written:
        break;
    case GeneralOutcome::NoRegister:
        fw::MsgBox(kRegisterVanished);
        Close();
        return;
    case GeneralOutcome::UnreadableLine:
        return fw::MsgBox(app::ReadErrorMessage(run.error));
    case GeneralOutcome::CodeTooHigh:
        // The window stays for the register editor to put the code right.
        return fw::MsgBox(HighestCodeRefusal(run.highest));
    case GeneralOutcome::NoSales:
    case GeneralOutcome::NoSalesNotWritten:
        fw::MsgBox(kNoSalesFile);
        fw::MsgBox(kClosingForSafety);
        if (run.outcome == GeneralOutcome::NoSales)
            return;
        [[fallthrough]];
    case GeneralOutcome::NotWritten:
        fw::MsgBox(kCannotCreateDocument);
        Close();
        return;
    }

#if !defined(Q_OS_WIN)
    fw::MsgBox(kGeneralStatementsWritten);
#endif
    if (OpenDocument(kGeneralStatementsFile, OpenerMessage::Exclaimed))
        Close();
}

// The working fields keep the last page's seller and figures; its coupons
// were emptied with the page.
void utilities::showLastPage(const SellerAccount &account)
{
    ui->EcceHomo->SetText(account.seller.NomVendeur);
    ui->locbac->SetText(account.seller.locaquariums);
    ui->locramp->SetText(account.seller.locrampes);
    ui->fraise->SetText(account.figures.fees.Text());
    ui->TotalBrut->SetText(account.figures.gross.Text());
    ui->Kommision->SetText(account.figures.commission.Text());
    ui->TotalNet->SetText(account.figures.net.Text());
    ui->CoupinsVendeur->DeleteAllRows();
}

void utilities::BevelButton3_Action() { Close(); }

void utilities::BevelButton4_Action() { editwin::instance()->Show(); }
