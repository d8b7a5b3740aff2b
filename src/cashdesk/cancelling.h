#pragma once

#include <QString>

// The messages of cancelling a recorded coupon (cashdesk::Journal::Cancel).
namespace cashdesk {

inline const QString kCannotRewriteMessage = QStringLiteral("impossible d'écrire le fichier modifié!");
inline const QString kNoSalesFileMessage = QStringLiteral("Il n'y a pas de fichier pour ce vendeur!?!?!");

// Why a coupon is not cancelled; it then stays recorded everywhere.
QString CannotReadMessage(const QString &file);
QString JournalChangedMessage(const QString &journal);
// The journal no longer holds the coupon, but its sales file could not be
// rewritten and the journal's old content not put back.
QString SaleNotRemovedMessage(const QString &journal, const QString &salesFile);

} // namespace cashdesk
