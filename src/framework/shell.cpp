#include "shell.h"

#include <QProcess>

namespace fw {

namespace {
ShellSeam *g_seam = nullptr;
} // namespace

void setShellSeam(ShellSeam *seam) { g_seam = seam; }

int ShellExecute(const QString &program, const QStringList &arguments)
{
    if (g_seam)
        return g_seam->execute(program, arguments);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(-1))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace fw
