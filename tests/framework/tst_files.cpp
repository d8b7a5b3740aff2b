#include "testsupport.h"

#include "framework/files.h"

#include <QFileInfo>
#include <QTest>
#include <fcntl.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// True when part of the file is still in the system's cache only, without a
// place on the disk yet: the delayed allocation of ext4, XFS or Btrfs, which
// keeps new data so for many seconds unless it is synced.
bool awaitsTheDisk(const QString &path)
{
    constexpr unsigned kExtents = 32;
    alignas(fiemap) char buffer[sizeof(fiemap) + kExtents * sizeof(fiemap_extent)] = {};
    auto *map = reinterpret_cast<fiemap *>(buffer);
    map->fm_length = FIEMAP_MAX_OFFSET;
    map->fm_extent_count = kExtents;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    const bool mapped = fd >= 0 && ::ioctl(fd, FS_IOC_FIEMAP, map) == 0;
    if (fd >= 0)
        ::close(fd);
    for (unsigned i = 0; mapped && i < map->fm_mapped_extents; ++i)
        if (map->fm_extents[i].fe_flags & FIEMAP_EXTENT_DELALLOC)
            return true;
    return false;
}

// A sync that fails for a file, or for a folder only, noting what the file
// "f.csv" held when it was asked for.
bool g_folderFails = false;
QByteArray g_heldAtSync;

bool failingSync(int handle)
{
    struct stat info {};
    const bool folder = ::fstat(handle, &info) == 0 && S_ISDIR(info.st_mode);
    if (!folder) {
        QFile file(QStringLiteral("f.csv"));
        g_heldAtSync = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
    }
    return folder != g_folderFails;
}

struct SyncReplaced {
    explicit SyncReplaced(fw::SyncToDisk sync) { fw::SetSyncForTesting(sync); }
    ~SyncReplaced() { fw::SetSyncForTesting(nullptr); }
};

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void readLines_acceptsLineEndsAndEncodings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("unix") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("windows") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("mac") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("mac, empty line kept") << QByteArray("a\r\rb") << QStringList{"a", "", "b"};
        QTest::newRow("mixed line ends") << QByteArray("a\r\nb\rc\nd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("lone CR, then CRLF") << QByteArray("a\rb\r\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("empty line before CRLF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("LF, then lone CR") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("mac, last line end CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        {
            // Long runs of one line end before the other appears.
            QByteArray content;
            QStringList lines;
            for (int n = 1; n <= 600; ++n) {
                content += QByteArray::number(n) + (n <= 300 ? "\r" : n <= 450 ? "\n" : "\r\n");
                lines.append(QString::number(n));
            }
            QTest::newRow("runs of each line end") << content << lines;
        }
        QTest::newRow("no last line end") << QByteArray("a\nb") << QStringList{"a", "b"};
        QTest::newRow("empty line kept") << QByteArray("a\n\nb\n") << QStringList{"a", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("one line end") << QByteArray("\n") << QStringList{""};
        QTest::newRow("utf8") << QByteArray("Numéro,Valeur encaissée\n")
                              << QStringList{QStringLiteral("Numéro,Valeur encaissée")};
        QTest::newRow("windows-1252") << QByteArray("Num\xe9ro \x80\n")
                                      << QStringList{QStringLiteral("Numéro €")};
        QTest::newRow("mixed lines") << QByteArray("caf\xc3\xa9\ncaf\xe9\n")
                                     << QStringList{QStringLiteral("café"), QStringLiteral("café")};
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf" "a\n") << QStringList{"a"};
    }
    void readLines_acceptsLineEndsAndEncodings()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        DataFolder folder;
        folder.write("f.csv", content);
        auto in = fw::OpenAsTextFile("f.csv");
        QVERIFY(in);
        QStringList lines;
        while (!in->Eof())
            lines.append(in->ReadLine());
        QCOMPARE(lines, expected);
    }

    void open_givesNoReaderForMissingOrFolder()
    {
        DataFolder folder;
        QVERIFY(!fw::OpenAsTextFile("missing.csv"));
        QVERIFY(!fw::Exists("missing.csv"));
        folder.block("dir.csv");
        QVERIFY(!fw::OpenAsTextFile("dir.csv"));
        QVERIFY(fw::Exists("dir.csv"));
    }

    void create_writesUtf8WithUnixLineEnds()
    {
        DataFolder folder;
        folder.write("f.csv", "old content\n");
        auto out = fw::CreateTextFile("f.csv");
        QVERIFY(out);
        QVERIFY(out->WriteLine(QStringLiteral("Numéro")));
        // Until it is closed the old file is whole.
        QCOMPARE(folder.read("f.csv"), QByteArray("old content\n"));
        QVERIFY(out->WriteLine(QString()));
        QVERIFY(out->Close());
        QCOMPARE(folder.read("f.csv"), QByteArray("Num\xc3\xa9ro\n\n"));
    }

    void create_droppedWriterLeavesOldFile()
    {
        DataFolder folder;
        folder.write("f.csv", "keep\n");
        {
            auto out = fw::CreateTextFile("f.csv");
            QVERIFY(out);
            out->WriteLine(QStringLiteral("lost"));
        }
        QCOMPARE(folder.read("f.csv"), QByteArray("keep\n"));
    }

    void createAndAppend_failOnFolder()
    {
        DataFolder folder;
        folder.block("f.csv");
        QVERIFY(!fw::CreateTextFile("f.csv"));
        QVERIFY(!fw::AppendToTextFile("f.csv"));
    }

    void create_neverReplacesWhatIsNotAFile()
    {
        DataFolder folder;
        // A link to a device: replacing it would replace the device itself.
        QVERIFY(QFile::link("/dev/null", folder.path("f.csv")));
        QVERIFY(!fw::CreateTextFile("f.csv"));
        QVERIFY(QFileInfo("/dev/null").isSymLink() || !QFileInfo("/dev/null").isFile());
        // A link to a data file replaces that file, as the file itself would be.
        folder.write("target.csv", "old\n");
        QVERIFY(QFile::link(folder.path("target.csv"), folder.path("g.csv")));
        auto out = fw::CreateTextFile("g.csv");
        QVERIFY(out);
        out->WriteLine(QStringLiteral("new"));
        QVERIFY(out->Close());
        QCOMPARE(folder.read("target.csv"), QByteArray("new\n"));
    }

    void close_reportsWritesTheDiskRefused()
    {
        DataFolder folder;
        folder.write("f.csv", "old\n");
        auto out = fw::CreateTextFile("f.csv");
        QVERIFY(out);
        out->WriteLine(QString(4096, QLatin1Char('x')));
        {
            FileSizeLimit full(64);
            QVERIFY(!out->Close());
        }
        QCOMPARE(folder.read("f.csv"), QByteArray("old\n"));
    }

    void append_createsMissingAndExtends()
    {
        DataFolder folder;
        {
            auto out = fw::AppendToTextFile("f.csv");
            QVERIFY(out);
            out->WriteLine(QStringLiteral("1,2"));
            QVERIFY(out->Close());
        }
        auto out = fw::AppendToTextFile("f.csv");
        QVERIFY(out);
        out->WriteLine(QStringLiteral("3,4"));
        QVERIFY(out->Close());
        QCOMPARE(folder.read("f.csv"), QByteArray("1,2\n3,4\n"));
    }

    // Each way an append can end without completing, on a file that was there
    // and on one the stream created.
    void append_thatIsNotCompleted_leavesTheFileAsItWas_data()
    {
        QTest::addColumn<QByteArray>("before"); // empty: no file before
        QTest::addColumn<QString>("ending");
        for (const char *ending : {"disk full mid-line", "dropped unclosed", "taken back", "taken back unclosed"}) {
            QTest::newRow(qPrintable(QStringLiteral("existing, ") + ending)) << QByteArray("1,2\n") << ending;
            QTest::newRow(qPrintable(QStringLiteral("new, ") + ending)) << QByteArray() << ending;
        }
    }
    void append_thatIsNotCompleted_leavesTheFileAsItWas()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, ending);
        DataFolder folder;
        if (!before.isEmpty())
            folder.write("f.csv", before);
        {
            auto out = fw::AppendToTextFile("f.csv");
            QVERIFY(out);
            out->WriteLine(QStringLiteral("3,4"));
            out->WriteLine(QStringLiteral("42,12.50"));
            if (ending == QLatin1String("disk full mid-line")) {
                // Room for the first line and half the second: a fragment reaches the disk.
                FileSizeLimit full(static_cast<unsigned long long>(before.size()) + 7);
                QVERIFY(!out->Close());
            } else if (ending == QLatin1String("taken back")) {
                QVERIFY(out->Close());
                QCOMPARE(folder.read("f.csv"), before + "3,4\n42,12.50\n");
                QVERIFY(out->TakeBack());
            } else if (ending == QLatin1String("taken back unclosed")) {
                QVERIFY(out->TakeBack());
            }
        }
        QCOMPARE(folder.exists("f.csv"), !before.isEmpty());
        QCOMPARE(folder.read("f.csv"), before);

        // The next line starts a line of its own.
        auto out = fw::AppendToTextFile("f.csv");
        QVERIFY(out);
        out->WriteLine(QStringLiteral("5,6"));
        QVERIFY(out->Close());
        QCOMPARE(folder.read("f.csv"), before + "5,6\n");
    }

    void append_onAFullDisk_leavesNoFragment()
    {
        DataFolder folder;
        TinyDisk disk(folder, 8192);
        if (!disk.mounted())
            QSKIP("no tmpfs can be mounted here");
        // Five bytes left in the file's last block, then none anywhere.
        const QByteArray before = QByteArray(4091, 'x');
        folder.write("f.csv", before);
        disk.fill();
        auto out = fw::AppendToTextFile("f.csv");
        QVERIFY(out);
        out->WriteLine(QStringLiteral("42,12.50"));
        QVERIFY(!out->Close());
        QCOMPARE(folder.read("f.csv"), before);
    }

    // Close returns only once the lines are on the disk, not only in the
    // system's cache, which a power cut loses. A line written into a new block
    // is seen waiting for the disk until it is synced.
    void append_reachesTheDiskBeforeCloseReturns_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("new file") << false;
        QTest::newRow("file ending on a block") << true;
    }
    void append_reachesTheDiskBeforeCloseReturns()
    {
        QFETCH(bool, existing);
        DataFolder folder;
        folder.write("probe.csv", "1,2\n");
        if (!awaitsTheDisk(folder.path("probe.csv")))
            QSKIP("this file system shows no data waiting for the disk");
        QByteArray before;
        if (existing) {
            struct stat info {};
            QVERIFY(::stat(QFile::encodeName(folder.path("probe.csv")).constData(), &info) == 0);
            before = QByteArray(static_cast<qsizetype>(info.st_blksize) - 1, 'x') + '\n';
            folder.write("f.csv", before);
            const int fd = ::open(QFile::encodeName(folder.path("f.csv")).constData(), O_RDONLY);
            QVERIFY(fd >= 0 && ::fsync(fd) == 0);
            ::close(fd);
            QVERIFY(!awaitsTheDisk(folder.path("f.csv")));
        }
        auto out = fw::AppendToTextFile("f.csv");
        QVERIFY(out);
        QVERIFY(out->WriteLine(QStringLiteral("42,12.50")));
        QVERIFY(out->Close());
        QVERIFY(!awaitsTheDisk(folder.path("f.csv")));
        QCOMPARE(folder.read("f.csv"), before + "42,12.50\n");
    }

    // A line the system could not put on the disk is not recorded: it is
    // given back like one the disk refused.
    void append_whoseSyncFails_isGivenBack_data()
    {
        QTest::addColumn<QByteArray>("before"); // empty: no file before
        QTest::addColumn<bool>("folderFails");
        QTest::newRow("existing file") << QByteArray("1,2\n") << false;
        QTest::newRow("new file") << QByteArray() << false;
        QTest::newRow("new file, its folder entry") << QByteArray() << true;
    }
    void append_whoseSyncFails_isGivenBack()
    {
        QFETCH(QByteArray, before);
        QFETCH(bool, folderFails);
        DataFolder folder;
        if (!before.isEmpty())
            folder.write("f.csv", before);
        {
            SyncReplaced sync(failingSync);
            g_folderFails = folderFails;
            g_heldAtSync.clear();
            auto out = fw::AppendToTextFile("f.csv");
            QVERIFY(out);
            QVERIFY(out->WriteLine(QStringLiteral("3,4")));
            QVERIFY(!out->Close());
        }
        QCOMPARE(g_heldAtSync, before + "3,4\n"); // synced once written whole
        QCOMPARE(folder.exists("f.csv"), !before.isEmpty());
        QCOMPARE(folder.read("f.csv"), before);

        auto out = fw::AppendToTextFile("f.csv");
        QVERIFY(out);
        out->WriteLine(QStringLiteral("5,6"));
        QVERIFY(out->Close());
        QCOMPARE(folder.read("f.csv"), before + "5,6\n");
    }

    void takeBack_ofAFileReplacedMeanwhile_fails()
    {
        DataFolder folder;
        folder.write("f.csv", "1,2\n");
        auto out = fw::AppendToTextFile("f.csv");
        QVERIFY(out);
        out->WriteLine(QStringLiteral("3,4"));
        QVERIFY(out->Close());
        QVERIFY(QFile::remove(folder.path("f.csv")));
        folder.block("f.csv");
        QVERIFY(!out->TakeBack());
        QVERIFY(QFileInfo(folder.path("f.csv")).isDir());
    }
};

VDL_TEST(TestFiles)
#include "tst_files.moc"
