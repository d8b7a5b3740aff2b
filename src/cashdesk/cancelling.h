#pragma once

#include "app/amount.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Cancelling a recorded coupon, apart from the window. The journal and the
// seller's sales file are rewritten from the lines they hold when the coupon
// is cancelled, each less the coupon's line: every other line is written back
// exactly as it was read. Rows are the fields of a file's data lines.
namespace cashdesk {

// The sum of the amounts (cell 1) of every row but `skip`, each at its
// app::AmountValue, as the opening sums them.
app::Amount Turnover(const QVector<QStringList> &rows, qsizetype skip);

inline const QString kCannotRewriteMessage = QStringLiteral("impossible d'écrire le fichier modifié!");
inline const QString kNoSalesFileMessage = QStringLiteral("Il n'y a pas de fichier pour ce vendeur!?!?!");

// Why a coupon is not cancelled; it then stays recorded everywhere.
QString CannotReadMessage(const QString &file);
QString JournalChangedMessage(const QString &journal);
// The journal no longer holds the coupon, but its sales file could not be
// rewritten and the journal's old content not put back.
QString SaleNotRemovedMessage(const QString &journal, const QString &salesFile);

} // namespace cashdesk
