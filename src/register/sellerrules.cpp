#include "sellerrules.h"

#include "framework/csv.h"
#include "framework/text.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

namespace reg {

namespace {

const char *const kCode = "Numéro";
const char *const kFirst = "Coupons de...";
const char *const kLast = "Coupons à...";

QString caption(const char *label) { return QString::fromUtf8(label); }

// The coupon numbers the index gives a seller, by the derivation rule. Both
// bounds empty still give the index a line for coupon 0: such sellers have
// no coupons yet and never clash with one another, only with a range that
// holds 0.
struct Coupons {
    std::int32_t first = 0;
    std::int32_t last = -1;
    bool noBounds = false;

    bool any() const { return last >= first; }
};

Coupons couponsOf(const Seller &seller)
{
    const CouponRange range = RangeOf(seller.CouponStart, seller.CouponStop);
    const bool noBounds = fw::Trim(seller.CouponStart).isEmpty() && fw::Trim(seller.CouponStop).isEmpty();
    return {range.first, range.last, noBounds};
}

bool share(const Coupons &a, const Coupons &b)
{
    return a.any() && b.any() && !(a.noBounds && b.noBounds) && a.first <= b.last && b.first <= a.last;
}

// The code as every reader takes it: the number that names the sales file.
std::int32_t codeValue(const Seller &seller) { return fw::ToInt32(fw::Val(seller.CodeVendeur)); }

QString rangeText(const Coupons &c)
{
    if (c.noBounds)
        return QStringLiteral("sans coupons (le coupon 0 de ") + kCouponIndex + QLatin1Char(')');
    return QString::number(c.first) + QStringLiteral(" à ") + QString::number(c.last);
}

QString sellerText(const Seller &seller)
{
    return QStringLiteral("du vendeur ") + fw::Trim(seller.NomVendeur) + QStringLiteral(" (numéro ") +
           fw::Trim(seller.CodeVendeur) + QLatin1Char(')');
}

QString overlapRefusal(const Seller &seller, const Seller &other)
{
    return QStringLiteral("Les champs ") + caption(kFirst) + QStringLiteral(" et ") + caption(kLast) +
           QStringLiteral(" : la plage ") + rangeText(couponsOf(seller)) +
           QStringLiteral(" a des coupons en commun avec celle ") + sellerText(other) + QStringLiteral(", ") +
           rangeText(couponsOf(other)) + QStringLiteral(". Un coupon ne peut être qu'à un seul vendeur.");
}

QString codeRefusal(const Seller &other)
{
    return QStringLiteral("Le champ ") + caption(kCode) + QStringLiteral(" : le vendeur ") +
           fw::Trim(other.NomVendeur) + QStringLiteral(" a déjà le numéro ") + fw::Trim(other.CodeVendeur) +
           QStringLiteral(". Chaque vendeur doit avoir son propre numéro.");
}

QString notWholeRefusal(const char *label, const QString &typed)
{
    return QStringLiteral("Le champ ") + caption(label) +
           QStringLiteral(" doit être un nombre entier, 0 ou plus : \"") + fw::Trim(typed) +
           QStringLiteral("\" n'en est pas un.");
}

} // namespace

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

bool IsWholeNumber(const QString &text)
{
    const QString digits = fw::Trim(text);
    return !digits.isEmpty() &&
           std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString SellerRefusal(const Seller &seller)
{
    const std::pair<const char *, const QString *> fields[] = {
        {"Nom", &seller.NomVendeur},
        {kCode, &seller.CodeVendeur},
        {"Adresse", &seller.AdresseVendeur},
        {"N° postal", &seller.NumPostVendeur},
        {"Localité", &seller.VilleVendeur},
        {kFirst, &seller.CouponStart},
        {kLast, &seller.CouponStop},
        {"Aquariums", &seller.locaquariums},
        {"Rampes (50cm)", &seller.locrampes},
    };
    for (const auto &[label, text] : fields) {
        const bool splits = text->contains(QLatin1Char(',')) || text->contains(QLatin1Char('\r')) ||
                            text->contains(QLatin1Char('\n'));
        if (splits)
            return QStringLiteral("Le champ ") + caption(label) +
                   QStringLiteral(" ne peut contenir ni virgule ni retour à la ligne.");
        // Every reader takes a field wholly inside quotes for a spreadsheet's
        // quoted text: "Aqua Club" would read back without its quotes, "" as
        // an empty name.
        const std::optional<QStringList> read = fw::SplitDataLine(*text, fw::LineForm{});
        if (read && read->value(0) != fw::Trim(*text))
            return QStringLiteral("Le champ ") + caption(label) +
                   QStringLiteral(" ne peut pas être tout entier entre guillemets : tapez-le sans les guillemets "
                                  "du début et de la fin.");
    }

    if (fw::Trim(seller.CodeVendeur).isEmpty())
        return QStringLiteral("Le champ ") + caption(kCode) +
               QStringLiteral(" est vide : chaque vendeur doit avoir un numéro.");
    // "12O" or "A5" would reach the readers as 12 or 0, "-2" as a negative count.
    const std::pair<const char *, const QString *> numbers[] = {
        {kCode, &seller.CodeVendeur},
        {kFirst, &seller.CouponStart},
        {kLast, &seller.CouponStop},
        {"Aquariums", &seller.locaquariums},
        {"Rampes (50cm)", &seller.locrampes},
    };
    for (const auto &[label, text] : numbers)
        if (!fw::Trim(*text).isEmpty() && !IsWholeNumber(*text))
            return notWholeRefusal(label, *text);

    const bool noFirst = fw::Trim(seller.CouponStart).isEmpty();
    const bool noLast = fw::Trim(seller.CouponStop).isEmpty();
    if (noFirst && !noLast)
        return QStringLiteral("Le champ ") + caption(kFirst) +
               QStringLiteral(" est vide : tapez le premier coupon, ou videz aussi ") + caption(kLast) +
               QStringLiteral(" pour un vendeur qui n'a pas encore de coupons.");
    if (!noLast) {
        const CouponRange range = RangeOf(seller.CouponStart, seller.CouponStop);
        if (range.last < range.first)
            return QStringLiteral("Le champ ") + caption(kLast) + QStringLiteral(" (") + fw::Trim(seller.CouponStop) +
                   QStringLiteral(") est plus petit que ") + caption(kFirst) + QStringLiteral(" (") +
                   fw::Trim(seller.CouponStart) +
                   QStringLiteral(") : le dernier coupon ne peut précéder le premier.");
    }
    if (const std::int64_t count = CouponCount(seller); count > kMostCouponsOfASeller)
        return RangeRefusal(count);
    return {};
}

QString TypedSellerRefusal(const Seller &seller)
{
    // Any white space counts as blank here, a no-break space too: it prints nothing either.
    const QString &name = seller.NomVendeur;
    if (std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.isSpace(); }))
        return QStringLiteral("Le champ Nom est vide : tapez le nom du vendeur.");
    return SellerRefusal(seller);
}

QString ConflictRefusal(const Seller &seller, const QVector<Seller> &others)
{
    const Coupons coupons = couponsOf(seller);
    for (const Seller &other : others)
        if (share(coupons, couponsOf(other)))
            return overlapRefusal(seller, other);
    const std::int32_t code = codeValue(seller);
    for (const Seller &other : others)
        if (codeValue(other) == code)
            return codeRefusal(other);
    return {};
}

RegisterRefusal CheckRegister(const QVector<Seller> &sellers)
{
    for (qsizetype row = 0; row < sellers.size(); ++row)
        if (QString reason = SellerRefusal(sellers[row]); !reason.isEmpty())
            return {row, std::move(reason)};

    // Sorted by first coupon, a range shares a coupon with an earlier one
    // exactly when the earlier range reaching furthest reaches it. Ranges
    // with bounds come before the bound-less ones at 0, which never clash
    // with one another and so never reach anything.
    struct Span {
        Coupons coupons;
        qsizetype row;
    };
    std::vector<Span> spans;
    spans.reserve(sellers.size());
    for (qsizetype row = 0; row < sellers.size(); ++row)
        if (const Coupons c = couponsOf(sellers[row]); c.any())
            spans.push_back({c, row});
    std::sort(spans.begin(), spans.end(), [](const Span &a, const Span &b) {
        return std::tuple(a.coupons.first, a.coupons.noBounds, a.row) <
               std::tuple(b.coupons.first, b.coupons.noBounds, b.row);
    });
    const Span *reach = nullptr;
    for (const Span &span : spans) {
        if (reach && share(reach->coupons, span.coupons)) {
            const auto [earlier, later] = std::minmax(reach->row, span.row);
            return {later, overlapRefusal(sellers[later], sellers[earlier])};
        }
        if (!span.coupons.noBounds && (!reach || span.coupons.last > reach->coupons.last))
            reach = &span;
    }

    std::vector<std::pair<std::int32_t, qsizetype>> codes;
    codes.reserve(sellers.size());
    for (qsizetype row = 0; row < sellers.size(); ++row)
        codes.emplace_back(codeValue(sellers[row]), row);
    std::sort(codes.begin(), codes.end());
    for (std::size_t i = 1; i < codes.size(); ++i)
        if (codes[i].first == codes[i - 1].first)
            return {codes[i].second, codeRefusal(sellers[codes[i - 1].second])};
    return {};
}

} // namespace reg
