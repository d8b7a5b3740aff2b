#include "opener.h"

#include "framework/dialogs.h"
#include "framework/files.h"
#include "framework/shell.h"

namespace statements {

bool OpenDocument(const QString &fileName, OpenerMessage kind)
{
#if defined(Q_OS_WIN)
    Q_UNUSED(fileName);
    Q_UNUSED(kind);
    fw::MsgBox(QStringLiteral("Fonction non implémentée sous Windows!"));
    return true;
#else
#if defined(Q_OS_MACOS)
    const QString viewer = QStringLiteral("open");
#else
    const QString viewer = QStringLiteral("xdg-open");
#endif
    // The path is one argument: no shell reads it, whatever the folder's name holds.
    if (fw::ShellExecute(viewer, {fw::DataPath(fileName)}) == 0)
        return true;
    fw::MsgBox(OpenerFailureMessage(fileName, kind));
    return false;
#endif
}

} // namespace statements
