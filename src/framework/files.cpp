#include "files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#if defined(Q_OS_WIN)
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fw {

namespace {

// Windows-1252 differs from Latin-1 in 0x80..0x9F only.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

int Cp1252Byte(QChar c)
{
    const char16_t unit = c.unicode();
    if (unit >= 0xA0 && unit <= 0xFF)
        return unit;
    // The five places Windows-1252 leaves empty hold their own C1 control in
    // the table, below 0x100: those controls are not of the code page.
    if (unit >= 0x100)
        for (int i = 0; i < 32; ++i)
            if (kCp1252High[i] == unit)
                return 0x80 + i;
    return -1;
}

namespace {

QString fromCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

class SaveStream final : public TextOutputStream
{
public:
    explicit SaveStream(std::unique_ptr<QSaveFile> file) : TextOutputStream(std::move(file)) {}

protected:
    bool finish() override
    {
        // commit() does not see a failed flush of the last buffered lines.
        auto *file = static_cast<QSaveFile *>(m_device.get());
        if (!file->flush())
            file->cancelWriting();
        return file->commit();
    }

    void abandon() override
    {
        static_cast<QSaveFile *>(m_device.get())->cancelWriting();
        m_device->close();
    }
};

bool platformSync(int handle)
{
#if defined(Q_OS_WIN)
    return _commit(handle) == 0;
#elif defined(Q_OS_DARWIN)
    // fsync leaves the data in the drive's own cache there.
    return ::fcntl(handle, F_FULLFSYNC) == 0 || ::fsync(handle) == 0;
#else
    int result;
    do
        result = ::fdatasync(handle);
    while (result != 0 && errno == EINTR);
    return result == 0;
#endif
}

SyncToDisk g_sync = platformSync;

// A file just created is found again after a power cut only once its folder's
// entry for it is on the disk too.
bool syncFolderOf(const QString &path)
{
#if defined(Q_OS_WIN)
    Q_UNUSED(path);
    return true;
#else
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (folder < 0)
        return false;
    const bool synced = g_sync(folder);
    ::close(folder);
    return synced;
#endif
}

} // namespace

bool CanAppendTo(const QString &path)
{
    std::error_code error;
    const std::filesystem::file_type type = std::filesystem::status(QFile::encodeName(path).toStdString(), error).type();
    return type != std::filesystem::file_type::directory && type != std::filesystem::file_type::fifo;
}

// A file that cannot be read back is taken as ended: an empty line would be
// worse than none.
bool LastLineOpen(const QString &path, qint64 size)
{
    QFile file(path);
    char byte = '\n';
    if (size <= 0 || !file.open(QIODevice::ReadOnly) || !file.seek(size - 1) || !file.getChar(&byte))
        return false;
    return byte != '\n';
}

void SetSyncForTesting(SyncToDisk sync) { g_sync = sync ? sync : platformSync; }

bool SyncOpenFile(int handle) { return g_sync(handle); }

bool SyncFolderOf(const QString &path) { return syncFolderOf(path); }

QString DataPath(const QString &name) { return QDir::current().filePath(name); }

bool Exists(const QString &name) { return QFileInfo::exists(DataPath(name)); }

bool IsAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

QString DecodeLine(QByteArrayView bytes)
{
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes.data(), bytes.size());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return fromCp1252(bytes);
}

TextInputStream::TextInputStream(QByteArray content) : m_content(std::move(content))
{
    // A UTF-8 byte order mark left by another program is not part of the first line.
    if (m_content.startsWith("\xEF\xBB\xBF"))
        m_pos = 3;
}

qsizetype TextInputStream::next(char c, qsizetype &found) const
{
    if (found < m_pos) {
        const void *hit = std::memchr(m_content.constData() + m_pos, c, static_cast<size_t>(m_content.size() - m_pos));
        found = hit ? static_cast<const char *>(hit) - m_content.constData() : m_content.size();
    }
    return found;
}

QByteArrayView TextInputStream::ReadLineBytes()
{
    if (Eof())
        return {};
    // "\n", "\r\n", or a lone "\r" as a spreadsheet saves "CSV (Macintosh)":
    // read as one line, such a file would give only its first seller or coupon.
    // Each line end is searched for again only once the line passes the last
    // one found: a file with no "\n" at all is then not searched to its end
    // for every line, and reading stays linear whatever the line ends.
    const qsizetype lf = next('\n', m_nextLf);
    const qsizetype cr = next('\r', m_nextCr);
    const qsizetype stop = std::min(lf, cr);
    const QByteArrayView line(m_content.constData() + m_pos, stop - m_pos);
    if (stop == m_content.size())
        m_pos = stop;
    else
        m_pos = stop == cr && cr + 1 == lf ? lf + 1 : stop + 1;
    return line;
}

QString TextInputStream::ReadLine() { return DecodeLine(ReadLineBytes()); }

TextOutputStream::TextOutputStream(std::unique_ptr<QFileDevice> device) : m_device(std::move(device)) {}

// A stream dropped without Close leaves its file as it was: QSaveFile
// discards its work, and an appending stream gives its file back itself.
TextOutputStream::~TextOutputStream() = default;

bool TextOutputStream::WriteLine(const QString &text)
{
    if (m_closed || !m_ok)
        return false;
    QByteArray bytes = std::exchange(m_lead, {}) + text.toUtf8();
    bytes.append('\n');
    m_ok = m_device->write(bytes) == bytes.size();
    return m_ok;
}

bool TextOutputStream::Close()
{
    if (m_closed)
        return m_ok;
    m_closed = true;
    if (!m_ok) {
        abandon();
        return false;
    }
    m_ok = finish();
    return m_ok;
}

bool TextOutputStream::finish() { return true; }

void TextOutputStream::abandon() { m_device->close(); }

AppendOutputStream::AppendOutputStream(std::unique_ptr<QFile> file, bool existed, qint64 size)
    : TextOutputStream(std::move(file)), m_existed(existed), m_size(size)
{
    m_path = static_cast<QFile *>(m_device.get())->fileName();
    if (LastLineOpen(m_path, m_size))
        m_lead = "\n";
}

AppendOutputStream::~AppendOutputStream()
{
    if (!m_closed) {
        m_ok = false;
        Close();
    }
}

bool AppendOutputStream::finish()
{
    // Lines wait in Qt's buffer: a disk that fills up shows here, and
    // whatever part of them reached the file must go again. Then they wait in
    // the system's cache, which a power cut loses: a line is recorded only
    // once it is on the disk.
    auto *file = static_cast<QFile *>(m_device.get());
    const bool written = file->flush() && g_sync(file->handle());
    file->close();
    if (written && file->error() == QFileDevice::NoError && (m_existed || syncFolderOf(m_path)))
        return true;
    giveBack();
    return false;
}

void AppendOutputStream::abandon()
{
    m_device->close();
    giveBack();
}

bool AppendOutputStream::TakeBack()
{
    if (!m_closed) {
        m_ok = false;
        Close();
        return m_givenBack;
    }
    return giveBack();
}

bool AppendOutputStream::giveBack()
{
    if (m_givenBack)
        return true;
    if (m_existed) {
        // Only ever cut back: a file that became shorter is not lengthened.
        const QFileInfo now(m_path);
        m_givenBack = now.isFile() && (now.size() > m_size ? QFile::resize(m_path, m_size) : now.size() == m_size);
    } else
        m_givenBack = QFile::remove(m_path);
    return m_givenBack;
}

std::unique_ptr<TextInputStream> OpenAsTextFile(const QString &name)
{
    QFile file(DataPath(name));
    if (QFileInfo(file).isDir() || !file.open(QIODevice::ReadOnly))
        return nullptr;
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return nullptr;
    return std::make_unique<TextInputStream>(std::move(content));
}

std::unique_ptr<TextOutputStream> CreateTextFile(const QString &name)
{
    const QString path = DataPath(name);
    // Only a data file is ever replaced: never a folder, nor a device or a
    // pipe that a link of that name points to.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return nullptr;
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly))
        return nullptr;
    return std::make_unique<SaveStream>(std::move(file));
}

std::unique_ptr<AppendOutputStream> AppendToTextFile(const QString &name)
{
    auto file = std::make_unique<QFile>(DataPath(name));
    const QFileInfo info(*file);
    if (!CanAppendTo(file->fileName()))
        return nullptr;
    const bool existed = info.exists() || info.isSymLink();
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append))
        return nullptr;
    const qint64 size = file->size();
    return std::make_unique<AppendOutputStream>(std::move(file), existed, size);
}

DataFolderLock::DataFolderLock() : m_file(std::make_unique<QLockFile>(DataPath(kDataFolderLock)))
{
    // Never stale by its age alone: the program holds it for a whole fair.
    m_file->setStaleLockTime(0);
    if (m_file->tryLock(0))
        m_status = Held;
    else
        m_status = m_file->error() == QLockFile::LockFailedError ? InUse : Failed;
}

DataFolderLock::~DataFolderLock() = default;

} // namespace fw
