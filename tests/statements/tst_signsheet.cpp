#include "statementsupport.h"

#include "app/csvload.h"
#include "cashdesk/window1.h"
#include "statements/utilities.h"

#include <QDir>

namespace {

const QString kSheet = QStringLiteral("FichesVendeurs.rtf");
const QString kNoRegister =
    QStringLiteral("Fichier introuvable! Créez d'abord le fichier des coupons et des vendeurs!");
const QString kNotCreated = QStringLiteral("Impossible de créer le fichier FichesVendeurs.rtf!");

const QByteArray kTwoSellers = "Hélène Müller,12,Chaussée de Liège 5,5000,Namur-là,51,100,1,2\n"
                               "Jean Dupont,3,Rue Haute 7,4000,Liège,1,50,0,0\n";
const QVector<expected::Sign> kTwoSigns{
    {R"(H\'e9l\'e8ne M\'fcller)", R"(Chauss\'e9e de Li\'e8ge 5)", R"(5000  Namur-l\'e0)", "12", "51 - 100"},
    {"Jean Dupont", "Rue Haute 7", R"(4000  Li\'e8ge)", "3", "1 - 50"}};

utilities *printSigns()
{
    utilities *tools = utilities::instance();
    tools->Show();
    press(tools, "BevelButton1");
    return tools;
}

} // namespace

Q_DECLARE_METATYPE(QVector<expected::Sign>)

class TestSignSheet : public QObject
{
    Q_OBJECT

private slots:
    // From the cash desk's "Utilitaires" to the viewer.
    void worked_writesOneSignPerSeller_andOpensTheSheet()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kTwoSellers);
        fixture.folder().write(kSheet, "ancienne feuille\n");
        CashDesk().press("BevelButton4");
        utilities *tools = utilities::openInstance();
        QVERIFY(tools);
        press(tools, "BevelButton1");

        const QStringList lines = fixture.folder().lines(kSheet);
        COMPARE_LINES(lines, expected::signSheet(kTwoSigns));
        // A page break between the two signs, none after the last.
        QCOMPARE(lines.size(), 5 + 30 + 1 + 30 + 1);
        QCOMPARE(lines[5 + 30], R"(\page)");
        QCOMPARE(lines.mid(lines.size() - 2), (QStringList{R"(\par})", "}"}));
#if !defined(Q_OS_WIN)
        QCOMPARE(fixture.shell.calls.size(), 1);
        QCOMPARE(fixture.shell.calls[0].program, expected::kViewerProgram);
        QCOMPARE(fixture.shell.calls[0].arguments, QStringList{QDir::current().absoluteFilePath(kSheet)});
        QVERIFY(fixture.messages().isEmpty());
#endif
        // The window stays, holding the register as loaded.
        QCOMPARE(utilities::openInstance(), tools);
        QVERIFY(tools->isVisible());
        QCOMPARE(rowsOf(child<fw::Listbox>(tools, "Controlle")),
                 (QStringList{"Hélène Müller,12,Chaussée de Liège 5,5000,Namur-là,51,100,1,2",
                              "Jean Dupont,3,Rue Haute 7,4000,Liège,1,50,0,0"}));
        QCOMPARE(fixture.folder().read(kRegister), kTwoSellers);
    }

    void document_data()
    {
        QTest::addColumn<QByteArray>("sellers");
        QTest::addColumn<QVector<expected::Sign>>("signs");
        QTest::newRow("empty register: prologue and brace") << QByteArray() << QVector<expected::Sign>{};
        QTest::newRow("file order, not code order")
            << QByteArray("C,9,r,1,v,1,2,0,0\nA,2,r,1,v,3,4,0,0\nB,5,r,1,v,5,6,0,0\n")
            << QVector<expected::Sign>{{"C", "r", "1  v", "9", "1 - 2"},
                                       {"A", "r", "1  v", "2", "3 - 4"},
                                       {"B", "r", "1  v", "5", "5 - 6"}};
        QTest::newRow("blanks trimmed, fields past the ninth ignored")
            << QByteArray(" Zoé , 7 , Rue A , 1000 , Bruxelles , 10 , 20 , 1 , 0 ,extra,more\n")
            << QVector<expected::Sign>{{R"(Zo\'e9)", "Rue A", "1000  Bruxelles", "7", "10 - 20"}};
        QTest::newRow("capitals, cedilla, and code and range, as code page 1252")
            << QByteArray("Émile Ça,é1,Île ç,à1000,Ålé,è1,ù2,0,0\n")
            << QVector<expected::Sign>{
                   {R"(\'c9mile \'c7a)", R"(\'cele \'e7)", R"(\'e01000  \'c5l\'e9)", R"(\'e91)", R"(\'e81 - \'f92)"}};
        QTest::newRow("letters outside the accent table")
            << QByteArray("François Œuvray-Müller,5,Rue des Écoles 3,B-5000,Çà et là cœur,1,50,0,0\n"
                          "Łucja Ålund,7,Straße 1,1000,São Tomé,51,60,0,0\n")
            << QVector<expected::Sign>{{R"(Fran\'e7ois \'8cuvray-M\'fcller)", R"(Rue des \'c9coles 3)",
                                        R"(B-5000  \'c7\'e0 et l\'e0 c\'9cur)", "5", "1 - 50"},
                                       {R"(\u321?ucja \'c5lund)", R"(Stra\'dfe 1)", R"(1000  S\'e3o Tom\'e9)", "7",
                                        "51 - 60"}};
        // As LibreOffice Calc saves it, every cell quoted, one row of cells of empty text.
        QTest::newRow("saved by a spreadsheet: quotes dropped, a row of empty text skipped")
            << QByteArray("\"Zoë; \"\"Co\"\"\",\"06\",\"Place 3\",\"5000\",\"Namur\",\"11\",\"20\",\"0\",\"0\"\n"
                          "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\n")
            << QVector<expected::Sign>{{R"(Zo\'eb; "Co")", "Place 3", "5000  Namur", "06", "11 - 20"}};
        QTest::newRow("empty coupon fields") << QByteArray("Paul,4,R,1,V,,,0,0\n")
                                             << QVector<expected::Sign>{{"Paul", "R", "1  V", "4", " - "}};
        QTest::newRow("short line: missing fields empty; blank line: no sign")
            << QByteArray("Court,5\n\n")
            << QVector<expected::Sign>{{"Court", "", "  ", "5", " - "}};
        QTest::newRow("braces and backslashes cannot break the document")
            << QByteArray("Dupont {et fils},{6\\},Rue\\Bas,{1},}V{,{1,2}\\,0,0\n")
            << QVector<expected::Sign>{
                   {R"(Dupont \{et fils\})", R"(Rue\\Bas)", R"(\{1\}  \}V\{)", R"(\{6\\\})", R"(\{1 - 2\}\\)"}};
        QTest::newRow("a code 5} and the sign after it")
            << QByteArray("A,5},R,1,V,1,2,0,0\nB,6,R,1,V,3,4,0,0\n")
            << QVector<expected::Sign>{{"A", "R", "1  V", R"(5\})", "1 - 2"}, {"B", "R", "1  V", "6", "3 - 4"}};
    }
    void document()
    {
        QFETCH(QByteArray, sellers);
        QFETCH(QVector<expected::Sign>, signs);
        StatementsFixture fixture;
        fixture.folder().write(kRegister, sellers);
        utilities *tools = printSigns();
        COMPARE_LINES(fixture.folder().lines(kSheet), expected::signSheet(signs));
        QCOMPARE(fixture.folder().read(kSheet), expected::bytes(expected::signSheet(signs)));
        QCOMPARE(child<fw::Listbox>(tools, "Controlle")->ListCount(), signs.size());
#if !defined(Q_OS_WIN)
        QCOMPARE(fixture.shell.calls.size(), 1);
#endif
        QVERIFY(fixture.messages().isEmpty());
    }

    // Each press empties the list and loads the register again.
    void pressedTwice_sameDocument_oneSignPerLine()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kTwoSellers);
        utilities *tools = printSigns();
        const QByteArray first = fixture.folder().read(kSheet);
        press(tools, "BevelButton1");
        QCOMPARE(fixture.folder().read(kSheet), first);
        QCOMPARE(child<fw::Listbox>(tools, "Controlle")->ListCount(), 2);

        fixture.folder().write(kRegister, "Seul,1,R,1,V,1,2,0,0\n");
        press(tools, "BevelButton1");
        COMPARE_LINES(fixture.folder().lines(kSheet), expected::signSheet({{"Seul", "R", "1  V", "1", "1 - 2"}}));
        QCOMPARE(rowsOf(child<fw::Listbox>(tools, "Controlle")), QStringList{"Seul,1,R,1,V,1,2,0,0"});
    }

    void registerNotReadable_windowCloses_sheetUntouched_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("missing") << QString();
        QTest::newRow("unreadable") << "folder";
        QTest::newRow("a pipe") << "pipe";
    }
    void registerNotReadable_windowCloses_sheetUntouched()
    {
        QFETCH(QString, place);
        StatementsFixture fixture;
        putInPlace(fixture.folder(), kRegister, place);
        fixture.folder().write(kSheet, "ancienne feuille\n");
        utilities *tools = printSigns();
        QCOMPARE(fixture.messages(), QStringList{kNoRegister});
        QVERIFY(!utilities::openInstance());
        QVERIFY(!tools->isVisible());
        QVERIFY(fixture.shell.calls.isEmpty());
        QCOMPARE(fixture.folder().read(kSheet), QByteArray("ancienne feuille\n"));

        // "Utilitaires" again: a fresh window, with nothing loaded.
        CashDesk().press("BevelButton4");
        utilities *fresh = utilities::openInstance();
        QVERIFY(fresh);
        QVERIFY(fresh->isVisible());
        QCOMPARE(child<fw::Listbox>(fresh, "Controlle")->ListCount(), 0);
    }

    // No sheet is handed to the viewer unless it reached the disk whole; the
    // one printed before stays as it was, and the window stays.
    void sheetNotWritten_saysSo_windowStays_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("cannot be created") << false;
        QTest::newRow("disk full") << true;
    }
    void sheetNotWritten_saysSo_windowStays()
    {
        QFETCH(bool, diskFull);
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kTwoSellers);
        if (!diskFull)
            fixture.folder().block(kSheet);
        else
            fixture.folder().write(kSheet, "ancienne feuille\n");
        utilities *tools = utilities::instance();
        {
            std::unique_ptr<FileSizeLimit> full(diskFull ? new FileSizeLimit(256) : nullptr);
            press(tools, "BevelButton1");
        }
        QCOMPARE(fixture.messages(), QStringList{kNotCreated});
        QVERIFY(fixture.shell.calls.isEmpty());
        QCOMPARE(utilities::openInstance(), tools);
        if (diskFull)
            QCOMPARE(fixture.folder().read(kSheet), QByteArray("ancienne feuille\n"));
        else
            QVERIFY(QFileInfo(fixture.folder().path(kSheet)).isDir());
        QCOMPARE(QDir().entryList(QDir::Files), diskFull ? (QStringList{kSheet, kRegister}) : QStringList{kRegister});
    }

    // A line a spreadsheet wrote cannot be read: a sheet without that
    // seller's sign would look complete, so none is written.
    void unreadableLine_sheetNotWritten_windowStays()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kTwoSellers + "\"Dupont, Jean\",4,R,1,V,1,2,0,0\n");
        fixture.folder().write(kSheet, "ancienne feuille\n");
        utilities *tools = printSigns();
        QCOMPARE(fixture.messages(), QStringList{app::ReadErrorMessage({kRegister, 3})});
        QCOMPARE(fixture.folder().read(kSheet), QByteArray("ancienne feuille\n"));
        QVERIFY(fixture.shell.calls.isEmpty());
        QCOMPARE(utilities::openInstance(), tools);
    }

    void viewerFails_sheetStays_windowStays()
    {
        StatementsFixture fixture;
        fixture.shell.status = 1;
        fixture.folder().write(kRegister, kTwoSellers);
        utilities *tools = printSigns();
#if !defined(Q_OS_WIN)
        QCOMPARE(fixture.messages(), QStringList{expected::viewerFailure(kSheet)});
#endif
        COMPARE_LINES(fixture.folder().lines(kSheet), expected::signSheet(kTwoSigns));
        QCOMPARE(utilities::openInstance(), tools);
        QVERIFY(tools->isVisible());
    }
};

VDL_TEST(TestSignSheet)
#include "tst_signsheet.moc"
