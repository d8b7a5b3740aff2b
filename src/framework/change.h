#pragma once

#include "files.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// One change to several data files, made whole or not at all, also through a
// kill or a power cut. Before the first file is touched, a small record of
// the change is put on the disk in the data folder; the next start reads it
// and finishes or undoes the change it describes (FinishInterruptedChange),
// as a database's rollback journal does.
namespace fw {

// The record of the change in progress; empty, or not there, between changes.
inline const QString kChangeRecord = QStringLiteral(".vandrelico.change");

using ChangeFailure = ReplaceFailure;

class FileChange
{
public:
    // Lines to add at the end of the file, as AppendToTextFile writes them; a
    // missing file is created. `ifEmpty` go first when the file holds nothing.
    void Append(const QString &name, const QStringList &lines, const QStringList &ifEmpty = {});
    // The lines the file is to hold instead of its content, as CreateTextFile
    // writes them; only a data file is ever replaced.
    void Replace(const QString &name, const QStringList &lines);

    // Makes the change: the new files are written beside their old ones, the
    // record is put on the disk, the lines are appended, then the new files
    // take the place of the old. A file that cannot be opened or written
    // gives every file back as it was, and is named; files that could not be
    // given back are named too.
    ChangeFailure Commit();

private:
    struct Entry {
        QString name;
        bool replace = false;
        QStringList lines;
        QStringList ifEmpty;
    };
    QVector<Entry> m_entries;
};

// Finishes a change the record shows as committed, or one that only appends
// whose lines are all there, or else gives back what the change had done, and
// empties the record; run at start-up before any data file is read. Empty when every file is now as a whole change left it;
// otherwise the file that could not be put right, and nothing more should be
// read or written before someone looks at it.
QString FinishInterruptedChange();

// The points of a change a test may stop it at; nullptr in the program.
enum class ChangeStep {
    RecordBegun = 1, // the record's list of files written, not yet complete
    Staged,          // one new file written beside its old one, on the disk
    RecordWritten,   // the record complete, on the disk
    Written,         // the lines of one file appended, not yet on the disk
    Appended,        // the lines of one file appended, on the disk
    Committed,       // the record marked committed, on the disk
    Renamed,         // one new file in the place of its old one
    Finished,        // the record emptied: the change is made (on the disk when it replaced files)
};
using ChangeStepHook = void (*)(ChangeStep step);
void SetChangeStepHookForTesting(ChangeStepHook hook);

} // namespace fw
