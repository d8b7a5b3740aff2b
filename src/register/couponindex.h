#pragma once

#include <QString>

namespace fw {
class TextInputStream;
}

// Finding the seller of a coupon number in the coupon index. The index is
// read line by line as the register's other readers read their files (see
// fw::SplitDataLine and kIndexLine): fields trimmed of blanks, a
// spreadsheet's quoted cells as meant, blank lines skipped. What the editor
// shows of a line is then what the cash desk finds in it.
namespace reg {

// The seller of the last index line whose first field, as read, is the
// coupon number, text against text: "12" is not "012", nor " 12", since a
// field read has no blanks around it. Fields missing from that line are
// empty; no name: no seller. When that last line cannot be read as the
// index's (a spreadsheet's ";" line, or a quoted comma), there is no name and
// badLine numbers it, counting from 1.
struct CouponOwner {
    QString name;
    QString codeText;
    qsizetype badLine = 0;
};
CouponOwner FindCouponOwner(fw::TextInputStream &index, const QString &coupon);

} // namespace reg
