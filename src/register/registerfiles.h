#pragma once

#include "app/csvload.h"
#include "framework/csv.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

// The register file (one line per seller) and the coupon index derived from
// it (one line per coupon number of every seller's range). Every writer of
// the two files goes through these functions, so the rule that derives the
// index from the register exists once.
namespace reg {

inline const QString kRegisterFile = QStringLiteral("ListeVendeurs.csv");
inline const QString kCouponIndex = QStringLiteral("couponsvendeurs.csv");

// The fields of a register line and of an index line, and which are numbers.
inline constexpr fw::LineForm kRegisterLine{9, 0b111100010};
inline constexpr fw::LineForm kIndexLine{3, 0b101};

// One seller, its texts as typed: never trimmed or checked.
struct Seller {
    QString NomVendeur;
    QString CodeVendeur;
    QString AdresseVendeur;
    QString NumPostVendeur;
    QString VilleVendeur;
    QString CouponStart;
    QString CouponStop;
    QString locaquariums;
    QString locrampes;
};

// A seller from the nine cells of a list row in file order; missing cells are empty.
Seller SellerFromFields(const QStringList &fields);

// The nine fields of a seller in file order: a list row's cells.
QStringList FieldsOf(const Seller &seller);

// The rows of a list showing the sellers, one per seller.
QVector<QStringList> RowsOf(const QVector<Seller> &sellers);

// The register file as every reader takes it. A file missing, a folder, a
// device or a pipe in its place, or a file that cannot be read are one case:
// no seller, and an error on the whole file. A line that cannot be read is
// left out and named; the other sellers are there.
struct Register {
    QVector<Seller> sellers;   // in file order, fields trimmed, blank lines skipped
    QVector<qsizetype> lines;  // the line of each seller in the file, counted from 1
    QByteArray digest;         // of the bytes read: a later read tells whether the file changed
    app::ReadError error;
};
Register ReadRegisterFile();

// The seller's line of the register file: the nine fields joined by ",".
QString RegisterLine(const Seller &seller);

// The coupon numbers a seller owns: a bound that is no number counts as 0,
// and bounds beyond the 32-bit range stop at its ends. No number when last < first.
struct CouponRange {
    std::int32_t first = 0;
    std::int32_t last = 0;
};
CouponRange RangeOf(const QString &firstBound, const QString &lastBound);

// The index line of one coupon number.
QString CouponLine(std::int64_t number, const QString &name, const QString &code);

// Adds the seller's index lines, in ascending order.
void AddCouponLines(QStringList &lines, const Seller &seller);

// The number that follows a typed one: the proposal for the next code and
// the next first coupon. Counted wide, so 2147483647 is followed by 2147483648.
QString NextNumber(const QString &typed);

// What a writer of the two files could not do; an empty file name when all went well.
struct WriteFailure {
    QString file;
    bool opening = false; // the file could not be opened, so nothing was written to it
    bool registerKept = false; // the register holds the change all the same: it could not be given back

    explicit operator bool() const { return !file.isEmpty(); }
};

// Leaves both files existing and empty. When either cannot be opened,
// neither changes.
WriteFailure EmptyRegisterFiles();

// Appends the seller's register line and its index lines, as one
// fw::FileChange: both files get the seller, or neither does (save when
// registerKept says otherwise), also through a kill or a power cut.
WriteFailure AppendSeller(const Seller &seller);

// Replaces both files, as one fw::FileChange: each seller's register line,
// and its index lines in register order. The register is never left new
// with the old index.
WriteFailure RewriteRegister(const QVector<Seller> &sellers);

} // namespace reg
