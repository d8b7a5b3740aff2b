#include "rules.h"

#include "framework/text.h"

namespace app {

QString SalesFileName(const QString &codeText)
{
    return QStringLiteral("vendeur_") + fw::Str(fw::ToInt32(fw::Val(codeText))) + QStringLiteral(".csv");
}

double Commission(double rate, double turnover) { return fw::Round(rate * turnover * 20.0) / 20.0; }

} // namespace app
