#pragma once

#include "register/registerfiles.h"

#include <QString>
#include <cstdint>

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

// The largest seller code of the register: the number at the start of field 2
// of each line as a 32-bit Integer (saturated); 0 when none is above 0.
std::int32_t HighestSellerCode(fw::TextInputStream &sellers);

// A larger highest code is a typing mistake: a page for every code up to it
// would take hours and fill the disk.
inline constexpr std::int64_t kHighestCodeAllowed = 100000;

// Why the document is not written for this highest code; empty when it is.
QString HighestCodeRefusal(std::int64_t highest);

// The seller of a code: the last register line whose field 2, untrimmed, is
// the code in plain decimal ("7" matches neither "07" nor "7 "). Texts as they
// stand in the file; all empty when no line has that code, and fields missing
// from a short line empty.
reg::Seller FindSeller(fw::TextInputStream &sellers, std::int64_t code);

// Replaces the placeholder sales file; true when its line reached the disk.
bool WritePlaceholderSalesFile();

// The prologue and the empty line before the first page.
void WriteGeneralStatementsStart(fw::TextOutputStream &out);

// Ends a page: a plain paragraph after the coupon table, then the page break.
void WriteGeneralPageBreak(fw::TextOutputStream &out);

} // namespace statements
