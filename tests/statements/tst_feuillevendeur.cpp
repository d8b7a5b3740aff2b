#include "statementsupport.h"

#include "app/module1.h"
#include "statements/feuillevendeur.h"

#include <QDir>
#include <QLabel>

namespace {

// The seller the picker leaves in Module1.
void pickSeller(const QString &name, int code, const QString &tanks, const QString &ramps, double rate = 0.12)
{
    Module1::SonNom = name;
    Module1::vc2 = QString::number(code);
    Module1::FindVendor = code;
    Module1::bacs2 = tanks;
    Module1::rampes2 = ramps;
    Module1::qvotaux = rate;
}

fw::Listbox *coupons(FeuilleVendeur *sheet) { return child<fw::Listbox>(sheet, "CouponsVendeur"); }

// The figures as the sheet shows them: tanks, ramps, fees, gross, commission, net.
QStringList figures(FeuilleVendeur *sheet)
{
    return {text(sheet, "locbac"), text(sheet, "locramp"),   text(sheet, "fraise"),
            text(sheet, "TotalBrut"), text(sheet, "Kommision"), text(sheet, "TotalNet")};
}

} // namespace

class TestFeuilleVendeur : public QObject
{
    Q_OBJECT

private slots:
    void opening_showsTheAccount_data()
    {
        QTest::addColumn<QByteArray>("sales");
        QTest::addColumn<QString>("tanks");
        QTest::addColumn<QString>("ramps");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("shown"); // tanks, ramps, fees, gross, commission, net
        QTest::newRow("seller 12: three coupons, one tank, two ramps")
            << QByteArray("12,10\n9,7.5\n10,3\n") << "1" << "2" << QStringList{"9,7.50", "10,3.00", "12,10.00"}
            << QStringList{"1", "2", "15.00", "20.50", "2.45", "3.05"};
        QTest::newRow("sales file without a line")
            << QByteArray() << "1" << "2" << QStringList{} << QStringList{"1", "2", "15.00", "0.00", "0.00", "-15.00"};
        QTest::newRow("increasing number, not text order")
            << QByteArray("100,1\n9,1\n10,1\n") << "0" << "0" << QStringList{"9,1.00", "10,1.00", "100,1.00"}
            << QStringList{"0", "0", "0.00", "3.00", "0.35", "2.65"};
        QTest::newRow("gross of the amounts as read")
            << QByteArray("1,0.004\n2,0.004\n") << "0" << "0" << QStringList{"1,0.00", "2,0.00"}
            << QStringList{"0", "0", "0.00", "0.01", "0.00", "0.01"};
        QTest::newRow("amount with three decimals")
            << QByteArray("5,12.345\n") << "0" << "0" << QStringList{"5,12.35"}
            << QStringList{"0", "0", "0.00", "12.35", "1.50", "10.85"};
        QTest::newRow("blanks and extra fields")
            << QByteArray(" 4 , 12 ,50\n") << " 1 " << "" << QStringList{"4,12.00"}
            << QStringList{" 1 ", "", "5.00", "12.00", "1.45", "5.55"};
        QTest::newRow("short line, blank line skipped")
            << QByteArray("7\n\n3,2\n") << "0" << "0" << QStringList{"3,2.00", "7,"}
            << QStringList{"0", "0", "0.00", "2.00", "0.25", "1.75"};
        QTest::newRow("rentals that are no number")
            << QByteArray("1,10\n") << "deux" << "" << QStringList{"1,10.00"}
            << QStringList{"deux", "", "0.00", "10.00", "1.20", "8.80"};
        QTest::newRow("negative amount")
            << QByteArray("1,-5\n") << "0" << "0" << QStringList{"1,-5.00"}
            << QStringList{"0", "0", "0.00", "-5.00", "-0.60", "-4.40"};
        // The net is what the shown figures add up to: 10.01 - 1.20 - 12.50.
        QTest::newRow("net from the shown figures")
            << QByteArray("1,10.005\n") << "2.5" << "0" << QStringList{"1,10.01"}
            << QStringList{"2.5", "0", "12.50", "10.01", "1.20", "-3.69"};
        // A hand edit made it infinite: it counts 0, as a text does.
        QTest::newRow("amount beyond any Double")
            << QByteArray("1,1e400\n2,-1e400\n3,abc\n4,10\n") << "0" << "0"
            << QStringList{"1,0.00", "2,0.00", "3,0.00", "4,10.00"}
            << QStringList{"0", "0", "0.00", "10.00", "1.20", "8.80"};
        QTest::newRow("amount beyond what an amount holds")
            << QByteArray("1,1e300\n2,-1000000000000\n3,999999999999.99\n4,0.01\n") << "0" << "0"
            << QStringList{"1,0.00", "2,0.00", "3,999999999999.99", "4,0.01"}
            << QStringList{"0", "0", "0.00", "999999999999.99", "120000000000.00", "879999999999.99"};
    }
    void opening_showsTheAccount()
    {
        QFETCH(QByteArray, sales);
        QFETCH(QString, tanks);
        QFETCH(QString, ramps);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, shown);
        StatementsFixture fixture;
        fixture.folder().write("vendeur_12.csv", sales);
        pickSeller(QStringLiteral("Jean Dupont"), 12, tanks, ramps);
        FeuilleVendeur *sheet = FeuilleVendeur::instance();
        sheet->Show();
        QVERIFY(sheet->isVisible());
        QCOMPARE(text(sheet, "EcceHomo"), QStringLiteral("Jean Dupont"));
        QCOMPARE(rowsOf(coupons(sheet)), rows);
        QCOMPARE(figures(sheet), shown);
        QVERIFY(fixture.messages().isEmpty());
        // Reading the sales file never writes it.
        QCOMPARE(fixture.folder().read("vendeur_12.csv"), sales);
    }

    void noSalesFile_sheetNotShown_data()
    {
        QTest::addColumn<bool>("blocked");
        QTest::newRow("missing") << false;
        QTest::newRow("unreadable") << true;
    }
    void noSalesFile_sheetNotShown()
    {
        QFETCH(bool, blocked);
        StatementsFixture fixture;
        if (blocked)
            fixture.folder().block("vendeur_12.csv");
        fixture.folder().write("vendeur_13.csv", "1,2\n");
        pickSeller(QStringLiteral("Jean Dupont"), 12, "1", "2");
        FeuilleVendeur *sheet = FeuilleVendeur::instance();
        sheet->Show();
        QCOMPARE(fixture.messages(), QStringList{"Ce vendeur n'a encore rien vendu!"});
        QVERIFY(!sheet->isVisible());
        QVERIFY(!FeuilleVendeur::openInstance());
    }

    // A sales line that cannot be read (a spreadsheet's) would be missing from
    // the gross: the sheet names it and does not open.
    void unreadableSalesLine_sheetNotShown()
    {
        StatementsFixture fixture;
        fixture.folder().write("vendeur_12.csv", "1,2\n\n2;\"2,5\"\n");
        pickSeller(QStringLiteral("Jean Dupont"), 12, "1", "2");
        FeuilleVendeur *sheet = FeuilleVendeur::instance();
        sheet->Show();
        QCOMPARE(fixture.messages(),
                 QStringList{"La ligne 3 de vendeur_12.csv ne se lit pas : ses champs doivent être séparés par des "
                             "virgules, et aucun ne peut contenir de virgule. Corrigez-la dans un éditeur de texte, "
                             "puis recommencez."});
        QVERIFY(!sheet->isVisible());
        QVERIFY(!FeuilleVendeur::openInstance());
    }

    // The sheet reads the file of the code's number, whatever its text.
    void salesFile_isNamedByTheCodesNumber_data()
    {
        QTest::addColumn<QString>("codeText");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("file");
        QTest::newRow("leading zero") << "07" << 7 << "vendeur_7.csv";
        QTest::newRow("code that is no number") << "abc" << 0 << "vendeur_0.csv";
    }
    void salesFile_isNamedByTheCodesNumber()
    {
        QFETCH(QString, codeText);
        QFETCH(int, number);
        QFETCH(QString, file);
        StatementsFixture fixture;
        fixture.folder().write(file, "3,4\n");
        pickSeller(QStringLiteral("Marie"), number, "0", "0");
        Module1::vc2 = codeText;
        FeuilleVendeur *sheet = FeuilleVendeur::instance();
        QVERIFY(FeuilleVendeur::openInstance());
        QCOMPARE(rowsOf(coupons(sheet)), QStringList{"3,4.00"});
    }

    // Figures are computed once: neither typing into the rentals nor a later
    // change of the files or the rate changes them.
    void figures_areComputedOnceAtOpening()
    {
        StatementsFixture fixture;
        fixture.folder().write("vendeur_12.csv", "12,10\n9,7.5\n10,3\n");
        pickSeller(QStringLiteral("Jean Dupont"), 12, "1", "2");
        FeuilleVendeur *sheet = FeuilleVendeur::instance();
        auto *fees = child<fw::TextField>(sheet, "fraise");
        fees->clear();
        QTest::keyClicks(fees, QStringLiteral("7"));
        QTest::keyClicks(child<fw::TextField>(sheet, "locbac"), QStringLiteral("3"));
        fixture.folder().write("vendeur_12.csv", "1,100\n");
        Module1::qvotaux = 0.5;
        QCOMPARE(FeuilleVendeur::instance(), sheet);
        QCOMPARE(figures(sheet), (QStringList{"13", "2", "7", "20.50", "2.45", "3.05"}));
        QCOMPARE(coupons(sheet)->ListCount(), 3);
    }

    void fermer_closesAndWritesNothing()
    {
        StatementsFixture fixture;
        fixture.folder().write("vendeur_12.csv", "1,2\n");
        pickSeller(QStringLiteral("Jean Dupont"), 12, "1", "2");
        FeuilleVendeur *sheet = FeuilleVendeur::instance();
        sheet->Show();
        const QStringList before = QDir().entryList(QDir::Files);
        press(sheet, "BevelButton1");
        QVERIFY(!FeuilleVendeur::openInstance());
        QVERIFY(!sheet->isVisible());
        QCOMPARE(QDir().entryList(QDir::Files), before);
        QVERIFY(fixture.shell.calls.isEmpty());
        QVERIFY(fixture.messages().isEmpty());
    }

    void design_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("StaticText5") << "StaticText5" << QRect(40, 44, 150, 13) << "Vendeur:";
        QTest::newRow("EcceHomo") << "EcceHomo" << QRect(34, 60, 156, 30) << "";
        QTest::newRow("StaticText7") << "StaticText7" << QRect(33, 146, 112, 17) << "Location de bacs:";
        QTest::newRow("locbac") << "locbac" << QRect(152, 143, 84, 22) << "";
        QTest::newRow("StaticText8") << "StaticText8" << QRect(13, 177, 132, 17) << "Location de rampes:";
        QTest::newRow("locramp") << "locramp" << QRect(152, 177, 84, 22) << "";
        QTest::newRow("StaticText2") << "StaticText2" << QRect(76, 236, 69, 17) << "Total brut:";
        QTest::newRow("TotalBrut") << "TotalBrut" << QRect(152, 233, 84, 22) << "";
        QTest::newRow("StaticText3") << "StaticText3" << QRect(57, 283, 88, 16) << "Commission:";
        QTest::newRow("Kommision") << "Kommision" << QRect(152, 280, 84, 22) << "";
        QTest::newRow("StaticText9") << "StaticText9" << QRect(33, 322, 107, 17) << "Frais (locations):";
        QTest::newRow("fraise") << "fraise" << QRect(152, 322, 84, 22) << "";
        QTest::newRow("StaticText4") << "StaticText4" << QRect(76, 399, 98, 19) << "Total final:";
        QTest::newRow("TotalNet") << "TotalNet" << QRect(152, 397, 84, 22) << "";
        QTest::newRow("StaticText1") << "StaticText1" << QRect(290, 7, 200, 21) << "Liste des coupons encaissés";
        QTest::newRow("StaticText6") << "StaticText6" << QRect(297, 36, 177, 21)
                                     << QStringLiteral("n° coupon") + QString(9, u' ') + QStringLiteral("valeur");
        QTest::newRow("CouponsVendeur") << "CouponsVendeur" << QRect(290, 60, 191, 463) << "";
        QTest::newRow("BevelButton1") << "BevelButton1" << QRect(33, 485, 93, 30) << "Fermer";
        QTest::newRow("BevelButton2") << "BevelButton2" << QRect(152, 485, 93, 30) << "Imprimer";
        QTest::newRow("fromat") << "fromat" << QRect(201, 61, 73, 29) << "";
    }
    void design()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        StatementsFixture fixture;
        fixture.folder().write("vendeur_0.csv", "");
        FeuilleVendeur *sheet = FeuilleVendeur::instance();
        sheet->Show();
        verifyFixedWindow(sheet, QStringLiteral("Feuille Vendeur"), QSize(501, 535));
        verifyDesignedControl(sheet, name, geometry, caption);
    }

    void design_fields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("amount");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("hidden");
        const int left = int(Qt::AlignLeft | Qt::AlignVCenter);
        const int right = int(Qt::AlignRight | Qt::AlignVCenter);
        const int centre = int(Qt::AlignCenter);
        QTest::newRow("EcceHomo") << "EcceHomo" << false << true << left << false;
        QTest::newRow("locbac") << "locbac" << false << false << centre << false;
        QTest::newRow("locramp") << "locramp" << false << false << centre << false;
        QTest::newRow("TotalBrut") << "TotalBrut" << true << true << right << false;
        QTest::newRow("Kommision") << "Kommision" << true << true << right << false;
        QTest::newRow("fraise") << "fraise" << true << false << right << false;
        QTest::newRow("TotalNet") << "TotalNet" << true << true << right << false;
        QTest::newRow("fromat") << "fromat" << true << false << left << true;
    }
    void design_fields()
    {
        QFETCH(QString, name);
        QFETCH(bool, amount);
        QFETCH(bool, readOnly);
        QFETCH(int, alignment);
        QFETCH(bool, hidden);
        StatementsFixture fixture;
        fixture.folder().write("vendeur_0.csv", "");
        FeuilleVendeur *sheet = FeuilleVendeur::instance();
        sheet->Show();
        auto *field = sheet->findChild<fw::TextField *>(name);
        QVERIFY(field);
        QCOMPARE(field->format(), amount ? QStringLiteral("-####.00") : QString());
        QCOMPARE(field->isReadOnly(), readOnly);
        QCOMPARE(int(field->alignment()), alignment);
        QCOMPARE(field->isVisible(), !hidden);
        QVERIFY(!(field->focusPolicy() & Qt::TabFocus));
    }

    void design_listAndTabOrder()
    {
        StatementsFixture fixture;
        fixture.folder().write("vendeur_0.csv", "");
        FeuilleVendeur *sheet = FeuilleVendeur::instance();
        fw::Listbox *list = coupons(sheet);
        QCOMPARE(list->ColumnCount(), 2);
        QVERIFY(list->showGrid());
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!(list->focusPolicy() & Qt::TabFocus));
        auto *close = child<QWidget>(sheet, "BevelButton1");
        QCOMPARE(nextTabStop(close)->objectName(), QStringLiteral("BevelButton2"));
        QCOMPARE(nextTabStop(child<QWidget>(sheet, "BevelButton2")), close);
    }
};

VDL_TEST(TestFeuilleVendeur)
#include "tst_feuillevendeur.moc"
