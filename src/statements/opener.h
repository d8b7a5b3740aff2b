#pragma once

#include "rtf.h"

#include <QString>

namespace statements {

// Hands a finished document of the data folder to the platform's viewer. On
// failure shows the message naming the file and gives false; the document
// stays for the user to print by hand. Windows has no viewer here: it says so
// and the operation goes on.
bool OpenDocument(const QString &fileName, OpenerMessage kind = OpenerMessage::Plain);

} // namespace statements
