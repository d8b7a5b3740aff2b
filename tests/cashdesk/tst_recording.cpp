#include "drivers.h"

#include "cashdesk/recording.h"

#include "app/amount.h"
#include "app/csvload.h"
#include "app/module1.h"
#include "framework/change.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <memory>
#include <QTest>

namespace {

const QByteArray kIndexLines = "10,Dupont,1\n11,Dupont,1\n12,Dupont,1\n20,Martin,07\n";
const QString kNoSeller = QStringLiteral("Ce coupon n'a pas de vendeur");
const QString kCouponRefused = QStringLiteral(
    "N° de coupon invalide : tapez seulement le numéro, sans virgule ni retour à la ligne.");
const QString kAmountRefused = QStringLiteral("Montant invalide : tapez un nombre comme 12.50 ou 12,50.");

// A data folder with the coupon index and, when given, a journal whose
// coupon lines the opening reloads.
void prepare(const DataFolder &folder, const QByteArray &index, const QByteArray *journalLines = nullptr)
{
    folder.write(kIndex, index);
    if (journalLines)
        folder.write(kJournal, kEarlierHeader + *journalLines);
}

QStringList salesFiles(const DataFolder &folder)
{
    return QDir(folder.path(QString())).entryList({"vendeur_*"}, QDir::AllEntries);
}

} // namespace

class TestRecording : public QObject
{
    Q_OBJECT

private slots:
    void record_putsTheSaleInEveryPlace()
    {
        ProgramFixture fixture;
        prepare(fixture.folder, kIndexLines);
        CashDesk desk;
        desk.record("12", "2.50");
        QCOMPARE(fixture.folder.lines("vendeur_1.csv"), QStringList{"12,2.50"});
        QCOMPARE(fixture.folder.lines(kJournal).mid(2), QStringList{"12,2.50,Dupont,1"});
        QCOMPARE(desk.coupons()->ListCount(), 1);
        QCOMPARE(desk.row(0), (QStringList{"12", "2.50", "Dupont", "1"}));
        QCOMPARE(desk.coupons()->ListIndex(), -1);
        QCOMPARE(desk.text("ShowTotal"), QStringLiteral("2.50"));
        QCOMPARE(desk.text("ShowComm"), QStringLiteral("0.30"));
        QCOMPARE(desk.text("EntryCoupon"), QString());
        QCOMPARE(desk.text("ValeurCoupon"), QString());
        QVERIFY(fixture.dialogs.messages.isEmpty());

        // The seller's later coupons follow in recording order.
        desk.record("10", "1");
        QCOMPARE(fixture.folder.lines("vendeur_1.csv"), (QStringList{"12,2.50", "10,1"}));
        QCOMPARE(desk.row(1), (QStringList{"10", "1", "Dupont", "1"}));

        // Pressing again on the emptied entry does nothing.
        const QByteArray journal = fixture.folder.read(kJournal);
        desk.press("BevelButton1");
        QCOMPARE(fixture.folder.read(kJournal), journal);
        QCOMPARE(desk.coupons()->ListCount(), 2);
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }

    // The sale is on the disk, its sales file with the new file's place in the
    // folder, then the journal, before the screen shows it: a power cut loses
    // nothing the cashier saw recorded. Before either, the record of the
    // change, which a start after a power cut would go by, is on the disk,
    // with what each line is to be; emptying it needs no sync, as a start
    // that still finds it finds both lines whole and keeps them.
    void record_isOnTheDiskBeforeTheScreenShowsIt()
    {
        ProgramFixture fixture;
        const QByteArray journal = "10,10,Dupont,1\n";
        prepare(fixture.folder, kIndexLines, &journal);
        CashDesk desk;
        QStringList syncs;
        {
            SyncWatch watch([&desk] { return QString::number(desk.coupons()->ListCount()) + ' ' + desk.total(); });
            desk.record("20", "2.50");
            syncs = watch.described();
        }
        const QString folder = QDir(fixture.folder.path(QString())).dirName();
        const QString journalBefore = QString::fromUtf8(kEarlierHeader + journal);
        const auto appended = [](const char *existed, qsizetype size, const QByteArray &bytes, const QString &name) {
            return QStringLiteral("append ") + existed + ' ' + QString::number(size) + ' ' +
                   QString::number(size + bytes.size()) + ' ' +
                   QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + ' ' + name + '\n';
        };
        QCOMPARE(syncs, (QStringList{fw::kChangeRecord + " | vandrelico change\n" +
                                         appended("0", 0, "20,2.50\n", "vendeur_7.csv") +
                                         appended("1", journalBefore.toUtf8().size(), "20,2.50,Martin,07\n", kJournal) +
                                         " | 1 10.00",
                                     folder + " |  | 1 10.00",
                                     "vendeur_7.csv | 20,2.50\n | 1 10.00",
                                     folder + " |  | 1 10.00",
                                     kJournal + " | " + journalBefore + "20,2.50,Martin,07\n | 1 10.00"}));
        QCOMPARE(fixture.folder.read(fw::kChangeRecord), QByteArray());
        QCOMPARE(desk.coupons()->ListCount(), 2);
        QCOMPARE(desk.total(), QStringLiteral("12.50"));
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }

    void amount_isStoredAsTypedAndCarriesTheTurnover_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("commission");
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        const QStringList high{QStringLiteral("Info: Montant élevé")};
        // The journal holds 10 already; the rate is 0.12.
        QTest::newRow("12.1 gives 1.45, not 1.20 + 0.25") << "2.10" << "12.10" << "1.45" << none;
        QTest::newRow("0 typed is a sale at 0") << "0" << "10.00" << "1.20" << none;
        QTest::newRow("negative lowers") << "-3" << "7.00" << "0.85" << none;
        QTest::newRow("151 is not high") << "151" << "161.00" << "19.30" << none;
        QTest::newRow("151.01 is high") << "151.01" << "161.01" << "19.30" << high;
        QTest::newRow("151.5 is high, then recorded") << "151.5" << "161.50" << "19.40" << high;
    }
    void amount_isStoredAsTypedAndCarriesTheTurnover()
    {
        QFETCH(QString, amount);
        QFETCH(QString, total);
        QFETCH(QString, commission);
        QFETCH(QStringList, messages);
        ProgramFixture fixture;
        const QByteArray journal = "1,10,Dupont,1\n";
        prepare(fixture.folder, kIndexLines, &journal);
        CashDesk desk;
        desk.record("12", amount);
        QCOMPARE(fixture.dialogs.messages, messages);
        QCOMPARE(fixture.folder.lines("vendeur_1.csv"), QStringList{"12," + amount});
        QCOMPARE(fixture.folder.lines(kJournal).last(), "12," + amount + ",Dupont,1");
        QCOMPARE(desk.row(1), (QStringList{"12", amount, "Dupont", "1"}));
        QCOMPARE(desk.text("ShowTotal"), total);
        QCOMPARE(desk.text("ShowComm"), commission);
    }

    // The field shows the turnover to the cent; the turnover itself keeps
    // every amount, so the running figure is the one the next opening sums.
    void turnover_goesOnFromEveryAmountNotFromTheCentsShown()
    {
        ProgramFixture fixture;
        const QByteArray journal = "1,0.004,A,1\n"; // shown 0.00
        prepare(fixture.folder, kIndexLines, &journal);
        {
            CashDesk desk;
            QCOMPARE(desk.text("ShowTotal"), QStringLiteral("0.00"));
            desk.record("10", "0.004");
            desk.record("11", "0.004");
            QCOMPARE(desk.text("ShowTotal"), QStringLiteral("0.01"));
            desk.record("12", "0.3");
            QCOMPARE(desk.text("ShowTotal"), QStringLiteral("0.31"));
        }
        fw::Window::destroyAllForTesting();
        CashDesk again;
        QCOMPARE(again.text("ShowTotal"), QStringLiteral("0.31"));
        QCOMPARE(Module1::grandtotal.Value(), 0.312);
    }

    void duplicate_reportsItsPositionAndWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<QString>("coupon");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("selected");
        const QByteArray three = "10,1,Dupont,1\n11,1,Dupont,1\n12,1,Dupont,1\n";
        // The amount is high: its warning comes only after the duplicate test.
        const QStringList notDuplicate{QStringLiteral("Info: Montant élevé"), kNoSeller};
        QTest::newRow("third row") << three << "12" << QStringList{"Coupon déjà saisi, position 3"} << 2;
        QTest::newRow("first row") << three << "10" << QStringList{"Coupon déjà saisi, position 1"} << 0;
        QTest::newRow("two equal rows: the later") << QByteArray("12,1,A,1\n12,1,A,1\n11,1,A,1\n") << "12"
                                                   << QStringList{"Coupon déjà saisi, position 2"} << 1;
        QTest::newRow("in a journal saved by a spreadsheet, every cell quoted")
            << QByteArray("\"10\",\"1\",\"Dupont\",\"1\"\r\n\"12\",\"1\",\"Dupont\",\"1\"\r\n") << "12"
            << QStringList{"Coupon déjà saisi, position 2"} << 1;
        QTest::newRow("012 is not 12") << three << "012" << notDuplicate << -1;
        QTest::newRow("12 and a blank is not 12") << three << "12 " << notDuplicate << -1;
        QTest::newRow("10 and a pasted line end is 10")
            << three << "10\r\n" << QStringList{"Coupon déjà saisi, position 1"} << 0;
    }
    void duplicate_reportsItsPositionAndWritesNothing()
    {
        QFETCH(QByteArray, journal);
        QFETCH(QString, coupon);
        QFETCH(QStringList, messages);
        QFETCH(int, selected);
        ProgramFixture fixture;
        prepare(fixture.folder, kIndexLines, &journal);
        CashDesk desk;
        const int rows = desk.coupons()->ListCount();
        desk.record(coupon, "200");
        QCOMPARE(fixture.dialogs.messages, messages);
        QCOMPARE(desk.coupons()->ListIndex(), selected);
        QCOMPARE(desk.coupons()->ListCount(), rows);
        QCOMPARE(fixture.folder.read(kJournal), kEarlierHeader + journal);
        QCOMPARE(salesFiles(fixture.folder), QStringList());
        QCOMPARE(desk.text("EntryCoupon"), coupon);
        QCOMPARE(desk.text("ValeurCoupon"), QStringLiteral("200"));
    }

    void owner_isTheLastEqualLineOfTheIndex_data()
    {
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<QString>("coupon");
        QTest::addColumn<QString>("salesFile"); // empty: refused with "Ce coupon n'a pas de vendeur"
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::newRow("overlapping ranges: the later seller")
            << QByteArray("4,A,1\n5,A,1\n5,B,2\n6,B,2\n") << "5" << "vendeur_2.csv" << "B" << "2";
        QTest::newRow("later equal line without a name") << QByteArray("5,A,1\n5,,2\n") << "5" << "" << "" << "";
        QTest::newRow("no equal line") << QByteArray("4,A,1\n6,A,1\n") << "5" << "" << "" << "";
        QTest::newRow("code 07") << QByteArray("5,A,07\n") << "5" << "vendeur_7.csv" << "A" << "07";
        QTest::newRow("code with a blank after") << QByteArray("5,A,7 \n") << "5" << "vendeur_7.csv" << "A" << "7";
        QTest::newRow("code with a blank before") << QByteArray("5,A, 7\n") << "5" << "vendeur_7.csv" << "A" << "7";
        QTest::newRow("empty code") << QByteArray("5,A,\n") << "5" << "vendeur_0.csv" << "A" << "";
        QTest::newRow("code not a number") << QByteArray("5,A,x\n") << "5" << "vendeur_0.csv" << "A" << "x";
        QTest::newRow("short line: no code") << QByteArray("5,A\n") << "5" << "vendeur_0.csv" << "A" << "";
        QTest::newRow("short line: number only") << QByteArray("5\n") << "5" << "" << "" << "";
        QTest::newRow("empty lines") << QByteArray("\n,\n,,\n5,A,1\n\n") << "5" << "vendeur_1.csv" << "A" << "1";
        QTest::newRow("extra fields ignored") << QByteArray("5,A,1,x\n") << "5" << "vendeur_1.csv" << "A" << "1";
        QTest::newRow("name with a comma")
            << QByteArray("5,Dupont, Jean,3\n") << "5" << "vendeur_0.csv" << "Dupont" << "Jean";
        QTest::newRow("windows line ends") << QByteArray("5,A,3\r\n6,B,4\r\n") << "5" << "vendeur_3.csv" << "A"
                                           << "3";
        QTest::newRow("CR line ends") << QByteArray("4,A,1\r5,B,2\r6,C,3\r") << "5" << "vendeur_2.csv" << "B" << "2";
        QTest::newRow("Windows-1252 name")
            << QByteArray("5,L\xe9" "a,3\n") << "5" << "vendeur_3.csv" << QStringLiteral("Léa") << "3";
        QTest::newRow("UTF-8 name")
            << QByteArray("5,L\xc3\xa9" "a,3\n") << "5" << "vendeur_3.csv" << QStringLiteral("Léa") << "3";
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf" "5,A,1\n") << "5" << "vendeur_1.csv" << "A"
                                         << "1";
        QTest::newRow("last line without line end")
            << QByteArray("4,A,1\n5,B,2") << "5" << "vendeur_2.csv" << "B" << "2";
        QTest::newRow("longer numbers are not equal") << QByteArray("55,A,1\n50,A,1\n") << "5" << "" << "" << "";
        QTest::newRow("first field with a blank after is the number")
            << QByteArray("5 ,A,1\n") << "5" << "vendeur_1.csv" << "A" << "1";
        QTest::newRow("shorter numbers are not equal") << QByteArray("5,A,1\n") << "55" << "" << "" << "";
        QTest::newRow("blanks only are no coupon of the index") << QByteArray("  ,A,1\n") << "  " << "" << ""
                                                                << "";
        QTest::newRow("accented coupon, UTF-8 line")
            << QByteArray("5\xc3\xa9,A,1\n") << QStringLiteral("5é") << "vendeur_1.csv" << "A" << "1";
        QTest::newRow("accented coupon, Windows-1252 line")
            << QByteArray("5\xe9,B,2\n") << QStringLiteral("5é") << "vendeur_2.csv" << "B" << "2";
        QTest::newRow("plain coupon, accented first fields")
            << QByteArray("5\xe9,A,1\n5\xc3\xa9,B,2\n") << "5" << "" << "" << "";
        // As LibreOffice Calc saves it: every field quoted (columns of text),
        // or the text cells only.
        QTest::newRow("every field quoted")
            << QByteArray("\"4\",\"A\",\"1\"\n\"5\",\"B\",\"2\"\n\"6\",\"C\",\"3\"\n") << "5" << "vendeur_2.csv"
            << "B" << "2";
        QTest::newRow("names quoted, one quote doubled")
            << QByteArray("5,\"Jean \"\"Poisson\"\" L\xc3\xa9" "a\",3\n") << "5" << "vendeur_3.csv"
            << QStringLiteral("Jean \"Poisson\" Léa") << "3";
        QTest::newRow("byte order mark, then the first line quoted")
            << QByteArray("\xef\xbb\xbf\"5\",\"B\",\"2\"\r\n\"6\",\"C\",\"3\"\r\n") << "5" << "vendeur_2.csv" << "B"
            << "2";
        QTest::newRow("quoted, accented coupon")
            << QByteArray("\"5\xc3\xa9\",\"A\",\"1\"\n") << QStringLiteral("5é") << "vendeur_1.csv" << "A" << "1";
        QTest::newRow("quoted line after a plain one: the later")
            << QByteArray("5,A,1\n\"5\",\"B\",\"2\"\n") << "5" << "vendeur_2.csv" << "B" << "2";
        QTest::newRow("plain line after a quoted one: the later")
            << QByteArray("\"5\",\"B\",\"2\"\n5,A,1\n") << "5" << "vendeur_1.csv" << "A" << "1";
        QTest::newRow("quoted longer number is not equal") << QByteArray("\"55\",\"A\",\"1\"\n") << "5" << ""
                                                           << "" << "";
        QTest::newRow("semicolon inside a name") << QByteArray("5,A;B,1\n") << "5" << "vendeur_1.csv" << "A;B"
                                                 << "1";
        QTest::newRow("another coupon's unreadable line")
            << QByteArray("4;A;1\n\"6\",\"Dupont, Jean\",\"1\"\n5,B,2\n") << "5" << "vendeur_2.csv" << "B" << "2";
        QTest::newRow("unreadable line before the coupon's last")
            << QByteArray("5;A;1\n5,B,2\n") << "5" << "vendeur_2.csv" << "B" << "2";
    }
    void owner_isTheLastEqualLineOfTheIndex()
    {
        QFETCH(QByteArray, index);
        QFETCH(QString, coupon);
        QFETCH(QString, salesFile);
        QFETCH(QString, name);
        QFETCH(QString, code);
        ProgramFixture fixture;
        prepare(fixture.folder, index);
        CashDesk desk;
        desk.record(coupon, "1");
        if (salesFile.isEmpty()) {
            QCOMPARE(fixture.dialogs.messages, QStringList{kNoSeller});
            QCOMPARE(desk.coupons()->ListCount(), 0);
            QCOMPARE(fixture.folder.lines(kJournal).size(), 2);
            QCOMPARE(salesFiles(fixture.folder), QStringList());
            QCOMPARE(desk.text("EntryCoupon"), coupon);
            return;
        }
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(salesFiles(fixture.folder), QStringList{salesFile});
        QCOMPARE(fixture.folder.lines(salesFile), QStringList{coupon + ",1"});
        QCOMPARE(desk.row(0), (QStringList{coupon, "1", name, code}));
        QCOMPARE(fixture.folder.lines(kJournal).last(), coupon + ",1," + name + ',' + code);
    }

    // An index line mended by hand is read as the register editor reads its
    // file, blanks around a field dropped; the typed number is still compared
    // as text.
    void owner_isReadAsTheEditorReadsALine_data()
    {
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<QString>("coupon");
        QTest::addColumn<QString>("salesFile"); // empty: refused with "Ce coupon n'a pas de vendeur"
        QTest::addColumn<QString>("journalLine");
        QTest::newRow("blank before the number") << QByteArray("5,Ann,1\n 6,Bob,2\n7,Cy,3\n") << "6"
                                                 << "vendeur_2.csv" << "6,1,Bob,2";
        QTest::newRow("blanks around the name") << QByteArray("5, Alice ,1\n") << "5" << "vendeur_1.csv"
                                                << "5,1,Alice,1";
        QTest::newRow("tabs around every field") << QByteArray("\t5\t,\tAlice\t,\t1\t\n") << "5" << "vendeur_1.csv"
                                                 << "5,1,Alice,1";
        QTest::newRow("blanks around the code") << QByteArray("5,Alice, 07 \n") << "5" << "vendeur_7.csv"
                                                << "5,1,Alice,07";
        QTest::newRow("blanks inside the name stay") << QByteArray("5 , Jean  Dupont ,1\n") << "5" << "vendeur_1.csv"
                                                     << "5,1,Jean  Dupont,1";
        QTest::newRow("the later line, mended") << QByteArray("6,Ann,1\n 6 ,Bob,2\n") << "6" << "vendeur_2.csv"
                                                << "6,1,Bob,2";
        QTest::newRow("blanks and CRLF") << QByteArray(" 5 , Alice ,1 \r\n6,Bob,2\r\n") << "5" << "vendeur_1.csv"
                                         << "5,1,Alice,1";
        QTest::newRow("blanks, Windows-1252 name") << QByteArray(" 5 , L\xe9" "a ,3\n") << "5" << "vendeur_3.csv"
                                                   << QStringLiteral("5,1,Léa,3");
        QTest::newRow("a quoted cell keeps its blanks") << QByteArray("\" 6\",\" Bob \",2\n") << " 6"
                                                        << "vendeur_2.csv" << " 6,1, Bob ,2";
        QTest::newRow("12 is not 012") << QByteArray(" 012 ,A,1\n") << "12" << "" << "";
        QTest::newRow("012 is not 12") << QByteArray(" 12 ,A,1\n") << "012" << "" << "";
        QTest::newRow("typed with a blank is not the number") << QByteArray("6,Bob,2\n 6,Bob,2\n") << " 6" << ""
                                                              << "";
        QTest::newRow("typed with a blank after is not the number") << QByteArray("6 ,Bob,2\n") << "6 " << "" << "";
        QTest::newRow("a blank inside is kept") << QByteArray("6 6,Bob,2\n") << "66" << "" << "";
    }
    void owner_isReadAsTheEditorReadsALine()
    {
        QFETCH(QByteArray, index);
        QFETCH(QString, coupon);
        QFETCH(QString, salesFile);
        QFETCH(QString, journalLine);
        ProgramFixture fixture;
        prepare(fixture.folder, index);
        CashDesk desk;
        desk.record(coupon, "1");
        if (salesFile.isEmpty()) {
            QCOMPARE(fixture.dialogs.messages, QStringList{kNoSeller});
            QCOMPARE(fixture.folder.lines(kJournal).size(), 2);
            QCOMPARE(salesFiles(fixture.folder), QStringList());
            return;
        }
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(fixture.folder.lines(kJournal).mid(2), QStringList{journalLine});
        QCOMPARE(salesFiles(fixture.folder), QStringList{salesFile});
        QCOMPARE(fixture.folder.lines(salesFile), QStringList{coupon + ",1"});
        QCOMPARE(desk.row(0), journalLine.split(QLatin1Char(',')));
    }

    void typed_goesIntoTheFilesAsMeant_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("isAmount");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("written");
        QTest::newRow("amount 2,50") << "2,50" << true << true << "2.50";
        QTest::newRow("amount 2,5") << "2,5" << true << true << "2.5";
        QTest::newRow("blanks around a comma go") << " 3,75 " << true << true << "3.75";
        QTest::newRow("tab and sign") << "\t-3,75" << true << true << "-3.75";
        QTest::newRow("plus sign") << "+1,5" << true << true << "+1.5";
        QTest::newRow("CRLF after") << "12.50\r\n" << true << true << "12.50";
        QTest::newRow("LF before") << "\n12.50" << true << true << "12.50";
        QTest::newRow("comma and line end") << "12,50\n" << true << true << "12.50";
        QTest::newRow("line end after a blank") << "12.50 \n" << true << true << "12.50";
        QTest::newRow("blanks around a point go") << " 12.50 " << true << true << "12.50";
        QTest::newRow("blank after the line end") << "12.50\n " << true << true << "12.50";
        QTest::newRow("plus sign, point") << "+5" << true << true << "+5";
        QTest::newRow("nothing after the point") << "12." << true << true << "12.";
        QTest::newRow("nothing before the point") << "-.5" << true << true << "-.5";
        QTest::newRow("zero") << "0" << true << true << "0";
        QTest::newRow("no number") << "abc" << true << false << "";
        QTest::newRow("empty") << "" << true << false << "";
        QTest::newRow("line end only") << "\r\n" << true << false << "";
        QTest::newRow("blanks only") << "  " << true << false << "";
        QTest::newRow("sign only") << "-" << true << false << "";
        QTest::newRow("point only") << "." << true << false << "";
        QTest::newRow("two signs") << "--5" << true << false << "";
        QTest::newRow("two points") << "1.2.5" << true << false << "";
        QTest::newRow("comma and point") << "1.2,5" << true << false << "";
        QTest::newRow("digits Val does not read") << QStringLiteral("１２") << true << false << "";
        QTest::newRow("thousands and point") << "1,234.50" << true << false << "";
        QTest::newRow("two commas") << "2,5,0" << true << false << "";
        QTest::newRow("nothing before the comma") << ",50" << true << false << "";
        QTest::newRow("nothing after the comma") << "2," << true << false << "";
        QTest::newRow("text after the number") << "12,50 EUR" << true << false << "";
        QTest::newRow("blank inside") << "1 234,50" << true << false << "";
        QTest::newRow("exponent") << "2,5e3" << true << false << "";
        QTest::newRow("line break inside") << "12.50\n3" << true << false << "";
        QTest::newRow("CR inside") << "12\r50" << true << false << "";
        QTest::newRow("semicolon for the comma") << "2;50" << true << false << "";
        QTest::newRow("quoted") << "\"2.50\"" << true << false << "";
        QTest::newRow("a quote after") << "2.50\"" << true << false << "";
        QTest::newRow("coupon and LF") << "7\n" << false << true << "7";
        QTest::newRow("coupon between CRLFs") << "\r\n7\r\n" << false << true << "7";
        QTest::newRow("coupon blanks stay") << " 7 " << false << true << " 7 ";
        QTest::newRow("coupon, blank, line end") << "7 \n" << false << true << "7 ";
        QTest::newRow("coupon line end only") << "\n" << false << true << "";
        QTest::newRow("coupon with a comma") << "5,A" << false << false << "";
        QTest::newRow("coupon 12,5") << "12,5" << false << false << "";
        QTest::newRow("coupon with a line break inside") << "1\n2" << false << false << "";
    }
    void typed_goesIntoTheFilesAsMeant()
    {
        QFETCH(QString, typed);
        QFETCH(bool, isAmount);
        QFETCH(bool, accepted);
        QFETCH(QString, written);
        std::optional<QString> got;
        if (!isAmount)
            got = cashdesk::TypedCoupon(typed);
        else if (const std::optional<app::TypedAmount> amount = app::ReadTypedAmount(typed))
            got = amount->text;
        QCOMPARE(got.has_value(), accepted);
        if (accepted)
            QCOMPARE(*got, written);
    }

    // What a cashier types or pastes reaches the sales file and the journal
    // as one line each, which a restart reads back and "Effacer" then takes
    // out of both files.
    void typedOrPasted_isRecordedAsMeant_data()
    {
        QTest::addColumn<QString>("coupon");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QByteArray>("line"); // coupon and amount as written
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("commission");
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        // The journal holds 10 already; the rate is 0.12.
        QTest::newRow("2,50") << "12" << "2,50" << QByteArray("12,2.50") << "12.50" << "1.50" << none;
        QTest::newRow("2,5") << "12" << "2,5" << QByteArray("12,2.5") << "12.50" << "1.50" << none;
        QTest::newRow(" 3,75 ") << "12" << " 3,75 " << QByteArray("12,3.75") << "13.75" << "1.65" << none;
        QTest::newRow("-1,5") << "12" << "-1,5" << QByteArray("12,-1.5") << "8.50" << "1.00" << none;
        QTest::newRow("12.50 and CRLF") << "12" << "12.50\r\n" << QByteArray("12,12.50") << "22.50" << "2.70"
                                        << none;
        QTest::newRow("12.50 and LF") << "12" << "12.50\n" << QByteArray("12,12.50") << "22.50" << "2.70" << none;
        QTest::newRow("coupon and LF") << "12\n" << "1" << QByteArray("12,1") << "11.00" << "1.30" << none;
        QTest::newRow("coupon between CRLFs, amount and CR")
            << "\r\n12\r\n" << "2,50\r" << QByteArray("12,2.50") << "12.50" << "1.50" << none;
        QTest::newRow("blanks around a point go")
            << "12" << " 12.50 " << QByteArray("12,12.50") << "22.50" << "2.70" << none;
        QTest::newRow("151,5 is high") << "12" << "151,5" << QByteArray("12,151.5") << "161.50" << "19.40"
                                       << QStringList{QStringLiteral("Info: Montant élevé")};
    }
    void typedOrPasted_isRecordedAsMeant()
    {
        QFETCH(QString, coupon);
        QFETCH(QString, amount);
        QFETCH(QByteArray, line);
        QFETCH(QString, total);
        QFETCH(QString, commission);
        QFETCH(QStringList, messages);
        ProgramFixture fixture;
        const QByteArray journal = "1,10,Dupont,1\n";
        prepare(fixture.folder, kIndexLines, &journal);
        const QStringList cells = QString::fromUtf8(line).split(QLatin1Char(','));
        {
            CashDesk desk;
            desk.record(coupon, amount);
            QCOMPARE(fixture.dialogs.messages, messages);
            QCOMPARE(fixture.folder.read("vendeur_1.csv"), line + "\n");
            QCOMPARE(fixture.folder.read(kJournal), kEarlierHeader + journal + line + ",Dupont,1\n");
            QCOMPARE(desk.row(1), (cells + QStringList{"Dupont", "1"}));
            QCOMPARE(desk.total(), total);
            QCOMPARE(desk.commission(), commission);
            QCOMPARE(desk.text("EntryCoupon"), QString());
            QCOMPARE(desk.text("ValeurCoupon"), QString());
        }

        fw::Window::destroyAllForTesting();
        CashDesk again;
        QCOMPARE(again.coupons()->ListCount(), 2);
        QCOMPARE(again.row(1).mid(2), (QStringList{"Dupont", "1"}));
        QCOMPARE(again.total(), total);
        again.cancel(1);
        QCOMPARE(fixture.dialogs.messages, messages);
        QCOMPARE(fixture.folder.read("vendeur_1.csv"), QByteArray());
        QCOMPARE(fixture.folder.lines(kJournal).mid(2), QStringList{"1,10,Dupont,1"});
    }

    void typedOrPasted_thatWouldSplitALine_isRefused_data()
    {
        QTest::addColumn<QString>("coupon");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        QTest::newRow("1,234.50") << "12" << "1,234.50" << kAmountRefused;
        QTest::newRow("2,5,0") << "12" << "2,5,0" << kAmountRefused;
        QTest::newRow("12,50 EUR") << "12" << "12,50 EUR" << kAmountRefused;
        QTest::newRow("line break inside the amount") << "12" << "12.50\n3" << kAmountRefused;
        QTest::newRow("two pasted lines") << "12" << "12.50\n3.00\n" << kAmountRefused;
        QTest::newRow("high, but refused before its warning") << "12" << "200,0,0" << kAmountRefused;
        // The line would not read back: the journal's next opening and
        // "Effacer" would name it instead of counting the sale.
        QTest::newRow("2;50, the key beside the comma") << "12" << "2;50" << kAmountRefused;
        QTest::newRow("amount in quotes") << "12" << "\"2.50\"" << kAmountRefused;
        QTest::newRow("comma in the coupon") << "5,A" << "1" << kCouponRefused;
        QTest::newRow("12,5 in the coupon") << "12,5" << "1" << kCouponRefused;
        QTest::newRow("line break inside the coupon") << "1\n2" << "1" << kCouponRefused;
    }
    void typedOrPasted_thatWouldSplitALine_isRefused()
    {
        QFETCH(QString, coupon);
        QFETCH(QString, amount);
        QFETCH(QString, message);
        ProgramFixture fixture;
        const QByteArray journal = "1,10,Dupont,1\n";
        prepare(fixture.folder, kIndexLines + "5,Dupont,1\n", &journal);
        CashDesk desk;
        desk.record(coupon, amount);
        QCOMPARE(fixture.dialogs.messages, QStringList{message});
        QCOMPARE(fixture.folder.read(kJournal), kEarlierHeader + journal);
        QCOMPARE(salesFiles(fixture.folder), QStringList());
        QCOMPARE(desk.coupons()->ListCount(), 1);
        QCOMPARE(desk.total(), QStringLiteral("10.00"));
        QCOMPARE(desk.commission(), QStringLiteral("1.20"));
        QCOMPARE(desk.text("EntryCoupon"), coupon);
        QCOMPARE(desk.text("ValeurCoupon"), amount);
    }

    // The cashier sees every coupon just recorded, however long the list,
    // also after a duplicate took the list back up to its row.
    void record_showsTheNewRow()
    {
        ProgramFixture fixture;
        QByteArray index;
        for (int c = 1; c <= 41; ++c)
            index += QByteArray::number(c) + ",Dupont,1\n";
        prepare(fixture.folder, index);
        CashDesk desk;
        desk.w->Show();
        QVERIFY(QTest::qWaitForWindowExposed(desk.w));
        fw::Listbox *list = desk.coupons();
        const auto seen = [list](int row) {
            return list->viewport()->rect().contains(list->visualRect(list->model()->index(row, 0)));
        };
        for (int c = 1; c <= 40; ++c) {
            desk.record(QString::number(c), "1");
            QVERIFY2(seen(c - 1), qPrintable(QStringLiteral("row %1").arg(c - 1)));
        }
        QVERIFY(!seen(0));

        desk.record("1", "1");
        QCOMPARE(fixture.dialogs.messages, QStringList{"Coupon déjà saisi, position 1"});
        QVERIFY(seen(0));
        QVERIFY(!seen(39));

        desk.record("41", "1");
        QCOMPARE(list->ListCount(), 41);
        QVERIFY(seen(40));
        QCOMPARE(list->ListIndex(), 0); // the selection is not changed
    }

    // The coupon's last index line cannot be read as the index's (a
    // spreadsheet's ";" line or quoted comma): its seller is not guessed at,
    // and the cashier is told which line to mend.
    void owner_onAnUnreadableIndexLine_isNamed_data()
    {
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<int>("line");
        QTest::newRow("semicolons") << QByteArray("4;A;1\n5;A;1\n6;A;1\n") << 2;
        QTest::newRow("semicolons, every field quoted") << QByteArray("\"5\";\"A\";\"1\"\n") << 1;
        QTest::newRow("quoted comma in the name") << QByteArray("4,A,1\n\n\"5\",\"Dupont, Jean\",\"3\"\n") << 3;
        QTest::newRow("after a readable line") << QByteArray("5,A,1\n5;B;2\n") << 2;
        QTest::newRow("quoted decimal code") << QByteArray("5,A,\"1,5\"\n") << 1;
    }
    void owner_onAnUnreadableIndexLine_isNamed()
    {
        QFETCH(QByteArray, index);
        QFETCH(int, line);
        ProgramFixture fixture;
        prepare(fixture.folder, index);
        CashDesk desk;
        desk.record("5", "1");
        QCOMPARE(fixture.dialogs.messages, QStringList{app::ReadErrorMessage({kIndex, line})});
        QCOMPARE(desk.coupons()->ListCount(), 0);
        QCOMPARE(fixture.folder.lines(kJournal).size(), 2);
        QCOMPARE(salesFiles(fixture.folder), QStringList());
        QCOMPARE(desk.text("EntryCoupon"), QStringLiteral("5"));
    }

    void emptyCoupon_doesNothing()
    {
        ProgramFixture fixture;
        prepare(fixture.folder, kIndexLines);
        CashDesk desk;
        const QByteArray journal = fixture.folder.read(kJournal);
        desk.record("", "300");
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(desk.text("ValeurCoupon"), QStringLiteral("300"));
        QCOMPARE(fixture.folder.read(kJournal), journal);
        QCOMPARE(salesFiles(fixture.folder), QStringList());
    }

    void index_thatCannotBeRead_pointsToGestion_data()
    {
        QTest::addColumn<bool>("folderInstead");
        QTest::newRow("missing") << false;
        QTest::newRow("unreadable") << true;
    }
    void index_thatCannotBeRead_pointsToGestion()
    {
        QFETCH(bool, folderInstead);
        ProgramFixture fixture;
        if (folderInstead)
            fixture.folder.block(kIndex);
        CashDesk desk;
        desk.record("12", "1");
        desk.record("12", "1"); // at every recording until the index exists
        const QString message = QStringLiteral(
            "Avez-vous créé les fichiers vendeurs? Si ce n'est pas le cas utilisez \"Gestion des vendeurs\".");
        QCOMPARE(fixture.dialogs.messages, (QStringList{message, message}));
        QCOMPARE(desk.coupons()->ListCount(), 0);
        QCOMPARE(fixture.folder.lines(kJournal).size(), 2);
        QCOMPARE(desk.text("EntryCoupon"), QStringLiteral("12"));
    }

    void files_thatFail_stopOrAreNamed_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<bool>("opens"); // false: a folder in its place; true: writes fail
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("recorded");
        // Nothing written anywhere: a sale is in both files or in neither.
        QTest::newRow("sales file not opened") << "vendeur_1.csv" << false << "Problem creating the text file!"
                                               << false;
        QTest::newRow("journal not opened") << kJournal << false << kJournal << false;
        QTest::newRow("sales line not written") << "vendeur_1.csv" << true << "vendeur_1.csv" << false;
        QTest::newRow("journal line not written") << kJournal << true << kJournal << false;
    }
    void files_thatFail_stopOrAreNamed()
    {
        QFETCH(QString, failing);
        QFETCH(bool, opens);
        QFETCH(QString, message);
        QFETCH(bool, recorded);
        ProgramFixture fixture;
        prepare(fixture.folder, kIndexLines);
        CashDesk desk;
        const QByteArray journal = fixture.folder.read(kJournal);
        if (!opens)
            blockNow(fixture.folder, failing);
        else if (!diskFull(fixture.folder, failing))
            QSKIP("no /dev/full here");

        desk.record("12", "2.50");
        QCOMPARE(fixture.dialogs.messages.size(), 1);
        QVERIFY2(fixture.dialogs.messages.first().contains(message), qPrintable(fixture.dialogs.messages.first()));
        QCOMPARE(desk.coupons()->ListCount(), recorded ? 1 : 0);
        QCOMPARE(desk.text("ShowTotal"), recorded ? QStringLiteral("2.50") : QStringLiteral("0.00"));
        QCOMPARE(desk.text("EntryCoupon"), recorded ? QString() : QStringLiteral("12"));
        if (failing != kJournal)
            QCOMPARE(fixture.folder.read(kJournal), journal);
        if (recorded)
            QCOMPARE(fixture.folder.lines("vendeur_1.csv"), QStringList{"12,2.50"});
        if (failing == kJournal)
            QCOMPARE(salesFiles(fixture.folder), QStringList()); // not even created empty
    }

    // A line that fails half-way, on a disk that fills up: the sales file and
    // the journal are left exactly as they were, and so is the screen.
    void record_thatCannotBeCompleted_leavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("disk");     // "limit": the file-size limit; "tmpfs": a real full disk
        QTest::addColumn<QString>("failing");  // the file whose line cannot be written whole
        QTest::addColumn<QByteArray>("sales"); // vendeur_1.csv before; empty: none
        QTest::addColumn<QString>("message");
        const QByteArray one = "10,1.00\n";
        const QString journalFailed = QStringLiteral("Impossible d'écrire dans le journal ") + kJournal +
                                      QStringLiteral(" : le coupon n'est pas enregistré.");
        const QString salesFailed = QStringLiteral(
            "Impossible d'écrire dans le fichier vendeur_1.csv : le coupon n'est pas enregistré.");
        QTest::newRow("limit, journal, first sale") << "limit" << kJournal << QByteArray() << journalFailed;
        QTest::newRow("limit, journal, later sale") << "limit" << kJournal << one << journalFailed;
        QTest::newRow("limit, sales file") << "limit" << "vendeur_1.csv" << QByteArray(6000, '#') << salesFailed;
        // On a disk without a free block, the record of the change, which
        // comes before either line, cannot be written either.
        const QString recordFailed = QStringLiteral("Impossible d'écrire dans le fichier ") + fw::kChangeRecord +
                                     QStringLiteral(" : le coupon n'est pas enregistré.");
        QTest::newRow("full disk, journal") << "tmpfs" << kJournal << one << recordFailed;
        QTest::newRow("full disk, new sales file") << "tmpfs" << "vendeur_1.csv" << QByteArray() << recordFailed;
    }
    void record_thatCannotBeCompleted_leavesEverythingAsItWas()
    {
        QFETCH(QString, disk);
        QFETCH(QString, failing);
        QFETCH(QByteArray, sales);
        QFETCH(QString, message);
        ProgramFixture fixture;
        std::unique_ptr<TinyDisk> tiny;
        if (disk == QLatin1String("tmpfs")) {
            // Room for the four files, and, once the filler is gone, for the
            // next try's record, new journal block and new sales file.
            tiny = std::make_unique<TinyDisk>(fixture.folder, 7 * 4096);
            if (!tiny->mounted())
                QSKIP("no tmpfs can be mounted here");
        }
        // The journal ends 5 bytes before the end of its disk block: the line
        // "12,12.50,Dupont,1" would leave the fragment "12,12".
        const QByteArray header1 = "Bourse QVO du 1/3/2026";
        const QByteArray rest = "\nNuméro de coupon,Valeur encaissée,Vendeur,code vendeur\n11,2.00,Dupont,1\n";
        const QByteArray journal = header1 + QByteArray(4091 - header1.size() - rest.size(), ' ') + rest;
        fixture.folder.write(kIndex, kIndexLines);
        fixture.folder.write(kJournal, journal);
        fixture.folder.write("ValComm.txt", "0.12\n");
        if (!sales.isEmpty())
            fixture.folder.write("vendeur_1.csv", sales);
        CashDesk desk;
        std::unique_ptr<FileSizeLimit> limit;
        if (tiny)
            tiny->fill();
        else
            limit = std::make_unique<FileSizeLimit>(failing == kJournal ? journal.size() + 5 : sales.size() + 5);

        desk.record("12", "12.50");
        QCOMPARE(fixture.dialogs.messages, QStringList{message});
        QCOMPARE(fixture.folder.read(kJournal), journal);
        QCOMPARE(fixture.folder.exists("vendeur_1.csv"), !sales.isEmpty());
        QCOMPARE(fixture.folder.read("vendeur_1.csv"), sales);
        QCOMPARE(desk.coupons()->ListCount(), 1);
        QCOMPARE(desk.text("ShowTotal"), QStringLiteral("2.00"));
        QCOMPARE(desk.text("ShowComm"), QStringLiteral("0.25"));
        QCOMPARE(desk.text("EntryCoupon"), QStringLiteral("12"));
        QCOMPARE(desk.text("ValeurCoupon"), QStringLiteral("12.50"));

        // With room again, the same coupon is recorded on lines of its own.
        limit.reset();
        if (tiny)
            QVERIFY(QFile::remove(fixture.folder.path("filler")));
        desk.press("BevelButton1");
        QCOMPARE(fixture.dialogs.messages.size(), 1);
        QCOMPARE(fixture.folder.read(kJournal), journal + "12,12.50,Dupont,1\n");
        const QByteArray lineEnd = sales.isEmpty() || sales.endsWith('\n') ? "" : "\n";
        QCOMPARE(fixture.folder.read("vendeur_1.csv"), sales + lineEnd + "12,12.50\n");
        QCOMPARE(desk.row(1), (QStringList{"12", "12.50", "Dupont", "1"}));
        QCOMPARE(desk.text("ShowTotal"), QStringLiteral("14.50"));
    }

    void amount_thatIsNoFiniteNumber_isRefused_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        const QString outOfRange = QStringLiteral("Montant hors limites: le coupon n'est pas enregistré.");
        QTest::newRow("400 digits") << QString(400, QLatin1Char('9')) << outOfRange;
        QTest::newRow("400 digits, negative") << "-" + QString(400, QLatin1Char('9')) << outOfRange;
        QTest::newRow("1e400: an exponent is no amount") << "1e400" << kAmountRefused;
        QTest::newRow("1E309 and text") << "1E309 EUR" << kAmountRefused;
        QTest::newRow("301 digits") << QLatin1Char('1') + QString(300, QLatin1Char('0')) << outOfRange;
        QTest::newRow("a thousand billion") << "1000000000000" << outOfRange;
        QTest::newRow("a thousand billion, negative") << "-1000000000000,00" << outOfRange;
    }
    void amount_thatIsNoFiniteNumber_isRefused()
    {
        QFETCH(QString, amount);
        QFETCH(QString, message);
        ProgramFixture fixture;
        const QByteArray journal = "1,10,Dupont,1\n";
        prepare(fixture.folder, kIndexLines, &journal);
        CashDesk desk;
        const QByteArray journalBefore = fixture.folder.read(kJournal);
        desk.record("12", amount);
        // Refused before the warning of a high amount.
        QCOMPARE(fixture.dialogs.messages, QStringList{message});
        QCOMPARE(fixture.folder.read(kJournal), journalBefore);
        QCOMPARE(salesFiles(fixture.folder), QStringList());
        QCOMPARE(desk.coupons()->ListCount(), 1);
        QCOMPARE(desk.text("ShowTotal"), QStringLiteral("10.00"));
        QCOMPARE(desk.text("ShowComm"), QStringLiteral("1.20"));
        QCOMPARE(desk.text("EntryCoupon"), QStringLiteral("12"));
        QCOMPARE(desk.text("ValeurCoupon"), amount);

        // The largest amount is recorded as any other, after its warning.
        const QString large = QStringLiteral("999999999989.99");
        desk.type("ValeurCoupon", large);
        desk.press("BevelButton1");
        QCOMPARE(fixture.dialogs.messages.last(), QStringLiteral("Info: Montant élevé"));
        QCOMPARE(fixture.folder.lines(kJournal).last(), "12," + large + ",Dupont,1");
        QCOMPARE(desk.text("ShowTotal"), QStringLiteral("999999999999.99"));
    }

    // A turnover beyond what an amount holds: every later opening of the year
    // would leave the coupon out of it.
    void amount_thatWouldMakeTheTurnoverInfinite_isRefused()
    {
        ProgramFixture fixture;
        const QByteArray journal = "1,999999999999.99,Dupont,1\n";
        prepare(fixture.folder, kIndexLines, &journal);
        CashDesk desk;
        const QByteArray journalBefore = fixture.folder.read(kJournal);
        const QString totalBefore = desk.text("ShowTotal");
        desk.record("12", "0.01");
        QCOMPARE(fixture.dialogs.messages,
                 QStringList{QStringLiteral("Montant hors limites: le coupon n'est pas enregistré.")});
        QCOMPARE(fixture.folder.read(kJournal), journalBefore);
        QCOMPARE(salesFiles(fixture.folder), QStringList());
        QCOMPARE(desk.coupons()->ListCount(), 1);
        QCOMPARE(desk.text("ShowTotal"), totalBefore);

        // Taking the turnover back down is an amount like any other.
        fixture.dialogs.messages.clear();
        desk.record("12", "-0.01");
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(desk.coupons()->ListCount(), 2);
        QCOMPARE(desk.text("ShowTotal"), QStringLiteral("999999999999.98"));
    }

    // A file last saved by hand, in an editor that leaves no line end after
    // its last line: the sale goes on a line of its own, or the seller would
    // be owed "512" for coupon 11 and the journal would lose a coupon.
    void record_afterALastLineWithoutLineEnd_startsALineOfItsOwn_data()
    {
        QTest::addColumn<QByteArray>("journalLines");
        QTest::addColumn<QByteArray>("sales");
        QTest::addColumn<QByteArray>("journalAfter");
        QTest::addColumn<QByteArray>("salesAfter");
        QTest::newRow("journal") << QByteArray("11,5,Dupont,1") << QByteArray("11,5\n")
                                 << QByteArray("11,5,Dupont,1\n12,2.50,Dupont,1\n") << QByteArray("11,5\n12,2.50\n");
        QTest::newRow("sales file") << QByteArray("11,5,Dupont,1\n") << QByteArray("11,5")
                                    << QByteArray("11,5,Dupont,1\n12,2.50,Dupont,1\n") << QByteArray("11,5\n12,2.50\n");
        QTest::newRow("both, CRLF") << QByteArray("11,5,Dupont,1\r\n11b,1,Dupont,1") << QByteArray("11,5\r\n11b,1")
                                    << QByteArray("11,5,Dupont,1\r\n11b,1,Dupont,1\n12,2.50,Dupont,1\n")
                                    << QByteArray("11,5\r\n11b,1\n12,2.50\n");
    }
    void record_afterALastLineWithoutLineEnd_startsALineOfItsOwn()
    {
        QFETCH(QByteArray, journalLines);
        QFETCH(QByteArray, sales);
        QFETCH(QByteArray, journalAfter);
        QFETCH(QByteArray, salesAfter);
        ProgramFixture fixture;
        prepare(fixture.folder, kIndexLines, &journalLines);
        fixture.folder.write("vendeur_1.csv", sales);
        const int before = journalLines.count('\n') + (journalLines.endsWith('\n') ? 0 : 1);
        {
            CashDesk desk;
            QCOMPARE(desk.coupons()->ListCount(), before);
            desk.record("12", "2.50");
            QVERIFY(fixture.dialogs.messages.isEmpty());
        }
        QCOMPARE(fixture.folder.read(kJournal), kEarlierHeader + journalAfter);
        QCOMPARE(fixture.folder.read("vendeur_1.csv"), salesAfter);

        fw::Window::destroyAllForTesting();
        CashDesk again;
        QCOMPARE(again.coupons()->ListCount(), before + 1);
        QCOMPARE(again.row(before), (QStringList{"12", "2.50", "Dupont", "1"}));
    }

    // The journal removed or emptied by hand, while the desk is open or
    // before: the next opening skips two header lines, so the journal begun
    // again must have them.
    void journalRemovedSinceTheOpening_startsAgainWithItsHeader_data()
    {
        QTest::addColumn<QString>("when");
        QTest::newRow("removed while open") << "removed";
        QTest::newRow("emptied while open") << "emptied";
        QTest::newRow("empty at the opening") << "empty";
    }
    void journalRemovedSinceTheOpening_startsAgainWithItsHeader()
    {
        QFETCH(QString, when);
        ProgramFixture fixture;
        prepare(fixture.folder, kIndexLines);
        if (when == QLatin1String("empty"))
            fixture.folder.write(kJournal, QByteArray());
        {
            CashDesk desk;
            if (when == QLatin1String("removed"))
                QVERIFY(QFile::remove(fixture.folder.path(kJournal)));
            else if (when == QLatin1String("emptied"))
                fixture.folder.write(kJournal, QByteArray());
            desk.record("12", "2.50");
            desk.record("10", "1");
            QVERIFY(fixture.dialogs.messages.isEmpty());
        }
        QCOMPARE(fixture.folder.lines(kJournal), kTodayHeader + QStringList({"12,2.50,Dupont,1", "10,1,Dupont,1"}));

        fw::Window::destroyAllForTesting();
        CashDesk again;
        QCOMPARE(again.coupons()->ListCount(), 2);
        QCOMPARE(again.text("ShowTotal"), QStringLiteral("3.50"));
    }

    // An amount that is no number is refused with nothing written, so that
    // the coupon is not "déjà saisi" at a wrong amount: the cashier puts it
    // right over the selected text and records it.
    void amount_thatIsNoNumber_isRefusedUntilPutRight_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("written"); // empty: refused
        QTest::newRow("empty, pressed before typing it") << "" << "";
        QTest::newRow("abc") << "abc" << "";
        QTest::newRow("1O, a letter O") << "1O" << "";
        QTest::newRow("€5") << QStringLiteral("€5") << "";
        QTest::newRow("12 €") << QStringLiteral("12 €") << "";
        QTest::newRow("5 50") << "5 50" << "";
        QTest::newRow("1e3") << "1e3" << "";
        QTest::newRow("12,5") << "12,5" << "12.5";
        QTest::newRow(" 3.75 ") << " 3.75 " << "3.75";
        QTest::newRow("-2") << "-2" << "-2";
        QTest::newRow("0 is a sale at 0.00") << "0" << "0";
    }
    void amount_thatIsNoNumber_isRefusedUntilPutRight()
    {
        QFETCH(QString, amount);
        QFETCH(QString, written);
        ProgramFixture fixture;
        const QByteArray journal = "1,10,Dupont,1\n";
        prepare(fixture.folder, kIndexLines, &journal);
        CashDesk desk;
        QVERIFY(showActive(desk.w));
        desk.record("12", amount);
        if (!written.isEmpty()) {
            QVERIFY(fixture.dialogs.messages.isEmpty());
            QCOMPARE(fixture.folder.lines("vendeur_1.csv"), QStringList{"12," + written});
            QCOMPARE(fixture.folder.lines(kJournal).last(), "12," + written + ",Dupont,1");
            QCOMPARE(desk.row(1), (QStringList{"12", written, "Dupont", "1"}));
            QCOMPARE(focusName(), QStringLiteral("EntryCoupon"));
            return;
        }
        QCOMPARE(fixture.dialogs.messages, QStringList{kAmountRefused});
        QCOMPARE(fixture.folder.read(kJournal), kEarlierHeader + journal);
        QCOMPARE(salesFiles(fixture.folder), QStringList());
        QCOMPARE(desk.coupons()->ListCount(), 1);
        QCOMPARE(desk.total(), QStringLiteral("10.00"));
        QCOMPARE(desk.text("EntryCoupon"), QStringLiteral("12"));
        QCOMPARE(focusName(), QStringLiteral("ValeurCoupon"));
        QCOMPARE(desk.control("ValeurCoupon")->selectedText(), amount);

        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
        QCOMPARE(desk.text("ValeurCoupon"), QStringLiteral("5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(fixture.dialogs.messages, QStringList{kAmountRefused});
        QCOMPARE(fixture.folder.lines("vendeur_1.csv"), QStringList{"12,5"});
        QCOMPARE(fixture.folder.lines(kJournal).last(), QStringLiteral("12,5,Dupont,1"));
        QCOMPARE(desk.total(), QStringLiteral("15.00"));
    }

    // After a refusal the keyboard is in the field to put right, its text
    // selected: what is typed next replaces it ("415" then "1104" is 1104).
    void refusal_leavesTheTextToPutRightSelected_data()
    {
        QTest::addColumn<QString>("coupon");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typedNext");
        QTest::addColumn<QString>("line"); // journal line once put right and recorded
        const QString outOfRange = QStringLiteral("Montant hors limites: le coupon n'est pas enregistré.");
        QTest::newRow("already recorded") << "415" << "2" << "Coupon déjà saisi, position 1" << "EntryCoupon"
                                          << "1104" << "1104,2,Dupont,1";
        QTest::newRow("no seller") << "99" << "2" << kNoSeller << "EntryCoupon" << "1104" << "1104,2,Dupont,1";
        QTest::newRow("coupon with a comma") << "11,5" << "2" << kCouponRefused << "EntryCoupon" << "11"
                                             << "11,2,Dupont,1";
        QTest::newRow("amount no number") << "11" << "2,5,0" << kAmountRefused << "ValeurCoupon" << "3"
                                          << "11,3,Dupont,1";
        QTest::newRow("amount out of range") << "11" << QString(400, QLatin1Char('9')) << outOfRange
                                             << "ValeurCoupon" << "3" << "11,3,Dupont,1";
    }
    void refusal_leavesTheTextToPutRightSelected()
    {
        QFETCH(QString, coupon);
        QFETCH(QString, amount);
        QFETCH(QString, message);
        QFETCH(QString, field);
        QFETCH(QString, typedNext);
        QFETCH(QString, line);
        ProgramFixture fixture;
        const QByteArray journal = "415,10,Dupont,1\n";
        prepare(fixture.folder, kIndexLines + "415,Dupont,1\n1104,Dupont,1\n", &journal);
        CashDesk desk;
        QVERIFY(showActive(desk.w));
        desk.control("ValeurCoupon")->setFocus(); // as after typing the amount
        desk.record(coupon, amount);
        QCOMPARE(fixture.dialogs.messages, QStringList{message});
        QCOMPARE(focusName(), field);
        const QByteArray name = field.toLatin1();
        QCOMPARE(desk.control(name.constData())->selectedText(), desk.text(name.constData()));
        QVERIFY(!desk.text(name.constData()).isEmpty());

        QTest::keyClicks(QApplication::focusWidget(), typedNext);
        QCOMPARE(desk.text(name.constData()), typedNext);
        if (field == QLatin1String("EntryCoupon"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("ValeurCoupon"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(fixture.dialogs.messages, QStringList{message});
        QCOMPARE(fixture.folder.lines(kJournal).last(), line);
        QCOMPARE(focusName(), QStringLiteral("EntryCoupon"));
    }

    // Enter goes from the coupon to its amount and records from the amount;
    // however "Ajouter" is pressed, the next coupon is typed at once.
    void recording_leavesTheKeyboardInTheCouponField_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Return") << "return";
        QTest::newRow("keypad Enter") << "enter";
        QTest::newRow("Ajouter clicked") << "click";
        QTest::newRow("Ajouter pressed with Space") << "space";
    }
    void recording_leavesTheKeyboardInTheCouponField()
    {
        QFETCH(QString, way);
        ProgramFixture fixture;
        prepare(fixture.folder, kIndexLines);
        CashDesk desk;
        QVERIFY(showActive(desk.w));
        const auto key = [&way] {
            QWidget *focus = QApplication::focusWidget();
            if (way == QLatin1String("enter"))
                QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier);
            else if (way == QLatin1String("return"))
                QTest::keyClick(focus, Qt::Key_Return);
            else
                QTest::keyClick(focus, Qt::Key_Tab);
        };
        desk.control("EntryCoupon")->setFocus();
        qsizetype lines = 2;
        for (const QString &coupon : {QStringLiteral("12"), QStringLiteral("10")}) {
            QTest::keyClicks(QApplication::focusWidget(), coupon);
            QCOMPARE(desk.text("EntryCoupon"), coupon);
            key();
            QCOMPARE(focusName(), QStringLiteral("ValeurCoupon"));
            QCOMPARE(fixture.folder.lines(kJournal).size(), lines); // moving on records nothing
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
            if (way == QLatin1String("click")) {
                QTest::mouseClick(desk.control<QAbstractButton>("BevelButton1"), Qt::LeftButton);
            } else if (way == QLatin1String("space")) {
                key();
                QCOMPARE(focusName(), QStringLiteral("BevelButton1"));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            } else {
                key();
            }
            QCOMPARE(fixture.folder.lines(kJournal).size(), ++lines);
            QCOMPARE(fixture.folder.lines(kJournal).last(), coupon + ",12,Dupont,1");
            QCOMPARE(desk.text("EntryCoupon"), QString());
            QCOMPARE(desk.text("ValeurCoupon"), QString());
            QCOMPARE(focusName(), QStringLiteral("EntryCoupon"));
        }
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(fixture.folder.lines("vendeur_1.csv"), (QStringList{"12,12", "10,12"}));
        QCOMPARE(desk.total(), QStringLiteral("24.00"));
    }
};

VDL_TEST(TestRecording)
#include "tst_recording.moc"
