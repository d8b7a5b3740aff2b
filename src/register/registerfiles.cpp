#include "registerfiles.h"

#include "app/csvload.h"
#include "framework/change.h"
#include "framework/files.h"
#include "framework/text.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace reg {

Seller SellerFromFields(const QStringList &fields)
{
    Seller s;
    s.NomVendeur = fw::Field(fields, 0);
    s.CodeVendeur = fw::Field(fields, 1);
    s.AdresseVendeur = fw::Field(fields, 2);
    s.NumPostVendeur = fw::Field(fields, 3);
    s.VilleVendeur = fw::Field(fields, 4);
    s.CouponStart = fw::Field(fields, 5);
    s.CouponStop = fw::Field(fields, 6);
    s.locaquariums = fw::Field(fields, 7);
    s.locrampes = fw::Field(fields, 8);
    return s;
}

QStringList FieldsOf(const Seller &s)
{
    return {s.NomVendeur,  s.CodeVendeur, s.AdresseVendeur, s.NumPostVendeur, s.VilleVendeur,
            s.CouponStart, s.CouponStop,  s.locaquariums,   s.locrampes};
}

namespace {

// The register file's bytes; none when it is not a file that can be read
// (missing, a folder, a device, a pipe).
std::optional<QByteArray> registerBytes()
{
    // Only a plain file: a device such as /dev/zero would never end.
    QFile file(fw::DataPath(kRegisterFile));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// The sellers of the file's bytes, fields trimmed, blank lines skipped.
void readSellers(const QByteArray &bytes, Register &content)
{
    fw::TextInputStream in(bytes);
    app::CsvLines read = app::ReadCsvLines(in, kRegisterLine);
    content.sellers.reserve(read.rows.size());
    content.lines.reserve(read.rows.size());
    for (qsizetype i = 0; i < read.rows.size(); ++i) {
        content.sellers.append(SellerFromFields(read.rows[i]));
        content.lines.append(read.rowLines[i] + 1);
    }
    if (read.badLine != 0)
        content.error = {kRegisterFile, read.badLine};
}

} // namespace

Register ReadRegisterFile()
{
    Register read;
    const std::optional<QByteArray> bytes = registerBytes();
    if (!bytes) {
        read.error = {kRegisterFile, 0};
        return read;
    }
    read.digest = QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256);
    readSellers(*bytes, read);
    return read;
}

QVector<QStringList> RowsOf(const QVector<Seller> &sellers)
{
    QVector<QStringList> rows;
    rows.reserve(sellers.size());
    for (const Seller &seller : sellers)
        rows.append(FieldsOf(seller));
    return rows;
}

QString RegisterLine(const Seller &s) { return FieldsOf(s).join(QLatin1Char(',')); }

CouponRange RangeOf(const QString &firstBound, const QString &lastBound)
{
    return {fw::ToInt32(fw::Val(firstBound)), fw::ToInt32(fw::Val(lastBound))};
}

QString CouponLine(std::int64_t number, const QString &name, const QString &code)
{
    return fw::Str(number) + QLatin1Char(',') + name + QLatin1Char(',') + code;
}

void AddCouponLines(QStringList &lines, const Seller &seller)
{
    const CouponRange range = RangeOf(seller.CouponStart, seller.CouponStop);
    // Counted in 64 bits: a range that ends at the largest Integer ends there.
    for (std::int64_t n = range.first; n <= range.last; ++n)
        lines.append(CouponLine(n, seller.NomVendeur, seller.CodeVendeur));
}

QString NextNumber(const QString &typed)
{
    return fw::Str(static_cast<std::int64_t>(fw::ToInt32(fw::Val(typed))) + 1);
}

namespace {

// Both files change as one: the coupon index never holds the coupons of a
// seller the register lacks, nor lacks those of one it holds.
WriteFailure writeBoth(bool replace, const QVector<Seller> &sellers)
{
    QStringList registerLines;
    QStringList indexLines;
    for (const Seller &seller : sellers) {
        registerLines.append(RegisterLine(seller));
        AddCouponLines(indexLines, seller);
    }
    fw::FileChange change;
    if (replace) {
        change.Replace(kRegisterFile, registerLines);
        change.Replace(kCouponIndex, indexLines);
    } else {
        change.Append(kRegisterFile, registerLines);
        change.Append(kCouponIndex, indexLines);
    }
    const fw::ChangeFailure failure = change.Commit();
    if (!failure)
        return {};
    return {failure.file, failure.opening, failure.unrestored.contains(kRegisterFile)};
}

} // namespace

WriteFailure EmptyRegisterFiles() { return RewriteRegister({}); }

WriteFailure AppendSeller(const Seller &seller) { return writeBoth(false, {seller}); }

WriteFailure RewriteRegister(const QVector<Seller> &sellers) { return writeBoth(true, sellers); }

} // namespace reg
