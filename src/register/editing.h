#pragma once

#include "registerfiles.h"

#include <QString>
#include <QVector>

namespace reg {

// What the register editor fills in for a new seller: the code after the
// highest code and the first coupon after the highest last coupon of all the
// sellers given, never a free number below them. Numbers are read as 32-bit
// Integers; a text that is no number, zero or below never raises the highest.
struct NewSellerProposal {
    QString CodeVendeur;
    QString CouponStart;
};
NewSellerProposal ProposeNewSeller(const QVector<Seller> &sellers);

// The save's refusal of a seller of the list that cannot be written.
QString SaveRefusalMessage(const Seller &seller, const QString &reason);

// The save's refusal when the register file is no longer what the editor
// loaded: rewriting it from the list would erase what was added since.
inline const QString kRegisterChangedMessage =
    QStringLiteral("Le fichier des vendeurs ") + kRegisterFile +
    QStringLiteral(" a changé depuis son ouverture dans cet éditeur (un vendeur ajouté dans la création des "
                   "fichiers vendeurs, ou une ligne changée à la main). L'enregistrer effacerait ces changements : "
                   "rien n'a été enregistré. Notez vos modifications, cliquez sur \"Sélectionner\" puis sur "
                   "\"Quitter\" pour fermer l'éditeur sans enregistrer, et rouvrez-le.");

} // namespace reg
