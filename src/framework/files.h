#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class QFile;
class QFileDevice;
class QLockFile;

// Data files: every file of the program lives in the data folder, the working
// directory the program was started from, under a fixed name. Files are
// written in UTF-8 with "\n" line ends; reading also takes "\r\n" or "\r" and lines in
// Windows-1252 (a file saved by a spreadsheet elsewhere).
namespace fw {

// Full path of a file of the data folder.
QString DataPath(const QString &name);

// True when something of that name is in the data folder (a file or a folder).
bool Exists(const QString &name);

// True when every byte is ASCII: such bytes mean the same characters in
// every encoding a data file may have.
bool IsAscii(QByteArrayView bytes);

// One text line of a data file decoded: UTF-8 when it is valid, else Windows-1252.
QString DecodeLine(QByteArrayView bytes);

// The byte, 0x80 or above, that Windows-1252 gives a character outside ASCII;
// -1 for ASCII and for a character that code page lacks.
int Cp1252Byte(QChar c);

// A reader over a file read whole when it was opened: the file is already
// released, so there is nothing to close.
class TextInputStream
{
public:
    explicit TextInputStream(QByteArray content);

    bool Eof() const { return m_pos >= m_content.size(); }
    QString ReadLine();
    // The raw bytes of the next line, without its line end; for readers that
    // only compare and decode the lines they need.
    QByteArrayView ReadLineBytes();

private:
    // Position of the next `c` from the current line on, or the end; `found`
    // holds the last answer, still good while the line has not passed it.
    qsizetype next(char c, qsizetype &found) const;

    QByteArray m_content;
    qsizetype m_pos = 0;
    qsizetype m_nextLf = -1;
    qsizetype m_nextCr = -1;
};

class TextOutputStream
{
public:
    virtual ~TextOutputStream();
    // Writes the text and a line end. False once anything failed.
    bool WriteLine(const QString &text);
    // Closes the stream; true only when every line reached the disk, past the
    // system's cache. A stream made by CreateTextFile replaces the old file
    // only here, and only then.
    bool Close();

protected:
    explicit TextOutputStream(std::unique_ptr<QFileDevice> device);
    virtual bool finish();
    // Closes the stream after a failed line.
    virtual void abandon();
    std::unique_ptr<QFileDevice> m_device;
    // Written before the first line: the line end that a file's last line lacks.
    QByteArray m_lead;
    bool m_ok = true;
    bool m_closed = false;
};

// A reader over the whole file, or none when it cannot be read (missing, a
// folder, no permission).
std::unique_ptr<TextInputStream> OpenAsTextFile(const QString &name);

// A writer to a new file that replaces any file of that name when it is closed
// whole; until then, and whenever writing fails, the old file stays as it was.
std::unique_ptr<TextOutputStream> CreateTextFile(const QString &name);

// Writes what the system keeps of an open file out to the disk; true once it
// is there. Tests may put another in its place (nullptr: the platform's).
using SyncToDisk = bool (*)(int handle);
void SetSyncForTesting(SyncToDisk sync);
bool SyncOpenFile(int handle);
// The same for the list of files of the folder that holds `path`: a file
// created, renamed or removed is found so after a power cut only once it is
// synced.
bool SyncFolderOf(const QString &path);

// A writer at the end of a file. Its lines reach the file all or none: when
// one cannot be written whole, or the stream is dropped without Close, the
// file is given back as it was when the stream was opened (a file the stream
// created is removed), so a later line is never glued onto a fragment.
class AppendOutputStream final : public TextOutputStream
{
public:
    AppendOutputStream(std::unique_ptr<QFile> file, bool existed, qint64 size);
    ~AppendOutputStream() override;

    // Gives the file back as it was before this stream, also after a
    // successful Close: for a change that must reach several files or none.
    // False when the file could not be given back.
    bool TakeBack();
    // True when the file held nothing before this stream, or was not there.
    bool WasEmpty() const { return m_size == 0; }

protected:
    bool finish() override;
    void abandon() override;

private:
    bool giveBack();

    QString m_path;
    bool m_existed;
    qint64 m_size;
    bool m_givenBack = false;
};

// The lines a file is to hold.
struct TextFileLines {
    QString name;
    QStringList lines;
};

// What a change to several files could not do.
struct ReplaceFailure {
    QString file;           // the file that could not be opened, written or put in place; empty: all done
    bool opening = false;   // it could not even be opened, so nothing was written to it
    QStringList unrestored; // files the change reached whose old content could not be put back
    explicit operator bool() const { return !file.isEmpty(); }
};

// Replaces each file by its lines, as CreateTextFile and WriteLine write
// them, as one fw::FileChange (change.h): every file is replaced, or none,
// also through a kill or a power cut.
ReplaceFailure ReplaceTextFiles(const QList<TextFileLines> &files);

// True when the first `size` bytes of the file end in a line without its
// line end: what is appended there starts with one.
bool LastLineOpen(const QString &path, qint64 size);

// False for a folder, and for a pipe, whose opening for writing waits for a
// reader that never comes: nothing can be appended there.
bool CanAppendTo(const QString &path);

// A writer at the end of the file; a missing file is created. A file whose
// last line has no line end (saved so by hand) gets one before the first
// line, so that line is never glued onto the last.
std::unique_ptr<AppendOutputStream> AppendToTextFile(const QString &name);

// The mark of a data folder in use, hidden among the data files; the program
// never reads or lists it otherwise.
inline const QString kDataFolderLock = QStringLiteral(".vandrelico.lock");

// Holds the data folder for as long as it lives, so that a second copy of the
// program finds it in use. A mark left by a copy that is gone (killed, or a
// power cut) no longer holds: its process no longer runs, or the computer was
// restarted since.
class DataFolderLock
{
public:
    enum Status { Held, InUse, Failed };

    DataFolderLock();
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock &) = delete;
    DataFolderLock &operator=(const DataFolderLock &) = delete;

    // Failed: the mark could not be made, the folder being read-only or full.
    Status status() const { return m_status; }

private:
    std::unique_ptr<QLockFile> m_file;
    Status m_status;
};

} // namespace fw
