#pragma once

#include <QString>

// The rate file ValComm.txt: one line, the club's commission rate as a
// fraction in plain decimal. Its one reader is the opening, its writers the
// opening (on the first run) and the rate dialog.
namespace cashdesk {

inline const QString kRateFile = QStringLiteral("ValComm.txt");
inline const QString kDefaultRate = QStringLiteral("0.12");

// How the opening found one of the cash desk's own files. A file that is
// there but cannot be read is never replaced.
enum class FileOpening { Read, Created, Unreadable, NotCreated };

struct RateOpening {
    FileOpening outcome = FileOpening::Read;
    double rate = 0; // Val of the first line; the default rate for a file just created
};

// Reads the rate, or creates the file with the default rate when there is none.
RateOpening OpenRateFile();

// Replaces the file with the one line of `rate`. False when it could not be
// written; the old file then stays whole.
bool ReplaceRateFile(double rate);

// The rate in percent as the rate dialog shows it: Str of the percent in the
// fewest significant digits that the dialog turns back into the same rate
// (typed text / 100), so 0.07 shows 7 and not 7.000000000000001.
QString RatePercentText(double rate);

// Why a new rate is not in force.
QString RateNotReplacedMessage();

// The message of an opening that stops the program: a file of the cash desk
// that exists but cannot be read, or cannot be created. Empty for the others.
QString OpeningFailureMessage(const QString &name, FileOpening outcome);

} // namespace cashdesk
