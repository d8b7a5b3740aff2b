// The cash desk's own files read and written by their owners, with Qt Core
// alone: this test links no window library, so a widget that creeps into
// them breaks its build.

#include "cashdesk/cancelling.h"
#include "cashdesk/journal.h"
#include "cashdesk/ratefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace cashdesk;

namespace {

// A data folder of its own for one case: the working directory while it lives.
class Folder
{
public:
    Folder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~Folder() { QDir::setCurrent(m_previous); }

    void write(const QString &name, const QByteArray &content) const
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    QByteArray read(const QString &name) const
    {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    // A folder in the place of the file: it can be neither read nor replaced.
    void block(const QString &name) const { QVERIFY(QDir(m_dir.path()).mkdir(name)); }
    bool isFolder(const QString &name) const { return QFileInfo(m_dir.filePath(name)).isDir(); }
    void removeAll() { QVERIFY(QDir(m_dir.path()).removeRecursively()); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

const QString kJournal = QStringLiteral("QVOB2026_main.csv");
const QString kToday = QStringLiteral("7/3/2026");
const QByteArray kOldHeader = "Bourse QVO du 1/3/2026\nNuméro de coupon,Valeur encaissée,Vendeur,code vendeur\n";
const QByteArray kTodayHeader = "Bourse QVO du 7/3/2026\nNuméro de coupon,Valeur encaissée,Vendeur,code vendeur\n";

// The lines of the entries: what the file is to hold after its header.
QStringList linesOf(const Journal &journal)
{
    QStringList lines;
    for (const JournalEntry &entry : journal.entries())
        lines.append(entry.line);
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(cashdesk::FileOpening)

class TestDeskFiles : public QObject
{
    Q_OBJECT

private slots:
    // The rate file as the opening finds it, and then replaced as the rate
    // dialog replaces it: the new rate reads back the same, and a file that
    // cannot be read is never replaced.
    void rateFile_readCreatedReplaced_data()
    {
        QTest::addColumn<QString>("before"); // "missing", "folder", "no folder", or the content
        QTest::addColumn<FileOpening>("outcome");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<double>("newRate");
        QTest::newRow("missing: created") << "missing" << FileOpening::Created << 0.12 << QByteArray("0.12\n") << 0.07;
        QTest::newRow("a rate") << "0.15\n" << FileOpening::Read << 0.15 << QByteArray("0.15\n") << 0.125;
        QTest::newRow("later lines ignored") << "0.2\n0.5\n" << FileOpening::Read << 0.2 << QByteArray("0.2\n0.5\n")
                                             << 0.1 + 0.2;
        QTest::newRow("no number") << "douze\n" << FileOpening::Read << 0.0 << QByteArray("douze\n") << 0.0;
        QTest::newRow("empty") << "" << FileOpening::Read << 0.0 << QByteArray() << -0.035;
        QTest::newRow("unreadable, never replaced")
            << "folder" << FileOpening::Unreadable << 0.0 << QByteArray("(none)") << 0.15;
        QTest::newRow("no data folder") << "no folder" << FileOpening::NotCreated << 0.0 << QByteArray("(none)")
                                        << 0.15;
    }
    void rateFile_readCreatedReplaced()
    {
        QFETCH(QString, before);
        QFETCH(FileOpening, outcome);
        QFETCH(double, rate);
        QFETCH(QByteArray, after);
        QFETCH(double, newRate);
        Folder folder;
        if (before == QLatin1String("folder"))
            folder.block(kRateFile);
        else if (before == QLatin1String("no folder"))
            folder.removeAll();
        else if (before != QLatin1String("missing"))
            folder.write(kRateFile, before.toUtf8());

        const RateOpening opened = OpenRateFile();
        QCOMPARE(opened.outcome, outcome);
        QCOMPARE(opened.rate, rate);
        QCOMPARE(folder.read(kRateFile), after);
        const bool stops = outcome == FileOpening::Unreadable || outcome == FileOpening::NotCreated;
        QCOMPARE(OpeningFailureMessage(kRateFile, outcome).isEmpty(), !stops);

        QCOMPARE(ReplaceRateFile(newRate), !stops);
        if (stops) {
            QCOMPARE(folder.isFolder(kRateFile), outcome == FileOpening::Unreadable);
            return;
        }
        const RateOpening reread = OpenRateFile();
        QCOMPARE(reread.outcome, FileOpening::Read);
        QCOMPARE(reread.rate, newRate);
        QCOMPARE(folder.read(kRateFile).count('\n'), 1);
    }

    // A sale recorded and coupons cancelled through the journal's owner: the
    // file and the entries it holds stay together, whatever form the file's
    // lines had, so that the next cancellation finds the journal as it was
    // left and the next opening reads the same entries back.
    void journal_recordAndCancel_keepFileAndEntriesTogether_data()
    {
        QTest::addColumn<QByteArray>("before");   // after the header; its first coupon is 1
        QTest::addColumn<QByteArray>("after");    // after today's header, coupon 1 and the sale cancelled
        QTest::addColumn<double>("turnover");     // with the sale of 2.5 recorded
        QTest::newRow("plain") << QByteArray("1,10,Dupont,1\n3,4,Dupont,1\n") << QByteArray("3,4,Dupont,1\n") << 16.5;
        QTest::newRow("no line end at the end")
            << QByteArray("3,4,Dupont,1\n1,10,Dupont,1") << QByteArray("3,4,Dupont,1\n") << 16.5;
        QTest::newRow("windows line ends")
            << QByteArray("1,10,Dupont,1\r\n3,4,Dupont,1\r\n") << QByteArray("3,4,Dupont,1\n") << 16.5;
        QTest::newRow("windows-1252 name")
            << QByteArray("3,4,L\xe9on,1\n1,10,Dupont,1\n") << QByteArray("3,4,L\xc3\xa9on,1\n") << 16.5;
        QTest::newRow("spreadsheet's quotes and empty rows")
            << QByteArray("\"1\",\"10\",\"Dupont\",\"1\"\n,,,\n\"3\",\"2.555\",\"Dupont\",\"1\"\n")
            << QByteArray(",,,\n\"3\",\"2.555\",\"Dupont\",\"1\"\n") << 15.055;
    }
    void journal_recordAndCancel_keepFileAndEntriesTogether()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(double, turnover);
        Folder folder;
        folder.write(kJournal, kOldHeader + before);
        folder.write(QStringLiteral("vendeur_1.csv"), "3,4\n1,10\n");
        const auto readBack = [&](const Journal &held) {
            Journal next;
            QCOMPARE(next.Open(kJournal, kToday), FileOpening::Read);
            QCOMPARE(linesOf(next), linesOf(held));
            QCOMPARE(next.Turnover(), held.Turnover());
        };

        Journal journal;
        QCOMPARE(journal.Open(kJournal, kToday), FileOpening::Read);
        QVERIFY(!journal.readError());
        const qsizetype first = journal.LastEntryOf(QStringLiteral("1"));
        QVERIFY(first >= 0);

        // Recorded with the blanks the coupon index gave its fields.
        const QStringList sale{QStringLiteral(" 20 "), QStringLiteral("2.5"), QStringLiteral("Léon Martin "),
                               QStringLiteral(" 07")};
        QCOMPARE(journal.Record(sale), QString());
        QCOMPARE(journal.entries().last().row, sale);
        QCOMPARE(journal.LastEntryOf(QStringLiteral(" 20 ")), journal.entries().size() - 1);
        QCOMPARE(journal.Turnover().Value(), turnover);
        readBack(journal);

        Cancellation cancelled = journal.Cancel(first);
        QVERIFY(cancelled.done);
        QCOMPARE(cancelled.message, QString());
        QCOMPARE(cancelled.sales, (QVector<QStringList>{{"3", "4"}}));
        QCOMPARE(folder.read(QStringLiteral("vendeur_1.csv")), QByteArray("3,4\n"));
        QCOMPARE(journal.LastEntryOf(QStringLiteral("1")), -1);
        QCOMPARE(journal.Turnover().Value(), turnover - 10);
        readBack(journal);

        cancelled = journal.Cancel(journal.LastEntryOf(QStringLiteral(" 20 ")));
        QVERIFY(cancelled.done);
        QCOMPARE(cancelled.message, QString());
        QCOMPARE(cancelled.sales, QVector<QStringList>{});
        QCOMPARE(folder.read(QStringLiteral("vendeur_7.csv")), QByteArray());
        QCOMPARE(folder.read(kJournal), kTodayHeader + after);
        readBack(journal);
    }

    // A journal whose coupons' lines are no longer the ones held, though it
    // has as many, is not rewritten: the line to take out is not known.
    void journal_changedLineSinceItWasRead_cancelsNothing_data()
    {
        QTest::addColumn<QByteArray>("changed");
        QTest::newRow("an amount") << QByteArray("1,10,Dupont,1\n2,3.10,Martin,2\n");
        QTest::newRow("two lines swapped") << QByteArray("2,2.10,Martin,2\n1,10,Dupont,1\n");
        QTest::newRow("a seller code") << QByteArray("1,10,Dupont,1\n2,2.10,Martin,3\n");
    }
    void journal_changedLineSinceItWasRead_cancelsNothing()
    {
        QFETCH(QByteArray, changed);
        Folder folder;
        folder.write(kJournal, kOldHeader + "1,10,Dupont,1\n2,2.10,Martin,2\n");
        folder.write(QStringLiteral("vendeur_2.csv"), "2,2.10\n");
        Journal journal;
        QCOMPARE(journal.Open(kJournal, kToday), FileOpening::Read);
        folder.write(kJournal, kOldHeader + changed);

        const Cancellation cancelled = journal.Cancel(1);
        QVERIFY(!cancelled.done);
        QCOMPARE(cancelled.message, JournalChangedMessage(kJournal));
        QVERIFY(!cancelled.sales);
        QCOMPARE(journal.entries().size(), 2);
        QCOMPARE(folder.read(kJournal), kOldHeader + changed);
        QCOMPARE(folder.read(QStringLiteral("vendeur_2.csv")), QByteArray("2,2.10\n"));
    }
};

QTEST_GUILESS_MAIN(TestDeskFiles)
#include "tst_deskfiles.moc"
