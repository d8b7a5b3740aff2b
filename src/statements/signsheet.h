#pragma once

#include "register/registerfiles.h"

#include <QString>
#include <QVector>

namespace fw {
class TextOutputStream;
}

// The seller sign sheet, "FichesVendeurs.rtf": one landscape page per seller,
// to hang above the seller's place at the fair.
namespace statements {

inline const QString kSignSheetFile = QStringLiteral("FichesVendeurs.rtf");
inline const QString kSignSheetNoRegister =
    QStringLiteral("Fichier introuvable! Créez d'abord le fichier des coupons et des vendeurs!");
inline const QString kSignSheetNotCreated = QStringLiteral("Impossible de créer le fichier FichesVendeurs.rtf!");

// The 30 lines of one seller's sign. Every text has its "\", "{" and "}" escaped; name,
// street address and postal code with locality get the accent escape as well.
void WriteSign(fw::TextOutputStream &out, const reg::Seller &seller);

// The prologue, a sign per seller in the order given, each on a page of its
// own, and the closing "}".
void WriteSignSheet(fw::TextOutputStream &out, const QVector<reg::Seller> &sellers);

// Replaces kSignSheetFile by the sheet of these sellers; true once it is on
// the disk whole, false with the old file left as it was.
bool WriteSignSheetFile(const QVector<reg::Seller> &sellers);

} // namespace statements
