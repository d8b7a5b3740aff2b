#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>

// The lines of the data files: fields separated by "," with no quoting, as the
// program writes them, read back also as a spreadsheet saves them.
namespace fw {

// What the lines of one data file hold.
struct LineForm {
    int fields = 1;             // how many fields the program writes on a line
    std::uint32_t numbers = 0;  // bit i: field i is read as a number
};

// A line's fields cut at ",", each trimmed of blanks and tabs; a field wholly
// inside double quotes, as a spreadsheet writes it, is its text ("" inside is
// one "). No fields when the line cannot be of the form, rather than fields
// that would send a coupon or an amount to the wrong place: a quoted field
// holding "," (the program could never write it back), or a ";" outside quotes
// on a line short of fields or within a number (a spreadsheet's ";" separator).
std::optional<QStringList> SplitDataLine(QStringView line, const LineForm &form);

// A line of nothing but blanks, tabs and empty fields, quoted or not: no
// data, skipped by every reader (a spreadsheet leaves such lines, ",,," or
// ";;;" for an empty row, "","" for cells of empty text, and so does an editor).
bool IsBlankDataLine(QStringView line);

} // namespace fw
