#include "testsupport.h"

#include "app/amount.h"
#include "app/csvload.h"
#include "app/menubar1.h"
#include "app/pictures.h"
#include "app/rules.h"
#include "app/salesfile.h"
#include "app/vandrelico.h"
#include "framework/change.h"
#include "framework/controls.h"
#include "framework/csv.h"
#include "framework/files.h"
#include "framework/runtime.h"

#include <QAction>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QProcess>
#include <QSysInfo>
#include <QTest>
#include <QTimer>
#include <limits>
#include <unistd.h>

namespace {

// Fills the stack below the caller with digits, as an earlier call may have
// left it.
Q_NEVER_INLINE void leaveDigitsOnTheStack()
{
    volatile char digits[8192];
    for (std::size_t i = 0; i < sizeof digits; ++i)
        digits[i] = '7';
}

app::Amount amount(double value) { return app::Amount::FromValue(value).value(); }

} // namespace

Q_DECLARE_METATYPE(app::SalesFile::Status)

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void menuBar_holdsFileAndEditItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("FileQuit") << "FileQuit" << "&Quit" << QKeySequence("Ctrl+Q");
        QTest::newRow("EditUndo") << "EditUndo" << "&Undo" << QKeySequence("Ctrl+Z");
        QTest::newRow("EditCut") << "EditCut" << "Cu&t" << QKeySequence("Ctrl+X");
        QTest::newRow("EditCopy") << "EditCopy" << "&Copy" << QKeySequence("Ctrl+C");
        QTest::newRow("EditPaste") << "EditPaste" << "&Paste" << QKeySequence("Ctrl+V");
        QTest::newRow("EditClear") << "EditClear" << "&Delete" << QKeySequence();
        QTest::newRow("EditSelectAll") << "EditSelectAll" << "Select &All" << QKeySequence("Ctrl+A");
    }
    void menuBar_holdsFileAndEditItems()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QKeySequence, shortcut);
        QAction *item = MenuBar1::instance()->item(name);
        QVERIFY(item);
        QCOMPARE(item->text(), text);
        QCOMPARE(item->shortcut(), shortcut);
    }

    void menuBar_menusInOrder()
    {
        const QList<QAction *> menus = MenuBar1::instance()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Edit"));
        QStringList edit;
        for (QAction *a : menus[1]->menu()->actions())
            edit.append(a->isSeparator() ? QStringLiteral("-") : a->objectName());
        QCOMPARE(edit, (QStringList{"EditUndo", "-", "EditCut", "EditCopy", "EditPaste", "EditClear", "-",
                                    "EditSelectAll"}));
    }

    void editItems_actOnFocusedField()
    {
        ProgramFixture fixture;
        QLineEdit field;
        field.show();
        QApplication::setActiveWindow(&field);
        QVERIFY(QTest::qWaitForWindowActive(&field));
        field.setFocus();
        QTest::keyClicks(&field, QStringLiteral("1234"));
        MenuBar1 *bar = MenuBar1::instance();
        bar->item("EditSelectAll")->trigger();
        QCOMPARE(field.selectedText(), QStringLiteral("1234"));
        bar->item("EditClear")->trigger();
        QCOMPARE(field.text(), QString());
        bar->item("EditUndo")->trigger();
        QCOMPARE(field.text(), QStringLiteral("1234"));
    }

    void quitItem_endsTheProgram()
    {
        ProgramFixture fixture;
        MenuBar1::instance()->item("FileQuit")->trigger();
        QVERIFY(fw::QuitRequested());
    }

    void run_quitDuringOpeningNeverEntersLoop()
    {
        ProgramFixture fixture;
        auto *application = static_cast<fw::Application *>(QCoreApplication::instance());
        static bool opened;
        opened = false;
        // A loop that was entered would hang here: nothing else ends it.
        const int status = app::Run(*application, [] {
            opened = true;
            fw::Quit();
        });
        QCOMPARE(status, 0);
        QVERIFY(opened);
        QCOMPARE(application->MenuBar(), static_cast<QMenuBar *>(MenuBar1::instance()));
    }

    void run_quitFromHandlerEndsLoop()
    {
        ProgramFixture fixture;
        auto *application = static_cast<fw::Application *>(QCoreApplication::instance());
        static bool handled;
        handled = false;
        const int status = app::Run(*application, [] {
            QTimer::singleShot(0, [] {
                fw::Quit();
                handled = true; // the handler runs to its end first
            });
        });
        QCOMPARE(status, 0);
        QVERIFY(handled);
    }

    void salesFileName_usesIntegerForm_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << "7" << "vendeur_7.csv";
        QTest::newRow("leading zero") << "07" << "vendeur_7.csv";
        QTest::newRow("leading blank") << " 7" << "vendeur_7.csv";
        QTest::newRow("fraction") << "7.9" << "vendeur_7.csv";
        QTest::newRow("empty") << "" << "vendeur_0.csv";
        QTest::newRow("not a number") << "abc" << "vendeur_0.csv";
        QTest::newRow("negative") << "-3" << "vendeur_-3.csv";
        QTest::newRow("too large") << "99999999999" << "vendeur_2147483647.csv";
    }
    void salesFileName_usesIntegerForm()
    {
        QFETCH(QString, code);
        QFETCH(QString, file);
        QCOMPARE(app::SalesFileName(code), file);
    }

    void commission_roundsToFiveCents_data()
    {
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("turnover");
        QTest::addColumn<double>("commission");
        QTest::newRow("12.1 at 12%") << 0.12 << 12.1 << 1.45;
        QTest::newRow("12.95 at 12%") << 0.12 << 12.95 << 1.55;
        QTest::newRow("15 at 12%") << 0.12 << 15.0 << 1.8;
        QTest::newRow("rate 0") << 0.0 << 100.0 << 0.0;
        QTest::newRow("negative turnover") << 0.12 << -10.0 << -1.2;
        // 0.675 lies halfway: as on paper, not 0.65 from a binary 13.499999999999998.
        QTest::newRow("4.50 at 15%: a tie rounds up") << 0.15 << 4.5 << 0.7;
        QTest::newRow("a negative tie, away from zero") << 0.15 << -4.5 << -0.7;
        QTest::newRow("15 x 0.30 summed in binary") << 0.15 << 4.499999999999999 << 0.7;
        QTest::newRow("12.5% of 0.20") << 0.125 << 0.2 << 0.05;
        QTest::newRow("just below a tie") << 0.15 << 4.49 << 0.65;
        QTest::newRow("a rate with many digits") << 0.123456789 << 1000.0 << 123.45;
        // 119999999999.9988 to the nearest 0.05.
        QTest::newRow("the largest turnover") << 0.12 << 999999999999.99 << 120000000000.0;
        QTest::newRow("the largest negative turnover") << 0.12 << -999999999999.99 << -120000000000.0;
        QTest::newRow("a commission beyond any amount stops at the last 0.05")
            << 2.0 << 999999999999.99 << 999999999999.95;
        QTest::newRow("a negative rate beyond any amount") << -1e300 << 0.01 << -999999999999.95;
        // What a rate file with "1e400" gives.
        QTest::newRow("an infinite rate") << std::numeric_limits<double>::infinity() << 0.01 << 999999999999.95;
        QTest::newRow("an infinite rate, negative turnover")
            << std::numeric_limits<double>::infinity() << -0.01 << -999999999999.95;
        QTest::newRow("an infinite rate, nothing sold") << std::numeric_limits<double>::infinity() << 0.0 << 0.0;
        QTest::newRow("a rate too small to count") << 1e-300 << 999999999999.99 << 0.0;
    }
    void commission_roundsToFiveCents()
    {
        QFETCH(double, rate);
        QFETCH(double, turnover);
        QFETCH(double, commission);
        QCOMPARE(app::Commission(rate, amount(turnover)).Value(), commission);
        // Whatever a call before left where its figures are worked out.
        leaveDigitsOnTheStack();
        const double again = app::Commission(rate, amount(turnover)).Value();
        QCOMPARE(again, commission);
    }

    // Every gross of whole cents from 0.01 to 1,000.00 at 15 %, 1,000 ties among
    // them: the commission in twentieths is 3 x cents / 100, an exact half up.
    void commission_everyGrossInCentsAt15Percent()
    {
        for (int cents = 1; cents <= 100000; ++cents) {
            const int twentieths = (3 * cents + 50) / 100;
            if (app::Commission(0.15, amount(cents / 100.0)).Value() != twentieths / 20.0)
                QFAIL(qPrintable(QStringLiteral("gross %1").arg(cents / 100.0)));
        }
    }

    void csvLoad_trimsCutsAndFills_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("amounts");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<qsizetype>("badLine");
        QTest::newRow("trimmed") << QByteArray(" 1 ,\t2 \n") << false << QList<QStringList>{{"1", "2"}} << qsizetype(0);
        QTest::newRow("extra fields dropped") << QByteArray("1,2,3,4\n") << false << QList<QStringList>{{"1", "2"}}
                                              << qsizetype(0);
        QTest::newRow("short line filled, blank lines skipped")
            << QByteArray("1\n\n  \n,\n2,3\n") << false << QList<QStringList>{{"1", ""}, {"2", "3"}} << qsizetype(0);
        QTest::newRow("amount variant") << QByteArray("1,5.5\n2,\n3,x\n") << true
                                        << QList<QStringList>{{"1", "5.50"}, {"2", ""}, {"3", "0.00"}} << qsizetype(0);
        QTest::newRow("quoted amount") << QByteArray("\"4\",\"2.50\"\n") << true << QList<QStringList>{{"4", "2.50"}}
                                       << qsizetype(0);
        QTest::newRow("an amount beyond what an amount holds shows as it counts")
            << QByteArray("1,1e400\n2,-1e400\n3,1e300\n4,999999999999.99\n5,-1000000000000\n") << true
            << QList<QStringList>{{"1", "0.00"}, {"2", "0.00"}, {"3", "0.00"}, {"4", "999999999999.99"}, {"5", "0.00"}}
            << qsizetype(0);
        // Counted over every line of the file, blank ones included, as an editor shows them.
        QTest::newRow("spreadsheet lines left out and numbered")
            << QByteArray("1,2\n\n3,\"2,5\"\n4;2,5\n5,6\n") << false << QList<QStringList>{{"1", "2"}, {"5", "6"}}
            << qsizetype(3);
    }
    void csvLoad_trimsCutsAndFills()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, amounts);
        QFETCH(QList<QStringList>, rows);
        QFETCH(qsizetype, badLine);
        DataFolder folder;
        folder.write("f.csv", content);
        fw::Listbox list;
        list.setColumnCount(2);
        fw::TextField format;
        format.setFormat(QStringLiteral("-####.00"));
        auto in = fw::OpenAsTextFile("f.csv");
        QCOMPARE(app::CsvLoad(*in, list, fw::LineForm{2, 0b11}, amounts ? &format : nullptr), badLine);
        QCOMPARE(list.ListCount(), rows.size());
        for (int r = 0; r < rows.size(); ++r)
            QCOMPARE((QStringList{list.Cell(r, 0), list.Cell(r, 1)}), rows[r]);
        QCOMPARE(list.LastIndex(), rows.size() - 1);
    }

    // What a rewrite that removes one row needs: every line as read, and
    // where each row's line is among them.
    void readCsvLines_keepsEveryLineAsRead()
    {
        DataFolder folder;
        folder.write("f.csv", "header\n 1 , 2 \n\n3,\"2,5\"\n\"4\",\"2.555\"\r\n,\n5,6");
        auto in = fw::OpenAsTextFile("f.csv");
        in->ReadLine();
        const app::CsvLines read = app::ReadCsvLines(*in, fw::LineForm{2, 0b11}, 1);
        QCOMPARE(read.lines, (QStringList{" 1 , 2 ", "", "3,\"2,5\"", "\"4\",\"2.555\"", ",", "5,6"}));
        QCOMPARE(read.rows, (QVector<QStringList>{{"1", "2"}, {"4", "2.555"}, {"5", "6"}}));
        QCOMPARE(read.rowLines, (QVector<qsizetype>{0, 3, 5}));
        QCOMPARE(read.badLine, qsizetype(4));
    }

    // A seller's sales file as every reader takes it: the sales in file
    // order, trimmed, their gross, and the first line that is no sale.
    void salesFile_readsSalesAndGross_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QVector<QStringList>>("rows");
        QTest::addColumn<QString>("gross"); // as Str writes it: a binary sum shows its error
        QTest::addColumn<int>("badLine");
        QTest::newRow("three coupons, file order")
            << QByteArray("12,10\n9,7.5\n10,3\n") << QVector<QStringList>{{"12", "10"}, {"9", "7.5"}, {"10", "3"}}
            << "20.5" << 0;
        QTest::newRow("no line") << QByteArray() << QVector<QStringList>{} << "0" << 0;
        QTest::newRow("blanks trimmed") << QByteArray(" 12 , 10 \n") << QVector<QStringList>{{"12", "10"}} << "10"
                                        << 0;
        // A comma typed in the amount: the text before it is the amount.
        QTest::newRow("extra fields ignored") << QByteArray("4,12,50\n") << QVector<QStringList>{{"4", "12"}} << "12"
                                              << 0;
        QTest::newRow("short line, blank line skipped")
            << QByteArray("7\n\n3,2\n") << QVector<QStringList>{{"7", ""}, {"3", "2"}} << "2" << 0;
        QTest::newRow("amounts summed as read, not as shown")
            << QByteArray("1,0.004\n2,0.004\n") << QVector<QStringList>{{"1", "0.004"}, {"2", "0.004"}} << "0.008" << 0;
        QTest::newRow("windows line ends") << QByteArray("1,2.5\r\n2,1\r\n")
                                           << QVector<QStringList>{{"1", "2.5"}, {"2", "1"}} << "3.5" << 0;
        QTest::newRow("negative and non-numeric amounts")
            << QByteArray("1,-5\n2,abc\n") << QVector<QStringList>{{"1", "-5"}, {"2", "abc"}} << "-5" << 0;
        QTest::newRow("an amount beyond any Double counts 0")
            << QByteArray("1,2.5\n2,1e400\n3,-1e400\n4,1\n")
            << QVector<QStringList>{{"1", "2.5"}, {"2", "1e400"}, {"3", "-1e400"}, {"4", "1"}} << "3.5" << 0;
        QTest::newRow("an amount beyond what an amount holds counts 0")
            << QByteArray("1,2.5\n2,1e300\n3,1000000000000\n4,-1000000000000\n5,1\n")
            << QVector<QStringList>{{"1", "2.5"}, {"2", "1e300"}, {"3", "1000000000000"}, {"4", "-1000000000000"}, {"5", "1"}}
            << "3.5" << 0;
        QTest::newRow("the largest amounts count")
            << QByteArray("1,999999999999.99\n2,-999999999999.99\n3,-999999999999.99\n")
            << QVector<QStringList>{{"1", "999999999999.99"}, {"2", "-999999999999.99"}, {"3", "-999999999999.99"}}
            << "-999999999999.99" << 0;
        QTest::newRow("one that would take the sum beyond what an amount holds counts 0")
            << QByteArray("1,999999999999.99\n2,0.01\n3,-5\n")
            << QVector<QStringList>{{"1", "999999999999.99"}, {"2", "0.01"}, {"3", "-5"}} << "999999999994.99" << 0;
        // In binary, 0.1 + 0.2 is 0.30000000000000004.
        QTest::newRow("small amounts summed in decimal")
            << QByteArray("1,0.1\n2,0.2\n") << QVector<QStringList>{{"1", "0.1"}, {"2", "0.2"}} << "0.3" << 0;
        QTest::newRow("a row of empty text skipped")
            << QByteArray("\"1\",\"2.5\"\n\"\",\"\"\n") << QVector<QStringList>{{"1", "2.5"}} << "2.5" << 0;
        QTest::newRow("a quoted amount is its text")
            << QByteArray("1,\"2.50\"\n") << QVector<QStringList>{{"1", "2.50"}} << "2.5" << 0;
        QTest::newRow("a line a spreadsheet wrote is left out and numbered")
            << QByteArray("1,2\n\n3;\"2,5\"\n4,1\n") << QVector<QStringList>{{"1", "2"}, {"4", "1"}} << "3" << 3;
        QTest::newRow("only the first line that is no sale is numbered")
            << QByteArray("1;2\n2,5\n3;4\n") << QVector<QStringList>{{"2", "5"}} << "5" << 1;
    }
    void salesFile_readsSalesAndGross()
    {
        QFETCH(QByteArray, file);
        QFETCH(QVector<QStringList>, rows);
        QFETCH(QString, gross);
        QFETCH(int, badLine);
        DataFolder folder;
        folder.write("vendeur_7.csv", file);
        app::SalesFile sales(app::SalesFileName("07"));
        QCOMPARE(sales.Read(), app::SalesFile::Status::Read);
        QCOMPARE(sales.rows(), rows);
        QCOMPARE(sales.gross().Text(), gross);
        QCOMPARE(sales.readError().line, qsizetype(badLine));
        QCOMPARE(sales.readError().file, badLine ? QStringLiteral("vendeur_7.csv") : QString());
    }

    // A file that is not there, or cannot be read, holds no sales; nothing of
    // an earlier read of the same file stays.
    void salesFile_missingOrUnreadable_data()
    {
        QTest::addColumn<QString>("place"); // "missing", "folder", "removed since read"
        QTest::addColumn<app::SalesFile::Status>("status");
        QTest::newRow("missing") << "missing" << app::SalesFile::Status::Missing;
        QTest::newRow("a folder in its place") << "folder" << app::SalesFile::Status::Unreadable;
        QTest::newRow("removed since read") << "removed since read" << app::SalesFile::Status::Missing;
    }
    void salesFile_missingOrUnreadable()
    {
        QFETCH(QString, place);
        QFETCH(app::SalesFile::Status, status);
        DataFolder folder;
        app::SalesFile sales(QStringLiteral("vendeur_3.csv"));
        if (place == "folder") {
            folder.block("vendeur_3.csv");
        } else if (place == "removed since read") {
            folder.write("vendeur_3.csv", "1,2\n2;3\n");
            QCOMPARE(sales.Read(), app::SalesFile::Status::Read);
            QVERIFY(QFile::remove(folder.path("vendeur_3.csv")));
        }
        QCOMPARE(sales.Read(), status);
        QCOMPARE(sales.rows(), QVector<QStringList>{});
        QCOMPARE(sales.lines(), QStringList{});
        QCOMPARE(sales.gross(), app::Amount());
        QVERIFY(!sales.readError());
    }

    // Cancelling a coupon takes out its last sale and gives every other line
    // back exactly as it was read.
    void salesFile_lastSaleAndLinesWithout_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("coupon");
        QTest::addColumn<qsizetype>("sale");
        QTest::addColumn<QStringList>("lines"); // less that sale
        QTest::newRow("the last of two sales of the coupon")
            << QByteArray("5,1\n6,2\n5,3\n7,4\n") << "5" << qsizetype(2) << QStringList{"5,1", "6,2", "7,4"};
        QTest::newRow("compared trimmed, other lines untouched")
            << QByteArray(" 8 , 1 \n 9 ,2\n") << "9" << qsizetype(1) << QStringList{" 8 , 1 "};
        QTest::newRow("compared as text: 012 is not 12")
            << QByteArray("12,1\n012,2\n") << "12" << qsizetype(0) << QStringList{"012,2"};
        QTest::newRow("blank and unreadable lines kept, no line end")
            << QByteArray("1,1\r\n\r\n2;5\r\n3,\"2.5\"\r\n4,4") << "3" << qsizetype(1)
            << QStringList{"1,1", "", "2;5", "4,4"};
        QTest::newRow("the first line") << QByteArray("1,1\n2,2\n") << "1" << qsizetype(0) << QStringList{"2,2"};
        QTest::newRow("no sale of the coupon") << QByteArray("1,1\n2,2\n") << "3" << qsizetype(-1) << QStringList();
        QTest::newRow("not the coupon of an unreadable line") << QByteArray("3;1\n") << "3" << qsizetype(-1)
                                                               << QStringList();
    }
    void salesFile_lastSaleAndLinesWithout()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, coupon);
        QFETCH(qsizetype, sale);
        QFETCH(QStringList, lines);
        DataFolder folder;
        folder.write("vendeur_1.csv", file);
        app::SalesFile sales(QStringLiteral("vendeur_1.csv"));
        QCOMPARE(sales.Read(), app::SalesFile::Status::Read);
        QCOMPARE(sales.LastSaleOf(coupon), sale);
        if (sale >= 0)
            QCOMPARE(sales.LinesWithout(sale), lines);
    }

    void amountValue_countsWhatIsNoAmountAsZero_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<qint64>("millionths");
        QTest::newRow("plain") << "2.555" << qint64(2'555'000);
        QTest::newRow("negative") << "-3" << qint64(-3'000'000);
        QTest::newRow("no number") << "abc" << qint64(0);
        QTest::newRow("a decimal comma ends the number") << "12,50" << qint64(12'000'000);
        QTest::newRow("blanks before, text after") << " \t4.5 EUR" << qint64(4'500'000);
        QTest::newRow("an exponent, as Val reads it") << "1.5e3" << qint64(1'500'000'000);
        QTest::newRow("to the millionth, a half away from zero") << "2.0000005" << qint64(2'000'001);
        QTest::newRow("negative, a half away from zero") << "-2.0000005" << qint64(-2'000'001);
        QTest::newRow("below half a millionth") << "0.00000049" << qint64(0);
        QTest::newRow("the largest") << "999999999999.99" << qint64(999'999'999'999'990'000);
        QTest::newRow("the largest negative") << "-999999999999.99" << qint64(-999'999'999'999'990'000);
        QTest::newRow("just beyond the largest") << "999999999999.995" << qint64(0);
        QTest::newRow("a thousand billion") << "1000000000000" << qint64(0);
        QTest::newRow("large but finite") << "1e300" << qint64(0);
        QTest::newRow("infinite") << "1e400" << qint64(0);
        QTest::newRow("minus infinite") << "-1e400" << qint64(0);
        QTest::newRow("400 digits") << QString(400, QLatin1Char('9')) << qint64(0);
    }
    void amountValue_countsWhatIsNoAmountAsZero()
    {
        QFETCH(QString, amount);
        QFETCH(qint64, millionths);
        QCOMPARE(app::AmountValue(amount).Millionths(), millionths);
    }

    // How an amount is shown: the amount format, to the cent as it is
    // counted in a net, and the text of the turnover fields.
    void amount_shown_data()
    {
        QTest::addColumn<qint64>("millionths");
        QTest::addColumn<QString>("formatted");
        QTest::addColumn<qint64>("cents"); // in millionths
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0.00" << qint64(0) << "0";
        QTest::newRow("whole") << qint64(5'000'000) << "5.00" << qint64(5'000'000) << "5";
        QTest::newRow("a half cent up") << qint64(10'005'000) << "10.01" << qint64(10'010'000) << "10.005";
        QTest::newRow("just below a half cent") << qint64(10'004'999) << "10.00" << qint64(10'000'000) << "10.004999";
        QTest::newRow("2.675, not the binary 2.67499") << qint64(2'675'000) << "2.68" << qint64(2'680'000) << "2.675";
        QTest::newRow("carry") << qint64(9'995'000) << "10.00" << qint64(10'000'000) << "9.995";
        QTest::newRow("a negative half away from zero") << qint64(-5'000) << "-0.01" << qint64(-10'000) << "-0.005";
        QTest::newRow("no negative zero") << qint64(-1'000) << "0.00" << qint64(0) << "-0.001";
        QTest::newRow("a millionth") << qint64(1) << "0.00" << qint64(0) << "0.000001";
        QTest::newRow("no thousands separator") << qint64(12'345'600'000) << "12345.60" << qint64(12'345'600'000)
                                                << "12345.6";
        QTest::newRow("the largest") << qint64(999'999'999'999'990'000) << "999999999999.99"
                                     << qint64(999'999'999'999'990'000) << "999999999999.99";
        QTest::newRow("the largest negative") << qint64(-999'999'999'999'990'000) << "-999999999999.99"
                                              << qint64(-999'999'999'999'990'000) << "-999999999999.99";
    }
    void amount_shown()
    {
        QFETCH(qint64, millionths);
        QFETCH(QString, formatted);
        QFETCH(qint64, cents);
        QFETCH(QString, text);
        const app::Amount a = app::Amount::FromMillionths(millionths).value();
        QCOMPARE(a.Formatted(), formatted);
        QCOMPARE(a.Cents().Millionths(), cents);
        QCOMPARE(a.Text(), text);
    }

    // Sums are exact, and what would go beyond the bounds is no amount.
    void amount_sums_data()
    {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("sum");
        QTest::newRow("0.1 + 0.2, not 0.30000000000000004") << QStringList{"0.1", "0.2"} << "0.3";
        QTest::newRow("three decimals") << QStringList{"0.004", "0.004", "-0.001"} << "0.007";
        QTest::newRow("up to the largest") << QStringList{"999999999999", "0.99"} << "999999999999.99";
        QTest::newRow("a cent beyond is left out") << QStringList{"999999999999.99", "0.01", "-1"} << "999999999998.99";
        QTest::newRow("and below the smallest")
            << QStringList{"-999999999999.99", "-999999999999.99", "-0.01", "0.02"} << "-999999999999.97";
    }
    void amount_sums()
    {
        QFETCH(QStringList, amounts);
        QFETCH(QString, sum);
        app::AmountSum total;
        for (const QString &a : amounts)
            total.add(app::Amount::FromText(a).value());
        QCOMPARE(total.value().Text(), sum);
    }

    void amount_bounds()
    {
        const app::Amount largest = app::Amount::FromText(u"999999999999.99").value();
        const app::Amount cent = app::Amount::FromText(u"0.01").value();
        QVERIFY(!largest.Plus(cent));
        QCOMPARE(largest.Minus(cent)->Text(), QStringLiteral("999999999999.98"));
        QVERIFY(!app::Amount().Minus(largest)->Minus(cent));
        QVERIFY(!app::Amount::FromMillionths(app::Amount::kMaxMillionths + 1));
        QVERIFY(!app::Amount::FromMillionths(-app::Amount::kMaxMillionths - 1));
        QCOMPARE(app::Amount::Clamped(std::numeric_limits<std::int64_t>::max()), largest);
        QCOMPARE(app::Amount::Clamped(std::numeric_limits<std::int64_t>::min()).Formatted(),
                 QStringLiteral("-999999999999.99"));
        QVERIFY(!app::Amount::FromValue(std::numeric_limits<double>::infinity()));
        QVERIFY(!app::Amount::FromValue(std::numeric_limits<double>::quiet_NaN()));
        QCOMPARE(app::Amount::FromValue(-0.0)->Formatted(), QStringLiteral("0.00"));
    }

    void pictures_loadFromResourcesOrNothing()
    {
        DataFolder folder;
        app::setResourcesFolder(folder.path("Resources"));
        QVERIFY(app::siglBourse().isNull());
        // A picture missing at first is tried again at the next use.
        QDir(folder.path(QString())).mkdir("Resources");
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/../Resources/siglBourse.png",
                            folder.path("Resources/siglBourse.png")));
        QVERIFY(!app::siglBourse().isNull());
        QVERIFY(app::qvomoyen().isNull());
        app::setResourcesFolder(QString());
        QVERIFY(!app::qvomoyen().isNull()); // the build's own Resources beside bin/
    }
};

VDL_TEST(TestApp)

namespace {

// The program itself, started on the current data folder: it takes the folder,
// makes the rate file and then waits at its start-up question, which nobody
// answers. Killed when this ends.
class RunningCopy
{
public:
    RunningCopy()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_process.setProcessEnvironment(environment);
        m_process.setWorkingDirectory(QDir::currentPath());
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vandrelico"), QStringList());
    }
    ~RunningCopy() { kill(); }

    QProcess &process() { return m_process; }
    void kill()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill(); // SIGKILL: no chance to clean up
            m_process.waitForFinished(10000);
        }
    }

private:
    QProcess m_process;
};

// Every entry of the current folder, hidden ones included, with its bytes
// and its time of change.
QMap<QString, QString> folderState()
{
    QMap<QString, QString> state;
    QDirIterator it(QDir::currentPath(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QFile file(info.filePath());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        state.insert(info.fileName(), QString::fromLatin1(bytes.toHex()) + QLatin1Char(' ') +
                                          info.lastModified().toString(Qt::ISODateWithMs));
    }
    return state;
}

bool g_opened = false;

} // namespace

class TestDataFolderLock : public QObject
{
    Q_OBJECT

private slots:
    // Another process of the program holds the folder, however long it has had it.
    void secondCopy_saysSoAndTouchesNothing_data()
    {
        QTest::addColumn<int>("heldForSeconds");
        QTest::newRow("just started") << 0;
        QTest::newRow("open for a day") << 24 * 3600;
    }
    void secondCopy_saysSoAndTouchesNothing()
    {
        QFETCH(int, heldForSeconds);
        ProgramFixture fixture;
        RunningCopy first;
        QVERIFY2(first.process().waitForStarted(10000), "build the vandrelico program first");
        QTRY_VERIFY_WITH_TIMEOUT(fixture.folder.exists("ValComm.txt"), 20000);
        QVERIFY(fixture.folder.exists(fw::kDataFolderLock));
        if (heldForSeconds) {
            QFile lock(fixture.folder.path(fw::kDataFolderLock));
            QVERIFY(lock.open(QIODevice::ReadWrite));
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-heldForSeconds),
                                     QFileDevice::FileModificationTime));
        }
        const QMap<QString, QString> before = folderState();

        auto *application = static_cast<fw::Application *>(QCoreApplication::instance());
        g_opened = false;
        const int status = app::Run(*application, [] {
            g_opened = true;
            fw::Quit(); // no event loop, should it come this far
        });

        QCOMPARE(status, 1);
        QVERIFY(!g_opened);
        QCOMPARE(fixture.dialogs.messages,
                 QStringList{app::FolderInUseMessage(QDir::toNativeSeparators(QDir::currentPath()))});
        QVERIFY(fixture.dialogs.messages[0].startsWith(
            QStringLiteral("Vandrelico est déjà ouvert sur ce dossier de données")));
        QVERIFY(fixture.dialogs.questions.isEmpty());
        QCOMPARE(folderState(), before);
        QCOMPARE(first.process().state(), QProcess::Running);
    }

    // What a copy that is gone leaves behind does not keep the next one out,
    // and that one holds the folder until its run ends.
    void goneCopy_doesNotBlockTheNext_data()
    {
        QTest::addColumn<bool>("powerCut");
        QTest::newRow("killed") << false;
        // Its process number now names another running process: the computer
        // has been restarted since the mark was made.
        QTest::newRow("power cut") << true;
    }
    void goneCopy_doesNotBlockTheNext()
    {
        QFETCH(bool, powerCut);
        ProgramFixture fixture;
        {
            RunningCopy gone;
            QVERIFY2(gone.process().waitForStarted(10000), "build the vandrelico program first");
            QTRY_VERIFY_WITH_TIMEOUT(fixture.folder.exists("ValComm.txt"), 20000);
            gone.kill();
            QCOMPARE(gone.process().exitStatus(), QProcess::CrashExit);
        }
        QVERIFY(fixture.folder.exists(fw::kDataFolderLock)); // left behind
        if (powerCut) {
            QList<QByteArray> mark = fixture.folder.read(fw::kDataFolderLock).split('\n');
            QVERIFY(mark.size() >= 5);
            QVERIFY(!QSysInfo::bootUniqueId().isEmpty());
            mark[0] = QByteArray::number(getpid());
            mark[1] = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8();
            mark[4] = "an-earlier-boot";
            fixture.folder.write(fw::kDataFolderLock, mark.join('\n'));
        }

        auto *application = static_cast<fw::Application *>(QCoreApplication::instance());
        static fw::DataFolderLock::Status secondWhileOpen;
        g_opened = false;
        const int status = app::Run(*application, [] {
            g_opened = true;
            secondWhileOpen = fw::DataFolderLock().status();
            fw::Quit();
        });

        QCOMPARE(status, 0);
        QVERIFY(g_opened);
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(secondWhileOpen, fw::DataFolderLock::InUse);
        QVERIFY(!fixture.folder.exists(fw::kDataFolderLock)); // given up at the end of the run
    }

    // A folder where the mark cannot be made is run as before: nothing can be
    // created there either, so no copy can rewrite a file of it.
    void folderWithoutRoom_runsAsBefore()
    {
        ProgramFixture fixture;
        TinyDisk disk(fixture.folder, 8192);
        if (!disk.mounted())
            QSKIP("no tmpfs can be mounted here");
        disk.fill();
        auto *application = static_cast<fw::Application *>(QCoreApplication::instance());
        static bool marked;
        g_opened = false;
        const int status = app::Run(*application, [] {
            g_opened = true;
            marked = fw::Exists(fw::kDataFolderLock);
            fw::Quit();
        });
        QCOMPARE(status, 0);
        QVERIFY(g_opened);
        QVERIFY(!marked);
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }
};

VDL_TEST(TestDataFolderLock)

namespace {

// Every file of the current folder with its bytes; the record of a change only
// when it holds one, as an empty record means no change.
QMap<QString, QByteArray> folderBytes()
{
    QMap<QString, QByteArray> files;
    QDirIterator it(QDir::currentPath(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QFile file(info.filePath());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
        if (info.fileName() != fw::kChangeRecord || !bytes.isEmpty())
            files.insert(info.fileName(), bytes);
    }
    return files;
}

const QByteArray kHeader = "Bourse QVO du 1/3/2026\nNuméro de coupon,Valeur encaissée,Vendeur,code vendeur\n";

// The files of a data folder before each change the child makes.
void writeBefore(const DataFolder &folder, const QString &change)
{
    if (change == QLatin1String("recording")) {
        folder.write("QVOB2026_main.csv", kHeader + "10,10,Dupont,1\n"); // and no vendeur_7.csv yet
    } else if (change == QLatin1String("cancelling")) {
        folder.write("QVOB2026_main.csv", kHeader + "1,10,Dupont,1\n2,2.10,Martin,2\n3,5,Dupont,1\n");
        folder.write("vendeur_2.csv", "4,1\n2,2.10\n");
    } else {
        folder.write("ListeVendeurs.csv", "A,1,,,,1,3,0,0\n");
        folder.write("couponsvendeurs.csv", "1,A,1\n2,A,1\n3,A,1\n");
    }
    folder.write("ValComm.txt", "0.12\n");
}

// Runs the child on the current folder; true when it was killed.
bool runChild(const QString &change, int point)
{
    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/change_child"),
                {QDir::currentPath(), change, QString::number(point)});
    if (!child.waitForFinished(30000))
        qFatal("the change child did not end");
    if (child.exitStatus() == QProcess::NormalExit && child.exitCode() != 0)
        qFatal("the change child failed: %s", child.readAllStandardError().constData());
    return child.exitStatus() == QProcess::CrashExit;
}

} // namespace

// A change to several files stopped at any point by a kill: the next start
// finds every file of it wholly as it was before, or wholly as the change
// leaves them, and nothing else in the folder.
class TestInterruptedChange : public QObject
{
    Q_OBJECT

private slots:
    void killedChange_isWhollyDoneOrUndone_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("point");
        QTest::addColumn<bool>("killed");
        QTest::addColumn<bool>("done");
        // Two appends: done from the moment the last line is written, even
        // before it is on the disk, as a kill leaves it in the system's cache.
        for (const char *change : {"recording", "creation"}) {
            const QStringList points{"record begun",   "record written",  "first written", "first appended",
                                     "second written", "second appended", "record emptied"};
            for (int p = 1; p <= points.size(); ++p)
                QTest::addRow("%s, killed at %s", change, qPrintable(points[p - 1]))
                    << change << p << true << (p >= 5);
            QTest::addRow("%s, not killed", change) << change << 99 << false << true;
        }
        // Two replacements: done from the moment the record says committed.
        for (const char *change : {"cancelling", "editor"}) {
            const QStringList points{"record begun", "first staged", "second staged", "record written",
                                     "committed", "first renamed", "second renamed", "record emptied"};
            for (int p = 1; p <= points.size(); ++p)
                QTest::addRow("%s, killed at %s", change, qPrintable(points[p - 1]))
                    << change << p << true << (p >= 5);
            QTest::addRow("%s, not killed", change) << change << 99 << false << true;
        }
    }
    void killedChange_isWhollyDoneOrUndone()
    {
        QFETCH(QString, change);
        QFETCH(int, point);
        QFETCH(bool, killed);
        QFETCH(bool, done);
        QMap<QString, QByteArray> after;
        {
            DataFolder whole;
            writeBefore(whole, change);
            QVERIFY(!runChild(change, 0));
            after = folderBytes();
        }
        ProgramFixture fixture;
        writeBefore(fixture.folder, change);
        const QMap<QString, QByteArray> before = folderBytes();
        QVERIFY(before != after);

        QCOMPARE(runChild(change, point), killed);
        QCOMPARE(fw::FinishInterruptedChange(), QString());
        QCOMPARE(folderBytes(), done ? after : before);
        // Put right once and for all: a second start changes nothing.
        QCOMPARE(fw::FinishInterruptedChange(), QString());
        QCOMPARE(folderBytes(), done ? after : before);
    }

    // A recording whose record is still there when its lines are all on the
    // disk, as a power cut leaves it when emptying it had not reached the
    // disk yet; then the files as a later change or a hand left them. The
    // journal's appended line is "20,2.50,Martin,07", the sales file's
    // "20,2.50", in a sales file the recording created.
    void recordFoundAtStart_keepsWholeLinesOnly_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("cut");
        QTest::addColumn<QByteArray>("added");
        QTest::addColumn<QString>("outcome"); // "kept", "undone", or the file the start stops at
        const QString journal = QStringLiteral("QVOB2026_main.csv");
        const QString sales = QStringLiteral("vendeur_7.csv");
        QTest::newRow("as the recording left them") << journal << 0 << QByteArray() << "kept";
        QTest::newRow("a line appended after") << journal << 0 << QByteArray("30,1,Dupont,1\n") << "kept";
        QTest::newRow("journal line cut short") << journal << 3 << QByteArray() << "undone";
        QTest::newRow("journal line cut to its first byte") << journal << 17 << QByteArray() << "undone";
        QTest::newRow("sales line cut short") << sales << 1 << QByteArray() << "undone";
        QTest::newRow("sales file left empty") << sales << 8 << QByteArray() << "undone";
        QTest::newRow("journal line changed by hand") << journal << 3 << QByteArray("08\n") << journal;
        QTest::newRow("journal line changed, a line after it")
            << journal << 3 << QByteArray("08\n30,1,Dupont,1\n") << journal;
        QTest::newRow("journal shorter than before") << journal << 40 << QByteArray() << journal;
    }
    void recordFoundAtStart_keepsWholeLinesOnly()
    {
        QFETCH(QString, file);
        QFETCH(int, cut);
        QFETCH(QByteArray, added);
        QFETCH(QString, outcome);
        ProgramFixture fixture;
        writeBefore(fixture.folder, "recording");
        const QMap<QString, QByteArray> before = folderBytes();
        QVERIFY(runChild("recording", 6)); // both lines on the disk, the record not emptied
        QVERIFY(!fixture.folder.read(fw::kChangeRecord).isEmpty());
        const QByteArray bytes = fixture.folder.read(file);
        QVERIFY(bytes.size() >= cut);
        fixture.folder.write(file, bytes.chopped(cut) + added);
        const QMap<QString, QByteArray> found = folderBytes();

        if (outcome == QLatin1String("kept") || outcome == QLatin1String("undone")) {
            QCOMPARE(fw::FinishInterruptedChange(), QString());
            QMap<QString, QByteArray> expected = outcome == QLatin1String("kept") ? found : before;
            expected.remove(fw::kChangeRecord);
            QCOMPARE(folderBytes(), expected);
            QCOMPARE(fw::FinishInterruptedChange(), QString());
            QCOMPARE(folderBytes(), expected);
        } else {
            QCOMPARE(fw::FinishInterruptedChange(), outcome);
            QCOMPARE(folderBytes(), found);
        }
    }

    // Killed once the last line is written but perhaps not yet on the disk:
    // the start that keeps the lines puts them on the disk, and the sales
    // file the recording created in the folder's list, before the record
    // that would undo them is emptied.
    void changeKeptAtStart_isOnTheDiskBeforeItsRecordGoes()
    {
        ProgramFixture fixture;
        writeBefore(fixture.folder, "recording");
        QVERIFY(runChild("recording", 5)); // the journal's line written, not synced
        const QByteArray journal = fixture.folder.read("QVOB2026_main.csv");
        QStringList syncs;
        {
            SyncWatch watch([] { return QString(); });
            QCOMPARE(fw::FinishInterruptedChange(), QString());
            syncs = watch.described();
        }
        const QString folder = QDir(fixture.folder.path(QString())).dirName();
        QCOMPARE(syncs, (QStringList{"vendeur_7.csv | 20,2.50\n | ", folder + " |  | ",
                                     "QVOB2026_main.csv | " + QString::fromUtf8(journal) + " | ",
                                     fw::kChangeRecord + " |  | "}));
        QVERIFY(journal.endsWith("\n20,2.50,Martin,07\n"));
    }

    // A new file that cannot take its old one's place once the record says
    // committed: every file is given back as it was, nothing of the change
    // is left beside them, and the file is named.
    void renameFailingAfterCommit_givesEveryFileBack_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("named");
        QTest::newRow("first rename") << int(fw::ChangeStep::Committed) << "QVOB2026_main.csv";
        QTest::newRow("second rename, the first made") << int(fw::ChangeStep::Renamed) << "vendeur_2.csv";
    }
    void renameFailingAfterCommit_givesEveryFileBack()
    {
        QFETCH(int, step);
        QFETCH(QString, named);
        ProgramFixture fixture;
        writeBefore(fixture.folder, "cancelling");
        const QMap<QString, QByteArray> before = folderBytes();
        // The new file goes just before its rename.
        static fw::ChangeStep s_step;
        static QString s_staged;
        static bool s_done;
        s_step = fw::ChangeStep(step);
        s_staged = QLatin1Char('.') + named + QStringLiteral(".vandrelico-new");
        s_done = false;
        fw::SetChangeStepHookForTesting([](fw::ChangeStep reached) {
            if (reached == s_step && !s_done) {
                s_done = true;
                QVERIFY(QFile::remove(s_staged));
            }
        });
        const fw::ReplaceFailure failure =
            fw::ReplaceTextFiles({{QStringLiteral("QVOB2026_main.csv"), {"new journal"}},
                                  {QStringLiteral("vendeur_2.csv"), {"new sales"}}});
        fw::SetChangeStepHookForTesting(nullptr);
        QVERIFY(s_done);
        QCOMPARE(failure.file, named);
        QVERIFY(!failure.opening);
        QCOMPARE(failure.unrestored, QStringList());
        QCOMPARE(folderBytes(), before);
        QCOMPARE(fw::FinishInterruptedChange(), QString());
        QCOMPARE(folderBytes(), before);
    }

    // A record the kill or a power cut cut short, or that another program
    // left, was never complete on the disk: no file was touched, and a new
    // file waiting beside its old one is dropped.
    void recordNotComplete_touchesNothing_data()
    {
        QTest::addColumn<QByteArray>("record");
        const QByteArray lines = "vandrelico change\nreplace vendeur_2.csv\nappend 1 3 7 " + QByteArray(64, 'a') +
                                 " QVOB2026_main.csv\n";
        QTest::newRow("list cut short") << QByteArray(lines).chopped(5);
        QTest::newRow("no digest line") << lines;
        QTest::newRow("digest of other lines")
            << lines + "end 0000000000000000000000000000000000000000000000000000000000000000\ncommit\n";
        QTest::newRow("zeros of a power cut") << QByteArray(200, '\0');
        QTest::newRow("not a record") << QByteArray("hello\n");
    }
    void recordNotComplete_touchesNothing()
    {
        QFETCH(QByteArray, record);
        ProgramFixture fixture;
        fixture.folder.write("QVOB2026_main.csv", "abcdef\n");
        fixture.folder.write("vendeur_2.csv", "4,1\n");
        fixture.folder.write(".vendeur_2.csv.vandrelico-new", "new\n");
        fixture.folder.write(fw::kChangeRecord, record);
        QCOMPARE(fw::FinishInterruptedChange(), QString());
        QCOMPARE(fixture.folder.read("QVOB2026_main.csv"), QByteArray("abcdef\n"));
        QCOMPARE(fixture.folder.read("vendeur_2.csv"), QByteArray("4,1\n"));
        QCOMPARE(fixture.folder.exists(".vendeur_2.csv.vandrelico-new"), record.startsWith("hello") ||
                                                                              record.startsWith('\0'));
        QCOMPARE(fixture.folder.read(fw::kChangeRecord), QByteArray());
    }

    // What cannot be put right is named, the record kept, and the start stops
    // before any window opens or any file is read.
    // The record says "20,2.50" was appended to the 4 bytes "1,2".
    void changeThatCannotBePutRight_stopsTheStart_data()
    {
        QTest::addColumn<QString>("named");
        QTest::addColumn<QByteArray>("sales");
        QTest::newRow("record unreadable") << fw::kChangeRecord << QByteArray("1,2\n");
        QTest::newRow("appended file shorter than before the change") << "vendeur_7.csv" << QByteArray("1,\n");
        QTest::newRow("appended line changed by hand") << "vendeur_7.csv" << QByteArray("1,2\n20,2.60\n");
        QTest::newRow("appended line changed, a line after it")
            << "vendeur_7.csv" << QByteArray("1,2\n20,2.5\n3,4\n");
        QTest::newRow("earlier line changed, appended line lost")
            << "vendeur_7.csv" << QByteArray("1,2,3,4,5,6,7,8,9\n");
    }
    void changeThatCannotBePutRight_stopsTheStart()
    {
        QFETCH(QString, named);
        QFETCH(QByteArray, sales);
        ProgramFixture fixture;
        fixture.folder.write("vendeur_7.csv", sales);
        if (named == fw::kChangeRecord) {
            fixture.folder.block(fw::kChangeRecord);
        } else {
            const QByteArray lines = "vandrelico change\nappend 1 4 12 " +
                                     QCryptographicHash::hash("20,2.50\n", QCryptographicHash::Sha256).toHex() +
                                     " vendeur_7.csv\n";
            fixture.folder.write(fw::kChangeRecord,
                                 lines + "end " + QCryptographicHash::hash(lines, QCryptographicHash::Sha256).toHex() +
                                     "\n");
        }
        const QMap<QString, QByteArray> before = folderBytes();
        auto *application = static_cast<fw::Application *>(QCoreApplication::instance());
        g_opened = false;
        const int status = app::Run(*application, [] {
            g_opened = true;
            fw::Quit();
        });
        QCOMPARE(status, 1);
        QVERIFY(!g_opened);
        QCOMPARE(fixture.dialogs.messages, QStringList{app::InterruptedChangeMessage(named)});
        QVERIFY(fixture.dialogs.messages[0].contains(named));
        QCOMPARE(folderBytes(), before);
    }

    // The start puts the files right before the cash desk reads any.
    void start_finishesTheChangeBeforeReadingAFile()
    {
        ProgramFixture fixture;
        writeBefore(fixture.folder, "recording");
        QVERIFY(runChild("recording", 4)); // the sales line appended, not the journal's
        QVERIFY(fixture.folder.exists("vendeur_7.csv"));
        auto *application = static_cast<fw::Application *>(QCoreApplication::instance());
        static QByteArray journalSeen;
        static bool salesSeen;
        const int status = app::Run(*application, [] {
            QFile journal(QStringLiteral("QVOB2026_main.csv"));
            journal.open(QIODevice::ReadOnly);
            journalSeen = journal.readAll();
            salesSeen = QFile::exists(QStringLiteral("vendeur_7.csv"));
            fw::Quit();
        });
        QCOMPARE(status, 0);
        QCOMPARE(journalSeen, kHeader + "10,10,Dupont,1\n");
        QVERIFY(!salesSeen);
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }
};

VDL_TEST(TestInterruptedChange)
#include "tst_app.moc"
