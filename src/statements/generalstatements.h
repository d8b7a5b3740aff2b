#pragma once

#include "account.h"

#include "register/registerfiles.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>
#include <cstdint>
#include <optional>

namespace fw {
class TextInputStream;
class TextOutputStream;
} // namespace fw

// The general statements document, "Fichier_General_des_vendeurs.rtf": the
// statement page of every seller code from 1 to the highest one of the
// register, for the organiser to print in one go at the end of the fair.
namespace statements {

inline const QString kGeneralStatementsFile = QStringLiteral("Fichier_General_des_vendeurs.rtf");
// Read in place of the sales file of a code that has none: one coupon 0 of amount 0.
inline const QString kPlaceholderSalesFile = QStringLiteral("vendeur_null.csv");

inline const QString kRegisterVanished = QStringLiteral("Le fichier des vendeurs a disparu!!!");
inline const QString kNoSalesFile = QStringLiteral("Aucun fichier disponible pour ce vendeur!");
inline const QString kClosingForSafety = QStringLiteral("Je ferme le fichier par sécurité!");
inline const QString kGeneralStatementsWritten = QStringLiteral("Fichier créé (Fichier_General_des_vendeurs.rtf).");

// The register as the document reads it, once: the seller of each code, a
// code matched by its value as it names the sales file ("07" and " 7" are
// code 7), the last line of a code giving its seller; and the highest code.
struct SellersByCode {
    QHash<std::int32_t, reg::Seller> sellers;
    std::int32_t highest = 0; // 0 when no code is above 0
};
SellersByCode SellersByCodeOf(QVector<reg::Seller> sellers);

// A larger highest code is a typing mistake: a page for every code up to it
// would take hours and fill the disk.
inline constexpr std::int64_t kHighestCodeAllowed = 100000;

// Why the document is not written for this highest code; empty when it is.
QString HighestCodeRefusal(std::int64_t highest);

// Replaces the placeholder sales file; true when its line reached the disk.
bool WritePlaceholderSalesFile();

// The prologue and the empty line before the first page.
void WriteGeneralStatementsStart(fw::TextOutputStream &out);

// Ends a page: a plain paragraph after the coupon table, then the page break.
void WriteGeneralPageBreak(fw::TextOutputStream &out);

// How a run of the general statements ended, for the window to tell.
enum class GeneralOutcome {
    Written,          // whole in the data folder, for the viewer
    NoRegister,       // the register cannot be read: nothing written
    UnreadableLine,   // a line of the register or of a sales file cannot be read: nothing written
    CodeTooHigh,      // the highest code is beyond kHighestCodeAllowed: nothing written
    NotWritten,       // the document could not be created or written whole; one printed before stays
    NoSales,          // a code's sales could not be read: the pages before it, closed with "}"
    NoSalesNotWritten // the same, and that shortened document could not be written whole
};

struct GeneralStatements {
    GeneralOutcome outcome = GeneralOutcome::Written;
    app::ReadError error;     // UnreadableLine: the file and its line
    std::int64_t highest = 0; // the highest code of the register, once read
    // The account of the last page written, as the window's working fields
    // keep it; none when no page was written.
    std::optional<SellerAccount> last;
};

// Reads the register and every code's sales, and writes the document: a page
// per code from 1 to the highest one, at the commission rate, dated `date`.
GeneralStatements WriteGeneralStatements(double rate, const QString &date);

} // namespace statements
