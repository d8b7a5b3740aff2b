#pragma once

#include "rtf.h"

#include <QString>

// The seller statement, "vendeur_<code>.rtf": one seller's account on one page.
namespace statements {

// "vendeur_" + the code text + ".rtf", "vendeur_.rtf" for an empty code. The
// code comes from a file anyone can edit: one holding a character that cannot
// be in a file name of the data folder names no file, and gives the empty text,
// so that a statement never lands outside the folder or over another's.
QString StatementFileName(const QString &code);

// The prologue, an empty line, the page in its single form and the closing "}".
void WriteSellerStatement(fw::TextOutputStream &out, const StatementPage &page);

// Replaces the statement file of that name; true once it is on the disk
// whole, false with the old file left as it was.
bool WriteSellerStatementFile(const QString &fileName, const StatementPage &page);

} // namespace statements
