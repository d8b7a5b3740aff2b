#pragma once

#include <QString>
#include <QStringList>

// Running another program and waiting for it: the document opener.
namespace fw {

class ShellSeam
{
public:
    virtual ~ShellSeam() = default;
    virtual int execute(const QString &program, const QStringList &arguments) = 0;
};

// Installs a seam (nullptr restores real processes). The caller keeps ownership.
void setShellSeam(ShellSeam *seam);

// Runs the program with its arguments, each passed as it is (no shell reads
// them, so a path with blanks or quotes stays one argument), waits for it and
// gives its exit status; -1 when it could not be started or crashed.
int ShellExecute(const QString &program, const QStringList &arguments);

} // namespace fw
