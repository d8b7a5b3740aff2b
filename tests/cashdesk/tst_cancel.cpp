#include "drivers.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "cashdesk/cancelling.h"

#include <QFileInfo>
#include <memory>

namespace {

enum class Journal { File, Folder, Unreplaceable };
enum class Sales { Missing, Folder, File, Unreplaceable, TooLarge };

// 10, 2.10 and 5 recorded: a turnover of 17.10, at 0.12 a commission of 2.05.
const QByteArray kThreeCoupons = "1,10,Dupont,1\n2,2.10,Martin,2\n3,5,Dupont,1\n";
const QByteArray kDupontSales = "1,10\n3,5\n";

const QString kNothingSelected = QStringLiteral("Aucun coupon n'a été sélectionné!");
const QString kCannotRewrite = QStringLiteral("impossible d'écrire le fichier modifié!");
const QString kNoSalesFile = QStringLiteral("Il n'y a pas de fichier pour ce vendeur!?!?!");

// A file that reads but cannot be replaced: a link to a file whose name is
// at the length limit leaves no room for the name of the file replacing it.
bool makeUnreplaceable(const DataFolder &folder, const QString &name, const QByteArray &content)
{
    const QString target = QString(251, QLatin1Char('x')) + QStringLiteral(".csv");
    folder.write(target, content);
    return QFile::link(target, folder.path(name));
}

// The journal's bytes as a cancellation on the fixed today writes them.
QByteArray todayJournal(const QByteArray &lines)
{
    return (kTodayHeader.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8() + lines;
}

} // namespace

class TestCancel : public QObject
{
    Q_OBJECT

private slots:
    // Every way "Effacer" can end. The coupon leaves the journal and its
    // sales file together, or, with a message, stays in both and in the list.
    void cancel_stopsAtEachStep_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<Journal>("journal");
        QTest::addColumn<Sales>("sales");
        QTest::addColumn<QByteArray>("salesBefore");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<QByteArray>("salesAfter");
        QTest::addColumn<QStringList>("workingList");

        const QByteArray martin = "4,1\n2,2.10\n";
        const QStringList untouched{"99,0"};
        const QStringList martinRead{"4,1", "2,2.10"};
        QTest::newRow("nothing selected") << -1 << Journal::File << Sales::File << martin
                                          << QStringList{kNothingSelected} << false << martin << untouched;
        QTest::newRow("journal unreadable") << 1 << Journal::Folder << Sales::File << martin
                                            << QStringList{cashdesk::CannotReadMessage(kJournal)} << false << martin
                                            << untouched;
        QTest::newRow("journal not replaceable") << 1 << Journal::Unreplaceable << Sales::File << martin
                                                 << QStringList{kCannotRewrite} << false << martin << martinRead;
        QTest::newRow("no sales file") << 1 << Journal::File << Sales::Missing << QByteArray()
                                       << QStringList{kNoSalesFile} << true << QByteArray() << QStringList();
        QTest::newRow("sales file unreadable")
            << 1 << Journal::File << Sales::Folder << QByteArray()
            << QStringList{cashdesk::CannotReadMessage("vendeur_2.csv")} << false << QByteArray() << QStringList();
        QTest::newRow("sales file with a line that is not a sale")
            << 1 << Journal::File << Sales::File << QByteArray("4,1\n\"5\",\"2,5\"\n2,2.10\n")
            << QStringList{app::ReadErrorMessage({"vendeur_2.csv", 2})} << false
            << QByteArray("4,1\n\"5\",\"2,5\"\n2,2.10\n") << QStringList();
        QTest::newRow("coupon not in its sales file")
            << 1 << Journal::File << Sales::File << QByteArray("9,1\n 8 , 4 \n") << QStringList() << true
            << QByteArray("9,1\n 8 , 4 \n") << QStringList{"9,1", "8,4"};
        QTest::newRow("sales file not replaceable") << 1 << Journal::File << Sales::Unreplaceable << martin
                                                    << QStringList{kCannotRewrite} << false << martin << martinRead;
        QByteArray many;
        QStringList manyRead;
        for (int coupon = 100; coupon < 200; ++coupon) {
            many += QByteArray::number(coupon) + ",1\n";
            manyRead.append(QString::number(coupon) + ",1");
        }
        QTest::newRow("sales file that the disk cannot hold again")
            << 1 << Journal::File << Sales::TooLarge << many + "2,2.10\n" << QStringList{kCannotRewrite} << false
            << many + "2,2.10\n" << manyRead + QStringList{"2,2.10"};
        QTest::newRow("complete") << 1 << Journal::File << Sales::File << martin << QStringList() << true
                                  << QByteArray("4,1\n") << QStringList{"4,1"};
    }
    void cancel_stopsAtEachStep()
    {
        QFETCH(int, row);
        QFETCH(Journal, journal);
        QFETCH(Sales, sales);
        QFETCH(QByteArray, salesBefore);
        QFETCH(QStringList, messages);
        QFETCH(bool, cancelled);
        QFETCH(QByteArray, salesAfter);
        QFETCH(QStringList, workingList);

        ProgramFixture fixture;
        const QString martinFile = QStringLiteral("vendeur_2.csv");
        fixture.folder.write("vendeur_1.csv", kDupontSales);
        if (sales == Sales::File || sales == Sales::TooLarge)
            fixture.folder.write(martinFile, salesBefore);
        else if (sales == Sales::Folder)
            fixture.folder.block(martinFile);
        else if (sales == Sales::Unreplaceable)
            QVERIFY(makeUnreplaceable(fixture.folder, martinFile, salesBefore));
        writeDeskFiles(fixture.folder, kThreeCoupons);
        if (journal == Journal::Unreplaceable) {
            QFile::remove(fixture.folder.path(kJournal));
            QVERIFY(makeUnreplaceable(fixture.folder, kJournal, kEarlierHeader + kThreeCoupons));
        }
        CashDesk desk;
        if (journal == Journal::Folder)
            QVERIFY(blockNow(fixture.folder, kJournal));
        // The working list as an earlier cancellation left it.
        auto *working = desk.control<fw::Listbox>("ListCachee");
        working->AddRow("99");
        working->SetCell(working->LastIndex(), 1, "0");

        {
            // The new journal is smaller than the limit, the new sales file not.
            std::unique_ptr<FileSizeLimit> limit;
            if (sales == Sales::TooLarge)
                limit = std::make_unique<FileSizeLimit>(salesBefore.size() / 2);
            desk.cancel(row);
        }

        QCOMPARE(fixture.dialogs.messages, messages);
        if (cancelled) {
            QCOMPARE(fixture.folder.read(kJournal), todayJournal("1,10,Dupont,1\n3,5,Dupont,1\n"));
            QCOMPARE(desk.rows("ReferenceBox"), (QStringList{"1,10.00,Dupont,1", "3,5.00,Dupont,1"}));
            QCOMPARE(Module1::vc2, QStringLiteral("2"));
            QCOMPARE(Module1::grandtotal.Value(), 15.0);
            QCOMPARE(desk.total(), QStringLiteral("15.00"));
            QCOMPARE(desk.commission(), QStringLiteral("1.80"));
        } else {
            if (journal != Journal::Folder)
                QCOMPARE(fixture.folder.read(kJournal), kEarlierHeader + kThreeCoupons);
            QCOMPARE(desk.coupons()->ListCount(), 3);
            QCOMPARE(desk.coupons()->ListIndex(), row);
            QCOMPARE(Module1::vc2, QString());
            QCOMPARE(Module1::grandtotal.Value(), 17.1);
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
        case Sales::TooLarge:
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

    // The seller's lines as cancelling coupon 12 writes them back: every
    // other line exactly as it was read.
    void cancel_rewritesSalesFile_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("recorded twice: only the later line goes")
            << QByteArray("12,5\n13,4\n12,6\n") << QByteArray("12,5\n13,4\n");
        QTest::newRow("third field kept") << QByteArray("11,12,50\n12,5\n") << QByteArray("11,12,50\n");
        QTest::newRow("blanks kept") << QByteArray(" 11 , 3 \n 12 ,5\n") << QByteArray(" 11 , 3 \n");
        QTest::newRow("short and blank lines kept") << QByteArray("11\n\n12,5\n,\n") << QByteArray("11\n\n,\n");
        QTest::newRow("coupon compared as text") << QByteArray("012,5\n12,5\n") << QByteArray("012,5\n");
        QTest::newRow("windows line ends") << QByteArray("12,5\r\n13,4\r\n") << QByteArray("13,4\n");
        // As LibreOffice Calc saves it: text cells quoted, or every cell, and
        // a byte order mark where asked for.
        QTest::newRow("spreadsheet's quotes")
            << QByteArray("\"11\",\"2.555\"\n\"12\",\"5\"\n13,\"2.50\"\n")
            << QByteArray("\"11\",\"2.555\"\n13,\"2.50\"\n");
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf" "12,5\n13,4\n") << QByteArray("13,4\n");
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

    // A journal saved by a spreadsheet keeps every line but the cancelled
    // one as it is, amounts of three decimals included, and the turnover is
    // the sum of the amounts as the next opening reads them.
    void cancel_keepsEveryOtherJournalLineAsItWasRead()
    {
        ProgramFixture fixture;
        const QByteArray before = "\"1\",\"2.555\",\"Dupont\",\"1\"\n"
                                  "2,10,\"L\xc3\xa9on Martin\",7\n"
                                  ",,,\n"
                                  "3,2.555,Dupont,1\n"
                                  " 4 , 3 ,Martin , 7\n";
        writeDeskFiles(fixture.folder, before);
        fixture.folder.write("vendeur_7.csv", "\"2\",\"10\"\n4,3\n");
        CashDesk desk;
        QCOMPARE(desk.rows("ReferenceBox"), (QStringList{"1,2.56,Dupont,1", QStringLiteral("2,10.00,Léon Martin,7"),
                                                         "3,2.56,Dupont,1", "4,3.00,Martin,7"}));
        desk.cancel(1);

        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(fixture.folder.read(kJournal), todayJournal("\"1\",\"2.555\",\"Dupont\",\"1\"\n"
                                                             ",,,\n"
                                                             "3,2.555,Dupont,1\n"
                                                             " 4 , 3 ,Martin , 7\n"));
        QCOMPARE(fixture.folder.read("vendeur_7.csv"), QByteArray("4,3\n"));
        QCOMPARE(desk.rows("ReferenceBox"), (QStringList{"1,2.56,Dupont,1", "3,2.56,Dupont,1", "4,3.00,Martin,7"}));
        QCOMPARE(Module1::grandtotal.Value(), 8.11);
        QCOMPARE(desk.total(), QStringLiteral("8.11"));
        QCOMPARE(desk.commission(), QStringLiteral("0.95"));
    }

    // Coupons recorded since the opening are in the journal as typed, and
    // stay so.
    void cancel_keepsTheLinesRecordedSinceTheOpening()
    {
        ProgramFixture fixture;
        fixture.folder.write("vendeur_1.csv", "1,10\n");
        fixture.folder.write(kIndex, QByteArray("\" 6 \",\"L\xc3\xa9on Martin \",\" 07\"\n"));
        writeDeskFiles(fixture.folder, "1,10,Dupont,1\n");
        CashDesk desk;
        desk.record(" 6 ", "2.1");
        QCOMPARE(fixture.dialogs.messages, QStringList());
        desk.cancel(0);
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(fixture.folder.lines(kJournal),
                 kTodayHeader + QStringList{QStringLiteral(" 6 ,2.1,Léon Martin , 07")});
        QCOMPARE(desk.total(), QStringLiteral("2.10"));
        QCOMPARE(desk.commission(), QStringLiteral("0.25"));

        // It is found in its sales file too, blanks and all.
        desk.cancel(0);
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(fixture.folder.lines(kJournal), kTodayHeader);
        QCOMPARE(fixture.folder.read("vendeur_7.csv"), QByteArray());
    }

    // The code text names the file by its number and is kept as it was read.
    void cancel_sellerCodeNamesSalesFile_data()
    {
        QTest::addColumn<QString>("indexCode");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("file");
        QTest::newRow("leading zero") << "07" << "07" << "vendeur_7.csv";
        QTest::newRow("leading blank") << " 7" << "7" << "vendeur_7.csv";
        QTest::newRow("quoted, leading blank") << "\" 7\"" << " 7" << "vendeur_7.csv";
        QTest::newRow("no number") << "x" << "x" << "vendeur_0.csv";
    }
    void cancel_sellerCodeNamesSalesFile()
    {
        QFETCH(QString, indexCode);
        QFETCH(QString, code);
        QFETCH(QString, file);
        ProgramFixture fixture;
        fixture.folder.write(file, "4,1\n");
        fixture.folder.write(kIndex, "5,Martin," + indexCode.toUtf8() + '\n');
        writeDeskFiles(fixture.folder, "1,10,Dupont,1\n");
        CashDesk desk;
        desk.record("5", "3");
        QCOMPARE(desk.row(1), (QStringList{"5", "3", "Martin", code}));
        desk.cancel(1);
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(Module1::vc2, code);
        QCOMPARE(fixture.folder.read(file), QByteArray("4,1\n"));
    }

    // A line that is not the journal's own (a spreadsheet's ";" line or
    // quoted comma) is named at the opening, and no cancellation rewrites the
    // journal while it is there: it would be lost, or read wrong.
    void cancel_journalWithAnUnreadableLine_changesNothing_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<int>("line");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("semicolons") << QByteArray("1,10,Dupont,1\n2;2,5;Dupont;1\n3,5,Dupont,1\n") << 4
                                    << QStringList{"1,10.00,Dupont,1", "3,5.00,Dupont,1"};
        QTest::newRow("quoted decimal comma") << QByteArray("1,10,Dupont,1\n\n2,\"2,5\",Dupont,1\n") << 5
                                              << QStringList{"1,10.00,Dupont,1"};
        QTest::newRow("quoted comma in a name")
            << QByteArray("\"1\",\"10\",\"Dupont, Jean\",\"1\"\n3,5,Dupont,1\n") << 3 << QStringList{"3,5.00,Dupont,1"};
    }
    void cancel_journalWithAnUnreadableLine_changesNothing()
    {
        QFETCH(QByteArray, lines);
        QFETCH(int, line);
        QFETCH(QStringList, rows);
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder, lines);
        fixture.folder.write("vendeur_1.csv", kDupontSales);
        CashDesk desk;
        const QString named = app::ReadErrorMessage({kJournal, line});
        QCOMPARE(fixture.dialogs.messages, QStringList{named});
        QCOMPARE(desk.rows("ReferenceBox"), rows);

        desk.cancel(0);
        QCOMPARE(fixture.dialogs.messages, (QStringList{named, named}));
        QCOMPARE(fixture.folder.read(kJournal), kEarlierHeader + lines);
        QCOMPARE(fixture.folder.read("vendeur_1.csv"), kDupontSales);
        QCOMPARE(desk.rows("ReferenceBox"), rows);
        QCOMPARE(desk.coupons()->ListIndex(), 0);
    }

    // A journal changed by hand since the opening no longer tells which of its
    // lines is the row's: nothing is removed, and the list is not guessed at.
    void cancel_journalChangedSinceTheOpening_changesNothing_data()
    {
        QTest::addColumn<QByteArray>("changed");
        QTest::newRow("a line added") << kEarlierHeader + kThreeCoupons + "4,3,Martin,2\n";
        QTest::newRow("the coupon's line removed") << kEarlierHeader + "1,10,Dupont,1\n3,5,Dupont,1\n";
        QTest::newRow("emptied") << QByteArray();
        QTest::newRow("an amount changed") << kEarlierHeader + "1,10,Dupont,1\n2,3.10,Martin,2\n3,5,Dupont,1\n";
    }
    void cancel_journalChangedSinceTheOpening_changesNothing()
    {
        QFETCH(QByteArray, changed);
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder, kThreeCoupons);
        fixture.folder.write("vendeur_2.csv", "2,2.10\n");
        CashDesk desk;
        fixture.folder.write(kJournal, changed);
        desk.cancel(1);
        QCOMPARE(fixture.dialogs.messages, QStringList{cashdesk::JournalChangedMessage(kJournal)});
        QCOMPARE(fixture.folder.read(kJournal), changed);
        QCOMPARE(fixture.folder.read("vendeur_2.csv"), QByteArray("2,2.10\n"));
        QCOMPARE(desk.coupons()->ListCount(), 3);
        QCOMPARE(desk.total(), QStringLiteral("17.10"));
    }

    // An amount made infinite by a hand edit counts as 0, before and after a
    // cancellation, and its line is kept as it is.
    void cancel_besideAnInfiniteAmount_keepsTheOtherFiguresRight()
    {
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder, "1,10,Alice,1\n2,1e400,Alice,1\n3,5,Bob,2\n");
        fixture.folder.write("vendeur_2.csv", "3,5\n");
        CashDesk desk;
        QCOMPARE(desk.row(1), (QStringList{"2", "0.00", "Alice", "1"}));
        QCOMPARE(desk.total(), QStringLiteral("15.00"));
        QCOMPARE(desk.commission(), QStringLiteral("1.80"));
        desk.cancel(2);
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(fixture.folder.read(kJournal), todayJournal("1,10,Alice,1\n2,1e400,Alice,1\n"));
        QCOMPARE(Module1::grandtotal.Value(), 10.0);
        QCOMPARE(desk.total(), QStringLiteral("10.00"));
        QCOMPARE(desk.commission(), QStringLiteral("1.20"));
    }

    // The cashier clicks a coupon and presses "Effacer" twice: only the
    // coupon clicked is cancelled, whichever row takes its place.
    void cancel_pressedAgain_cancelsNothingMore_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QStringList>("journalLeft");
        QTest::addColumn<QByteArray>("dupontSales");
        QTest::newRow("first") << 0 << QStringList{"2,2.10,Martin,2", "3,5.00,Dupont,1"}
                               << QStringList{"2,2.10,Martin,2", "3,5,Dupont,1"} << QByteArray("3,5\n");
        QTest::newRow("middle") << 1 << QStringList{"1,10.00,Dupont,1", "3,5.00,Dupont,1"}
                                << QStringList{"1,10,Dupont,1", "3,5,Dupont,1"} << kDupontSales;
        QTest::newRow("last") << 2 << QStringList{"1,10.00,Dupont,1", "2,2.10,Martin,2"}
                              << QStringList{"1,10,Dupont,1", "2,2.10,Martin,2"} << QByteArray("1,10\n");
    }
    void cancel_pressedAgain_cancelsNothingMore()
    {
        QFETCH(int, row);
        QFETCH(QStringList, left);
        QFETCH(QStringList, journalLeft);
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
        QCOMPARE(fixture.folder.lines(kJournal), kTodayHeader + journalLeft);
        QCOMPARE(fixture.folder.read("vendeur_1.csv"), dupontSales);
    }

    // "Effacer" names the coupon, its amount and its seller first; only the
    // confirming answer cancels, "Garder" leaves it recorded everywhere.
    void cancel_asksFirst_data()
    {
        QTest::addColumn<fw::DialogButton>("answer");
        QTest::newRow("Annuler le coupon") << fw::DialogButton::Action;
        QTest::newRow("Garder") << fw::DialogButton::Cancel;
    }
    void cancel_asksFirst()
    {
        QFETCH(fw::DialogButton, answer);
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder, kThreeCoupons);
        fixture.folder.write("vendeur_1.csv", kDupontSales);
        fixture.folder.write("vendeur_2.csv", "2,2.10\n");
        CashDesk desk;
        // Nothing selected: nothing to ask about.
        desk.cancel(-1);
        QCOMPARE(fixture.dialogs.questions.size(), 1); // the start-up question
        QCOMPARE(fixture.dialogs.messages, QStringList{kNothingSelected});
        fixture.dialogs.messages.clear();

        fixture.dialogs.answer(answer);
        desk.cancel(1);
        QCOMPARE(fixture.dialogs.questions.size(), 2);
        const fw::QuestionDialog &q = fixture.dialogs.questions.last();
        QCOMPARE(q.title, QStringLiteral("Annuler un coupon"));
        QCOMPARE(q.message, QStringLiteral("Annuler le coupon 2 de 2.10 du vendeur Martin ?"));
        QCOMPARE(q.explanation,
                 QStringLiteral("Il sera retiré du journal et du fichier de ce vendeur. \"Garder\" le laisse enregistré."));
        QCOMPARE(q.actionCaption, QStringLiteral("Annuler le coupon"));
        QCOMPARE(q.cancelCaption, QStringLiteral("Garder"));
        QVERIFY(q.cancelIsDefault);
        QVERIFY(fixture.dialogs.messages.isEmpty());
        if (answer == fw::DialogButton::Action) {
            QCOMPARE(fixture.folder.read(kJournal), todayJournal("1,10,Dupont,1\n3,5,Dupont,1\n"));
            QCOMPARE(fixture.folder.read("vendeur_2.csv"), QByteArray());
            QCOMPARE(desk.rows("ReferenceBox"), (QStringList{"1,10.00,Dupont,1", "3,5.00,Dupont,1"}));
            QCOMPARE(desk.total(), QStringLiteral("15.00"));
            return;
        }
        QCOMPARE(fixture.folder.read(kJournal), kEarlierHeader + kThreeCoupons);
        QCOMPARE(fixture.folder.read("vendeur_2.csv"), QByteArray("2,2.10\n"));
        QCOMPARE(fixture.folder.read("vendeur_1.csv"), kDupontSales);
        QCOMPARE(desk.coupons()->ListCount(), 3);
        QCOMPARE(desk.coupons()->ListIndex(), 1);
        QCOMPARE(Module1::vc2, QString());
        QCOMPARE(desk.total(), QStringLiteral("17.10"));
        QCOMPARE(desk.commission(), QStringLiteral("2.05"));
    }

    // The question names the coupon as the list shows it, recorded in this
    // run (the amount as written) or reloaded (in the amount format).
    void cancel_question_namesTheRowAsShown()
    {
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder, "1,10,Dupont,1\n");
        fixture.folder.write(kIndex, QByteArray("12,L\xc3\xa9on Martin,7\n"));
        CashDesk desk;
        desk.record("12", "2,5");
        desk.cancel(1);
        desk.cancel(0);
        QCOMPARE(fixture.dialogs.questions.size(), 3);
        QCOMPARE(fixture.dialogs.questions[1].message, QStringLiteral("Annuler le coupon 12 de 2.5 du vendeur Léon Martin ?"));
        QCOMPARE(fixture.dialogs.questions[2].message, QStringLiteral("Annuler le coupon 1 de 10.00 du vendeur Dupont ?"));
        QCOMPARE(fixture.folder.lines(kJournal), kTodayHeader);
        QCOMPARE(fixture.dialogs.messages, QStringList{kNoSalesFile}); // coupon 1 was never in vendeur_1.csv
    }
};

VDL_TEST(TestCancel)
#include "tst_cancel.moc"
