#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>

// Text and number conversions every data file and every window relies on.
// They are fixed once here so that what one operation writes, another reads
// back the same way.
namespace fw {

// The number at the start of a text: leading blanks, an optional sign, digits,
// an optional "." with digits and an optional exponent. Anything else ends the
// number; a text without one gives 0 ("12,50" gives 12).
double Val(QStringView text);

// Plain decimal text of a Double: "." as decimal point, no exponent, no
// thousands separator; the shortest such text that Val reads back as the
// same Double ("0.12", "12.5", "0.30000000000000004" for 0.1 + 0.2).
QString Str(double value);
QString Str(int value);
QString Str(std::int64_t value);

// Nearest whole number, an exact half away from zero.
double Round(double value);

// A Double as a 32-bit Integer: truncated toward zero, saturated at the bounds.
std::int32_t ToInt32(double value);

// The order of a list sorted on a column: by the number Val reads, then as
// text ("9" before "10" before "100", "" and "abc" with 0).
bool LessByNumber(QStringView a, QStringView b);

// n separators give n + 1 fields; the empty text gives no field.
QStringList Split(const QString &text, const QString &separator);

// Field i of a split line, or the empty text when the line is too short.
QString Field(const QStringList &fields, qsizetype index);

// Removes leading and trailing blanks and tabs.
QString Trim(const QString &text);
QStringView Trim(QStringView text);
// Removes the leading and trailing characters that `outer` picks.
QStringView TrimWhere(QStringView text, bool (*outer)(QChar));

// A number typed with a decimal comma, as French speakers write it: an
// optional sign, digits, one "," and digits, blanks around. The same number
// with a point and without the blanks ("2,50" gives "2.50"); none for any
// other text.
std::optional<QString> DecimalCommaAsPoint(const QString &text);

// A number as the decimal it stands for: digits x 10^exponent.
struct Decimal {
    std::uint64_t digits = 0;
    int exponent = 0;
    bool negative = false;
};

// A finite Double as the decimal it stands for, to 15 significant digits,
// without trailing zeros in `digits`: 0.1 is 1 x 10^-1, not the binary
// 0.1000000000000000055511151231257827. Zero, and what is no finite number, is 0.
Decimal DecimalOf(double value);

// The amount format "-####.00": two decimals, rounded half away from zero on
// the decimal value, "-" before a negative amount, never "-0.00". A Double
// that is no finite number shows as Str writes it.
QString FormatAmount(const Decimal &value);
QString FormatAmount(double value);

// The line end inside a message text.
QString EndOfLine();

} // namespace fw
