#include "statementsupport.h"

#include "app/module1.h"
#include "framework/files.h"
#include "statements/feuillevendeur.h"
#include "statements/selectvendor.h"
#include "statements/utilities.h"

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
        // Printing writes no global: they stay as the picker left them.
        QCOMPARE((QStringList{Module1::adresse2, Module1::zip2, Module1::localite2}),
                 (QStringList{"Chaussée de Liège 5", "5000", "Namur-là"}));
        QCOMPARE(text(sheet, "EcceHomo"), QStringLiteral("Hélène Müller"));
    }

    void couponTable_followsTheSheetsList_data()
    {
        QTest::addColumn<QByteArray>("sales");
        QTest::addColumn<QVector<QStringList>>("printed");
        QTest::addColumn<QString>("document"); // the fixture of a table that runs on; none: typed out
        QTest::newRow("empty list: header row only") << QByteArray() << QVector<QStringList>{} << QString();
        QTest::newRow("one coupon") << QByteArray("5,1\n") << QVector<QStringList>{{"5", "1.00"}} << QString();
        QTest::newRow("seven coupons, three rows")
            << QByteArray("7,7\n6,6\n5,5\n4,4\n3,3\n2,2\n1,1\n")
            << QVector<QStringList>{{"1", "1.00"}, {"2", "2.00"}, {"3", "3.00"}, {"4", "4.00"},
                                    {"5", "5.00"}, {"6", "6.00"}, {"7", "7.00"}}
            << QString();
        for (int sold : {108, 109}) {
            QByteArray sales;
            QVector<QStringList> printed;
            for (int coupon = 1; coupon <= sold; ++coupon) {
                sales += QByteArray::number(coupon) + ",1\n";
                printed.append({QString::number(coupon), "1.00"});
            }
            QTest::addRow("%d coupons", sold) << sales << printed
                                              << (sold > 108 ? QStringLiteral("sheet_statement_%1.rtf").arg(sold) : QString());
        }
    }
    void couponTable_followsTheSheetsList()
    {
        QFETCH(QByteArray, sales);
        QFETCH(QVector<QStringList>, printed);
        QFETCH(QString, document);
        StatementsFixture fixture;
        FeuilleVendeur *sheet = openSeller12Sheet(fixture.folder(), sales);
        expected::Page page = seller12Page();
        page.gross = text(sheet, "TotalBrut");
        page.commission = text(sheet, "Kommision");
        page.net = text(sheet, "TotalNet");
        page.coupons = printed;
        print(sheet);
        const QStringList lines = fixture.folder().lines(kStatement);
        COMPARE_LINES(lines, document.isEmpty() ? expected::statement(page) : FIXTURE(document));
        // Beyond 36 rows, a second sheet: its break, the seller's heading and the table's heading row.
        const qsizetype rows = (printed.size() + 2) / 3;
        QCOMPARE(lines.size(), 77 + 15 * rows + (rows > 36 ? 2 + 8 + 17 : 0));
    }

    // The sheet prints its own seller's account, with the fee typed on it:
    // not the code that Module1 holds by the time of printing.
    void printsTheSheetsAccount()
    {
        StatementsFixture fixture;
        FeuilleVendeur *sheet = openSeller12Sheet(fixture.folder());
        auto *fees = child<fw::TextField>(sheet, "fraise");
        fees->clear();
        QTest::keyClicks(fees, QStringLiteral("7"));
        Module1::vc2 = QStringLiteral("13"); // a cancellation at the cash desk sets it
        Module1::adresse2 = QStringLiteral("Rue d'un autre");
        print(sheet);
        expected::Page page = seller12Page();
        page.fees = QStringLiteral("7.00");
        page.net = QStringLiteral("11.05");
        COMPARE_LINES(fixture.folder().lines(kStatement), expected::statement(page));
        QVERIFY(!fixture.folder().exists("vendeur_13.rtf"));
    }

    // A fee typed into "Frais (locations)" is read as an amount, a decimal
    // comma as the point; the net of the statement and of the sheet follows
    // it. A fee that is no amount is refused: nothing is written.
    void typedFee_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fees"); // as printed and shown; empty: refused
        QTest::addColumn<QString>("net");
        QTest::newRow("decimal comma") << "12,5" << "12.50" << "264.70";
        QTest::newRow("decimal point") << "12.5" << "12.50" << "264.70";
        QTest::newRow("blanks and a comma") << " 3,75 " << "3.75" << "273.45";
        QTest::newRow("none") << "0" << "0.00" << "277.20";
        QTest::newRow("a credit") << "-5" << "-5.00" << "282.20";
        QTest::newRow("a plus sign") << "+1,5" << "1.50" << "275.70";
        QTest::newRow("blanks and a point") << " 3.75 " << "3.75" << "273.45";
        QTest::newRow("exponent") << "1e3" << "" << "";
        QTest::newRow("not a number") << "abc" << "" << "";
        QTest::newRow("a letter O") << "1O" << "" << "";
        QTest::newRow("currency before") << QStringLiteral("€5") << "" << "";
        QTest::newRow("currency after") << QStringLiteral("12 €") << "" << "";
        QTest::newRow("blank inside") << "5 50" << "" << "";
        QTest::newRow("two commas") << "12,5,0" << "" << "";
        QTest::newRow("emptied") << "" << "" << "";
    }
    void typedFee()
    {
        QFETCH(QString, typed);
        QFETCH(QString, fees);
        QFETCH(QString, net);
        StatementsFixture fixture;
        FeuilleVendeur *sheet = openSeller12Sheet(fixture.folder(), "1,300\n2,15\n");
        QCOMPARE(text(sheet, "TotalNet"), QStringLiteral("262.20"));
        type(sheet, "fraise", typed);
        print(sheet);
        if (fees.isEmpty()) {
            QCOMPARE(fixture.messages(),
                     QStringList{"Les frais (locations) \"" + typed +
                                 "\" ne sont pas un montant : tapez un nombre, comme 12.50 ou 12,50. Le relevé "
                                 "n'est pas imprimé."});
            QVERIFY(!fixture.folder().exists(kStatement));
            QVERIFY(fixture.shell.calls.isEmpty());
            QCOMPARE(FeuilleVendeur::openInstance(), sheet);
            QCOMPARE(text(sheet, "fraise"), typed);
            QCOMPARE(text(sheet, "TotalNet"), QStringLiteral("262.20"));
            return;
        }
        expected::Page page = seller12Page();
        page.gross = QStringLiteral("315.00");
        page.commission = QStringLiteral("37.80");
        page.fees = fees;
        page.net = net;
        page.coupons = {{"1", "300.00"}, {"2", "15.00"}};
        QCOMPARE(fixture.folder().read(kStatement), expected::bytes(expected::statement(page)));
        QCOMPARE(fixture.folder().lines(kStatement)[5 + 1 + 24 + 6],
                 "\\tab 315.00\\tab 37.80\\tab " + fees + "\\tab " + net);
        QCOMPARE(text(sheet, "fraise"), fees);
        QCOMPARE(text(sheet, "TotalNet"), net);
        QVERIFY(fixture.messages().isEmpty());
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
        fixture.folder().write("vendeur_12.csv", "12,10\n9,7.5\n");
        Module1::SonNom = QStringLiteral("François Œuvray-Müller");
        Module1::vc2 = QStringLiteral("{12}");
        Module1::FindVendor = 12;
        Module1::adresse2 = QStringLiteral("Rue des Écoles 3 {bis}");
        Module1::zip2 = QStringLiteral("B-{50\\}");
        Module1::localite2 = QStringLiteral("Çà et là, cœur");
        Module1::bacs2 = QStringLiteral("1");
        Module1::rampes2 = QStringLiteral("2");
        Module1::qvotaux = 0.12;
        Module1::myday = QStringLiteral("7/3/2026");
        FeuilleVendeur *sheet = FeuilleVendeur::instance();
        print(sheet);

        expected::Page page = seller12Page();
        page.name = R"(Fran\'e7ois \'8cuvray-M\'fcller)";
        page.address = R"(Rue des \'c9coles 3 \{bis\})";
        page.zip = R"(B-\{50\\\})";
        page.locality = R"(\'c7\'e0 et l\'e0, c\'9cur)";
        page.number = R"(\{12\})";
        page.gross = text(sheet, "TotalBrut");
        page.commission = text(sheet, "Kommision");
        page.net = text(sheet, "TotalNet");
        page.coupons = {{"9", "7.50"}, {"12", "10.00"}};
        QCOMPARE(fixture.folder().read("vendeur_{12}.rtf"), expected::bytes(expected::statement(page)));
        QCOMPARE(Module1::localite2, QStringLiteral("Çà et là, cœur"));
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

    // Anne's sheet is open when something else moves the globals: her
    // statement still carries her own name, code and address.
    void annesStatement_carriesHerOwnAddress_data()
    {
        QTest::addColumn<QString>("between");
        QTest::newRow("the general statements printed") << "Imprimer les résultats";
        QTest::newRow("another seller chosen in the picker") << "picker";
    }
    void annesStatement_carriesHerOwnAddress()
    {
        QFETCH(QString, between);
        StatementsFixture fixture;
        fixture.folder().write(kRegister, "Anne Lambert,1,Rue des Lilas 4,1000,Bruxelles,1,50,1,0\n"
                                          "Marc Petit,2,Avenue du Parc 9,4000,Liège,51,100,0,1\n");
        fixture.folder().write("vendeur_1.csv", "3,4\n1,2\n");
        fixture.folder().write("vendeur_2.csv", "51,8\n");
        Module1::myday = QStringLiteral("7/3/2026");
        Module1::qvotaux = 0.12;
        const auto pick = [](int row) {
            SelectVendor *picker = SelectVendor::instance();
            picker->Show();
            child<fw::Listbox>(picker, "ListVendeurs")->SetListIndex(row);
            press(picker, "BevelButton1");
        };
        pick(0);
        FeuilleVendeur *sheet = FeuilleVendeur::openInstance();
        QVERIFY(sheet);
        if (between == QLatin1String("picker")) {
            pick(1);
        } else {
            utilities *tools = utilities::instance();
            tools->Show();
            press(tools, "BevelButton2");
            QVERIFY(fixture.folder().exists("Fichier_General_des_vendeurs.rtf"));
        }
        QCOMPARE(FeuilleVendeur::openInstance(), sheet);
        print(sheet);
        COMPARE_LINES(fixture.folder().lines("vendeur_1.rtf"),
                      expected::statement({"Anne Lambert", "Rue des Lilas 4", "1000", "Bruxelles", "1", "7/3/2026",
                                           "6.00", "0.70", "5.00", "0.30", {{"1", "2.00"}, {"3", "4.00"}}}));
        QVERIFY(!fixture.folder().exists("vendeur_2.rtf"));
    }

    // 0.15 x 4.50 = 0.675, a tie that rounds up: 0.70 at the cash desk, on
    // the sheet, on the statement and on the general document alike.
    void commissionTie_sameEverywhere()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, "Anne Lambert,1,Rue,1000,Ville,1,2,0,0\n");
        fixture.folder().write(kIndex, "1,Anne Lambert,1\n2,Anne Lambert,1\n");
        writeDeskFiles(fixture.folder(), {}, "0.15\n");
        const CashDesk desk;
        desk.record("1", "4.50");
        QCOMPARE(desk.commission(), QStringLiteral("0.70"));

        desk.press("PushButton3");
        SelectVendor *picker = SelectVendor::openInstance();
        QVERIFY(picker);
        child<fw::Listbox>(picker, "ListVendeurs")->SetListIndex(0);
        press(picker, "BevelButton1");
        FeuilleVendeur *sheet = FeuilleVendeur::openInstance();
        QVERIFY(sheet);
        QCOMPARE(text(sheet, "TotalBrut"), QStringLiteral("4.50"));
        QCOMPARE(text(sheet, "Kommision"), QStringLiteral("0.70"));
        QCOMPARE(text(sheet, "TotalNet"), QStringLiteral("3.80"));
        print(sheet);
        desk.press("BevelButton4");
        press(utilities::openInstance(), "BevelButton2");

        const QString totals = QStringLiteral(R"(\tab 4.50\tab 0.70\tab 0.00\tab 3.80)");
        QVERIFY(fixture.folder().lines("vendeur_1.rtf").contains(totals));
        QVERIFY(fixture.folder().lines("Fichier_General_des_vendeurs.rtf").contains(totals));
    }
};

VDL_TEST(TestStatement)
#include "tst_statement.moc"
