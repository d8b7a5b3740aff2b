#pragma once

#include <QString>
#include <optional>

namespace reg {
struct CouponOwner;
}

// Recording a sold coupon: the coupon number as it goes into the files, the
// lines and messages of a recording (reg::FindCouponOwner finds its seller),
// and the rate typed in the rate dialog.
namespace cashdesk {

inline const QString kHighAmountMessage = QStringLiteral("Info: Montant élevé");
inline const QString kNoIndexMessage = QStringLiteral(
    "Avez-vous créé les fichiers vendeurs? Si ce n'est pas le cas utilisez \"Gestion des vendeurs\".");
inline const QString kNoSellerMessage = QStringLiteral("Ce coupon n'a pas de vendeur");
inline const QString kSalesFileMessage = QStringLiteral("Problem creating the text file!");
inline const QString kAmountOutOfRangeMessage =
    QStringLiteral("Montant hors limites: le coupon n'est pas enregistré.");

inline const QString kCouponRefusedMessage = QStringLiteral(
    "N° de coupon invalide : tapez seulement le numéro, sans virgule ni retour à la ligne.");
inline const QString kAmountRefusedMessage =
    QStringLiteral("Montant invalide : tapez un nombre comme 12.50 ou 12,50.");
inline const QString kRateRefusedMessage =
    QStringLiteral("Taux invalide : tapez un pourcentage comme 12 ou 12,5.");

// The coupon number as it goes into the files. A line end pasted before or
// after it is dropped ("7\n" is coupon 7); other blanks stay. None when what
// is left would put a "," or a line break into a line of a file, which has no
// quoting: the recording is refused. The amount is read by app::ReadTypedAmount.
std::optional<QString> TypedCoupon(const QString &typed);

// The rate, as a fraction, of a percentage typed in the rate dialog: what Val
// reads, a decimal comma being the point ("12,5" gives 0.125), a line end
// pasted before or after it dropped. None when it is not a finite number,
// which the rate file could not hold.
std::optional<double> TypedRate(const QString &typed);

// The seller of a coupon, as the coupon index names it; none when the index
// cannot be read (not created yet).
std::optional<reg::CouponOwner> FindSeller(const QString &coupon);

// What the cashier is told of a coupon without a seller.
QString NoSellerMessage(const reg::CouponOwner &owner);

// The message for a coupon already in the list at that row (counted from 0).
QString DuplicateMessage(int row);

// Above 151 the cashier is warned, and the coupon is recorded all the same.
bool IsHighAmount(const QString &amount);

// A recording is all or nothing: these messages tell that the coupon is not
// recorded, because the journal cannot be opened, or a line did not reach
// its file. When the sale already written could not be taken back from the
// sales file, the message says that it stays there.
QString JournalNotOpenedMessage(const QString &journal);
QString SaleNotWrittenMessage(const QString &salesFile);
QString JournalNotWrittenMessage(const QString &journal, const QString &salesFile, bool saleTakenBack);

} // namespace cashdesk
