#pragma once

#include <QString>

namespace fw {
class Listbox;
class TextInputStream;
} // namespace fw

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
// text against text; fields missing from that line are empty. No name: no seller.
struct CouponOwner {
    QString name;
    QString codeText;
};
CouponOwner FindCouponOwner(fw::TextInputStream &index, const QString &coupon);

// The position, counted from 1, of the last row of the list whose column 0 is
// the coupon number; 0 when there is none.
int DuplicatePosition(const fw::Listbox &list, const QString &coupon);
QString DuplicateMessage(int position);

// Above 151 the cashier is warned, and the coupon is recorded all the same.
bool IsHighAmount(const QString &amount);

// An amount Val reads as an infinity ("1e400") would make the turnover of
// every later opening of the year meaningless: it is never recorded.
bool IsRecordableAmount(const QString &amount);

QString SaleLine(const QString &coupon, const QString &amount);
QString JournalLine(const QString &coupon, const QString &amount, const CouponOwner &owner);

// A recording is all or nothing: these messages tell that the coupon is not
// recorded, because the journal cannot be opened, or a line did not reach
// its file. When the sale already written could not be taken back from the
// sales file, the message says that it stays there.
QString JournalNotOpenedMessage(const QString &journal);
QString SaleNotWrittenMessage(const QString &salesFile);
QString JournalNotWrittenMessage(const QString &journal, const QString &salesFile, bool saleTakenBack);

} // namespace cashdesk
