#include "generalstatements.h"

#include "rtf.h"

#include "framework/files.h"
#include "framework/text.h"

#include <cstring>

namespace statements {

namespace {

// Field 2 of a line, as bytes. A "," is the same byte in every encoding a
// line may have and never part of another character, so the bytes between
// the first two are exactly the second field.
QByteArrayView codeField(QByteArrayView line)
{
    const qsizetype first = line.indexOf(',');
    if (first < 0)
        return {};
    const QByteArrayView rest = line.sliced(first + 1);
    const qsizetype second = rest.indexOf(',');
    return second < 0 ? rest : rest.first(second);
}

} // namespace

std::int32_t HighestSellerCode(fw::TextInputStream &sellers)
{
    std::int32_t highest = 0;
    while (!sellers.Eof()) {
        // The number is read from ASCII characters only, which decode alike in every encoding.
        const QByteArrayView field = codeField(sellers.ReadLineBytes());
        const std::int32_t code = fw::ToInt32(fw::Val(QString::fromLatin1(field.data(), field.size())));
        if (code > highest)
            highest = code;
    }
    return highest;
}

QString HighestCodeRefusal(std::int64_t highest)
{
    if (highest <= kHighestCodeAllowed)
        return {};
    return QStringLiteral("Le code vendeur ") + QString::number(highest) + QStringLiteral(" dépasse ") +
           QString::number(kHighestCodeAllowed) +
           QStringLiteral(" : le fichier général n'est pas écrit. Corrigez ce code dans le fichier des vendeurs.");
}

reg::Seller FindSeller(fw::TextInputStream &sellers, std::int64_t code)
{
    // Read once per code, so lines are compared as bytes and only the line of
    // the code is decoded: ASCII digits are the same bytes in every encoding.
    const QByteArray wanted = QByteArray::number(static_cast<qlonglong>(code));
    reg::Seller seller;
    while (!sellers.Eof()) {
        const QByteArrayView line = sellers.ReadLineBytes();
        const QByteArrayView field = codeField(line);
        if (field.size() != wanted.size() ||
            std::memcmp(field.data(), wanted.constData(), static_cast<size_t>(wanted.size())) != 0)
            continue;
        seller = reg::SellerFromFields(fw::Split(fw::DecodeLine(line), QStringLiteral(",")));
    }
    return seller;
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
