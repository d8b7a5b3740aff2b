#include "signsheet.h"

#include "rtf.h"

#include "framework/files.h"

namespace statements {

void WriteSign(fw::TextOutputStream &out, const reg::Seller &seller)
{
    const QString paragraph = QStringLiteral("{\\pard");
    const QString centred = QStringLiteral("\\qc");
    const QString end = QStringLiteral("\\par}");
    const QString lineBreak = QStringLiteral("\\line");
    const QString lines[] = {
        paragraph, centred, QStringLiteral("\\b\\f0\\fs120"), RtfText(seller.NomVendeur), end,
        paragraph, centred, QStringLiteral("\\b\\f0\\fs50"), RtfText(seller.AdresseVendeur), lineBreak,
        RtfText(seller.NumPostVendeur + QStringLiteral("  ") + seller.VilleVendeur), end,
        paragraph, centred, QStringLiteral("\\b\\f0\\fs100"), lineBreak, QStringLiteral("Vendeur n\\'b0 "),
        RtfPlainText(seller.CodeVendeur), lineBreak, end,
        paragraph, centred, QStringLiteral("\\b\\f0\\fs60"), QStringLiteral(" Coupons"), end,
        paragraph, centred, QStringLiteral("\\b\\f0\\fs160"),
        RtfPlainText(seller.CouponStart + QStringLiteral(" - ") + seller.CouponStop), end,
    };
    for (const QString &line : lines)
        out.WriteLine(RtfCharacters(line));
}

bool WriteSignSheetFile(const QVector<reg::Seller> &sellers)
{
    std::unique_ptr<fw::TextOutputStream> out = fw::CreateTextFile(kSignSheetFile);
    if (!out)
        return false;
    WriteSignSheet(*out, sellers);
    return out->Close();
}

void WriteSignSheet(fw::TextOutputStream &out, const QVector<reg::Seller> &sellers)
{
    WritePrologue(out, kSignFontTable, kLandscapePaper);
    for (qsizetype i = 0; i < sellers.size(); ++i) {
        // Between signs only: a break after the last one printed an empty
        // sheet whenever that sign filled its page.
        if (i > 0)
            out.WriteLine(QStringLiteral("\\page"));
        WriteSign(out, sellers[i]);
    }
    out.WriteLine(QStringLiteral("}"));
}

} // namespace statements
