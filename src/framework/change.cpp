#include "change.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

#include <filesystem>
#include <optional>
#include <vector>

namespace fw {

namespace {

ChangeStepHook g_stepHook = nullptr;

void reached(ChangeStep step)
{
    if (g_stepHook)
        g_stepHook(step);
}

// Where a replaced file's content is: a data file that is a link to a file
// elsewhere keeps its link, and that file gets the new content.
QString placeOf(const QString &name)
{
    const QFileInfo info(DataPath(name));
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

// The new content of a replaced file waits beside it under a name of its
// own, hidden as the record is: the record names the file only.
QString stagedPath(const QString &name)
{
    const QFileInfo place(placeOf(name));
    return place.dir().filePath(QLatin1Char('.') + place.fileName() + QStringLiteral(".vandrelico-new"));
}

bool syncFolders(const QStringList &names)
{
    QStringList done;
    bool synced = true;
    for (const QString &name : names) {
        const QString folder = QFileInfo(placeOf(name)).absolutePath();
        if (!done.contains(folder)) {
            done.append(folder);
            synced = SyncFolderOf(placeOf(name)) && synced;
        }
    }
    return synced;
}

bool SyncDataFolder() { return SyncFolderOf(DataPath(kChangeRecord)); }

QByteArray bytesOf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += '\n';
    }
    return bytes;
}

// The record, in lines: a header, one line per file in the change's order,
// then "end" with a digest of all before it, written with the files' lines
// still to come, so that a record cut short or left half-written by a power
// cut is known as such; then "commit" once every line is appended and every
// new file written, after which the new files are to take their places.
// An appended file's line gives its length before and after the change and a
// digest of the bytes appended, so that a start can tell whether they are all
// there.
constexpr char kHeader[] = "vandrelico change";

struct AppendEntry {
    QString name;
    bool existed = false;
    qint64 size = 0;
    qint64 end = 0;
    QByteArray digest; // of the bytes from `size` to `end`
};

struct Record {
    bool complete = false;
    bool committed = false;
    bool understood = true;
    std::vector<AppendEntry> appends;
    QStringList replaced;
};

QByteArray nameField(const QString &name) { return QUrl::toPercentEncoding(name); }

QByteArray digestOf(QByteArrayView body)
{
    return QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex();
}

Record readRecord(const QByteArray &bytes)
{
    Record record;
    qsizetype pos = 0;
    bool first = true;
    bool ended = false;
    int afterEnd = 0;
    while (pos < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', pos);
        if (lf < 0)
            break; // a line cut short says nothing
        const QByteArray line = bytes.mid(pos, lf - pos);
        const qsizetype start = pos;
        pos = lf + 1;
        if (ended) {
            ++afterEnd;
            record.committed = afterEnd == 1 && line == "commit";
            continue;
        }
        if (first) {
            first = false;
            if (line != kHeader)
                return record; // not a record at all: nothing to go by
            continue;
        }
        const QList<QByteArray> fields = line.split(' ');
        if (fields[0] == "append" && fields.size() == 6 && (fields[1] == "0" || fields[1] == "1")) {
            bool sized = false;
            bool ended = false;
            const qint64 size = fields[2].toLongLong(&sized);
            const qint64 end = fields[3].toLongLong(&ended);
            record.appends.push_back({QString::fromUtf8(QByteArray::fromPercentEncoding(fields[5])), fields[1] == "1",
                                      size, end, fields[4]});
            record.understood = record.understood && sized && ended && size >= 0 && end >= size &&
                                (fields[1] == "1" || size == 0) && fields[4].size() == 64;
        } else if (fields[0] == "replace" && fields.size() == 2) {
            record.replaced.append(QString::fromUtf8(QByteArray::fromPercentEncoding(fields[1])));
        } else if (fields[0] == "end" && fields.size() == 2) {
            record.complete = fields[1] == digestOf(QByteArrayView(bytes).first(start));
            if (!record.complete)
                return record;
            ended = true;
        } else {
            record.understood = false;
        }
    }
    if (afterEnd > 1)
        record.committed = false;
    return record;
}

// Gives an appended file back the length it had before the change, or
// removes it when the change created it, and puts that on the disk. False
// when it cannot be done: a file gone, shorter, or made a folder since.
bool cutBack(const AppendEntry &entry, bool &removed)
{
    const QString path = DataPath(entry.name);
    const QFileInfo now(path);
    if (!entry.existed) {
        if (!now.isFile())
            return true; // nothing the change made is there
        removed = true;
        return QFile::remove(path);
    }
    if (!now.isFile())
        return now.exists() && !now.isDir(); // a device, which keeps nothing to take back
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || file.size() < entry.size)
        return false;
    return (file.size() == entry.size || file.resize(entry.size)) && SyncOpenFile(file.handle());
}

// What a start finds of an appended file's lines.
enum class Found {
    None,     // nothing of them: the file as before the change
    Part,     // a part of them, as a kill or a power cut during the append leaves
    All,      // all of them, as appended, perhaps with lines appended after
    Nothing,  // a device, which keeps nothing to check or take back
    Changed,  // other bytes where they go, or a file shorter than before the
              // change or gone: changed since by hand, never cut
};

Found inspect(const AppendEntry &entry, qint64 &length)
{
    const QString path = DataPath(entry.name);
    const QFileInfo now(path);
    if (!now.isFile()) {
        if (!entry.existed)
            return Found::None;
        return now.exists() && !now.isDir() ? Found::Nothing : Found::Changed;
    }
    length = now.size();
    if (length < entry.size)
        return Found::Changed;
    if (length >= entry.end) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(entry.size))
            return Found::Changed;
        const QByteArray there = file.read(entry.end - entry.size);
        return there.size() == entry.end - entry.size && digestOf(there) == entry.digest ? Found::All
                                                                                          : Found::Changed;
    }
    return entry.existed && length == entry.size ? Found::None : Found::Part;
}

// Puts lines that a kill may have left in the system's cache on the disk,
// with the folder's entry of a file the change created.
bool syncAppended(const AppendEntry &entry)
{
    QFile file(DataPath(entry.name));
    return file.open(QIODevice::ReadOnly) && SyncOpenFile(file.handle()) &&
           (entry.existed || SyncFolderOf(file.fileName()));
}

// Empties the record, on the disk: between changes it holds nothing.
bool emptyRecord(QFile &record) { return record.resize(0) && SyncOpenFile(record.handle()); }

bool rename(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(from).toStdString()),
                            std::filesystem::path(QFile::encodeName(to).toStdString()), error);
    return !error;
}

// Gives a file the bytes it held, or removes it when it was not there.
bool putBack(const QString &path, const std::optional<QByteArray> &old)
{
    if (!old)
        return QFile::remove(path);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(*old) == old->size() && file.commit();
}

} // namespace

void SetChangeStepHookForTesting(ChangeStepHook hook) { g_stepHook = hook; }

void FileChange::Append(const QString &name, const QStringList &lines, const QStringList &ifEmpty)
{
    m_entries.append({name, false, lines, ifEmpty});
}

void FileChange::Replace(const QString &name, const QStringList &lines) { m_entries.append({name, true, lines, {}}); }

ChangeFailure FileChange::Commit()
{
    // The record holds one change: one cut off earlier is put right first.
    if (const QString stuck = FinishInterruptedChange(); !stuck.isEmpty())
        return {stuck, false, {}};

    // What can be seen before anything is written is checked first; the old
    // content of each replaced file is kept, to be put back should a new
    // file then fail to take its place.
    std::vector<AppendEntry> appends;
    std::vector<QByteArray> added; // the bytes of each append
    std::vector<std::optional<QByteArray>> before;
    QByteArray body = QByteArray(kHeader) + '\n';
    for (const Entry &e : m_entries) {
        const QString path = DataPath(e.name);
        const QFileInfo info(path);
        if (e.replace) {
            if (info.exists() && !info.isFile())
                return {e.name, true, {}};
            std::optional<QByteArray> old;
            if (info.exists()) {
                QFile current(path);
                if (!current.open(QIODevice::ReadOnly))
                    return {e.name, true, {}};
                old = current.readAll();
                if (current.error() != QFileDevice::NoError)
                    return {e.name, true, {}};
            }
            before.push_back(std::move(old));
            body += "replace " + nameField(e.name) + '\n';
        } else {
            if (!CanAppendTo(path))
                return {e.name, true, {}};
            const bool existed = info.exists() || info.isSymLink();
            const qint64 size = info.isFile() ? info.size() : 0;
            // As AppendToTextFile writes them.
            QByteArray bytes = LastLineOpen(path, size) ? QByteArray("\n") : QByteArray();
            bytes += bytesOf(size == 0 ? e.ifEmpty + e.lines : e.lines);
            appends.push_back({e.name, existed, size, size + bytes.size(), digestOf(bytes)});
            body += "append " + QByteArray(existed ? "1 " : "0 ") + QByteArray::number(size) + ' ' +
                    QByteArray::number(appends.back().end) + ' ' + appends.back().digest + ' ' + nameField(e.name) +
                    '\n';
            added.push_back(std::move(bytes));
        }
    }
    const bool replacing = !before.empty();

    QFile record(DataPath(kChangeRecord));
    const bool recordExisted = record.exists();
    if (!record.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {kChangeRecord, false, {}};
    size_t appended = 0; // appends begun, the one that failed included
    size_t renamed = 0;
    // Gives back whatever the change did, the record last: until then a
    // kill leaves the next start to finish giving back.
    const auto giveBack = [&](const QString &file, bool opening) {
        ChangeFailure failure{file, opening, {}};
        bool removed = false;
        size_t a = 0;
        size_t r = 0;
        for (const Entry &e : m_entries) {
            if (e.replace) {
                if (r < renamed && !putBack(placeOf(e.name), before[r]))
                    failure.unrestored.append(e.name);
                QFile::remove(stagedPath(e.name));
                ++r;
            } else {
                if (a < appended && !cutBack(appends[a], removed))
                    failure.unrestored.append(e.name);
                ++a;
            }
        }
        if (removed)
            SyncDataFolder();
        emptyRecord(record);
        return failure;
    };

    if (record.write(body) != body.size() || !record.flush())
        return giveBack(kChangeRecord, false);
    reached(ChangeStep::RecordBegun);

    // The new files, whole and on the disk before the record is complete.
    for (const Entry &e : m_entries) {
        if (!e.replace)
            continue;
        QFile staged(stagedPath(e.name));
        if (!staged.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return giveBack(e.name, true);
        const QByteArray bytes = bytesOf(e.lines);
        if (staged.write(bytes) != bytes.size() || !staged.flush() || !SyncOpenFile(staged.handle()))
            return giveBack(e.name, false);
        staged.close();
        reached(ChangeStep::Staged);
    }

    QStringList replacedNames;
    for (const Entry &e : m_entries)
        if (e.replace)
            replacedNames.append(e.name);
    const QByteArray end = "end " + digestOf(body) + '\n';
    if (record.write(end) != end.size() || !record.flush() || !SyncOpenFile(record.handle()) ||
        (!recordExisted && !SyncDataFolder()) || !syncFolders(replacedNames))
        return giveBack(kChangeRecord, false);
    reached(ChangeStep::RecordWritten);

    for (const AppendEntry &entry : appends) {
        const QByteArray &bytes = added[appended++];
        // Unbuffered: a part the disk refused must not follow when the file
        // is closed, after it was cut back.
        QFile out(DataPath(entry.name));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return giveBack(entry.name, true);
        if (out.write(bytes) != bytes.size())
            return giveBack(entry.name, false);
        reached(ChangeStep::Written);
        if (!SyncOpenFile(out.handle()))
            return giveBack(entry.name, false);
        out.close();
        if (!entry.existed && !SyncFolderOf(out.fileName()))
            return giveBack(entry.name, false);
        reached(ChangeStep::Appended);
    }

    if (replacing) {
        if (record.write("commit\n") != 7 || !record.flush() || !SyncOpenFile(record.handle()))
            return giveBack(kChangeRecord, false);
        reached(ChangeStep::Committed);
        QStringList replaced;
        for (const Entry &e : m_entries) {
            if (!e.replace)
                continue;
            if (!rename(stagedPath(e.name), placeOf(e.name)))
                return giveBack(e.name, false);
            ++renamed;
            replaced.append(e.name);
            reached(ChangeStep::Renamed);
        }
        if (!syncFolders(replaced))
            return giveBack(replaced.last(), false);
    }

    // Emptying the record ends the change. A change that only appends is
    // made once its last line is on the disk: a start that still finds its
    // record finds every line there and keeps them. A committed record left
    // on the disk would have a later change's new files, written before its
    // own record is, take their places: it is emptied on the disk.
    if (replacing)
        emptyRecord(record);
    else
        record.resize(0);
    reached(ChangeStep::Finished);
    return {};
}

QString FinishInterruptedChange()
{
    const QString path = DataPath(kChangeRecord);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadWrite))
        return kChangeRecord;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return kChangeRecord;
    if (bytes.isEmpty())
        return {};
    const Record record = readRecord(bytes);
    if (record.complete && !record.understood)
        return kChangeRecord;

    if (!record.complete) {
        // The record never reached the disk whole, so no file was touched:
        // only new files it names may wait beside their old ones.
        for (const QString &name : record.replaced)
            QFile::remove(stagedPath(name));
    } else if (!record.committed) {
        std::vector<Found> found;
        std::vector<qint64> lengths(record.appends.size(), 0);
        bool whole = record.replaced.isEmpty();
        for (size_t i = 0; i < record.appends.size(); ++i) {
            found.push_back(inspect(record.appends[i], lengths[i]));
            if (found[i] == Found::Changed)
                return record.appends[i].name;
            whole = whole && (found[i] == Found::All || found[i] == Found::Nothing);
        }
        if (whole) {
            for (size_t i = 0; i < record.appends.size(); ++i)
                if (found[i] == Found::All && !syncAppended(record.appends[i]))
                    return record.appends[i].name;
        } else {
            // Lines appended after the change's own would go with them.
            for (size_t i = 0; i < record.appends.size(); ++i)
                if (found[i] == Found::All && lengths[i] > record.appends[i].end)
                    return record.appends[i].name;
            for (const QString &name : record.replaced)
                QFile::remove(stagedPath(name));
            bool removed = false;
            for (size_t i = 0; i < record.appends.size(); ++i)
                if ((found[i] == Found::Part || found[i] == Found::All) && !cutBack(record.appends[i], removed))
                    return record.appends[i].name;
            if (removed && !SyncDataFolder())
                return kChangeRecord;
        }
    } else {
        for (const QString &name : record.replaced) {
            const QString staged = stagedPath(name);
            if (QFileInfo::exists(staged) && !rename(staged, placeOf(name)))
                return name; // not yet in its place, and cannot be put there
        }
        if (!syncFolders(record.replaced))
            return record.replaced.value(0);
    }
    return emptyRecord(file) ? QString() : kChangeRecord;
}

ReplaceFailure ReplaceTextFiles(const QList<TextFileLines> &files)
{
    FileChange change;
    for (const TextFileLines &f : files)
        change.Replace(f.name, f.lines);
    return change.Commit();
}

} // namespace fw
