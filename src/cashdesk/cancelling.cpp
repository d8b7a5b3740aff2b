#include "cancelling.h"

namespace cashdesk {

QString CannotReadMessage(const QString &file)
{
    return QStringLiteral("Le fichier ") + file + QStringLiteral(" ne peut pas être lu : le coupon n'est pas effacé.");
}

QString JournalChangedMessage(const QString &journal)
{
    return QStringLiteral("Le journal ") + journal +
           QStringLiteral(" a été modifié hors du programme et ne contient plus les coupons de la liste : le "
                          "coupon n'est pas effacé. Relancez le programme pour que la liste montre le journal.");
}

QString SaleNotRemovedMessage(const QString &journal, const QString &salesFile)
{
    return QStringLiteral("Le coupon est effacé du journal ") + journal + QStringLiteral(", mais sa ligne reste dans ") +
           salesFile + QStringLiteral(" : ce fichier ne peut pas être écrit.");
}

} // namespace cashdesk
