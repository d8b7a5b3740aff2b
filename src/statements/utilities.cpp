#include "utilities.h"
#include "ui_utilities.h"

#include "account.h"
#include "figures.h"
#include "generalstatements.h"
#include "opener.h"
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

void utilities::Layout() { finishDesign(); }

void utilities::CreateControls()
{
    setUpForm();
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
    const app::CsvRows sellers = app::ReadCsvRows(*in, reg::kRegisterLine);
    ui->Controlle->AppendRows(sellers.rows);
    // A sheet without the sign of that line would look complete.
    if (sellers.badLine != 0)
        return fw::MsgBox(app::UnreadableLineMessage(reg::kRegisterFile, sellers.badLine));

    std::unique_ptr<fw::TextOutputStream> out = fw::CreateTextFile(kSignSheetFile);
    if (!out) {
        fw::MsgBox(kSignSheetNotCreated);
        return;
    }
    WriteSignSheet(*out, sellers.rows);
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
    const auto cannotCreate = [this] {
        fw::MsgBox(kCannotCreateDocument);
        Close();
    };

    const std::optional<QByteArray> registerBytes = reg::RegisterBytes();
    if (!registerBytes) {
        fw::MsgBox(kRegisterVanished);
        Close();
        return;
    }
    const SellersByCode sellers = ReadSellersByCode(*registerBytes);
    // A seller whose line cannot be read would be missing from the document,
    // or get another's page: nothing is written until the line is put right.
    if (sellers.badLine != 0)
        return fw::MsgBox(app::UnreadableLineMessage(reg::kRegisterFile, sellers.badLine));
    // Nothing written, and the window stays for the register editor to put the code right.
    if (const QString refusal = HighestCodeRefusal(sellers.highest); !refusal.isEmpty())
        return fw::MsgBox(refusal);
    std::unique_ptr<fw::TextOutputStream> out = fw::CreateTextFile(kGeneralStatementsFile);
    if (!out)
        return cannotCreate();
    WriteGeneralStatementsStart(*out);
    std::optional<Sales> placeholder;
    for (std::int32_t code = 1; code <= sellers.highest; ++code) {
        const PageOutcome outcome = writeStatementPage(*out, sellers.sellers.value(code), code, placeholder);
        if (outcome.badLine != 0) {
            // Dropped unfinished: the document printed before stays whole.
            out.reset();
            return fw::MsgBox(app::UnreadableLineMessage(outcome.salesFile, outcome.badLine));
        }
        if (outcome.noSales) {
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

utilities::PageOutcome utilities::writeStatementPage(fw::TextOutputStream &out, const reg::Seller &seller,
                                                     std::int32_t code, std::optional<Sales> &placeholder)
{
    PageOutcome outcome;
    outcome.salesFile = app::SalesFileName(fw::Str(code));
    std::optional<Sales> sales;
    if (fw::Exists(outcome.salesFile)) {
        std::unique_ptr<fw::TextInputStream> in = fw::OpenAsTextFile(outcome.salesFile);
        if (in)
            sales = ReadSales(*in);
    } else {
        // One placeholder serves every code without sales of the document:
        // rewritten per code, each a synced write, sparse codes took minutes.
        if (!placeholder && WritePlaceholderSalesFile()) {
            if (std::unique_ptr<fw::TextInputStream> in = fw::OpenAsTextFile(kPlaceholderSalesFile))
                placeholder = ReadSales(*in);
        }
        outcome.salesFile = kPlaceholderSalesFile;
        sales = placeholder;
    }
    if (!sales) {
        outcome.noSales = true;
        return outcome;
    }
    if (sales->badLine != 0) {
        outcome.badLine = sales->badLine;
        return outcome;
    }
    WriteStatementPage(out, PageOf(AccountOf(seller, *sales, Module1::qvotaux), fw::Str(code), Module1::myday),
                       PageForm::General);
    WriteGeneralPageBreak(out);
    return outcome;
}

void utilities::BevelButton3_Action() { Close(); }

void utilities::BevelButton4_Action() { editwin::instance()->Show(); }
