#include "recording.h"

#include "framework/files.h"
#include "framework/text.h"

#include <cmath>
#include <cstring>

namespace cashdesk {

namespace {

QStringList splitLine(QByteArrayView line) { return fw::Split(fw::DecodeLine(line), QStringLiteral(",")); }

} // namespace

CouponOwner FindCouponOwner(fw::TextInputStream &index, const QString &coupon)
{
    // The index is read at every recording and holds a line per coupon of
    // every seller, so lines are compared as bytes and only an equal one is
    // decoded. An ASCII byte decodes to the same character in every encoding
    // a line may have, and any other byte to a character outside ASCII: for
    // an ASCII coupon number, equal bytes are exactly an equal first field.
    const QByteArray wanted = coupon.toUtf8();
    const bool asciiCoupon = fw::IsAscii(wanted);
    const bool canMatch = !coupon.contains(QLatin1Char(',')); // a first field never holds one
    const qsizetype n = wanted.size();
    CouponOwner owner;
    while (!index.Eof()) {
        const QByteArrayView line = index.ReadLineBytes();
        if (!canMatch)
            continue;
        if (asciiCoupon) {
            if (line.size() < n || (line.size() > n && line[n] != ',') ||
                std::memcmp(line.data(), wanted.constData(), static_cast<size_t>(n)) != 0)
                continue;
        } else {
            const qsizetype comma = line.indexOf(',');
            if (fw::IsAscii(comma < 0 ? line : line.first(comma)))
                continue;
            if (fw::Field(splitLine(line), 0) != coupon)
                continue;
        }
        const QStringList fields = splitLine(line);
        owner.name = fw::Field(fields, 1);
        owner.codeText = fw::Field(fields, 2);
    }
    return owner;
}

QString DuplicateMessage(int row) { return QStringLiteral("Coupon déjà saisi, position ") + fw::Str(row + 1); }

bool IsHighAmount(const QString &amount) { return fw::Val(amount) > 151; }

bool IsRecordableTurnover(double turnover) { return std::isfinite(turnover); }

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
