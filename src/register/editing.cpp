#include "editing.h"

#include "framework/text.h"

#include <cstdint>

namespace reg {

namespace {

// The text among the sellers' values of one field that holds the highest
// number; "0" when none is above 0.
QString highestOf(const QVector<Seller> &sellers, QString Seller::*field)
{
    std::int32_t highest = 0;
    QString text = QStringLiteral("0");
    for (const Seller &seller : sellers) {
        const std::int32_t number = fw::ToInt32(fw::Val(seller.*field));
        if (number > highest) {
            highest = number;
            text = seller.*field;
        }
    }
    return text;
}

} // namespace

NewSellerProposal ProposeNewSeller(const QVector<Seller> &sellers)
{
    return {NextNumber(highestOf(sellers, &Seller::CodeVendeur)), NextNumber(highestOf(sellers, &Seller::CouponStop))};
}

QString SaveRefusalMessage(const Seller &seller, const QString &reason)
{
    return reason + QStringLiteral(" Vendeur : ") + seller.NomVendeur + QStringLiteral(", numéro ") +
           seller.CodeVendeur + QStringLiteral(". Aucun des deux fichiers vendeurs n'a été modifié.");
}

} // namespace reg
