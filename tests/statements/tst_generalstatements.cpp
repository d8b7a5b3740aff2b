#include "statementsupport.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "cashdesk/window1.h"
#include "framework/files.h"
#include "statements/generalstatements.h"
#include "statements/utilities.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

const QString kDocument = QStringLiteral("Fichier_General_des_vendeurs.rtf");
const QString kPlaceholder = QStringLiteral("vendeur_null.csv");
const QString kVanished = QStringLiteral("Le fichier des vendeurs a disparu!!!");
const QString kCannotCreate = QStringLiteral("Impossible de créer un fichier pour ce vendeur!");
const QStringList kNoSales{"Aucun fichier disponible pour ce vendeur!", "Je ferme le fichier par sécurité!"};
const QString kWritten = QStringLiteral("Fichier créé (Fichier_General_des_vendeurs.rtf).");
const QString kDate = QStringLiteral("7/3/2026");

// Codes 1, 2 and 5; sales files for 1, 2 (coupons 12, 9 and 10: 20.50),
// 3 and 5; none for 4.
const QByteArray kThreeSellers = "Jean Dupont,1,Rue Haute 7,4000,Liège,1,50,0,1\n"
                                 "Marie Martin,2,Place Verte,5000,Namur,51,100,1,2\n"
                                 "Hélène Müller,5,Chaussée de Liège 5,5000,Namur-là,101,150,2,0\n";

void writeSalesOfThreeSellers(const DataFolder &folder)
{
    folder.write("vendeur_1.csv", "3,4\n");
    folder.write("vendeur_2.csv", "12,10\n9,7.5\n10,3\n");
    folder.write("vendeur_3.csv", "7,2\n");
    folder.write("vendeur_5.csv", "100,1\n12,2\n9,3\n10,4\n");
}

// The page of a code without a register line, of the placeholder sales file
// unless other coupons are given.
expected::Page emptyPage(int code, const QVector<QStringList> &coupons = {{"0", "0.00"}})
{
    return {"", "", "", "", QString::number(code), kDate, "0.00", "0.00", "0.00", "0.00", coupons};
}

QVector<expected::Page> pagesOfThreeSellers()
{
    return {{"Jean Dupont", "Rue Haute 7", "4000", R"(Li\'e8ge)", "1", kDate, "4.00", "0.50", "5.00", "-1.50",
             {{"3", "4.00"}}},
            {"Marie Martin", "Place Verte", "5000", "Namur", "2", kDate, "20.50", "2.45", "15.00", "3.05",
             {{"9", "7.50"}, {"10", "3.00"}, {"12", "10.00"}}},
            {"", "", "", "", "3", kDate, "2.00", "0.25", "0.00", "1.75", {{"7", "2.00"}}},
            emptyPage(4),
            {R"(H\'e9l\'e8ne M\'fcller)", R"(Chauss\'e9e de Li\'e8ge 5)", "5000", R"(Namur-l\'e0)", "5", kDate,
             "10.00", "1.20", "10.00", "-1.20", {{"9", "3.00"}, {"10", "4.00"}, {"12", "2.00"}, {"100", "1.00"}}}};
}

utilities *printResults()
{
    Module1::myday = kDate;
    Module1::qvotaux = 0.12;
    utilities *tools = utilities::instance();
    tools->Show();
    press(tools, "BevelButton2");
    return tools;
}

QStringList filesOfTheFolder()
{
    return QDir().entryList(QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
}

// A sales file that is a pipe: once the program opens it, the register is
// taken away before the sales are given, as if it vanished in the middle.
class VanishingRegister
{
public:
    VanishingRegister(const DataFolder &folder, const QString &salesFile)
        : m_pipe(QFile::encodeName(folder.path(salesFile))), m_register(QFile::encodeName(folder.path(kRegister)))
    {
        if (mkfifo(m_pipe.constData(), 0600) != 0)
            qFatal("cannot make the pipe");
        m_writer = std::thread([this] { run(); });
    }
    ~VanishingRegister() { m_writer.join(); }

private:
    void run()
    {
        // Waits for the program to open the pipe, without blocking if it never does.
        QDeadlineTimer deadline(20000);
        int fd = -1;
        while ((fd = ::open(m_pipe.constData(), O_WRONLY | O_NONBLOCK)) < 0 && errno == ENXIO && !deadline.hasExpired())
            usleep(1000);
        if (fd < 0)
            return;
        ::unlink(m_register.constData());
        fcntl(fd, F_SETFL, 0);
        const char sales[] = "1,5\n";
        (void)!::write(fd, sales, sizeof sales - 1);
        ::close(fd);
    }

    QByteArray m_pipe;
    QByteArray m_register;
    std::thread m_writer;
};

} // namespace

Q_DECLARE_METATYPE(QVector<expected::Page>)

class TestGeneralStatements : public QObject
{
    Q_OBJECT

private slots:
    // Codes 1, 2 and 5 give the pages of codes 1 to 5, from the cash desk's
    // "Utilitaires" to the viewer.
    void worked_everyCodeUpToTheHighest()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kThreeSellers);
        writeSalesOfThreeSellers(fixture.folder());
        fixture.folder().write(kDocument, "ancien document\n");
        CashDesk().press("BevelButton4");
        QVERIFY(utilities::openInstance());
        printResults();

        const QStringList lines = fixture.folder().lines(kDocument);
        COMPARE_LINES(lines, expected::generalStatements(pagesOfThreeSellers()));
        QCOMPARE(lines.mid(lines.size() - 2), (QStringList{R"(\page)", "}"}));
        QCOMPARE(fixture.folder().read(kPlaceholder), QByteArray("0,0\n"));
#if !defined(Q_OS_WIN)
        QCOMPARE(fixture.messages(), QStringList{kWritten});
        QCOMPARE(fixture.shell.calls.size(), 1);
        QCOMPARE(fixture.shell.calls[0].program, expected::kViewerProgram);
        QCOMPARE(fixture.shell.calls[0].arguments, QStringList{QDir::current().absoluteFilePath(kDocument)});
#else
        QCOMPARE(fixture.messages(), QStringList{"Fonction non implémentée sous Windows!"});
#endif
        QVERIFY(!utilities::openInstance());
        // Reading never writes the register or a sales file.
        QCOMPARE(fixture.folder().read(kRegister), kThreeSellers);
        QCOMPARE(fixture.folder().read("vendeur_2.csv"), QByteArray("12,10\n9,7.5\n10,3\n"));
        QVERIFY(!fixture.folder().exists("vendeur_4.csv"));
    }

    void document_data()
    {
        QTest::addColumn<QByteArray>("sellers");
        QTest::addColumn<QStringList>("salesFiles"); // name, content, name, content...
        QTest::addColumn<QVector<expected::Page>>("pages");
        QTest::addColumn<bool>("placeholder");
        QTest::addColumn<QString>("document"); // the fixture of a table that runs on; none: typed out

        QTest::newRow("empty register: no page") << QByteArray() << QStringList{} << QVector<expected::Page>{} << false << QString();
        QTest::newRow("codes of 0 or below, or no number: no page")
            << QByteArray("A,0,R,1,V,1,2,0,0\nB,-3,R,1,V,1,2,0,0\nC,abc,R,1,V,1,2,0,0\n") << QStringList{}
            << QVector<expected::Page>{} << false << QString();

        // As at the cash desk and in the picker, where 07 is the code 7 of vendeur_7.csv.
        QVector<expected::Page> seven;
        for (int code = 1; code <= 6; ++code)
            seven.append(emptyPage(code));
        seven.append({"Marie", "Place", "5000", "Namur", "7", kDate, "3.00", "0.35", "10.00", "-7.35", {{"5", "3.00"}}});
        QTest::newRow("07 is the code 7") << QByteArray("Marie,07,Place,5000,Namur,1,2,1,1\n")
                                          << QStringList{"vendeur_7.csv", "5,3\n"} << seven << true << QString();

        QTest::newRow("same code twice: the later line")
            << QByteArray("Avant,1,Rue A,1000,A,1,2,3,3\nApres,1,Rue B,2000,B,1,2,1,0\n")
            << QStringList{"vendeur_1.csv", "1,10\n"}
            << QVector<expected::Page>{{"Apres", "Rue B", "2000", "B", "1", kDate, "10.00", "1.20", "5.00", "3.80",
                                        {{"1", "10.00"}}}}
            << false << QString();

        QTest::newRow("no sales file: the placeholder row, net of minus the fees")
            << QByteArray("Paul,1,R,1,V,1,2,1,2\n") << QStringList{}
            << QVector<expected::Page>{{"Paul", "R", "1", "V", "1", kDate, "0.00", "0.00", "15.00", "-15.00",
                                        {{"0", "0.00"}}}}
            << true << QString();

        QTest::newRow("sales file without a line: header row only")
            << QByteArray("Paul,1,R,1,V,1,2,1,2\n") << QStringList{"vendeur_1.csv", ""}
            << QVector<expected::Page>{{"Paul", "R", "1", "V", "1", kDate, "0.00", "0.00", "15.00", "-15.00", {}}}
            << false << QString();

        // As LibreOffice Calc saves them, every cell quoted: the texts and the
        // amounts are the cells', a row of empty text is no sale.
        QTest::newRow("saved by a spreadsheet")
            << QByteArray("\"Zoë; \"\"Co\"\"\",\"01\",\"Place 3\",\"5000\",\"Namur\",\"11\",\"20\",\"1\",\"0\"\n")
            << QStringList{"vendeur_1.csv", "\"11\",\"2.50\"\n\"\",\"\"\n\"12\",\"1e400\"\n"}
            << QVector<expected::Page>{{R"(Zo\'eb; "Co")", "Place 3", "5000", "Namur", "1", kDate, "2.50", "0.30", "5.00",
                                        "-2.80", {{"11", "2.50"}, {"12", "0.00"}}}}
            << false << QString();

        // As the picker reads the register: " 1" is the code 1, and blanks around fields go.
        QTest::newRow("fields trimmed")
            << QByteArray("Paul, 1,R,1,V,1,2,1,2\n A,2, Rue ,  1000, Ville ,1,2, 1 ,2 \n")
            << QStringList{"vendeur_1.csv", "1,1\n", "vendeur_2.csv", " 4 , 2 \n"}
            << QVector<expected::Page>{{"Paul", "R", "1", "V", "1", kDate, "1.00", "0.10", "15.00", "-14.10",
                                        {{"1", "1.00"}}},
                                       {"A", "Rue", "1000", "Ville", "2", kDate, "2.00", "0.25", "15.00", "-13.25",
                                        {{"4", "2.00"}}}}
            << false << QString();

        QTest::newRow("every letter and control read back, three codes")
            << QByteArray("François Œuvray-Müller,1,Rue des Écoles 3 {bis},B-{50\\},Çà et là,1,50,0,0\n"
                          "Łucja,2,Straße 1,1000,São Tomé,51,60,0,0\n"
                          "Zoé,3,R,1,V,61,70,0,0\n")
            << QStringList{"vendeur_1.csv", "3,4\n", "vendeur_2.csv", "5,1\n", "vendeur_3.csv", "7}{,2\n"}
            << QVector<expected::Page>{{R"(Fran\'e7ois \'8cuvray-M\'fcller)", R"(Rue des \'c9coles 3 \{bis\})",
                                        R"(B-\{50\\\})", R"(\'c7\'e0 et l\'e0)", "1", kDate, "4.00", "0.50", "0.00",
                                        "3.50", {{"3", "4.00"}}},
                                       {R"(\u321?ucja)", R"(Stra\'dfe 1)", "1000", R"(S\'e3o Tom\'e9)", "2", kDate,
                                        "1.00", "0.10", "0.00", "0.90", {{"5", "1.00"}}},
                                       {R"(Zo\'e9)", "R", "1", "V", "3", kDate, "2.00", "0.25", "0.00", "1.75",
                                        {{R"(7\}\{)", "2.00"}}}}
            << false << QString();

        // 37 table rows: the 37th on a second sheet, which names its seller;
        // the document as written once (the pages are in the fixture).
        QByteArray sales;
        for (int coupon = 111; coupon >= 1; --coupon)
            sales += QByteArray::number(coupon) + ",1\n";
        QTest::newRow("a seller on two sheets")
            << QByteArray("Zoé,1,R,1,V,1,111,0,0\nAnne,2,R,1,V,112,120,0,0\n")
            << QStringList{"vendeur_1.csv", QString::fromLatin1(sales), "vendeur_2.csv", "112,1\n"}
            << QVector<expected::Page>{} << false << "general_two_sheets.rtf";

        QTest::newRow("short register and sales lines: missing fields empty")
            << QByteArray("Court,1\n\n,2\n") << QStringList{"vendeur_1.csv", "7\n\n3,2\n"}
            << QVector<expected::Page>{{"Court", "", "", "", "1", kDate, "2.00", "0.25", "0.00", "1.75",
                                        {{"3", "2.00"}, {"7", ""}}},
                                       emptyPage(2)}
            << true << QString();
    }
    void document()
    {
        QFETCH(QByteArray, sellers);
        QFETCH(QStringList, salesFiles);
        QFETCH(QVector<expected::Page>, pages);
        QFETCH(bool, placeholder);
        QFETCH(QString, document);
        StatementsFixture fixture;
        fixture.folder().write(kRegister, sellers);
        for (qsizetype i = 0; i + 1 < salesFiles.size(); i += 2)
            fixture.folder().write(salesFiles[i], salesFiles[i + 1].toUtf8());
        printResults();
        const QStringList lines = document.isEmpty() ? expected::generalStatements(pages) : FIXTURE(document);
        COMPARE_LINES(fixture.folder().lines(kDocument), lines);
        QCOMPARE(fixture.folder().read(kDocument), expected::bytes(lines));
        QCOMPARE(fixture.folder().exists(kPlaceholder), placeholder);
#if !defined(Q_OS_WIN)
        QCOMPARE(fixture.messages(), QStringList{kWritten});
        QCOMPARE(fixture.shell.calls.size(), 1);
#endif
        QVERIFY(!utilities::openInstance());
    }

    // The run reads no seller the picker chose, and leaves the picker's
    // choice in Module1 for the seller sheet.
    void sellerChosenBefore_changesNoPage()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, "Anne,2,Rue,1000,Ville,1,2,0,0\n");
        fixture.folder().write("vendeur_99.csv", "1,50\n");
        Module1::SonNom = QStringLiteral("Choisi");
        Module1::vc2 = QStringLiteral("99");
        Module1::FindVendor = 99;
        Module1::adresse2 = QStringLiteral("Ancienne rue");
        Module1::zip2 = QStringLiteral("9999");
        Module1::localite2 = QStringLiteral("Ailleurs");
        Module1::bacs2 = QStringLiteral("4");
        Module1::rampes2 = QStringLiteral("4");
        printResults();
        COMPARE_LINES(fixture.folder().lines(kDocument),
                      expected::generalStatements(
                          {emptyPage(1), {"Anne", "Rue", "1000", "Ville", "2", kDate, "0.00", "0.00", "0.00", "0.00",
                                          {{"0", "0.00"}}}}));
        QCOMPARE((QStringList{Module1::SonNom, Module1::vc2, Module1::adresse2, Module1::zip2, Module1::localite2,
                              Module1::bacs2, Module1::rampes2}),
                 (QStringList{"Choisi", "99", "Ancienne rue", "9999", "Ailleurs", "4", "4"}));
        QCOMPARE(Module1::FindVendor, 99);
    }

    // A code 700 typed for 7: a page for every code up to it.
    void highCode_aPageForEveryCodeUpToIt()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, "Sept,700,Rue,1000,Ville,1,2,0,0\n");
        printResults();
        QVector<expected::Page> pages;
        for (int code = 1; code < 700; ++code)
            pages.append(emptyPage(code));
        pages.append({"Sept", "Rue", "1000", "Ville", "700", kDate, "0.00", "0.00", "0.00", "0.00", {{"0", "0.00"}}});
        const QStringList lines = fixture.folder().lines(kDocument);
        COMPARE_LINES(lines, expected::generalStatements(pages));
        QCOMPARE(lines.count(R"(\page)"), 700);
    }

    // The placeholder is written afresh whenever a code needs it, and only then.
    void placeholder_rewrittenOnlyWhenNeeded_data()
    {
        QTest::addColumn<bool>("everyCodeHasSales");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("a code without sales file") << false << QByteArray("0,0\n");
        QTest::newRow("every code with its sales file") << true << QByteArray("9,99\n");
    }
    void placeholder_rewrittenOnlyWhenNeeded()
    {
        QFETCH(bool, everyCodeHasSales);
        QFETCH(QByteArray, after);
        StatementsFixture fixture;
        fixture.folder().write(kRegister, "A,1,R,1,V,1,2,0,0\nB,2,R,1,V,1,2,0,0\n");
        fixture.folder().write(kPlaceholder, "9,99\n");
        fixture.folder().write("vendeur_1.csv", "1,1\n");
        if (everyCodeHasSales)
            fixture.folder().write("vendeur_2.csv", "2,2\n");
        printResults();
        QCOMPARE(fixture.folder().read(kPlaceholder), after);
        const expected::Page second =
            everyCodeHasSales
                ? expected::Page{"B", "R", "1", "V", "2", kDate, "2.00", "0.25", "0.00", "1.75", {{"2", "2.00"}}}
                : expected::Page{"B", "R", "1", "V", "2", kDate, "0.00", "0.00", "0.00", "0.00", {{"0", "0.00"}}};
        COMPARE_LINES(fixture.folder().lines(kDocument),
                      expected::generalStatements(
                          {{"A", "R", "1", "V", "1", kDate, "1.00", "0.10", "0.00", "0.90", {{"1", "1.00"}}}, second}));
    }

    void viewerFails_windowStays()
    {
        StatementsFixture fixture;
        fixture.shell.status = 1;
        fixture.folder().write(kRegister, kThreeSellers);
        writeSalesOfThreeSellers(fixture.folder());
        utilities *tools = printResults();
        COMPARE_LINES(fixture.folder().lines(kDocument), expected::generalStatements(pagesOfThreeSellers()));
#if !defined(Q_OS_WIN)
        QCOMPARE(fixture.messages(), (QStringList{kWritten, expected::viewerFailure(kDocument, true)}));
        QCOMPARE(utilities::openInstance(), tools);
        QVERIFY(tools->isVisible());
        // The working fields keep the last page's seller and figures, its coupons emptied with the page.
        QStringList fields;
        for (const char *name : {"EcceHomo", "locbac", "locramp", "fraise", "TotalBrut", "Kommision", "TotalNet"})
            fields.append(text(tools, name));
        QCOMPARE(fields, (QStringList{"Hélène Müller", "2", "0", "10.00", "10.00", "1.20", "-1.20"}));
        QCOMPARE(child<fw::Listbox>(tools, "CoupinsVendeur")->ListCount(), 0);
#endif
    }

    // A sales file that is there but cannot be read ends the document after
    // the lower codes' pages, closed with its brace; the window stays.
    void salesFileUnreadable_endsTheDocument_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QByteArray>("sellers");
        QTest::newRow("a seller's sales file") << "vendeur_2.csv" << QByteArray(kThreeSellers);
        // Code 2 has no sales file and the placeholder cannot be written.
        QTest::newRow("the placeholder")
            << "vendeur_null.csv" << QByteArray("Jean Dupont,1,Rue Haute 7,4000,Liège,1,50,0,1\nB,3,R,1,V,1,2,0,0\n");
    }
    void salesFileUnreadable_endsTheDocument()
    {
        QFETCH(QString, blocked);
        QFETCH(QByteArray, sellers);
        StatementsFixture fixture;
        fixture.folder().write(kRegister, sellers);
        fixture.folder().write("vendeur_1.csv", "3,4\n");
        fixture.folder().block(blocked);
        fixture.folder().write(kDocument, "ancien document\n");
        utilities *tools = printResults();
        const QStringList lines = fixture.folder().lines(kDocument);
        COMPARE_LINES(lines, expected::generalStatements({pagesOfThreeSellers()[0]}));
        QCOMPARE(fixture.messages(), kNoSales);
        QVERIFY(fixture.shell.calls.isEmpty());
        QCOMPARE(utilities::openInstance(), tools);
        QVERIFY(tools->isVisible());
    }

    // Ended for want of sales on a full disk: the document printed before
    // stays, and the window closes as for any document not written.
    void salesFileUnreadable_onAFullDisk_documentNotWritten()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kThreeSellers);
        fixture.folder().write("vendeur_1.csv", "3,4\n");
        fixture.folder().block("vendeur_2.csv");
        fixture.folder().write(kDocument, "ancien document\n");
        {
            FileSizeLimit full(256);
            printResults();
        }
        QCOMPARE(fixture.messages(), kNoSales + QStringList{kCannotCreate});
        QVERIFY(!utilities::openInstance());
        QVERIFY(fixture.shell.calls.isEmpty());
        QCOMPARE(fixture.folder().read(kDocument), QByteArray("ancien document\n"));
    }

    void registerNotReadable_nothingWritten_windowCloses_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("missing") << QString();
        QTest::newRow("unreadable") << "folder";
        QTest::newRow("a pipe") << "pipe";
    }
    void registerNotReadable_nothingWritten_windowCloses()
    {
        QFETCH(QString, place);
        StatementsFixture fixture;
        putInPlace(fixture.folder(), kRegister, place);
        fixture.folder().write(kDocument, "ancien document\n");
        const QStringList before = filesOfTheFolder();
        printResults();
        QCOMPARE(fixture.messages(), QStringList{kVanished});
        QVERIFY(!utilities::openInstance());
        QVERIFY(fixture.shell.calls.isEmpty());
        QCOMPARE(fixture.folder().read(kDocument), QByteArray("ancien document\n"));
        QCOMPARE(filesOfTheFolder(), before);
    }

    void highestCodeBeyondTheMost_nothingWritten_windowStays_data()
    {
        QTest::addColumn<QByteArray>("sellers");
        QTest::addColumn<QString>("code");
        QTest::newRow("one above") << QByteArray("A,1,R,1,V,1,2,0,0\nB,100001,R,1,V,3,4,0,0\n") << "100001";
        QTest::newRow("largest Integer")
            << QByteArray("A,2147483647,R,1,V,1,2,0,0\nB,2,R,1,V,3,4,0,0\n") << "2147483647";
        QTest::newRow("beyond it: read as the largest") << QByteArray("A,99999999999,R,1,V,1,2,0,0\n") << "2147483647";
    }
    void highestCodeBeyondTheMost_nothingWritten_windowStays()
    {
        QFETCH(QByteArray, sellers);
        QFETCH(QString, code);
        StatementsFixture fixture;
        fixture.folder().write(kRegister, sellers);
        fixture.folder().write(kDocument, "ancien document\n");
        const QStringList before = filesOfTheFolder();
        utilities *tools = printResults();
        QCOMPARE(fixture.messages(),
                 QStringList{QStringLiteral("Le code vendeur ") + code +
                             QStringLiteral(" dépasse 100000 : le fichier général n'est pas écrit. Corrigez ce code "
                                            "dans le fichier des vendeurs.")});
        QCOMPARE(utilities::openInstance(), tools);
        QVERIFY(fixture.shell.calls.isEmpty());
        QCOMPARE(fixture.folder().read(kDocument), QByteArray("ancien document\n"));
        QCOMPARE(filesOfTheFolder(), before); // no placeholder sales file either
    }

    // The pages of 100000 codes take too long for a test: the bound itself.
    void highestCodeRefusal_startsAboveTheMost_data()
    {
        QTest::addColumn<qint64>("highest");
        QTest::addColumn<bool>("refused");
        QTest::newRow("none") << qint64(0) << false;
        QTest::newRow("the most") << qint64(100000) << false;
        QTest::newRow("one above") << qint64(100001) << true;
    }
    void highestCodeRefusal_startsAboveTheMost()
    {
        QFETCH(qint64, highest);
        QFETCH(bool, refused);
        QCOMPARE(!statements::HighestCodeRefusal(highest).isEmpty(), refused);
    }

    // The register is read once, before the first page: taken away while the
    // pages are written, it changes none of them.
    void registerReadOnce_goneMidway_documentWhole()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, "A,1,R,1,V,1,2,0,0\nB,2,R,1,V,1,2,0,0\n");
        {
            VanishingRegister vanishing(fixture.folder(), "vendeur_1.csv");
            printResults();
        }
        QVERIFY(!fixture.folder().exists(kRegister));
        COMPARE_LINES(fixture.folder().lines(kDocument),
                      expected::generalStatements(
                          {{"A", "R", "1", "V", "1", kDate, "5.00", "0.60", "0.00", "4.40", {{"1", "5.00"}}},
                           {"B", "R", "1", "V", "2", kDate, "0.00", "0.00", "0.00", "0.00", {{"0", "0.00"}}}}));
#if !defined(Q_OS_WIN)
        QCOMPARE(fixture.messages(), QStringList{kWritten});
#endif
        QVERIFY(!utilities::openInstance());
    }

    // A line that cannot be read (a spreadsheet's) would leave a seller's page
    // out, or its sales: the document is not written, the line is named.
    void unreadableLine_documentNotWritten_windowStays_data()
    {
        QTest::addColumn<QByteArray>("sellers");
        QTest::addColumn<QByteArray>("sales2");
        QTest::addColumn<QString>("message");
        QTest::newRow("register, a quoted comma")
            << QByteArray("A,1,R,1,V,1,2,0,0\n\n\"Dupont, Jean\",2,R,1,V,3,4,0,0\n") << QByteArray("1,2\n")
            << app::ReadErrorMessage({kRegister, 3});
        QTest::newRow("register, a ';' line") << QByteArray("A;1;R;1;V;1;2;0;0\nB,2,R,1,V,3,4,0,0\n")
                                              << QByteArray("1,2\n") << app::ReadErrorMessage({kRegister, 1});
        QTest::newRow("a seller's sales, a French export")
            << QByteArray("A,1,R,1,V,1,2,0,0\nB,2,R,1,V,3,4,0,0\n") << QByteArray("3,1\n4,\"2,5\"\n")
            << app::ReadErrorMessage({"vendeur_2.csv", 2});
    }
    void unreadableLine_documentNotWritten_windowStays()
    {
        QFETCH(QByteArray, sellers);
        QFETCH(QByteArray, sales2);
        QFETCH(QString, message);
        StatementsFixture fixture;
        fixture.folder().write(kRegister, sellers);
        fixture.folder().write("vendeur_1.csv", "1,2\n");
        fixture.folder().write("vendeur_2.csv", sales2);
        fixture.folder().write(kDocument, "ancien document\n");
        const QStringList before = filesOfTheFolder();
        utilities *tools = printResults();
        QCOMPARE(fixture.messages(), QStringList{message});
        QCOMPARE(fixture.folder().read(kDocument), QByteArray("ancien document\n"));
        QCOMPARE(filesOfTheFolder(), before);
        QVERIFY(fixture.shell.calls.isEmpty());
        QCOMPARE(utilities::openInstance(), tools);
    }

    void documentNotWritten_windowCloses_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("cannot be created") << false;
        QTest::newRow("disk full") << true;
    }
    void documentNotWritten_windowCloses()
    {
        QFETCH(bool, diskFull);
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kThreeSellers);
        writeSalesOfThreeSellers(fixture.folder());
        if (diskFull)
            fixture.folder().write(kDocument, "ancien document\n");
        else
            fixture.folder().block(kDocument);
        {
            std::unique_ptr<FileSizeLimit> full(diskFull ? new FileSizeLimit(4096) : nullptr);
            printResults();
        }
        QCOMPARE(fixture.messages(), QStringList{kCannotCreate});
        QVERIFY(!utilities::openInstance());
        QVERIFY(fixture.shell.calls.isEmpty());
        if (diskFull)
            QCOMPARE(fixture.folder().read(kDocument), QByteArray("ancien document\n"));
        else
            QVERIFY(!fixture.folder().exists(kPlaceholder));
    }
};

VDL_TEST(TestGeneralStatements)
#include "tst_generalstatements.moc"
