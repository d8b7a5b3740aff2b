#include "sellerrules.h"

#include <utility>

namespace reg {

std::int64_t CouponCount(const Seller &seller)
{
    const CouponRange range = RangeOf(seller.CouponStart, seller.CouponStop);
    // Counted in 64 bits: the widest range holds more numbers than an Integer can count.
    const std::int64_t count = std::int64_t(range.last) - std::int64_t(range.first) + 1;
    return count > 0 ? count : 0;
}

QString RangeRefusal(std::int64_t count)
{
    return QStringLiteral("Cette plage contient ") + QString::number(count) +
           QStringLiteral(" coupons : un vendeur ne peut en avoir plus de ") + QString::number(kMostCouponsOfASeller) +
           QStringLiteral(".");
}

QString SellerRefusal(const Seller &seller)
{
    const std::pair<const char *, const QString *> fields[] = {
        {"Nom", &seller.NomVendeur},
        {"Numéro", &seller.CodeVendeur},
        {"Adresse", &seller.AdresseVendeur},
        {"N° postal", &seller.NumPostVendeur},
        {"Localité", &seller.VilleVendeur},
        {"Coupons de...", &seller.CouponStart},
        {"Coupons à...", &seller.CouponStop},
        {"Aquariums", &seller.locaquariums},
        {"Rampes (50cm)", &seller.locrampes},
    };
    for (const auto &[label, text] : fields) {
        const bool splits = text->contains(QLatin1Char(',')) || text->contains(QLatin1Char('\r')) ||
                            text->contains(QLatin1Char('\n'));
        if (splits)
            return QStringLiteral("Le champ ") + QString::fromUtf8(label) +
                   QStringLiteral(" ne peut contenir ni virgule ni retour à la ligne.");
    }
    if (const std::int64_t count = CouponCount(seller); count > kMostCouponsOfASeller)
        return RangeRefusal(count);
    return {};
}

} // namespace reg
