#include "generalstatements.h"

#include "rtf.h"

#include "app/rules.h"
#include "framework/files.h"

#include <algorithm>

namespace statements {

SellersByCode ReadSellersByCode(const QByteArray &registerBytes)
{
    reg::RegisterContent read = reg::ReadRegister(registerBytes);
    SellersByCode byCode;
    byCode.badLine = read.badLine;
    byCode.sellers.reserve(read.sellers.size());
    for (reg::Seller &seller : read.sellers) {
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

} // namespace statements
