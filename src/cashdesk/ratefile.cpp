#include "ratefile.h"

#include "framework/files.h"
#include "framework/text.h"

#include <charconv>

namespace cashdesk {

RateOpening OpenRateFile()
{
    if (std::unique_ptr<fw::TextInputStream> in = fw::OpenAsTextFile(kRateFile))
        return {FileOpening::Read, fw::Val(in->ReadLine())};
    if (fw::Exists(kRateFile))
        return {FileOpening::Unreadable};
    const double rate = fw::Val(kDefaultRate);
    if (!ReplaceRateFile(rate))
        return {FileOpening::NotCreated};
    return {FileOpening::Created, rate};
}

bool ReplaceRateFile(double rate)
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

QString RateNotReplacedMessage()
{
    return QStringLiteral("Impossible d'écrire le fichier ") + kRateFile +
           QStringLiteral(" : le taux de commission n'a pas été modifié.");
}

QString OpeningFailureMessage(const QString &name, FileOpening outcome)
{
    switch (outcome) {
    case FileOpening::Unreadable:
        return QStringLiteral("Le fichier ") + name +
               QStringLiteral(" existe mais ne peut pas être lu. Le programme s'arrête sans rien modifier.");
    case FileOpening::NotCreated:
        return QStringLiteral("Impossible de créer le fichier ") + name + QStringLiteral(". Le programme s'arrête.");
    case FileOpening::Read:
    case FileOpening::Created:
        break;
    }
    return {};
}

} // namespace cashdesk
