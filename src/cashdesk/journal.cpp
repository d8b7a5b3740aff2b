#include "journal.h"

#include "framework/files.h"
#include "framework/text.h"

#include <QStringList>
#include <charconv>

namespace cashdesk {

QString DayText(const QDate &date)
{
    return fw::Str(date.day()) + QLatin1Char('/') + fw::Str(date.month()) + QLatin1Char('/') + fw::Str(date.year());
}

QString JournalName(int year) { return QStringLiteral("QVOB") + fw::Str(year) + QStringLiteral("_main.csv"); }

QString JournalHeader1(const QString &myday) { return QStringLiteral("Bourse QVO du ") + myday; }

QString JournalHeader2() { return QStringLiteral("Numéro de coupon,Valeur encaissée,Vendeur,code vendeur"); }

bool WriteRateFile(double rate)
{
    auto out = fw::CreateTextFile(kRateFile);
    if (!out)
        return false;
    out->WriteLine(fw::Str(rate));
    return out->Close();
}

QString RatePercentText(double rate)
{
    const double percent = rate * 100;
    for (int digits = 1; digits <= 17; ++digits) {
        char buffer[64];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::scientific, digits - 1);
        const QString text = fw::Str(fw::Val(QString::fromLatin1(buffer, result.ptr - buffer)));
        if (fw::Val(text) / 100 == rate)
            return text;
    }
    return fw::Str(percent);
}

bool WriteJournal(const QString &name, const QString &myday, const QStringList &lines)
{
    auto out = fw::CreateTextFile(name);
    if (!out)
        return false;
    out->WriteLine(JournalHeader1(myday));
    out->WriteLine(JournalHeader2());
    for (const QString &line : lines)
        out->WriteLine(line);
    return out->Close();
}

QString UnreadableFileMessage(const QString &name)
{
    return QStringLiteral("Le fichier ") + name +
           QStringLiteral(" existe mais ne peut pas être lu. Le programme s'arrête sans rien modifier.");
}

QString CannotCreateMessage(const QString &name)
{
    return QStringLiteral("Impossible de créer le fichier ") + name + QStringLiteral(". Le programme s'arrête.");
}

} // namespace cashdesk
