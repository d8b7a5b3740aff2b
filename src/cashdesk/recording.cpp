#include "recording.h"

#include "app/csvload.h"
#include "framework/files.h"
#include "framework/text.h"
#include "register/couponindex.h"
#include "register/registerfiles.h"

#include <cmath>

namespace cashdesk {

namespace {

bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

// What a spreadsheet cell or a line of text brings along when it is pasted.
QString withoutOuterLineEnds(const QString &text) { return fw::TrimWhere(text, isLineEnd).toString(); }

bool hasLineBreak(const QString &text) { return text.contains(u'\r') || text.contains(u'\n'); }

} // namespace

std::optional<QString> TypedCoupon(const QString &typed)
{
    const QString coupon = withoutOuterLineEnds(typed);
    if (coupon.contains(u',') || hasLineBreak(coupon))
        return std::nullopt;
    return coupon;
}

std::optional<double> TypedRate(const QString &typed)
{
    // Val would stop at a comma followed by a pasted line end: "12,5\n" would be 12 %.
    const QString rate = withoutOuterLineEnds(typed);
    const double percent = fw::Val(fw::DecimalCommaAsPoint(rate).value_or(rate));
    if (!std::isfinite(percent))
        return std::nullopt;
    return percent / 100;
}

std::optional<reg::CouponOwner> FindSeller(const QString &coupon)
{
    std::unique_ptr<fw::TextInputStream> index = fw::OpenAsTextFile(reg::kCouponIndex);
    if (!index)
        return std::nullopt;
    return reg::FindCouponOwner(*index, coupon);
}

QString NoSellerMessage(const reg::CouponOwner &owner)
{
    return owner.badLine ? app::ReadErrorMessage({reg::kCouponIndex, owner.badLine}) : kNoSellerMessage;
}

QString DuplicateMessage(int row) { return QStringLiteral("Coupon déjà saisi, position ") + fw::Str(row + 1); }

bool IsHighAmount(const QString &amount) { return fw::Val(amount) > 151; }

QString JournalNotOpenedMessage(const QString &journal)
{
    return QStringLiteral("Impossible d'ouvrir le journal ") + journal +
           QStringLiteral(" : le coupon n'est pas enregistré.");
}

QString SaleNotWrittenMessage(const QString &salesFile)
{
    return QStringLiteral("Impossible d'écrire dans le fichier ") + salesFile +
           QStringLiteral(" : le coupon n'est pas enregistré.");
}

QString JournalNotWrittenMessage(const QString &journal, const QString &salesFile, bool saleTakenBack)
{
    QString text = QStringLiteral("Impossible d'écrire dans le journal ") + journal +
                   QStringLiteral(" : le coupon n'est pas enregistré");
    if (!saleTakenBack)
        text += QStringLiteral(", mais sa ligne reste dans ") + salesFile;
    return text + QLatin1Char('.');
}

} // namespace cashdesk
