#pragma once

#include <QString>

namespace fw {
class TextInputStream;
}

// Recording a sold coupon: finding its seller in the coupon index, and the
// lines and messages of a recording.
namespace cashdesk {

inline const QString kHighAmountMessage = QStringLiteral("Info: Montant élevé");
inline const QString kNoIndexMessage = QStringLiteral(
    "Avez-vous créé les fichiers vendeurs? Si ce n'est pas le cas utilisez \"Gestion des vendeurs\".");
inline const QString kNoSellerMessage = QStringLiteral("Ce coupon n'a pas de vendeur");
inline const QString kSalesFileMessage = QStringLiteral("Problem creating the text file!");
inline const QString kAmountOutOfRangeMessage =
    QStringLiteral("Montant hors limites: le coupon n'est pas enregistré.");

// The seller of the last index line whose first field is the coupon number,
// text against text; fields missing from that line are empty. No name: no
// seller. When that last line cannot be read as the index's (a spreadsheet's
// ";" line, or a quoted comma), there is no name and badLine numbers it.
struct CouponOwner {
    QString name;
    QString codeText;
    qsizetype badLine = 0;
};
CouponOwner FindCouponOwner(fw::TextInputStream &index, const QString &coupon);

// What the cashier is told of a coupon without a seller.
QString NoSellerMessage(const CouponOwner &owner);

// The message for a coupon already in the list at that row (counted from 0).
QString DuplicateMessage(int row);

// Above 151 the cashier is warned, and the coupon is recorded all the same.
bool IsHighAmount(const QString &amount);

// The turnover a coupon would make. An amount Val reads as an infinity
// ("1e400"), or one that takes the turnover there, would make the turnover of
// every later opening of the year meaningless: it is never recorded.
bool IsRecordableTurnover(double turnover);

// A recording is all or nothing: these messages tell that the coupon is not
// recorded, because the journal cannot be opened, or a line did not reach
// its file. When the sale already written could not be taken back from the
// sales file, the message says that it stays there.
QString JournalNotOpenedMessage(const QString &journal);
QString SaleNotWrittenMessage(const QString &salesFile);
QString JournalNotWrittenMessage(const QString &journal, const QString &salesFile, bool saleTakenBack);

} // namespace cashdesk
