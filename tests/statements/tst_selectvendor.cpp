#include "statementsupport.h"

#include "cashdesk/window1.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "statements/feuillevendeur.h"
#include "statements/selectvendor.h"

#include <QApplication>

namespace {


const QByteArray kTwoSellers = "Jean Dupont,12,Rue Haute 5,4000,Liège,1,50,1,2\n"
                               "Marie Martin,07,Place Verte,5000,Namur,51,100,0,1\n";

fw::Listbox *sellers(SelectVendor *picker) { return child<fw::Listbox>(picker, "ListVendeurs"); }

// Selects a row of the picker (-1: none) and presses its button.
void choose(SelectVendor *picker, int row)
{
    sellers(picker)->SetListIndex(row);
    press(picker, "BevelButton1");
}

struct SellerGlobals {
    QString SonNom, vc2, adresse2, zip2, localite2, bacs2, rampes2;
    int FindVendor = 0;

    static SellerGlobals now()
    {
        return {Module1::SonNom, Module1::vc2,   Module1::adresse2, Module1::zip2, Module1::localite2,
                Module1::bacs2,  Module1::rampes2, Module1::FindVendor};
    }
    QStringList texts() const
    {
        return {SonNom, vc2, adresse2, zip2, localite2, bacs2, rampes2, QString::number(FindVendor)};
    }
};

void setAllGlobals()
{
    Module1::SonNom = "avant";
    Module1::vc2 = "99";
    Module1::adresse2 = "a";
    Module1::zip2 = "z";
    Module1::localite2 = "l";
    Module1::bacs2 = "3";
    Module1::rampes2 = "4";
    Module1::FindVendor = 99;
}

int visibleWindows()
{
    int shown = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<fw::Window *>(w) && w->isVisible())
            ++shown;
    return shown;
}

} // namespace

class TestSelectVendor : public QObject
{
    Q_OBJECT

private slots:
    // What the cash desk's "Voir la feuille d'un vendeur particulier" does.
    void showingThePicker_readsTheRegisterOnce()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kTwoSellers);
        const CashDesk desk;
        desk.press("PushButton3");
        SelectVendor *picker = SelectVendor::openInstance();
        QVERIFY(picker);
        QVERIFY(picker->isVisible());
        QCOMPARE(picker->windowModality(), Qt::NonModal);
        QCOMPARE(rowsOf(sellers(picker)), (QStringList{"Jean Dupont,12,Rue Haute 5,4000,Liège,1,50,1,2",
                                                        "Marie Martin,07,Place Verte,5000,Namur,51,100,0,1"}));

        // Pressed again while it is open: the same picker, not read again.
        fixture.folder().write(kRegister, "Autre,3,,,,1,2,0,0\n");
        desk.press("PushButton3");
        QCOMPARE(SelectVendor::openInstance(), picker);
        QCOMPARE(sellers(picker)->ListCount(), 2);
        QVERIFY(fixture.messages().isEmpty());
    }

    void registerNotReadable_pickerNotShown_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("missing") << QString();
        QTest::newRow("unreadable") << "folder";
        QTest::newRow("a pipe") << "pipe";
    }
    void registerNotReadable_pickerNotShown()
    {
        QFETCH(QString, place);
        StatementsFixture fixture;
        putInPlace(fixture.folder(), kRegister, place);
        setAllGlobals();
        SelectVendor::instance()->Show();
        QCOMPARE(fixture.messages(), QStringList{"Erreur de lecture du fichier vendeur!"});
        QVERIFY(!SelectVendor::openInstance());
        QCOMPARE(visibleWindows(), 0);
        QCOMPARE(SellerGlobals::now().texts(), (QStringList{"avant", "99", "a", "z", "l", "3", "4", "99"}));

        // The next press reads the register again.
        QFile::remove(fixture.folder().path(kRegister));
        QDir().rmdir(fixture.folder().path(kRegister));
        fixture.folder().write(kRegister, kTwoSellers);
        SelectVendor::instance()->Show();
        QVERIFY(SelectVendor::openInstance());
        QCOMPARE(sellers(SelectVendor::openInstance())->ListCount(), 2);
    }

    void loading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("empty register") << QByteArray() << QStringList{};
        QTest::newRow("file order, fields trimmed")
            << QByteArray(" Zoé Lambert , 2 , Rue , 1000 , Bruxelles , 1 , 9 , 0 , 1 \nAndré,1,R,2,V,10,20,2,0\n")
            << QStringList{"Zoé Lambert,2,Rue,1000,Bruxelles,1,9,0,1", "André,1,R,2,V,10,20,2,0"};
        QTest::newRow("fields past the ninth ignored")
            << QByteArray("A,1,R,2,V,1,9,0,1,extra,more\n") << QStringList{"A,1,R,2,V,1,9,0,1"};
        // As LibreOffice Calc saves it, every cell quoted, one row of cells of empty text.
        QTest::newRow("saved by a spreadsheet: quotes dropped, a row of empty text skipped")
            << QByteArray("\"Zoë; \"\"Co\"\"\",\"06\",\"Place 3\",\"5000\",\"Namur\",\"11\",\"20\",\"0\",\"0\"\n"
                          "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\n")
            << QStringList{QStringLiteral("Zoë; \"Co\",06,Place 3,5000,Namur,11,20,0,0")};
        QTest::newRow("short line, blank line skipped")
            << QByteArray("Court,5\n\nB,6,R,2,V,1,9,0,1\n") << QStringList{"Court,5,,,,,,,", "B,6,R,2,V,1,9,0,1"};
    }
    void loading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, rows);
        StatementsFixture fixture;
        fixture.folder().write(kRegister, file);
        SelectVendor *picker = SelectVendor::instance();
        picker->Show();
        QVERIFY(picker->isVisible());
        QCOMPARE(rowsOf(sellers(picker)), rows);
        QCOMPARE(sellers(picker)->ListIndex(), -1);
        QVERIFY(fixture.messages().isEmpty());
    }

    // A line a spreadsheet wrote cannot be read: the picker names it and
    // offers the others.
    void unreadableLine_namedAndLeftOut()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kTwoSellers + "\"Dupont, Jean\",4,R,1,V,1,2,0,0\nB;6;R;2;V;1;9;0;1\n");
        SelectVendor *picker = SelectVendor::instance();
        picker->Show();
        QVERIFY(picker->isVisible());
        QCOMPARE(fixture.messages(), QStringList{app::ReadErrorMessage({kRegister, 3})});
        QCOMPARE(sellers(picker)->ListCount(), 2);
    }

    void choice_setsTheSellerGlobalsAndShowsTheSheet_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("salesFile");
        QTest::addColumn<QStringList>("globals"); // SonNom, vc2, address, zip, locality, tanks, ramps, FindVendor
        QTest::newRow("plain code")
            << QByteArray("Jean Dupont,12,Rue Haute 5,4000,Liège,1,50,1,2") << "vendeur_12.csv"
            << QStringList{"Jean Dupont", "12", "Rue Haute 5", "4000", "Liège", "1", "2", "12"};
        QTest::newRow("leading zero") << QByteArray("Marie,07,Place,5000,Namur,51,100,0,1") << "vendeur_7.csv"
                                      << QStringList{"Marie", "07", "Place", "5000", "Namur", "0", "1", "7"};
        QTest::newRow("code that is no number") << QByteArray("Paul,abc,R,1,V,1,2,0,0") << "vendeur_0.csv"
                                                << QStringList{"Paul", "abc", "R", "1", "V", "0", "0", "0"};
        QTest::newRow("short line") << QByteArray("Court,5") << "vendeur_5.csv"
                                    << QStringList{"Court", "5", "", "", "", "", "", "5"};
    }
    void choice_setsTheSellerGlobalsAndShowsTheSheet()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, salesFile);
        QFETCH(QStringList, globals);
        StatementsFixture fixture;
        fixture.folder().write(kRegister, "Autre,3,x,x,x,1,2,5,5\n" + line + "\n");
        fixture.folder().write(salesFile, "1,2\n");
        SelectVendor *picker = SelectVendor::instance();
        picker->Show();
        choose(picker, 1);

        QCOMPARE(SellerGlobals::now().texts(), globals);
        QVERIFY(!SelectVendor::openInstance());
        FeuilleVendeur *sheet = FeuilleVendeur::openInstance();
        QVERIFY(sheet);
        QVERIFY(sheet->isVisible());
        QCOMPARE(text(sheet, "EcceHomo"), globals[0]);
        QCOMPARE(rowsOf(child<fw::Listbox>(sheet, "CouponsVendeur")), QStringList{"1,2.00"});
        QVERIFY(fixture.messages().isEmpty());
    }

    void noSelection_clearsTheGlobalsAndKeepsThePicker()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kTwoSellers);
        SelectVendor *picker = SelectVendor::instance();
        picker->Show();
        setAllGlobals();
        choose(picker, -1);
        QCOMPARE(fixture.messages(), QStringList{"Aucun vendeur n'a été sélectionné!"});
        QCOMPARE(SellerGlobals::now().texts(), (QStringList{"avant", "", "", "", "", "", "", "0"}));
        QCOMPARE(SelectVendor::openInstance(), picker);
        QVERIFY(picker->isVisible());
        QVERIFY(!FeuilleVendeur::openInstance());
    }

    void emptyRegister_everyPressSaysNothingSelected()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, "");
        SelectVendor *picker = SelectVendor::instance();
        press(picker, "BevelButton1");
        press(picker, "BevelButton1");
        QCOMPARE(fixture.messages(),
                 (QStringList{"Aucun vendeur n'a été sélectionné!", "Aucun vendeur n'a été sélectionné!"}));
        QCOMPARE(SelectVendor::openInstance(), picker);
    }

    // Two sellers of the same name look alike; the row chosen decides.
    void sameNames_theRowChosenDecides()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, "Dupont,1,Rue A,1000,A,1,10,0,0\nDupont,2,Rue B,2000,B,11,20,1,1\n");
        fixture.folder().write("vendeur_2.csv", "11,5\n");
        SelectVendor *picker = SelectVendor::instance();
        QCOMPARE(sellers(picker)->Cell(0, 0), sellers(picker)->Cell(1, 0));
        choose(picker, 1);
        QCOMPARE(Module1::vc2, QStringLiteral("2"));
        QCOMPARE(Module1::adresse2, QStringLiteral("Rue B"));
        QCOMPARE(rowsOf(child<fw::Listbox>(FeuilleVendeur::openInstance(), "CouponsVendeur")),
                 QStringList{"11,5.00"});
    }

    void sellerWithoutSales_noSheet_pickerCloses()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kTwoSellers);
        SelectVendor *picker = SelectVendor::instance();
        picker->Show();
        choose(picker, 0);
        QCOMPARE(fixture.messages(), QStringList{"Ce vendeur n'a encore rien vendu!"});
        QVERIFY(!FeuilleVendeur::openInstance());
        QVERIFY(!SelectVendor::openInstance());
        QCOMPARE(visibleWindows(), 0);
        QCOMPARE(Module1::vc2, QStringLiteral("12"));
    }

    // The open sheet goes on showing the seller it was opened for; the
    // globals follow the picker.
    void choiceWhileASheetIsOpen_leavesTheSheetAsItIs()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kTwoSellers);
        fixture.folder().write("vendeur_12.csv", "1,10\n");
        fixture.folder().write("vendeur_7.csv", "51,3\n");
        choose(SelectVendor::instance(), 0);
        FeuilleVendeur *sheet = FeuilleVendeur::openInstance();
        QVERIFY(sheet);

        choose(SelectVendor::instance(), 1);
        QCOMPARE(FeuilleVendeur::openInstance(), sheet);
        QCOMPARE(text(sheet, "EcceHomo"), QStringLiteral("Jean Dupont"));
        QCOMPARE(rowsOf(child<fw::Listbox>(sheet, "CouponsVendeur")), QStringList{"1,10.00"});
        QCOMPARE(text(sheet, "fraise"), QStringLiteral("15.00"));
        QCOMPARE(SellerGlobals::now().texts(),
                 (QStringList{"Marie Martin", "07", "Place Verte", "5000", "Namur", "0", "1", "7"}));
        QVERIFY(!SelectVendor::openInstance());

        // Without a selection the globals are emptied; the sheet keeps its display.
        SelectVendor *picker = SelectVendor::instance();
        choose(picker, -1);
        QCOMPARE(SellerGlobals::now().texts(), (QStringList{"Marie Martin", "", "", "", "", "", "", "0"}));
        QCOMPARE(text(sheet, "TotalBrut"), QStringLiteral("10.00"));
        QCOMPARE(SelectVendor::openInstance(), picker);

        // Once the sheet is closed, the next choice opens it for that seller.
        press(sheet, "BevelButton1");
        choose(picker, 1);
        QVERIFY(FeuilleVendeur::openInstance() != nullptr);
        QCOMPARE(text(FeuilleVendeur::openInstance(), "EcceHomo"), QStringLiteral("Marie Martin"));
    }

    void design_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("ListVendeurs") << "ListVendeurs" << QRect(20, 14, 287, 286) << "";
        QTest::newRow("BevelButton1") << "BevelButton1" << QRect(20, 307, 283, 25) << "Sélectionner et cliquer ici!";
    }
    void design()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kTwoSellers);
        SelectVendor *picker = SelectVendor::instance();
        picker->Show();
        verifyFixedWindow(picker, QStringLiteral("Sélection du vendeur"), QSize(320, 352));
        verifyDesignedControl(picker, name, geometry, caption);
        if (auto *button = picker->findChild<QAbstractButton *>(name)) {
            QVERIFY(button->font().bold());
            QVERIFY(button->font().italic());
        }
    }

    void design_onlyTheNamesShow()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kTwoSellers);
        fw::Listbox *list = sellers(SelectVendor::instance());
        QCOMPARE(list->ColumnCount(), 9);
        QVERIFY(!list->isColumnHidden(0));
        for (int c = 1; c < 9; ++c)
            QVERIFY(list->isColumnHidden(c));
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(nextTabStop(list)->objectName(), QStringLiteral("BevelButton1"));
    }

    // Dragging a seller moves the whole register row, not only its name.
    void dragReorder_movesWholeRows()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kTwoSellers);
        fw::Listbox *list = sellers(SelectVendor::instance());
        QVERIFY(list->dragReorder());
        const QString firstCode = list->Cell(0, 1);
        list->MoveRow(0, 1);
        QCOMPARE(list->Cell(1, 1), firstCode);
        QCOMPARE(list->ListIndex(), 1);
    }
};

VDL_TEST(TestSelectVendor)
#include "tst_selectvendor.moc"
