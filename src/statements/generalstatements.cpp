#include "generalstatements.h"

#include "rtf.h"

#include "app/rules.h"
#include "app/salesfile.h"
#include "framework/files.h"
#include "framework/text.h"

#include <algorithm>

namespace statements {

SellersByCode SellersByCodeOf(QVector<reg::Seller> sellers)
{
    SellersByCode byCode;
    byCode.sellers.reserve(sellers.size());
    for (reg::Seller &seller : sellers) {
        const std::int32_t code = app::SellerCode(seller.CodeVendeur);
        byCode.highest = std::max(byCode.highest, code);
        byCode.sellers.insert(code, std::move(seller));
    }
    return byCode;
}

QString HighestCodeRefusal(std::int64_t highest)
{
    if (highest <= kHighestCodeAllowed)
        return {};
    return QStringLiteral("Le code vendeur ") + QString::number(highest) + QStringLiteral(" dépasse ") +
           QString::number(kHighestCodeAllowed) +
           QStringLiteral(" : le fichier général n'est pas écrit. Corrigez ce code dans le fichier des vendeurs.");
}

bool WritePlaceholderSalesFile()
{
    std::unique_ptr<fw::TextOutputStream> out = fw::CreateTextFile(kPlaceholderSalesFile);
    if (!out)
        return false;
    out->WriteLine(QStringLiteral("0,0"));
    return out->Close();
}

void WriteGeneralStatementsStart(fw::TextOutputStream &out)
{
    WritePrologue(out, kGeneralFontTable, kPortraitPaper);
    out.WriteLine(QString());
}

void WriteGeneralPageBreak(fw::TextOutputStream &out) { WritePageBreakAfterTable(out); }

namespace {

// A code's sales file: its own, or the placeholder when it has none; none
// when it cannot be read. `placeholder` keeps the placeholder once this run
// has written and read it: rewritten per code, each a synced write, sparse
// codes took minutes.
std::optional<app::SalesFile> salesOf(const QString &codeText, std::optional<app::SalesFile> &placeholder)
{
    app::SalesFile own(app::SalesFileName(codeText));
    switch (own.Read()) {
    case app::SalesFile::Status::Read:
        return own;
    case app::SalesFile::Status::Unreadable:
        return std::nullopt;
    case app::SalesFile::Status::Missing:
        break;
    }
    if (!placeholder && WritePlaceholderSalesFile()) {
        app::SalesFile read(kPlaceholderSalesFile);
        if (read.Read() == app::SalesFile::Status::Read)
            placeholder = std::move(read);
    }
    return placeholder;
}

} // namespace

GeneralStatements WriteGeneralStatements(double rate, const QString &date)
{
    GeneralStatements run;
    const auto ended = [&run](GeneralOutcome outcome) {
        run.outcome = outcome;
        return run;
    };

    reg::Register read = reg::ReadRegisterFile();
    if (read.error.wholeFile())
        return ended(GeneralOutcome::NoRegister);
    // A seller whose line cannot be read would be missing from the document,
    // or get another's page: nothing is written until the line is put right.
    if (read.error) {
        run.error = read.error;
        return ended(GeneralOutcome::UnreadableLine);
    }
    const SellersByCode sellers = SellersByCodeOf(std::move(read.sellers));
    run.highest = sellers.highest;
    if (!HighestCodeRefusal(sellers.highest).isEmpty())
        return ended(GeneralOutcome::CodeTooHigh);

    std::unique_ptr<fw::TextOutputStream> out = fw::CreateTextFile(kGeneralStatementsFile);
    if (!out)
        return ended(GeneralOutcome::NotWritten);
    WriteGeneralStatementsStart(*out);
    std::optional<app::SalesFile> placeholder;
    for (std::int32_t code = 1; code <= sellers.highest; ++code) {
        const QString codeText = fw::Str(code);
        const std::optional<app::SalesFile> sales = salesOf(codeText, placeholder);
        if (!sales) {
            out->WriteLine(QStringLiteral("}"));
            return ended(out->Close() ? GeneralOutcome::NoSales : GeneralOutcome::NoSalesNotWritten);
        }
        if (const app::ReadError error = sales->readError()) {
            // Dropped unfinished: the document printed before stays whole.
            out.reset();
            run.error = error;
            return ended(GeneralOutcome::UnreadableLine);
        }
        run.last = AccountOf(sellers.sellers.value(code), *sales, rate);
        WriteStatementPage(*out, PageOf(*run.last, codeText, date), PageForm::General);
        WriteGeneralPageBreak(*out);
    }
    out->WriteLine(QStringLiteral("}"));
    return ended(out->Close() ? GeneralOutcome::Written : GeneralOutcome::NotWritten);
}

} // namespace statements
