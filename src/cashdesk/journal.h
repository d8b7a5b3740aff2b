#pragma once

#include "framework/csv.h"

#include <QDate>
#include <QString>

// The files of the cash desk alone: the rate file and the year's coupon journal.
namespace cashdesk {

inline const QString kRateFile = QStringLiteral("ValComm.txt");
inline const QString kDefaultRate = QStringLiteral("0.12");

// coupon, amount, seller name, seller code.
inline constexpr fw::LineForm kJournalLine{4, 0b1011};

// day/month/year without leading zeros: 7/3/2026.
QString DayText(const QDate &date);

// "QVOB" + year + "_main.csv".
QString JournalName(int year);

// The journal's two header lines.
QString JournalHeader1(const QString &myday);
QString JournalHeader2();

// Replaces the rate file with one line, the rate in plain decimal. False
// when the file could not be written; the old file then stays whole.
bool WriteRateFile(double rate);

// The rate in percent as the rate dialog shows it: Str of the percent in the
// fewest significant digits that the dialog turns back into the same rate
// (typed text / 100), so 0.07 shows 7 and not 7.000000000000001.
QString RatePercentText(double rate);

// Creates or replaces the journal with its two header lines and the given
// lines. False when it could not be written; the old file then stays whole.
bool WriteJournal(const QString &name, const QString &myday, const QStringList &lines = {});

// The message shown when a file that exists cannot be read at opening, and
// when a file cannot be created.
QString UnreadableFileMessage(const QString &name);
QString CannotCreateMessage(const QString &name);

} // namespace cashdesk
