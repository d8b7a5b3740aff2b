#include "drivers.h"

#include "app/module1.h"

#include <QFileInfo>

namespace {

enum class Sales { Missing, Folder, File, Unreplaceable };

// 10, 2.10 and 5 recorded: a turnover of 17.10, at 0.12 a commission of 2.05.
const QByteArray kThreeCoupons = "1,10,Dupont,1\n2,2.10,Martin,2\n3,5,Dupont,1\n";
const QByteArray kDupontSales = "1,10\n3,5\n";

const QString kNothingSelected = QStringLiteral("Aucun coupon n'a été sélectionné!");
const QString kCannotRewrite = QStringLiteral("impossible d'écrire le fichier modifié!");
const QString kNoSalesFile = QStringLiteral("Il n'y a pas de fichier pour ce vendeur!?!?!");

// A sales file that reads but cannot be replaced: a link to a file whose name
// is at the length limit leaves no room for the name of the file replacing it.
bool makeUnreplaceable(const DataFolder &folder, const QString &name, const QByteArray &content)
{
    const QString target = QString(251, QLatin1Char('x')) + QStringLiteral(".csv");
    folder.write(target, content);
    return QFile::link(target, folder.path(name));
}

} // namespace

class TestCancel : public QObject
{
    Q_OBJECT

private slots:
    // Every way "Effacer" can end, by the step it stops at.
    void cancel_stopsAtEachStep_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("journalBlocked");
        QTest::addColumn<Sales>("sales");
        QTest::addColumn<QByteArray>("salesBefore");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<QByteArray>("salesAfter");
        QTest::addColumn<QStringList>("workingList");

        const QByteArray martin = "4,1\n2,2.10\n";
        const QStringList untouched{"99,0"};
        QTest::newRow("nothing selected") << -1 << false << Sales::File << martin << QStringList{kNothingSelected}
                                          << false << martin << untouched;
        QTest::newRow("journal not writable: nothing changes")
            << 1 << true << Sales::File << martin << QStringList{kCannotRewrite} << false << martin << untouched;
        QTest::newRow("no sales file") << 1 << false << Sales::Missing << QByteArray()
                                       << QStringList{kNoSalesFile} << true << QByteArray() << QStringList();
        QTest::newRow("sales file unreadable") << 1 << false << Sales::Folder << QByteArray()
                                               << QStringList{kNoSalesFile} << true << QByteArray() << QStringList();
        QTest::newRow("coupon not in its sales file")
            << 1 << false << Sales::File << QByteArray("9,1\n 8 , 4 \n") << QStringList() << true
            << QByteArray("9,1\n 8 , 4 \n") << QStringList{"9,1", "8,4"};
        QTest::newRow("sales file not writable") << 1 << false << Sales::Unreplaceable << martin
                                                 << QStringList{kCannotRewrite} << true << martin
                                                 << QStringList{"4,1"};
        QTest::newRow("complete") << 1 << false << Sales::File << martin << QStringList() << true
                                  << QByteArray("4,1\n") << QStringList{"4,1"};
    }
    void cancel_stopsAtEachStep()
    {
        QFETCH(int, row);
        QFETCH(bool, journalBlocked);
        QFETCH(Sales, sales);
        QFETCH(QByteArray, salesBefore);
        QFETCH(QStringList, messages);
        QFETCH(bool, cancelled);
        QFETCH(QByteArray, salesAfter);
        QFETCH(QStringList, workingList);

        ProgramFixture fixture;
        const QString martinFile = QStringLiteral("vendeur_2.csv");
        fixture.folder.write("vendeur_1.csv", kDupontSales);
        if (sales == Sales::File)
            fixture.folder.write(martinFile, salesBefore);
        else if (sales == Sales::Folder)
            fixture.folder.block(martinFile);
        else if (sales == Sales::Unreplaceable)
            QVERIFY(makeUnreplaceable(fixture.folder, martinFile, salesBefore));
        writeDeskFiles(fixture.folder, kThreeCoupons);
        CashDesk desk;
        if (journalBlocked)
            QVERIFY(blockNow(fixture.folder, kJournal));
        // The working list as an earlier cancellation left it.
        auto *working = desk.control<fw::Listbox>("ListCachee");
        working->AddRow("99");
        working->SetCell(working->LastIndex(), 1, "0");

        desk.cancel(row);

        QCOMPARE(fixture.dialogs.messages, messages);
        if (cancelled) {
            QCOMPARE(fixture.folder.lines(kJournal),
                     (kTodayHeader + QStringList{"1,10.00,Dupont,1", "3,5.00,Dupont,1"}));
            QCOMPARE(desk.rows("ReferenceBox"), (QStringList{"1,10.00,Dupont,1", "3,5.00,Dupont,1"}));
            QCOMPARE(Module1::vc2, QStringLiteral("2"));
            QCOMPARE(Module1::grandtotal, 15.0);
            QCOMPARE(desk.total(), QStringLiteral("15.00"));
            QCOMPARE(desk.commission(), QStringLiteral("1.80"));
        } else {
            if (!journalBlocked)
                QCOMPARE(fixture.folder.read(kJournal), kEarlierHeader + kThreeCoupons);
            QCOMPARE(desk.coupons()->ListCount(), 3);
            QCOMPARE(desk.coupons()->ListIndex(), row);
            QCOMPARE(Module1::vc2, QString());
            QCOMPARE(Module1::grandtotal, 17.1);
            QCOMPARE(desk.total(), QStringLiteral("17.10"));
            QCOMPARE(desk.commission(), QStringLiteral("2.05"));
        }
        QCOMPARE(desk.rows("ListCachee"), workingList);
        QCOMPARE(fixture.folder.read("vendeur_1.csv"), kDupontSales);
        const QFileInfo martin(fixture.folder.path(martinFile));
        switch (sales) {
        case Sales::Missing:
            QVERIFY(!martin.exists());
            break;
        case Sales::Folder:
            QVERIFY(martin.isDir());
            break;
        case Sales::File:
        case Sales::Unreplaceable:
            QCOMPARE(fixture.folder.read(martinFile), salesAfter);
            break;
        }
    }

    void cancel_onlyCoupon_leavesHeaderAndEmptySalesFile()
    {
        ProgramFixture fixture;
        fixture.folder.write("vendeur_3.csv", "12,5\n");
        writeDeskFiles(fixture.folder, "12,5,Dupont,3\n");
        CashDesk desk;
        desk.cancel(0);

        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(fixture.folder.lines(kJournal), kTodayHeader);
        QCOMPARE(desk.coupons()->ListCount(), 0);
        QCOMPARE(desk.total(), QStringLiteral("0.00"));
        QCOMPARE(desk.commission(), QStringLiteral("0.00"));
        QVERIFY(fixture.folder.exists("vendeur_3.csv"));
        QCOMPARE(fixture.folder.read("vendeur_3.csv"), QByteArray());
    }

    // The seller's lines as cancelling coupon 12 writes them back.
    void cancel_rewritesSalesFile_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("recorded twice: only the later line goes")
            << QByteArray("12,5\n13,4\n12,6\n") << QByteArray("12,5\n13,4\n");
        QTest::newRow("third field dropped") << QByteArray("11,12,50\n12,5\n") << QByteArray("11,12\n");
        QTest::newRow("fields trimmed") << QByteArray(" 11 , 3 \n 12 ,5\n") << QByteArray("11,3\n");
        QTest::newRow("short line, blank line dropped") << QByteArray("11\n\n12,5\n") << QByteArray("11,\n");
        QTest::newRow("coupon compared as text") << QByteArray("012,5\n12,5\n") << QByteArray("012,5\n");
        QTest::newRow("windows line ends") << QByteArray("12,5\r\n13,4\r\n") << QByteArray("13,4\n");
    }
    void cancel_rewritesSalesFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        ProgramFixture fixture;
        fixture.folder.write("vendeur_1.csv", before);
        writeDeskFiles(fixture.folder, "12,5,Dupont,1\n");
        CashDesk desk;
        desk.cancel(0);
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(fixture.folder.read("vendeur_1.csv"), after);
    }

    // The code text names the file by its number and is kept as it was.
    void cancel_sellerCodeNamesSalesFile_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("file");
        QTest::newRow("leading zero") << "07" << "vendeur_7.csv";
        QTest::newRow("leading blank") << " 7" << "vendeur_7.csv";
        QTest::newRow("no number") << "x" << "vendeur_0.csv";
    }
    void cancel_sellerCodeNamesSalesFile()
    {
        QFETCH(QString, code);
        QFETCH(QString, file);
        ProgramFixture fixture;
        fixture.folder.write(file, "4,1\n5,3\n");
        writeDeskFiles(fixture.folder, "1,10,Dupont,1\n");
        CashDesk desk;
        desk.addRow({"5", "3", "Martin", code});
        desk.cancel(1);
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(Module1::vc2, code);
        QCOMPARE(fixture.folder.read(file), QByteArray("4,1\n"));
    }

    // The cashier clicks a coupon and presses "Effacer" twice: only the
    // coupon clicked is cancelled, whichever row takes its place.
    void cancel_pressedAgain_cancelsNothingMore_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QByteArray>("dupontSales");
        QTest::newRow("first") << 0 << QStringList{"2,2.10,Martin,2", "3,5.00,Dupont,1"} << QByteArray("3,5\n");
        QTest::newRow("middle") << 1 << QStringList{"1,10.00,Dupont,1", "3,5.00,Dupont,1"} << kDupontSales;
        QTest::newRow("last") << 2 << QStringList{"1,10.00,Dupont,1", "2,2.10,Martin,2"} << QByteArray("1,10\n");
    }
    void cancel_pressedAgain_cancelsNothingMore()
    {
        QFETCH(int, row);
        QFETCH(QStringList, left);
        QFETCH(QByteArray, dupontSales);
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder, kThreeCoupons);
        fixture.folder.write("vendeur_1.csv", kDupontSales);
        fixture.folder.write("vendeur_2.csv", "2,2.10\n");
        const CashDesk desk;
        desk.w->Show();
        QVERIFY(QTest::qWaitForWindowExposed(desk.w));
        auto *list = desk.coupons();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
        QCOMPARE(list->ListIndex(), row);

        desk.press("BevelButton3");
        QCOMPARE(list->ListIndex(), -1);
        desk.press("BevelButton3");
        QCOMPARE(fixture.dialogs.messages, QStringList{kNothingSelected});
        QCOMPARE(desk.rows("ReferenceBox"), left);
        QCOMPARE(fixture.folder.lines(kJournal), kTodayHeader + left);
        QCOMPARE(fixture.folder.read("vendeur_1.csv"), dupontSales);
    }

    void cancel_writesListTextsUnchanged()
    {
        ProgramFixture fixture;
        fixture.folder.write("vendeur_1.csv", "1,10\n");
        writeDeskFiles(fixture.folder, "1,10,Dupont,1\n");
        CashDesk desk;
        desk.addRow({" 6 ", "2.1", QStringLiteral("Léon Martin "), " 07"});
        desk.cancel(0);
        QCOMPARE(fixture.folder.lines(kJournal),
                 kTodayHeader + QStringList{QStringLiteral(" 6 ,2.1,Léon Martin , 07")});
        QCOMPARE(desk.total(), QStringLiteral("2.10"));
        QCOMPARE(desk.commission(), QStringLiteral("0.25"));
    }
};

VDL_TEST(TestCancel)
#include "tst_cancel.moc"
