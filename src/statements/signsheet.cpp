#include "signsheet.h"

#include "rtf.h"

#include "framework/files.h"
#include "framework/text.h"

namespace statements {

void WriteSign(fw::TextOutputStream &out, const QStringList &seller)
{
    const auto field = [&](qsizetype i) { return fw::Field(seller, i); };
    const QString paragraph = QStringLiteral("{\\pard");
    const QString centred = QStringLiteral("\\qc");
    const QString end = QStringLiteral("\\par}");
    const QString lineBreak = QStringLiteral("\\line");
    const QString lines[] = {
        paragraph, centred, QStringLiteral("\\b\\f0\\fs120"), RtfText(field(0)), end,
        paragraph, centred, QStringLiteral("\\b\\f0\\fs50"), RtfText(field(2)), lineBreak,
        RtfText(field(3) + QStringLiteral("  ") + field(4)), end,
        paragraph, centred, QStringLiteral("\\b\\f0\\fs100"), lineBreak, QStringLiteral("Vendeur n\\'b0 "),
        RtfPlainText(field(1)), lineBreak, end,
        paragraph, centred, QStringLiteral("\\b\\f0\\fs60"), QStringLiteral(" Coupons"), end,
        paragraph, centred, QStringLiteral("\\b\\f0\\fs160"),
        RtfPlainText(field(5) + QStringLiteral(" - ") + field(6)), end,
        QStringLiteral("\\page"),
    };
    for (const QString &line : lines)
        out.WriteLine(RtfCharacters(line));
}

void WriteSignSheet(fw::TextOutputStream &out, const QVector<QStringList> &sellers)
{
    WritePrologue(out, kSignFontTable, kLandscapePaper);
    for (const QStringList &seller : sellers)
        WriteSign(out, seller);
    out.WriteLine(QStringLiteral("}"));
}

} // namespace statements
