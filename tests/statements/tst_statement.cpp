#include "statementsupport.h"

#include "app/module1.h"
#include "framework/files.h"
#include "statements/feuillevendeur.h"
#include "statements/selectvendor.h"

#include <QDir>
#include <QFile>

namespace {

const QString kStatement = QStringLiteral("vendeur_12.rtf");
const QString kCannotCreate = QStringLiteral("Impossible de créer un fichier pour ce vendeur!");

// Seller 12, Hélène Müller, as the picker leaves her: one tank, two ramps, a rate
// of 0.12 and by default coupons 12, 9 and 10 sold; and her sheet opened on it.
FeuilleVendeur *openSeller12Sheet(const DataFolder &folder, const QByteArray &sales = "12,10\n9,7.5\n10,3\n")
{
    folder.write("vendeur_12.csv", sales);
    Module1::SonNom = QStringLiteral("Hélène Müller");
    Module1::vc2 = QStringLiteral("12");
    Module1::FindVendor = 12;
    Module1::adresse2 = QStringLiteral("Chaussée de Liège 5");
    Module1::zip2 = QStringLiteral("5000");
    Module1::localite2 = QStringLiteral("Namur-là");
    Module1::bacs2 = QStringLiteral("1");
    Module1::rampes2 = QStringLiteral("2");
    Module1::qvotaux = 0.12;
    Module1::myday = QStringLiteral("7/3/2026");
    FeuilleVendeur *sheet = FeuilleVendeur::instance();
    sheet->Show();
    return sheet;
}

// Seller 12's statement page: 20.50 for the three coupons, 15.00 of rentals.
expected::Page seller12Page()
{
    return {R"(H\'e9l\'e8ne M\'fcller)",
            R"(Chauss\'e9e de Li\'e8ge 5)",
            "5000",
            R"(Namur-l\'e0)",
            "12",
            "7/3/2026",
            "20.50",
            "2.45",
            "15.00",
            "3.05",
            {{"9", "7.50"}, {"10", "3.00"}, {"12", "10.00"}}};
}

void print(FeuilleVendeur *sheet) { press(sheet, "BevelButton2"); }


} // namespace

class TestStatement : public QObject
{
    Q_OBJECT

private slots:
    void seller12Statement_isWrittenAndOpened()
    {
        StatementsFixture fixture;
        FeuilleVendeur *sheet = openSeller12Sheet(fixture.folder());
        print(sheet);

        COMPARE_LINES(fixture.folder().lines(kStatement), expected::statement(seller12Page()));
#if !defined(Q_OS_WIN)
        QCOMPARE(fixture.shell.calls.size(), 1);
        QCOMPARE(fixture.shell.calls[0].program, expected::kViewerProgram);
        QCOMPARE(fixture.shell.calls[0].arguments, QStringList{QDir::current().absoluteFilePath(kStatement)});
        QVERIFY(fixture.messages().isEmpty());
#endif
        QVERIFY(!FeuilleVendeur::openInstance());
        QVERIFY(!sheet->isVisible());
        // The address and the locality stay escaped; the name field and the postal code do not change.
        QCOMPARE(Module1::adresse2, QStringLiteral(R"(Chauss\'e9e de Li\'e8ge 5)"));
        QCOMPARE(Module1::localite2, QStringLiteral(R"(Namur-l\'e0)"));
        QCOMPARE(Module1::zip2, QStringLiteral("5000"));
        QCOMPARE(text(sheet, "EcceHomo"), QStringLiteral("Hélène Müller"));
    }

    void couponTable_followsTheSheetsList_data()
    {
        QTest::addColumn<QByteArray>("sales");
        QTest::addColumn<QVector<QStringList>>("printed");
        QTest::newRow("empty list: header row only") << QByteArray() << QVector<QStringList>{};
        QTest::newRow("one coupon") << QByteArray("5,1\n") << QVector<QStringList>{{"5", "1.00"}};
        QTest::newRow("seven coupons, three rows")
            << QByteArray("7,7\n6,6\n5,5\n4,4\n3,3\n2,2\n1,1\n")
            << QVector<QStringList>{{"1", "1.00"}, {"2", "2.00"}, {"3", "3.00"}, {"4", "4.00"},
                                    {"5", "5.00"}, {"6", "6.00"}, {"7", "7.00"}};
        for (int sold : {108, 109}) {
            QByteArray sales;
            QVector<QStringList> printed;
            for (int coupon = 1; coupon <= sold; ++coupon) {
                sales += QByteArray::number(coupon) + ",1\n";
                printed.append({QString::number(coupon), "1.00"});
            }
            QTest::addRow("%d coupons", sold) << sales << printed;
        }
    }
    void couponTable_followsTheSheetsList()
    {
        QFETCH(QByteArray, sales);
        QFETCH(QVector<QStringList>, printed);
        StatementsFixture fixture;
        FeuilleVendeur *sheet = openSeller12Sheet(fixture.folder(), sales);
        expected::Page page = seller12Page();
        page.gross = text(sheet, "TotalBrut");
        page.commission = text(sheet, "Kommision");
        page.net = text(sheet, "TotalNet");
        page.coupons = printed;
        print(sheet);
        const QStringList lines = fixture.folder().lines(kStatement);
        COMPARE_LINES(lines, expected::statement(page));
        // Beyond 36 rows, a second sheet: its break, the seller's heading and the table's heading row.
        const qsizetype rows = (printed.size() + 2) / 3;
        QCOMPARE(lines.size(), 77 + 15 * rows + (rows > 36 ? 2 + 8 + 17 : 0));
    }

    // What the sheet shows is printed: an edited fee as typed, the code text
    // Module1 holds at the moment of printing.
    void printsWhatTheSheetShows()
    {
        StatementsFixture fixture;
        FeuilleVendeur *sheet = openSeller12Sheet(fixture.folder());
        auto *fees = child<fw::TextField>(sheet, "fraise");
        fees->clear();
        QTest::keyClicks(fees, QStringLiteral("7"));
        Module1::vc2 = QStringLiteral("012"); // a cancellation at the cash desk sets it
        print(sheet);
        expected::Page page = seller12Page();
        page.fees = QStringLiteral("7");
        page.number = QStringLiteral("012");
        COMPARE_LINES(fixture.folder().lines("vendeur_012.rtf"), expected::statement(page));
        QVERIFY(!fixture.folder().exists(kStatement));
    }

    void viewerFails_sheetStaysOpen_andPrintsTheSameAgain()
    {
        StatementsFixture fixture;
        fixture.shell.status = 1;
        FeuilleVendeur *sheet = openSeller12Sheet(fixture.folder());
        print(sheet);
#if !defined(Q_OS_WIN)
        QCOMPARE(fixture.messages(), QStringList{expected::viewerFailure(kStatement)});
        QCOMPARE(FeuilleVendeur::openInstance(), sheet);
        QVERIFY(sheet->isVisible());
#endif
        const QByteArray first = fixture.folder().read(kStatement);
        COMPARE_LINES(fixture.folder().lines(kStatement), expected::statement(seller12Page()));

        // Printed again from the escaped globals: the same document, replaced.
        fixture.shell.status = 0;
        print(sheet);
        QCOMPARE(fixture.folder().read(kStatement), first);
        QCOMPARE(QDir().entryList({"vendeur_*.rtf"}, QDir::Files), QStringList{kStatement});
#if !defined(Q_OS_WIN)
        QCOMPARE(fixture.shell.calls.size(), 2);
        QCOMPARE(fixture.messages().size(), 1);
#endif
        QVERIFY(!FeuilleVendeur::openInstance());
    }

    // Braces and backslashes of the seller's texts cannot break the document,
    // on the first print or the next.
    void controlCharacters_areEscaped()
    {
        StatementsFixture fixture;
        fixture.shell.status = 1;
        fixture.folder().write("vendeur_12.csv", "1,2\n");
        Module1::SonNom = QStringLiteral("Dupont {et fils}");
        Module1::vc2 = QStringLiteral("12");
        Module1::FindVendor = 12;
        Module1::adresse2 = QStringLiteral("Rue\\Bas é");
        Module1::localite2 = QStringLiteral("}Liège{");
        FeuilleVendeur *sheet = FeuilleVendeur::instance();
        print(sheet);
        const QStringList lines = fixture.folder().lines(kStatement);
        QCOMPARE(lines.size(), 77 + 15);
        QCOMPARE(lines[6 + 3], QStringLiteral(R"(Dupont \{et fils\})"));
        QCOMPARE(lines[6 + 6 + 3], QStringLiteral(R"(Rue\\Bas \'e9)"));
        QCOMPARE(lines[6 + 6 + 5], QStringLiteral(R"(  \}Li\'e8ge\{)"));
        print(sheet);
        QCOMPARE(fixture.folder().lines(kStatement), lines);
    }

    // A code that can name no file of the data folder writes nothing, above
    // all not over another seller's statement.
    void statementFile_namedByTheCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("file"); // empty: none written
        QTest::newRow("leading zero is fine") << "012" << "vendeur_012.rtf";
        QTest::newRow("empty: the plain name") << "" << "vendeur_.rtf";
        QTest::newRow("braces") << "12}" << "vendeur_12}.rtf";
        QTest::newRow("slashes") << "../../hors" << "";
        QTest::newRow("slash after the number") << "12/b" << "";
        QTest::newRow("backslash") << "12\\..\\x" << "";
    }
    void statementFile_namedByTheCode()
    {
        QFETCH(QString, code);
        QFETCH(QString, file);
        StatementsFixture fixture;
        fixture.folder().write("vendeur_12.csv", "1,2\n");
        fixture.folder().write(kStatement, "ancien\n");
        Module1::vc2 = code;
        Module1::FindVendor = 12;
        FeuilleVendeur *sheet = FeuilleVendeur::instance();
        print(sheet);
        QStringList files{kStatement, "vendeur_12.csv"};
        if (!file.isEmpty())
            files.append(file);
        files.sort();
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), files);
        QCOMPARE(fixture.folder().read(kStatement), QByteArray("ancien\n"));
        QVERIFY(!QFile::exists(QDir::current().absoluteFilePath("../../hors.rtf")));
        if (file.isEmpty()) {
            QCOMPARE(fixture.messages(), QStringList{kCannotCreate});
            QVERIFY(fixture.shell.calls.isEmpty());
        } else {
            // The page names the seller by the code text, escaped.
            QCOMPARE(fixture.folder().lines(file)[6 + 6 + 10 + 4], QString(code).replace("}", "\\}"));
            QVERIFY(fixture.messages().isEmpty());
        }
        QVERIFY(!FeuilleVendeur::openInstance());
    }

    // Letters of every kind read back in a reader of the prologue's code
    // page, and no text of a file or a field breaks the document.
    void document_readsBackAsTyped()
    {
        StatementsFixture fixture;
        FeuilleVendeur *sheet = openSeller12Sheet(fixture.folder(), "12,10\n9,7.5\n");
        Module1::vc2 = QStringLiteral("{12}");
        Module1::adresse2 = QStringLiteral("Rue des Écoles 3 {bis}");
        Module1::zip2 = QStringLiteral("B-{50\\}");
        Module1::localite2 = QStringLiteral("Çà et là, cœur");
        child<fw::TextField>(sheet, "EcceHomo")->SetText(QStringLiteral("François Œuvray-Müller"));
        auto *fees = child<fw::TextField>(sheet, "fraise");
        fees->clear();
        QTest::keyClicks(fees, QStringLiteral("{7}"));
        print(sheet);

        expected::Page page = seller12Page();
        page.name = R"(Fran\'e7ois \'8cuvray-M\'fcller)";
        page.address = R"(Rue des \'c9coles 3 \{bis\})";
        page.zip = R"(B-\{50\\\})";
        page.locality = R"(\'c7\'e0 et l\'e0, c\'9cur)";
        page.number = R"(\{12\})";
        page.gross = text(sheet, "TotalBrut");
        page.commission = text(sheet, "Kommision");
        page.fees = R"(\{7\})";
        page.net = text(sheet, "TotalNet");
        page.coupons = {{"9", "7.50"}, {"12", "10.00"}};
        QCOMPARE(fixture.folder().read("vendeur_{12}.rtf"), expected::bytes(expected::statement(page)));
        // Stored back accent-escaped, as printing a page always has.
        QCOMPARE(Module1::localite2, QStringLiteral(R"(Ç\'e0 et l\'e0, cœur)"));
    }

    void statementCannotBeCreated_sheetCloses()
    {
        StatementsFixture fixture;
        FeuilleVendeur *sheet = openSeller12Sheet(fixture.folder());
        fixture.folder().block(kStatement);
        print(sheet);
        QCOMPARE(fixture.messages(), QStringList{kCannotCreate});
        QVERIFY(fixture.shell.calls.isEmpty());
        QVERIFY(!FeuilleVendeur::openInstance());
        QVERIFY(QFileInfo(fixture.folder().path(kStatement)).isDir());
    }

    // A statement that did not reach the disk whole is never handed to the
    // viewer, and the one printed before stays as it was.
    void statementNotWrittenWhole_isNotOpened()
    {
        StatementsFixture fixture;
        FeuilleVendeur *sheet = openSeller12Sheet(fixture.folder());
        fixture.folder().write(kStatement, "ancien\n");
        {
            FileSizeLimit full(64);
            print(sheet);
        }
        QCOMPARE(fixture.messages(), QStringList{kCannotCreate});
        QVERIFY(fixture.shell.calls.isEmpty());
        QVERIFY(!FeuilleVendeur::openInstance());
        QCOMPARE(fixture.folder().read(kStatement), QByteArray("ancien\n"));
        QCOMPARE(QDir().entryList(QDir::Files), (QStringList{"vendeur_12.csv", kStatement}));
    }

    // From the register to the printed statement, as the organiser goes.
    void fromThePicker_toThePrintedStatement()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, "Jean Dupont,1,Rue,1000,Ville,1,50,0,0\n"
                                                    " Hélène Müller , 12 , Chaussée de Liège 5 , 5000 , Namur-là ,51,100, 1 , 2 \n");
        fixture.folder().write("vendeur_12.csv", "12,10\n9,7.5\n10,3\n");
        Module1::myday = QStringLiteral("7/3/2026");
        Module1::qvotaux = 0.12;
        SelectVendor *picker = SelectVendor::instance();
        picker->Show();
        child<fw::Listbox>(picker, "ListVendeurs")->SetListIndex(1);
        press(picker, "BevelButton1");
        FeuilleVendeur *sheet = FeuilleVendeur::openInstance();
        QVERIFY(sheet);
        print(sheet);
        COMPARE_LINES(fixture.folder().lines(kStatement), expected::statement(seller12Page()));
        QVERIFY(!FeuilleVendeur::openInstance());
        QVERIFY(fixture.messages().isEmpty());
    }
};

VDL_TEST(TestStatement)
#include "tst_statement.moc"
