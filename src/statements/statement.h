#pragma once

#include "rtf.h"

#include <QString>
#include <cstdint>

// The seller statement, "vendeur_<code>.rtf": one seller's account on one page.
namespace statements {

// "vendeur_" + the code text + ".rtf". The code comes from a file anyone can
// edit: an empty code, or one holding a character that cannot be in a file
// name of the data folder, gives the file of the code's number instead, so a
// statement never lands outside the data folder.
QString StatementFileName(const QString &code, std::int32_t number);

// The prologue, an empty line, the page in its single form and the closing "}".
void WriteSellerStatement(fw::TextOutputStream &out, const StatementPage &page);

} // namespace statements
