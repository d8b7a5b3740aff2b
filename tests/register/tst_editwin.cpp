#include "calcregisters.h"
#include "drivers.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "register/editing.h"
#include "register/editwin.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include <sys/stat.h>

namespace {

const QStringList kBrowsing{"Selectioner", "nouveau", "quitter"};
const QStringList kRowSelected{"modifier", "abandonner", "quitter"};
const QStringList kNewSeller{"ajouter", "abandonner"};
const QStringList kEdited{"Selectioner", "nouveau", "EnretQuit"};

// Highest code 12, highest last coupon 480, with free codes and coupons below.
const QByteArray kThreeSellers = "Jean Dupont,12,Rue Haute 5,4000,Liège,1,50,1,2\n"
                                 "Marie Martin,3,Place Verte,5000,Namur,321,480,0,1\n"
                                 "Paul Durand,7,Quai 2,6000,Charleroi,300,320,2,0\n";
const QByteArray kStaleIndex = "999,Vieux,99\n";

const QString kNewSellerMessage =
    QStringLiteral("Entrez les coordonnées du nouveau vendeur puis cliquez sur \"Ajouter\"");

// The register editor, as the organiser uses it.
class EditorForm : public FormDriver<editwin>
{
public:
    static inline const QStringList buttons{"Selectioner", "modifier", "ajouter", "nouveau",
                                            "abandonner",  "EnretQuit", "quitter"};
    // In the order of the list's columns.
    static constexpr const char *fields[] = {"NomVendeur",   "CodeVendeur", "AdresseVendeur",
                                                "NumPostVendeur", "VilleVendeur", "CouponStart",
                                                "CouponStop",   "locaquariums", "locrampes"};

    explicit EditorForm(editwin *window = editwin::instance()) : FormDriver(window) {}

    static int fieldColumn(const QString &name)
    {
        for (int c = 0; c < int(std::size(fields)); ++c)
            if (name == QLatin1String(fields[c]))
                return c;
        return -1;
    }

    fw::Listbox *list() const { return control<fw::Listbox>("ListeVendeurs2"); }
    QStringList row(int r) const { return FormDriver::row("ListeVendeurs2", r); }
    QList<QStringList> rows() const
    {
        QList<QStringList> all;
        for (int r = 0; r < list()->ListCount(); ++r)
            all.append(row(r));
        return all;
    }
    QStringList fieldTexts() const
    {
        QStringList texts;
        for (const char *name : fields)
            texts.append(text(name));
        return texts;
    }
    void typeAll(const QString &text) const
    {
        for (const char *name : fields)
            type(name, text);
    }
    QStringList shown() const
    {
        QStringList names;
        for (const QString &name : buttons)
            if (!control<QAbstractButton>(qPrintable(name))->isHidden())
                names.append(name);
        return names;
    }

    // Clicks a button the organiser can see; false when it is hidden.
    [[nodiscard]] bool press(const QString &name) const
    {
        auto *button = control<QAbstractButton>(qPrintable(name));
        if (button->isHidden())
            return false;
        button->click();
        return true;
    }
    // A step of the organiser: a button, "select" / "select none" (row 0 or no row highlighted, then
    // "Sélectionner"), or "name" (a name typed, which "Ajouter" asks for).
    [[nodiscard]] bool step(const QString &what) const
    {
        if (what == QLatin1String("name")) {
            type("NomVendeur", QStringLiteral("Léa"));
            return true;
        }
        if (what == QLatin1String("select") || what == QLatin1String("select none")) {
            list()->SetListIndex(what == QLatin1String("select") ? 0 : -1);
            return press("Selectioner");
        }
        return press(what);
    }
};

// Puts in the place of a data file a "folder", or a "pipe" that no one
// writes: opening it to read, or to write, would wait for ever.
void putInPlace(const DataFolder &folder, const QString &name, const QString &what)
{
    QFile::remove(folder.path(name));
    if (what == QLatin1String("folder"))
        folder.block(name);
    else if (mkfifo(QFile::encodeName(folder.path(name)).constData(), 0600) != 0)
        qFatal("cannot make the pipe");
}

// Takes away what putInPlace put there.
bool takeAway(const DataFolder &folder, const QString &name)
{
    return QDir().rmdir(folder.path(name)) || QFile::remove(folder.path(name));
}

QStringList indexLines(int first, int last, const QString &nameAndCode)
{
    QStringList lines;
    for (int n = first; n <= last; ++n)
        lines.append(QString::number(n) + QLatin1Char(',') + nameAndCode);
    return lines;
}

// The save's refusal of a seller of the list.
QString saveRefusal(const QString &reason, const QString &name, const QString &code)
{
    return reason + QStringLiteral(" Vendeur : ") + name + QStringLiteral(", numéro ") + code +
           QStringLiteral(". Aucun des deux fichiers vendeurs n'a été modifié.");
}

QStringList threeSellersIndex()
{
    return indexLines(1, 50, "Jean Dupont,12") + indexLines(321, 480, "Marie Martin,3") +
           indexLines(300, 320, "Paul Durand,7");
}

} // namespace

class TestEditWin : public QObject
{
    Q_OBJECT

private slots:
    void lineOfTheRegister_isLoadedAndSavedBackWithNineFields_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QStringList>("index");
        QTest::newRow("nine fields") << QByteArray("Jean Dupont,12,Rue Haute 5,4000,Liège,1,3,1,2")
                                     << QStringList{"Jean Dupont", "12", "Rue Haute 5", "4000", "Liège",
                                                    "1",           "3",  "1",           "2"}
                                     << "Jean Dupont,12,Rue Haute 5,4000,Liège,1,3,1,2"
                                     << indexLines(1, 3, "Jean Dupont,12");
        QTest::newRow("blanks trimmed") << QByteArray("  Jean Dupont , 12 ,Rue Haute 5, 4000,Liège\t,1, 3 ,1,2 ")
                                        << QStringList{"Jean Dupont", "12", "Rue Haute 5", "4000", "Liège",
                                                       "1",           "3",  "1",           "2"}
                                        << "Jean Dupont,12,Rue Haute 5,4000,Liège,1,3,1,2"
                                        << indexLines(1, 3, "Jean Dupont,12");
        QTest::newRow("more than nine fields")
            << QByteArray("A,1,R,1000,V,4,4,0,0,extra,more")
            << QStringList{"A", "1", "R", "1000", "V", "4", "4", "0", "0"} << "A,1,R,1000,V,4,4,0,0"
            << QStringList{"4,A,1"};
        QTest::newRow("fewer than nine fields")
            << QByteArray("A,2,R") << QStringList{"A", "2", "R", "", "", "", "", "", ""} << "A,2,R,,,,,,"
            << QStringList{"0,A,2"};
    }
    void lineOfTheRegister_isLoadedAndSavedBackWithNineFields()
    {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, row);
        QFETCH(QString, saved);
        QFETCH(QStringList, index);
        ProgramFixture fixture;
        fixture.folder.write(kRegister, line + '\n');
        EditorForm form;
        QCOMPARE(form.rows(), QList<QStringList>{row});
        QCOMPARE(form.fieldTexts(), (QStringList{"", "", "", "", "", "", "", "0", "0"}));
        QCOMPARE(form.shown(), kBrowsing);

        QVERIFY(form.step("select"));
        QVERIFY(form.press("abandonner"));
        QVERIFY(form.press("EnretQuit"));
        QCOMPARE(fixture.folder.lines(kRegister), QStringList{saved});
        QCOMPARE(fixture.folder.lines(kIndex), index);
        QVERIFY(!editwin::openInstance());
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }

    // A register saved by a spreadsheet: every seller is loaded, and the
    // save writes every one back.
    void register_withOtherLineEnds_keepsEverySeller_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("CR (CSV Macintosh)") << QByteArray("A,1,R,1000,V,1,2,0,0\rB,2,S,2000,W,3,3,1,0\r");
        QTest::newRow("CRLF") << QByteArray("A,1,R,1000,V,1,2,0,0\r\nB,2,S,2000,W,3,3,1,0\r\n");
        QTest::newRow("CR, no last line end") << QByteArray("A,1,R,1000,V,1,2,0,0\rB,2,S,2000,W,3,3,1,0");
        QTest::newRow("mixed") << QByteArray("A,1,R,1000,V,1,2,0,0\r\nB,2,S,2000,W,3,3,1,0\n");
    }
    void register_withOtherLineEnds_keepsEverySeller()
    {
        QFETCH(QByteArray, content);
        ProgramFixture fixture;
        fixture.folder.write(kRegister, content);
        EditorForm form;
        QCOMPARE(form.rows(), (QList<QStringList>{{"A", "1", "R", "1000", "V", "1", "2", "0", "0"},
                                                  {"B", "2", "S", "2000", "W", "3", "3", "1", "0"}}));
        QVERIFY(form.step("select"));
        QVERIFY(form.press("abandonner"));
        QVERIFY(form.press("EnretQuit"));
        QCOMPARE(fixture.folder.read(kRegister), QByteArray("A,1,R,1000,V,1,2,0,0\nB,2,S,2000,W,3,3,1,0\n"));
        QCOMPARE(fixture.folder.lines(kIndex), (QStringList{"1,A,1", "2,A,1", "3,B,2"}));
    }

    void save_rewritesBothFilesFromTheListAndNothingElse()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, "A,1,,,,1,3,0,0\n"
                                        "B,2,,,,,,0,0\n"          // no bounds: coupon 0
                                        "C,3,,,,9,,0,0\n"         // no last coupon: none
                                        "D,4,,,,,,,\n"            // no bounds either
                                        "E,5,,,,2147483646,2147483647,0,0\n");
        fixture.folder.write(kIndex, kStaleIndex);
        fixture.folder.write("vendeur_3.csv", "9,12.50\n");
        fixture.folder.write(kJournal, "head\n");
        EditorForm form;
        QVERIFY(form.step("select"));
        QVERIFY(form.press("abandonner"));
        QVERIFY(form.press("EnretQuit"));
        QCOMPARE(fixture.folder.lines(kRegister),
                 (QStringList{"A,1,,,,1,3,0,0", "B,2,,,,,,0,0", "C,3,,,,9,,0,0", "D,4,,,,,,,",
                              "E,5,,,,2147483646,2147483647,0,0"}));
        QCOMPARE(fixture.folder.lines(kIndex), (QStringList{"1,A,1", "2,A,1", "3,A,1", "0,B,2", "0,D,4",
                                                            "2147483646,E,5", "2147483647,E,5"}));
        QCOMPARE(fixture.folder.read("vendeur_3.csv"), QByteArray("9,12.50\n"));
        QCOMPARE(fixture.folder.read(kJournal), QByteArray("head\n"));
        QVERIFY(!editwin::openInstance());
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }

    void emptyRegister_proposesTheFirstSellerAndSavesEmptyFiles()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, "");
        fixture.folder.write(kIndex, kStaleIndex);
        EditorForm form;
        QCOMPARE(form.list()->ListCount(), 0);
        QCOMPARE(form.shown(), kBrowsing);
        QVERIFY(form.press("nouveau"));
        QCOMPARE(form.text("CodeVendeur"), QStringLiteral("1"));
        QCOMPARE(form.text("CouponStart"), QStringLiteral("1"));
        QVERIFY(form.press("abandonner"));
        QVERIFY(form.press("EnretQuit"));
        QVERIFY(fixture.folder.exists(kRegister));
        QVERIFY(fixture.folder.exists(kIndex));
        QCOMPARE(fixture.folder.read(kRegister), QByteArray());
        QCOMPARE(fixture.folder.read(kIndex), QByteArray());
    }

    void opening_withoutARegister_tellsAndNeverShows_data()
    {
        QTest::addColumn<QString>("inItsPlace"); // empty: missing
        QTest::newRow("missing") << QString();
        QTest::newRow("a folder in its place") << "folder";
        QTest::newRow("a pipe in its place") << "pipe";
    }
    void opening_withoutARegister_tellsAndNeverShows()
    {
        QFETCH(QString, inItsPlace);
        const bool folderInItsPlace = !inItsPlace.isEmpty();
        ProgramFixture fixture;
        fixture.folder.write(kIndex, kStaleIndex);
        if (folderInItsPlace)
            putInPlace(fixture.folder, kRegister, inItsPlace);
        Module1::generalfailure = 7;
        editwin *w = editwin::instance();
        w->Show();
        QCOMPARE(fixture.dialogs.messages, QStringList{"Le fichier des vendeurs n'existe pas!"});
        QVERIFY(!w->isVisible());
        QVERIFY(!editwin::openInstance());
        QCOMPARE(Module1::generalfailure, 7);
        QCOMPARE(fixture.folder.read(kIndex), kStaleIndex);
        QCOMPARE(fixture.folder.exists(kRegister), folderInItsPlace);

        // Once there is a register, the next press opens the editor on it.
        QCOMPARE(takeAway(fixture.folder, kRegister), folderInItsPlace);
        fixture.folder.write(kRegister, kThreeSellers);
        EditorForm form;
        QVERIFY(form.w != w);
        QCOMPARE(form.list()->ListCount(), 3);
    }

    void nouveau_proposesOneAboveTheHighest_data()
    {
        QTest::addColumn<QByteArray>("sellers");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("firstCoupon");
        QTest::newRow("empty register") << QByteArray() << "1" << "1";
        QTest::newRow("numbers free below the highest") << kThreeSellers << "13" << "481";
        QTest::newRow("a last coupon below its first")
            << QByteArray("A,4,,,,500,480,0,0\nB,2,,,,1,20,0,0\n") << "5" << "481";
        QTest::newRow("nothing above zero") << QByteArray("A,-5,,,,1,-3,0,0\nB,abc,,,,1,xyz,0,0\nC,0,,,,1,0,0,0\n")
                                            << "1" << "1";
        QTest::newRow("leading zeros and fractions") << QByteArray("A,007,,,,1,099.9,0,0\n") << "8" << "100";
        QTest::newRow("a short line") << QByteArray("A,3\n") << "4" << "1";
        QTest::newRow("the largest Integer does not wrap")
            << QByteArray("A,2147483647,,,,1,2147483647,0,0\n") << "2147483648" << "2147483648";
        QTest::newRow("beyond the Integer range")
            << QByteArray("A,99999999999,,,,1,99999999999,0,0\nB,-99999999999,,,,1,-99999999999,0,0\n")
            << "2147483648" << "2147483648";
    }
    void nouveau_proposesOneAboveTheHighest()
    {
        QFETCH(QByteArray, sellers);
        QFETCH(QString, code);
        QFETCH(QString, firstCoupon);
        ProgramFixture fixture;
        fixture.folder.write(kRegister, sellers);
        EditorForm form;
        form.typeAll("x");
        QVERIFY(form.press("nouveau"));
        QCOMPARE(fixture.dialogs.messages, QStringList{kNewSellerMessage});
        QCOMPARE(form.fieldTexts(), (QStringList{"", code, "", "", "", firstCoupon, "", "0", "0"}));
        QCOMPARE(form.shown(), kNewSeller);
    }

    void nouveau_countsRowsNotYetSaved()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        EditorForm form;
        QVERIFY(form.press("nouveau"));
        form.type("NomVendeur", QStringLiteral("Léa"));
        form.type("CodeVendeur", "40");
        form.type("CouponStop", "900");
        QVERIFY(form.press("ajouter"));
        QVERIFY(form.press("nouveau"));
        QCOMPARE(form.text("CodeVendeur"), QStringLiteral("41"));
        QCOMPARE(form.text("CouponStart"), QStringLiteral("901"));

        QVERIFY(form.press("abandonner"));
        QVERIFY(form.step("select"));
        form.type("CodeVendeur", "50");
        form.type("CouponStart", "901");
        form.type("CouponStop", "1000");
        QVERIFY(form.press("modifier"));
        QVERIFY(form.press("nouveau"));
        QCOMPARE(form.text("CodeVendeur"), QStringLiteral("51"));
        QCOMPARE(form.text("CouponStart"), QStringLiteral("1001"));
    }

    void step_showsTheButtonsOfTheStateReached_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("opening") << QStringList() << kBrowsing;
        QTest::newRow("browsing, Sélectionner") << QStringList{"select"} << kRowSelected;
        QTest::newRow("browsing, Sélectionner without a row") << QStringList{"select none"} << kBrowsing;
        QTest::newRow("browsing, Nouveau") << QStringList{"nouveau"} << kNewSeller;
        QTest::newRow("row selected, Modifier") << QStringList{"select", "modifier"} << kEdited;
        QTest::newRow("row selected, Abandonner") << QStringList{"select", "abandonner"} << kEdited;
        QTest::newRow("new seller, Ajouter") << QStringList{"nouveau", "name", "ajouter"} << kEdited;
        QTest::newRow("new seller, Ajouter without a name") << QStringList{"nouveau", "ajouter"} << kNewSeller;
        QTest::newRow("new seller, Abandonner") << QStringList{"nouveau", "abandonner"} << kEdited;
        QTest::newRow("edited, Sélectionner") << QStringList{"select", "abandonner", "select"} << kRowSelected;
        QTest::newRow("edited, Sélectionner without a row")
            << QStringList{"select", "abandonner", "select none"} << kEdited;
        QTest::newRow("edited, Nouveau") << QStringList{"select", "abandonner", "nouveau"} << kNewSeller;
    }
    void step_showsTheButtonsOfTheStateReached()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, shown);
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        EditorForm form;
        for (const QString &step : steps)
            QVERIFY2(form.step(step), qPrintable(step + " is hidden"));
        QCOMPARE(form.shown(), shown);
        // Hidden, never disabled.
        for (const QString &name : EditorForm::buttons)
            QVERIFY(form.control<QAbstractButton>(qPrintable(name))->isEnabled());
        QCOMPARE(editwin::openInstance(), form.w);
    }

    void exit_closesTheEditorAndOnlyTheSaveWrites_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("saved");
        QTest::newRow("browsing, Quitter") << QStringList{"quitter"} << false;
        QTest::newRow("row selected after a change, Quitter")
            << QStringList{"nouveau", "name", "ajouter", "select", "quitter"} << false;
        QTest::newRow("edited, Enregistrer et Quitter")
            << QStringList{"nouveau", "name", "ajouter", "EnretQuit"} << true;
    }
    void exit_closesTheEditorAndOnlyTheSaveWrites()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, saved);
        ProgramFixture fixture;
        const QByteArray untrimmed = " A ,1,,,,1,2,0,0\n";
        fixture.folder.write(kRegister, untrimmed);
        fixture.folder.write(kIndex, kStaleIndex);
        EditorForm form;
        for (const QString &step : steps)
            QVERIFY2(form.step(step), qPrintable(step + " is hidden"));
        QVERIFY(!editwin::openInstance());
        if (saved) {
            QCOMPARE(fixture.folder.lines(kRegister),
                     (QStringList{"A,1,,,,1,2,0,0", QStringLiteral("Léa,2,,,,3,,0,0")}));
            QCOMPARE(fixture.folder.lines(kIndex), (QStringList{"1,A,1", "2,A,1"}));
        } else {
            QCOMPARE(fixture.folder.read(kRegister), untrimmed);
            QCOMPARE(fixture.folder.read(kIndex), kStaleIndex);
        }

        // The next press reloads the file: rows not saved are gone.
        EditorForm again;
        QVERIFY(again.w != form.w);
        QCOMPARE(again.list()->ListCount(), saved ? 2 : 1);
        QCOMPARE(again.shown(), kBrowsing);
    }

    void showWhileOpen_bringsTheSameEditorWithItsRows()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        EditorForm form;
        form.w->Show();
        QVERIFY(form.press("nouveau"));
        form.type("NomVendeur", QStringLiteral("Léa"));
        QVERIFY(form.press("ajouter"));
        fixture.folder.write(kRegister, "Autre,1,,,,1,1,0,0\n");
        editwin::instance()->Show();
        QCOMPARE(editwin::openInstance(), form.w);
        QVERIFY(form.w->isVisible());
        QCOMPARE(form.list()->ListCount(), 4);
        QCOMPARE(form.shown(), kEdited);
    }

    void selectioner_copiesTheRowIntoTheFields()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        EditorForm form;
        form.list()->SetListIndex(1);
        QVERIFY(form.press("Selectioner"));
        QCOMPARE(Module1::generalfailure, 1);
        QCOMPARE(form.text("NomVendeur"), QStringLiteral("Marie Martin"));
        QCOMPARE(form.text("CodeVendeur"), QStringLiteral("3"));
        QCOMPARE(form.text("CouponStart"), QStringLiteral("321"));
        QCOMPARE(form.text("CouponStop"), QStringLiteral("480"));
        QCOMPARE(form.text("locaquariums"), QStringLiteral("0"));
        QCOMPARE(form.text("locrampes"), QStringLiteral("1"));
        QCOMPARE(form.fieldTexts(), form.row(1));
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }

    void selectioner_withoutARow_changesNothingButTheRowNumber()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        EditorForm form;
        QVERIFY(form.step("select"));
        QVERIFY(form.press("abandonner"));
        form.type("NomVendeur", "en cours");
        const QList<QStringList> before = form.rows();
        QVERIFY(form.step("select none"));
        QCOMPARE(fixture.dialogs.messages, QStringList{"Aucun vendeur n'a été sélectionné!"});
        QCOMPARE(Module1::generalfailure, -1);
        QCOMPARE(form.fieldTexts(), (QStringList{"en cours", "", "", "", "", "", "", "", ""}));
        QCOMPARE(form.rows(), before);
    }

    // Also: what is typed is saved as typed, and trimmed only by the next opening.
    void modifier_writesTheFieldsAsTypedIntoTheRowFirstSelected()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        EditorForm form;
        QVERIFY(form.step("select"));
        form.list()->SetListIndex(2);
        form.type("NomVendeur", "  Jean Dupont-Lenoir ");
        form.type("CouponStop", " 60 ");
        form.type("locaquariums", "3");
        const QStringList untouched = form.row(2);
        QVERIFY(form.press("modifier"));
        QCOMPARE(form.row(0), (QStringList{"  Jean Dupont-Lenoir ", "12", "Rue Haute 5", "4000", "Liège", "1", " 60 ",
                                           "3", "2"}));
        QCOMPARE(form.row(2), untouched);
        QCOMPARE(form.fieldTexts(), QStringList(9, QString()));

        QVERIFY(form.press("EnretQuit"));
        const QStringList lines = fixture.folder.lines(kRegister);
        QCOMPARE(lines.value(0), QStringLiteral("  Jean Dupont-Lenoir ,12,Rue Haute 5,4000,Liège,1, 60 ,3,2"));
        QCOMPARE(fixture.folder.lines(kIndex), indexLines(1, 60, "  Jean Dupont-Lenoir ,12") +
                                                   indexLines(321, 480, "Marie Martin,3") +
                                                   indexLines(300, 320, "Paul Durand,7"));

        EditorForm again;
        QCOMPARE(again.row(0),
                 (QStringList{"Jean Dupont-Lenoir", "12", "Rue Haute 5", "4000", "Liège", "1", "60", "3", "2"}));
    }

    void modifier_withoutAnExistingRow_keepsEverything_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("none selected") << -1;
        QTest::newRow("one past the last") << 3;
        QTest::newRow("far beyond") << 100000;
    }
    void modifier_withoutAnExistingRow_keepsEverything()
    {
        QFETCH(int, row);
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        EditorForm form;
        const QList<QStringList> before = form.rows();
        form.typeAll("x");
        Module1::generalfailure = row;
        form.w->modifier_Action();
        QCOMPARE(form.rows(), before);
        QCOMPARE(form.fieldTexts(), QStringList(9, QStringLiteral("x")));
        QCOMPARE(form.shown(), kBrowsing);
    }

    // Also: blanks typed around a field are saved, and trimmed by the next opening.
    void ajouter_appendsTheFieldsAsTyped()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        EditorForm form;
        QVERIFY(form.press("nouveau"));
        form.type("NomVendeur", "Dupont Jean");
        form.type("CodeVendeur", " 20");
        form.type("AdresseVendeur", " Rue  Basse ");
        form.type("CouponStop", "490 ");
        QVERIFY(form.press("ajouter"));
        QCOMPARE(form.list()->ListCount(), 4);
        QCOMPARE(form.row(3), (QStringList{"Dupont Jean", " 20", " Rue  Basse ", "", "", "481", "490 ", "0", "0"}));
        QCOMPARE(form.row(0).value(0), QStringLiteral("Jean Dupont")); // not sorted
        QCOMPARE(form.fieldTexts(), QStringList(9, QString()));

        QVERIFY(form.press("EnretQuit"));
        QCOMPARE(fixture.folder.lines(kRegister).value(3),
                 QStringLiteral("Dupont Jean, 20, Rue  Basse ,,,481,490 ,0,0"));
        QCOMPARE(fixture.folder.lines(kIndex), threeSellersIndex() + indexLines(481, 490, "Dupont Jean, 20"));

        EditorForm again;
        QCOMPARE(again.row(3), (QStringList{"Dupont Jean", "20", "Rue  Basse", "", "", "481", "490", "0", "0"}));
    }

    // Modifier on Jean Dupont (1 to 50, code 12); Ajouter on the proposed new
    // seller (code 13, first coupon 481) with the last coupon 490. What is put
    // right is then saved.
    void modifierAndAjouter_refuseASellerThatCannotBeWrittenAsMeant_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("right");
        const auto modifier = [](const char *name, const char *field, const QString &typed, const QString &message,
                                 const char *right) {
            QTest::newRow((QByteArray("Modifier: ") + name).constData())
                << "modifier" << field << typed << message << right;
        };
        const auto ajouter = [](const char *name, const char *field, const QString &typed, const QString &message,
                                const char *right) {
            QTest::newRow((QByteArray("Ajouter: ") + name).constData())
                << "ajouter" << field << typed << message << right;
        };
        modifier("address with a comma", "AdresseVendeur", "Gare 3, case 12", splitRefusal("Adresse"), "Rue Haute 5");
        modifier("name on two lines", "NomVendeur", "Jean\nDupont", splitRefusal("Nom"), "Jean Dupont");
        modifier("locality in quotes", "VilleVendeur", "\"Liège\"", quotedRefusal("Localité"), "Liège");
        modifier("ramps with a CR", "locrampes", "2\r", splitRefusal("Rampes (50cm)"), "2");
        modifier("one coupon too many", "CouponStop", "100001", rangeRefusal("100001"), "50");
        modifier("code A5", "CodeVendeur", "A5", notWholeRefusal("Numéro", "A5"), "12");
        modifier("last coupon 12O", "CouponStop", "12O", notWholeRefusal("Coupons à...", "12O"), "50");
        modifier("tanks -2", "locaquariums", "-2", notWholeRefusal("Aquariums", "-2"), "1");
        modifier("name emptied", "NomVendeur", "", kNoNameRefusal, "Jean Dupont");
        modifier("name of blanks", "NomVendeur", " \t ", kNoNameRefusal, "Jean Dupont");
        modifier("no code", "CodeVendeur", "", kEmptyCodeRefusal, "12");
        modifier("last below first", "CouponStart", "60", backwardsRefusal("50", "60"), "1");
        modifier("overlap", "CouponStop", "330", overlapRefusal("1 à 330", "Marie Martin", "3", "321 à 480"), "50");
        modifier("code of another row", "CodeVendeur", "07", codeRefusal("Paul Durand", "7"), "12");
        ajouter("no name", "NomVendeur", "", kNoNameRefusal, "Léa");
        ajouter("name of blanks", "NomVendeur", "   ", kNoNameRefusal, "Léa");
        ajouter("name a tab", "NomVendeur", "\t", kNoNameRefusal, "Léa");
        ajouter("code with a comma", "CodeVendeur", "13,5", splitRefusal("Numéro"), "13");
        ajouter("locality with CR LF", "VilleVendeur", "Namur\r\n", splitRefusal("Localité"), "Namur");
        ajouter("first coupon with a comma", "CouponStart", "481,5", splitRefusal("Coupons de..."), "481");
        ajouter("beyond the largest Integer", "CouponStop", "9999999999", rangeRefusal("2147483167"), "490");
        ajouter("code A5", "CodeVendeur", "A5", notWholeRefusal("Numéro", "A5"), "13");
        ajouter("last coupon 12O", "CouponStop", "12O", notWholeRefusal("Coupons à...", "12O"), "490");
        ajouter("ramps deux", "locrampes", "deux", notWholeRefusal("Rampes (50cm)", "deux"), "");
        ajouter("tanks -2", "locaquariums", "-2", notWholeRefusal("Aquariums", "-2"), "0");
        ajouter("85 typed as 5", "CouponStop", "5", backwardsRefusal("5", "481"), "490");
        ajouter("no first coupon", "CouponStart", " ", kNoFirstCouponRefusal, "481");
        ajouter("overlap", "CouponStart", "470", overlapRefusal("470 à 490", "Marie Martin", "3", "321 à 480"), "481");
        ajouter("code of a row", "CodeVendeur", "012", codeRefusal("Jean Dupont", "12"), "13");
    }
    void modifierAndAjouter_refuseASellerThatCannotBeWrittenAsMeant()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, right);
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        fixture.folder.write(kIndex, kStaleIndex);
        EditorForm form;
        const bool modifying = button == QLatin1String("modifier");
        QVERIFY(form.step(modifying ? "select" : "nouveau"));
        if (!modifying) {
            form.type("NomVendeur", QStringLiteral("Léa"));
            form.type("CouponStop", "490");
        }
        fixture.dialogs.messages.clear();
        const QList<QStringList> rows = form.rows();
        form.type(qPrintable(field), typed);
        const QStringList texts = form.fieldTexts();

        QVERIFY(form.press(button));
        QCOMPARE(fixture.dialogs.messages, QStringList{message});
        QCOMPARE(form.rows(), rows);
        QCOMPARE(form.fieldTexts(), texts);
        QCOMPARE(form.shown(), modifying ? kRowSelected : kNewSeller);
        QCOMPARE(fixture.folder.read(kRegister), kThreeSellers);
        QCOMPARE(fixture.folder.read(kIndex), kStaleIndex);

        // Put right, the seller goes in and is saved.
        form.type(qPrintable(field), right);
        QVERIFY(form.press(button));
        QCOMPARE(fixture.dialogs.messages.size(), 1);
        QVERIFY(form.press("EnretQuit"));
        QCOMPARE(fixture.dialogs.messages.size(), 1);
        QCOMPARE(fixture.folder.read(kRegister).left(kThreeSellers.size()), kThreeSellers);
        if (modifying) {
            QCOMPARE(fixture.folder.lines(kRegister).size(), 3);
            QCOMPARE(fixture.folder.lines(kIndex), threeSellersIndex());
        } else {
            QCOMPARE(fixture.folder.lines(kRegister).size(), 4);
            QCOMPARE(fixture.folder.lines(kIndex),
                     threeSellersIndex() + indexLines(481, 490, QStringLiteral("Léa,13")));
        }
    }

    // A nameless line written before names were asked for cannot be removed
    // in the editor: the save keeps it rather than hold back every other change.
    void save_keepsANamelessSellerAlreadyInTheRegister()
    {
        ProgramFixture fixture;
        const QByteArray loaded = kThreeSellers + ",13,,,,481,,0,0\n";
        fixture.folder.write(kRegister, loaded);
        fixture.folder.write(kIndex, kStaleIndex);
        EditorForm form;
        QVERIFY(form.step("select"));
        form.type("CouponStop", "60");
        QVERIFY(form.press("modifier"));
        QVERIFY(form.press("EnretQuit"));
        QVERIFY2(fixture.dialogs.messages.isEmpty(), qPrintable(fixture.dialogs.messages.join('|')));
        QVERIFY(!editwin::openInstance());
        QCOMPARE(fixture.folder.lines(kRegister),
                 (QStringList{QStringLiteral("Jean Dupont,12,Rue Haute 5,4000,Liège,1,60,1,2"),
                              "Marie Martin,3,Place Verte,5000,Namur,321,480,0,1",
                              "Paul Durand,7,Quai 2,6000,Charleroi,300,320,2,0", ",13,,,,481,,0,0"}));
        QCOMPARE(fixture.folder.lines(kIndex), indexLines(1, 60, "Jean Dupont,12") +
                                                   indexLines(321, 480, "Marie Martin,3") +
                                                   indexLines(300, 320, "Paul Durand,7"));
    }

    // A register written before ranges were checked: the save shows the
    // seller and writes nothing until the range is put right.
    void save_refusesALoadedRangeOfTooManyCoupons()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers + "Tout,8,,,,481,9999999999,0,0\n");
        fixture.folder.write(kIndex, kStaleIndex);
        EditorForm form;
        QVERIFY(form.step("select"));
        QVERIFY(form.press("abandonner"));
        QVERIFY(form.press("EnretQuit"));
        QCOMPARE(fixture.dialogs.messages,
                 QStringList{QStringLiteral("Cette plage contient 2147483167 coupons : un vendeur ne peut en avoir plus "
                                            "de 100000. Vendeur : Tout, numéro 8. Aucun des deux fichiers vendeurs "
                                            "n'a été modifié.")});
        QCOMPARE(fixture.folder.read(kRegister), kThreeSellers + "Tout,8,,,,481,9999999999,0,0\n");
        QCOMPARE(fixture.folder.read(kIndex), kStaleIndex);
        QCOMPARE(editwin::openInstance(), form.w);
        QCOMPARE(form.list()->ListIndex(), 3);
        QCOMPARE(form.shown(), kEdited);

        QVERIFY(form.press("Selectioner"));
        form.type("CouponStop", "600");
        QVERIFY(form.press("modifier"));
        QVERIFY(form.press("EnretQuit"));
        QVERIFY(!editwin::openInstance());
        QCOMPARE(fixture.folder.lines(kIndex), threeSellersIndex() + indexLines(481, 600, "Tout,8"));
    }

    // A register written before sellers were checked, or edited by hand: the
    // save shows the first row it cannot write and writes nothing, so that
    // the index never sends a coupon to two sellers.
    void save_refusesALoadedRegisterThatCannotBeWrittenAsMeant_data()
    {
        QTest::addColumn<QByteArray>("loaded");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("message");
        QTest::newRow("an overlap")
            << kThreeSellers + "Léa,8,,,,40,60,0,0\n" << 3
            << saveRefusal(overlapRefusal("40 à 60", "Jean Dupont", "12", "1 à 50"), "Léa", "8");
        QTest::newRow("an overlap of rows apart")
            << QByteArray("Jean Dupont,12,,,,1,50,0,0\nMarie Martin,3,,,,51,480,0,0\nPaul Durand,7,,,,300,320,0,0\n")
            << 2 << saveRefusal(overlapRefusal("300 à 320", "Marie Martin", "3", "51 à 480"), "Paul Durand", "7");
        QTest::newRow("a last coupon below the first")
            << kThreeSellers + "Rien,8,,,,400,399,0,0\n" << 3
            << saveRefusal(backwardsRefusal("399", "400"), "Rien", "8");
        QTest::newRow("a code A5") << kThreeSellers + "X,A5,,,,500,510,0,0\n" << 3
                                   << saveRefusal(notWholeRefusal("Numéro", "A5"), "X", "A5");
        QTest::newRow("a code another row has")
            << kThreeSellers + "Léa,012,,,,500,510,0,0\n" << 3
            << saveRefusal(codeRefusal("Jean Dupont", "12"), "Léa", "012");
        // A spreadsheet's cell "Aqua Club", quotes included: saved, it would lose them.
        QTest::newRow("a name of a spreadsheet, in quotes")
            << kThreeSellers + "\"\"\"Aqua Club\"\"\",8,,,,500,510,0,0\n" << 3
            << saveRefusal(quotedRefusal("Nom"), "\"Aqua Club\"", "8");
        // Every field after the comma moved one column on.
        QTest::newRow("a name saved with a comma")
            << "Dupont, Jean,9,R,1000,V,500,510,0,0\n" + kThreeSellers << 0
            << saveRefusal(notWholeRefusal("Numéro", "Jean"), "Dupont", "Jean");
    }
    void save_refusesALoadedRegisterThatCannotBeWrittenAsMeant()
    {
        QFETCH(QByteArray, loaded);
        QFETCH(int, row);
        QFETCH(QString, message);
        ProgramFixture fixture;
        fixture.folder.write(kRegister, loaded);
        fixture.folder.write(kIndex, kStaleIndex);
        EditorForm form;
        QVERIFY(form.step("select"));
        QVERIFY(form.press("abandonner"));
        QVERIFY(form.press("EnretQuit"));
        QCOMPARE(fixture.dialogs.messages, QStringList{message});
        QCOMPARE(fixture.folder.read(kRegister), loaded);
        QCOMPARE(fixture.folder.read(kIndex), kStaleIndex);
        QCOMPARE(editwin::openInstance(), form.w);
        QCOMPARE(form.list()->ListIndex(), row);
        QCOMPARE(form.shown(), kEdited);
    }

    // The creation window adds C while the editor is open on A and B: the
    // editor's save would erase C, and the index would end at coupon 20.
    void save_afterTheCreationWindowAddedASeller_writesNothing()
    {
        ProgramFixture fixture;
        VendorForm creation;
        creation.add({{"CouponStop", "10"}, {"NomVendeur", "A"}});
        creation.add({{"CouponStop", "20"}, {"NomVendeur", "B"}});
        EditorForm editor;
        creation.add({{"CouponStop", "30"}, {"NomVendeur", "C"}});
        const QByteArray registerBefore = fixture.folder.read(kRegister);
        const QByteArray indexBefore = fixture.folder.read(kIndex);
        QCOMPARE(registerBefore, QByteArray("A,1,,,,1,10,0,0\nB,2,,,,11,20,0,0\nC,3,,,,21,30,0,0\n"));

        editor.list()->SetListIndex(1);
        QVERIFY(editor.press("Selectioner"));
        editor.type("AdresseVendeur", "Rue Neuve");
        QVERIFY(editor.press("modifier"));
        QVERIFY(editor.press("EnretQuit"));
        QCOMPARE(fixture.dialogs.messages, QStringList{reg::kRegisterChangedMessage});
        QCOMPARE(fixture.folder.read(kRegister), registerBefore);
        QCOMPARE(fixture.folder.read(kIndex), indexBefore);
        QCOMPARE(editwin::openInstance(), editor.w);
        QCOMPARE(editor.rows(), (QList<QStringList>{{"A", "1", "", "", "", "1", "10", "0", "0"},
                                                    {"B", "2", "Rue Neuve", "", "", "11", "20", "0", "0"}}));
        QCOMPARE(editor.shown(), kEdited);

        // As the message says: leave without saving, open again, and C is there.
        QVERIFY(editor.step("select"));
        QVERIFY(editor.press("quitter"));
        EditorForm again;
        QCOMPARE(again.list()->ListCount(), 3);
        again.list()->SetListIndex(1);
        QVERIFY(again.press("Selectioner"));
        again.type("AdresseVendeur", "Rue Neuve");
        QVERIFY(again.press("modifier"));
        QVERIFY(again.press("EnretQuit"));
        QVERIFY(!editwin::openInstance());
        QCOMPARE(fixture.dialogs.messages.size(), 1);
        QCOMPARE(fixture.folder.read(kRegister),
                 QByteArray("A,1,,,,1,10,0,0\nB,2,Rue Neuve,,,11,20,0,0\nC,3,,,,21,30,0,0\n"));
        QCOMPARE(fixture.folder.read(kIndex), indexBefore);
    }

    void save_afterTheRegisterChangedOnDisk_writesNothing_data()
    {
        QTest::addColumn<QByteArray>("onDisk"); // what the file holds at the save
        QTest::addColumn<bool>("refused");
        QTest::newRow("a line added by hand") << kThreeSellers + "Hand,20,,,,600,610,0,0\n" << true;
        QByteArray renamed = kThreeSellers;
        renamed.replace("Paul Durand", "Paul Dupond");
        QTest::newRow("a line changed, same size") << renamed << true;
        QTest::newRow("emptied for a new fair") << QByteArray() << true;
        QTest::newRow("written again as it was") << kThreeSellers << false;
    }
    void save_afterTheRegisterChangedOnDisk_writesNothing()
    {
        QFETCH(QByteArray, onDisk);
        QFETCH(bool, refused);
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        fixture.folder.write(kIndex, kStaleIndex);
        EditorForm form;
        QVERIFY(form.press("nouveau"));
        form.type("NomVendeur", "Léa Bo");
        form.type("CouponStop", "490");
        QVERIFY(form.press("ajouter"));
        fixture.dialogs.messages.clear();
        const QList<QStringList> rows = form.rows();
        fixture.folder.write(kRegister, onDisk);

        QVERIFY(form.press("EnretQuit"));
        if (!refused) {
            QVERIFY(fixture.dialogs.messages.isEmpty());
            QCOMPARE(fixture.folder.read(kRegister), kThreeSellers + "Léa Bo,13,,,,481,490,0,0\n");
            QCOMPARE(fixture.folder.lines(kIndex), threeSellersIndex() + indexLines(481, 490, "Léa Bo,13"));
            QVERIFY(!editwin::openInstance());
            return;
        }
        QCOMPARE(fixture.dialogs.messages, QStringList{reg::kRegisterChangedMessage});
        QCOMPARE(fixture.folder.read(kRegister), onDisk);
        QCOMPARE(fixture.folder.read(kIndex), kStaleIndex);
        QCOMPARE(editwin::openInstance(), form.w);
        QCOMPARE(form.rows(), rows);
        QCOMPARE(form.shown(), kEdited);
    }

    // A register saved back by LibreOffice Calc: what reads as the register
    // is loaded without the quotes and saved as the program writes it; a line
    // that cannot be read would be lost by the save, so the editor names it
    // and does not open.
    void opening_aRegisterSavedByCalc_data()
    {
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<qsizetype>("badLine"); // 0: it opens
        QTest::addColumn<QByteArray>("written"); // by the save, when it opens
        const QByteArray three = "Alice Dupré,1,Rue Haute 5,4000,Liège,1,50,2,1\n"
                                 "Bob,2,Place 3,5000,Namur,51,60,0,0\n"
                                 "Dupont Jean,3,Quai 2,6000,Charleroi,61,70,0,0\n";
        QTest::newRow("every cell quoted") << kCalcAllQuoted << qsizetype(0) << three;
        QTest::newRow("an empty row") << kCalcEmptyRows << qsizetype(0)
                                      << three.left(three.indexOf("Dupont"));
        QTest::newRow("a byte order mark, Windows line ends")
            << withMarkAndWindowsLineEnds(kCalcAllQuoted) << qsizetype(0) << three;
        QTest::newRow("a row of empty text") << kCalcEmptyTextRow << qsizetype(0)
                                             << three.left(three.indexOf("Dupont"));
        QTest::newRow("blank lines by hand") << QByteArray("\n" + three.left(three.indexOf("Bob")) + "  \t\n\n")
                                             << qsizetype(0) << three.left(three.indexOf("Bob"));
        QTest::newRow("semicolons") << kCalcSemicolons << qsizetype(1) << QByteArray();
        QTest::newRow("a quoted comma") << kCalcQuotedComma << qsizetype(3) << QByteArray();
    }
    void opening_aRegisterSavedByCalc()
    {
        QFETCH(QByteArray, saved);
        QFETCH(qsizetype, badLine);
        QFETCH(QByteArray, written);
        ProgramFixture fixture;
        fixture.folder.write(kRegister, saved);
        fixture.folder.write(kIndex, kStaleIndex);
        editwin *w = editwin::instance();
        w->Show();
        if (badLine > 0) {
            QCOMPARE(fixture.dialogs.messages, QStringList{app::ReadErrorMessage({kRegister, badLine})});
            QVERIFY(!w->isVisible());
            QVERIFY(!editwin::openInstance());
            QCOMPARE(fixture.folder.read(kRegister), saved);
            QCOMPARE(fixture.folder.read(kIndex), kStaleIndex);
            return;
        }
        EditorForm form(w);
        QCOMPARE(form.row(0), (QStringList{QStringLiteral("Alice Dupré"), "1", "Rue Haute 5", "4000",
                                           QStringLiteral("Liège"), "1", "50", "2", "1"}));
        QVERIFY(form.step("select"));
        QVERIFY(form.press("abandonner"));
        QVERIFY(form.press("EnretQuit"));
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QVERIFY(!editwin::openInstance());
        QCOMPARE(fixture.folder.read(kRegister), written);
        const int sellers = int(written.count('\n'));
        QStringList index = indexLines(1, 50, QStringLiteral("Alice Dupré,1"));
        if (sellers > 1)
            index += indexLines(51, 60, "Bob,2");
        if (sellers > 2)
            index += indexLines(61, 70, "Dupont Jean,3");
        QCOMPARE(fixture.folder.lines(kIndex), index);
    }

    void ajouter_takesARangeOfTheMostCoupons()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        EditorForm form;
        QVERIFY(form.press("nouveau"));
        form.type("NomVendeur", "Grand");
        form.type("CouponStop", "100480"); // from the proposed 481
        QVERIFY(form.press("ajouter"));
        QVERIFY(form.press("EnretQuit"));
        QCOMPARE(fixture.dialogs.messages, QStringList{kNewSellerMessage});
        const QStringList index = fixture.folder.lines(kIndex);
        QCOMPARE(index.size(), threeSellersIndex().size() + 100000);
        QCOMPARE(index.last(), QStringLiteral("100480,Grand,13"));
    }

    void modifier_keepsFieldsLongerThanQtsOwnLimit()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        EditorForm form;
        QVERIFY(form.step("select"));
        const QString name(40000, QLatin1Char('n'));
        const QString address(70000, QLatin1Char('a'));
        form.type("NomVendeur", name);
        form.type("AdresseVendeur", address);
        QVERIFY(form.press("modifier"));
        QCOMPARE(form.row(0).value(0), name);
        QVERIFY(form.press("EnretQuit"));
        QCOMPARE(fixture.folder.lines(kRegister).value(0), name + ",12," + address + ",4000,Liège,1,50,1,2");
        QCOMPARE(fixture.folder.lines(kIndex).value(0), "1," + name + ",12");

        EditorForm again;
        QVERIFY(again.step("select"));
        QCOMPARE(again.text("NomVendeur"), name);
        QCOMPARE(again.text("AdresseVendeur"), address);
    }

    void save_thatCannotOpenAFile_keepsTheEditorAsItWas_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QByteArray>("otherBefore");
        QTest::addColumn<QString>("inItsPlace");
        QTest::newRow("register") << kRegister << kIndex << kStaleIndex << "folder";
        QTest::newRow("index") << kIndex << kRegister << kThreeSellers << "folder";
        QTest::newRow("register, a pipe") << kRegister << kIndex << kStaleIndex << "pipe";
        QTest::newRow("index, a pipe") << kIndex << kRegister << kThreeSellers << "pipe";
    }
    void save_thatCannotOpenAFile_keepsTheEditorAsItWas()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, other);
        QFETCH(QByteArray, otherBefore);
        QFETCH(QString, inItsPlace);
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        fixture.folder.write(kIndex, kStaleIndex);
        EditorForm form;
        QVERIFY(form.press("nouveau"));
        form.type("NomVendeur", "Léa Bo");
        form.type("CouponStop", "490");
        QVERIFY(form.press("ajouter"));
        form.type("NomVendeur", "en cours");
        const QList<QStringList> rows = form.rows();
        fixture.dialogs.messages.clear();
        putInPlace(fixture.folder, blocked, inItsPlace);

        QVERIFY(form.press("EnretQuit"));
        QCOMPARE(fixture.dialogs.messages.size(), 1);
        const QString message = fixture.dialogs.messages.first();
        QVERIFY2(message.contains(blocked), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("aucun des deux fichiers vendeurs n'a été modifié")),
                 qPrintable(message));
        QCOMPARE(fixture.folder.read(other), otherBefore);
        QCOMPARE(editwin::openInstance(), form.w);
        QCOMPARE(form.rows(), rows);
        QCOMPARE(form.fieldTexts(), (QStringList{"en cours", "", "", "", "", "", "", "", ""}));
        QCOMPARE(form.shown(), kEdited);

        // Nothing was lost: once the file can be written, the same save goes through.
        QVERIFY(takeAway(fixture.folder, blocked));
        QVERIFY(form.press("EnretQuit"));
        QVERIFY(!editwin::openInstance());
        QCOMPARE(fixture.folder.lines(kRegister).value(3), QStringLiteral("Léa Bo,13,,,,481,490,0,0"));
        QCOMPARE(fixture.folder.lines(kIndex), threeSellersIndex() + indexLines(481, 490, "Léa Bo,13"));
        QCOMPARE(fixture.dialogs.messages.size(), 1);
    }

    void save_whoseLinesDoNotAllReachTheDisk_tellsWhatWasWritten_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("says");
        // Either fails: neither is replaced, so the two still agree.
        QTest::newRow("register") << kRegister << QString(8000, QLatin1Char('r'))
                                  << "aucun des deux fichiers vendeurs n'a été modifié";
        QTest::newRow("index") << kIndex << QString() << "aucun des deux fichiers vendeurs n'a été modifié";
    }
    void save_whoseLinesDoNotAllReachTheDisk_tellsWhatWasWritten()
    {
        QFETCH(QString, failing);
        QFETCH(QString, address);
        QFETCH(QString, says);
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        fixture.folder.write(kIndex, kStaleIndex);
        EditorForm form;
        QVERIFY(form.press("nouveau"));
        form.type("NomVendeur", "Léa Bo");
        form.type("AdresseVendeur", address);
        QVERIFY(form.press("ajouter"));
        const QList<QStringList> rows = form.rows();
        fixture.dialogs.messages.clear();
        {
            // The new register is a few hundred bytes unless the address is long;
            // the new index is some ten kilobytes.
            FileSizeLimit full(4096);
            QVERIFY(form.press("EnretQuit"));
        }
        QCOMPARE(fixture.dialogs.messages.size(), 1);
        const QString message = fixture.dialogs.messages.first();
        QVERIFY2(message.contains(failing), qPrintable(message));
        QVERIFY2(message.contains(says), qPrintable(message));
        QCOMPARE(fixture.folder.read(kIndex), kStaleIndex);
        QCOMPARE(fixture.folder.read(kRegister), kThreeSellers);
        QCOMPARE(editwin::openInstance(), form.w);
        QCOMPARE(form.rows(), rows);
        QCOMPARE(form.shown(), kEdited);

        QVERIFY(form.press("EnretQuit"));
        QVERIFY(!editwin::openInstance());
        QCOMPARE(fixture.folder.lines(kIndex), threeSellersIndex());
    }

    void design_placesEveryControlAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        const auto add = [](const char *name, int x, int y, int w, int h, const QString &caption = QString()) {
            QTest::newRow(name) << QString::fromLatin1(name) << QRect(x, y, w, h) << caption;
        };
        add("CouponStart", 20, 52, 54, 25);
        add("CouponStop", 86, 52, 54, 25);
        add("NomVendeur", 20, 95, 120, 25);
        add("CodeVendeur", 163, 52, 54, 25);
        add("ListeVendeurs2", 267, 56, 773, 251);
        add("StaticText1", 875, 11, 165, 21, "Coupons     Locations");
        add("StaticText2", 273, 32, 767, 21,
            " Vendeur                      N° vendeur    Adresse                     Localité                  "
            "                        de...    à....  Bacs  Rampes");
        add("StaticText3", 25, 35, 52, 14, "de...");
        add("StaticText4", 99, 35, 52, 14, "à...");
        add("StaticText5", 44, 21, 52, 14, "Coupons");
        add("StaticText6", 25, 80, 52, 15, "Nom");
        add("StaticText7", 165, 35, 52, 14, "Numéro");
        add("AdresseVendeur", 20, 140, 228, 29);
        add("NumPostVendeur", 22, 189, 82, 30);
        add("locaquariums", 25, 266, 53, 28, "0");
        add("locrampes", 116, 265, 49, 29, "0");
        add("StaticText8", 25, 122, 52, 15, "Adresse");
        add("StaticText9", 25, 170, 71, 15, "N° postal");
        add("StaticText10", 123, 170, 52, 15, "Localité");
        add("StaticText11", 25, 247, 71, 15, "Aquariums");
        add("StaticText12", 116, 247, 109, 15, "Rampes (50cm)");
        add("StaticText13", 69, 231, 71, 15, "Locations");
        add("VilleVendeur", 116, 188, 131, 31);
        add("StaticText14", 165, 17, 109, 15, "Vendeur");
        add("Selectioner", 273, 312, 140, 34, "Sélectionner");
        add("modifier", 433, 313, 138, 33, "Modifier");
        add("ajouter", 731, 313, 132, 34, "Ajouter");
        add("nouveau", 582, 314, 129, 32, "Nouveau");
        add("abandonner", 529, 359, 114, 27, "Abandonner");
        add("EnretQuit", 47, 341, 146, 26, "Enregistrer et Quitter");
        add("quitter", 75, 367, 90, 26, "Quitter");
    }
    void design_placesEveryControlAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        ProgramFixture fixture;
        fixture.folder.write(kRegister, "");
        EditorForm form;
        QWidget *c = form.w->findChild<QWidget *>(name);
        QVERIFY(c);
        if (!qobject_cast<fw::TextField *>(c))
            verifyDesignedControl(form.w, name, geometry, caption);
        QCOMPARE(c->geometry(), geometry);
        if (auto *button = qobject_cast<QAbstractButton *>(c))
            QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        if (auto *field = qobject_cast<fw::TextField *>(c)) {
            QCOMPARE(field->Text(), caption);
            QCOMPARE(field->format(), QString());
            QVERIFY(!field->isReadOnly());
            QCOMPARE(Qt::Alignment(field->alignment() & Qt::AlignHorizontal_Mask),
                     Qt::Alignment(caption == "0" ? Qt::AlignHCenter : Qt::AlignLeft));
        }
    }

    void window_isFixedAndLeavesOnlyThroughItsButtons()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        EditorForm form;
        form.w->Show();
        verifyFixedWindow(form.w, QStringLiteral("Edition du fichier des vendeurs"), QSize(1060, 400));
        QCOMPARE(form.list()->parentWidget(), form.w->form());
        QVERIFY(!form.w->isModal());
        QCOMPARE(form.list()->ColumnCount(), 9);
        QCOMPARE(form.list()->columnWidths(), QStringLiteral("25%,5%,20%,5%,25%,5%,5%,5%,5%"));
        QCOMPARE(form.list()->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!form.list()->dragReorder());
        const QFont heading = form.control<QLabel>("StaticText13")->font();
        QVERIFY(heading.bold() && heading.italic() && heading.underline());
        static_cast<QWidget *>(form.w)->close(); // as the window manager asks
        QCOMPARE(editwin::openInstance(), form.w);
        QVERIFY(form.w->isVisible());
    }

    void tab_visitsTheNineFieldsInTheDesignedOrder()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kThreeSellers);
        EditorForm form;
        QStringList visited;
        visitByTab(form.w, "CouponStart", 9, visited);
        QCOMPARE(visited, (QStringList{"CouponStop", "CodeVendeur", "NomVendeur", "AdresseVendeur", "NumPostVendeur",
                                       "VilleVendeur", "locaquariums", "locrampes", "CouponStart"}));
    }
};

VDL_TEST(TestEditWin)
#include "tst_editwin.moc"
