#include "calcregisters.h"
#include "drivers.h"

#include "app/csvload.h"
#include "framework/change.h"
#include "register/registerfiles.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <memory>
#include <sys/stat.h>

namespace {

// The cell is shown whole, within the list: the item delegate cuts a text
// wider than the cell less a margin on each side.
bool shownWhole(const fw::Listbox &list, int row, int column)
{
    const QRect cell = list.visualRect(list.model()->index(row, column));
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    const QString text = list.Cell(row, column);
    return cell.left() >= 0 && cell.right() < list.viewport()->width() &&
           list.fontMetrics().elidedText(text, Qt::ElideRight, cell.width() - 2 * margin) == text;
}

QStringList couponLines(int first, int last, const QString &rest)
{
    QStringList lines;
    for (int n = first; n <= last; ++n)
        lines.append(QString::number(n) + rest);
    return lines;
}

} // namespace

class TestVendorFiles : public QObject
{
    Q_OBJECT

private slots:
    void opening_emptiesBothFilesAndProposesTheFirstSeller_data()
    {
        QTest::addColumn<bool>("filesThere");
        QTest::newRow("a register of last year") << true;
        QTest::newRow("no register yet") << false;
    }
    void opening_emptiesBothFilesAndProposesTheFirstSeller()
    {
        QFETCH(bool, filesThere);
        ProgramFixture fixture;
        if (filesThere) {
            fixture.folder.write(kRegister, "Dupont,1,Rue,1000,Ville,1,2,0,0\n");
            fixture.folder.write(kIndex, "1,Dupont,1\n2,Dupont,1\n");
        }
        VendorForm form;
        QVERIFY(fixture.folder.exists(kRegister));
        QVERIFY(fixture.folder.exists(kIndex));
        QCOMPARE(fixture.folder.read(kRegister), QByteArray());
        QCOMPARE(fixture.folder.read(kIndex), QByteArray());
        QCOMPARE(form.text("CouponStart"), QStringLiteral("1"));
        QCOMPARE(form.text("CodeVendeur"), QStringLiteral("1"));
        for (const char *empty : {"CouponStop", "NomVendeur", "AdresseVendeur", "NumPostVendeur", "VilleVendeur"})
            QCOMPARE(form.text(empty), QString());
        QCOMPARE(form.text("locaquariums"), QStringLiteral("0"));
        QCOMPARE(form.text("locrampes"), QStringLiteral("0"));
        QCOMPARE(form.list()->ListCount(), 0);
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }

    void firstSeller_isWrittenAndTheNextOneProposed()
    {
        ProgramFixture fixture;
        VendorForm form;
        form.add({{"CouponStop", "50"},
                  {"NomVendeur", "Jean Dupont"},
                  {"AdresseVendeur", "Rue des Carpes 3"},
                  {"NumPostVendeur", "1000"},
                  {"VilleVendeur", "Liège"},
                  {"locaquariums", "2"},
                  {"locrampes", "1"}});
        QCOMPARE(fixture.folder.lines(kRegister),
                 QStringList{QStringLiteral("Jean Dupont,1,Rue des Carpes 3,1000,Liège,1,50,2,1")});
        QCOMPARE(fixture.folder.lines(kIndex), couponLines(1, 50, ",Jean Dupont,1"));
        QCOMPARE(form.list()->ListCount(), 1);
        QCOMPARE(form.row(0), (QStringList{"1", "50", "Jean Dupont", "1"}));
        QCOMPARE(form.text("CouponStart"), QStringLiteral("51"));
        QCOMPARE(form.text("CodeVendeur"), QStringLiteral("2"));
        for (const char *empty : {"CouponStop", "NomVendeur", "AdresseVendeur", "NumPostVendeur", "VilleVendeur"})
            QCOMPARE(form.text(empty), QString());
        QCOMPARE(form.text("locaquariums"), QStringLiteral("0"));
        QCOMPARE(form.text("locrampes"), QStringLiteral("0"));
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }

    // The seller is on the disk, in the register and then in the coupon
    // index, before the list shows it; the record of the change before
    // either, with what each is to get, then emptied without a sync.
    void ajouter_isOnTheDiskBeforeTheListShowsIt()
    {
        ProgramFixture fixture;
        VendorForm form;
        form.add({{"CouponStop", "2"}, {"NomVendeur", "A"}});
        QStringList syncs;
        {
            SyncWatch watch([&form] { return QString::number(form.list()->ListCount()); });
            form.add({{"CouponStop", "4"}, {"NomVendeur", "B"}});
            syncs = watch.described();
        }
        const auto digest = [](const QByteArray &bytes) {
            return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
        };
        QCOMPARE(syncs, (QStringList{fw::kChangeRecord + " | vandrelico change\nappend 1 15 30 " +
                                         digest("B,2,,,,3,4,0,0\n") + ' ' + kRegister + "\nappend 1 12 24 " +
                                         digest("3,B,2\n4,B,2\n") + ' ' + kIndex + "\n | 1",
                                     kRegister + " | A,1,,,,1,2,0,0\nB,2,,,,3,4,0,0\n | 1",
                                     kIndex + " | 1,A,1\n2,A,1\n3,B,2\n4,B,2\n | 1"}));
        QCOMPARE(fixture.folder.read(fw::kChangeRecord), QByteArray());
        QCOMPARE(form.list()->ListCount(), 2);
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }

    void ajouter_derivesTheSellersCouponLines_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("index");
        QTest::newRow("101 to 150") << "101" << "150" << "Martin" << "4" << couponLines(101, 150, ",Martin,4");
        QTest::newRow("one coupon") << "7" << "7" << "Martin" << "4" << QStringList{"7,Martin,4"};
        QTest::newRow("empty last") << "1" << "" << "Martin" << "4" << QStringList();
        QTest::newRow("both empty: coupon 0") << "" << "" << "Martin" << "4" << QStringList{"0,Martin,4"};
        QTest::newRow("leading zeros") << "007" << "009" << "Martin" << "4" << couponLines(7, 9, ",Martin,4");
        QTest::newRow("code with a blank after it") << "5" << "5" << "Martin" << "4 " << QStringList{"5,Martin,4 "};
        QTest::newRow("name and code as typed")
            << "5" << "5" << " Léa  Bo " << " 07 " << QStringList{QStringLiteral("5, Léa  Bo , 07 ")};
        QTest::newRow("ends at the largest Integer")
            << "2147483646" << "2147483647" << "M" << "4" << QStringList{"2147483646,M,4", "2147483647,M,4"};
        QTest::newRow("bounds beyond it stop there")
            << "2147483647" << "99999999999" << "M" << "4" << QStringList{"2147483647,M,4"};
        QTest::newRow("from 0") << " 0" << "1 " << "M" << "4" << QStringList{"0,M,4", "1,M,4"};
    }
    void ajouter_derivesTheSellersCouponLines()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QStringList, index);
        ProgramFixture fixture;
        VendorForm form;
        form.add({{"CouponStart", first}, {"CouponStop", last}, {"NomVendeur", name}, {"CodeVendeur", code}});
        // The register line is written whatever the range, with every text as typed.
        QCOMPARE(fixture.folder.lines(kRegister), QStringList{name + ',' + code + ",,,," + first + ',' + last + ",0,0"});
        QCOMPARE(fixture.folder.lines(kIndex), index);
        QCOMPARE(form.row(0), (QStringList{first, last, name, code}));
    }

    // Also what is typed that the files would not take as meant: "12O" read
    // as 12, a code "A5" as 0, a range that sends a coupon to two sellers.
    void ajouter_refusesASellerThatCannotBeWrittenAsMeant_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("name pasted on two lines") << "NomVendeur" << "Jean\nDupont" << splitRefusal("Nom");
        QTest::newRow("name with a comma") << "NomVendeur" << "Dupont, Jean" << splitRefusal("Nom");
        QTest::newRow("address with a comma") << "AdresseVendeur" << "Gare 3, case 12" << splitRefusal("Adresse");
        QTest::newRow("name in quotes") << "NomVendeur" << "\"Aqua Club\"" << quotedRefusal("Nom");
        QTest::newRow("postal code ending in CR LF") << "NumPostVendeur" << "4000\r\n" << splitRefusal("N° postal");
        QTest::newRow("locality with a CR") << "VilleVendeur" << "Li\rège" << splitRefusal("Localité");
        QTest::newRow("code") << "CodeVendeur" << "1,2" << splitRefusal("Numéro");
        QTest::newRow("first coupon") << "CouponStart" << "1,5" << splitRefusal("Coupons de...");
        QTest::newRow("last coupon") << "CouponStop" << "5\n" << splitRefusal("Coupons à...");
        QTest::newRow("tanks") << "locaquariums" << "1,5" << splitRefusal("Aquariums");
        QTest::newRow("ramps") << "locrampes" << "\n2" << splitRefusal("Rampes (50cm)");
        // The range is 3 up to the last coupon.
        QTest::newRow("one coupon too many") << "CouponStop" << "100003" << rangeRefusal("100001");
        QTest::newRow("up to the largest Integer") << "CouponStop" << "2147483647" << rangeRefusal("2147483645");
        QTest::newRow("beyond it: stops there") << "CouponStop" << "9999999999" << rangeRefusal("2147483645");
        QTest::newRow("code A5") << "CodeVendeur" << "A5" << notWholeRefusal("Numéro", "A5");
        QTest::newRow("last coupon 12O") << "CouponStop" << "12O" << notWholeRefusal("Coupons à...", "12O");
        QTest::newRow("first coupon 1.5") << "CouponStart" << "1.5" << notWholeRefusal("Coupons de...", "1.5");
        QTest::newRow("tanks -2") << "locaquariums" << "-2" << notWholeRefusal("Aquariums", "-2");
        QTest::newRow("ramps deux") << "locrampes" << "deux" << notWholeRefusal("Rampes (50cm)", "deux");
        QTest::newRow("no name") << "NomVendeur" << "" << kNoNameRefusal;
        QTest::newRow("name of blanks") << "NomVendeur" << "   " << kNoNameRefusal;
        QTest::newRow("name a tab") << "NomVendeur" << "\t" << kNoNameRefusal;
        QTest::newRow("name of no-break spaces") << "NomVendeur" << QStringLiteral("\u00a0") << kNoNameRefusal;
        QTest::newRow("no code") << "CodeVendeur" << " " << kEmptyCodeRefusal;
        QTest::newRow("no first coupon") << "CouponStart" << "" << kNoFirstCouponRefusal;
        // 85 typed as 5, after the proposed 3.
        QTest::newRow("last below first") << "CouponStop" << "2" << backwardsRefusal("2", "3");
        QTest::newRow("overlap") << "CouponStart" << "2" << overlapRefusal("2 à 4", "A", "1", "1 à 2");
        QTest::newRow("a range around another") << "CouponStart" << "0" << overlapRefusal("0 à 4", "A", "1", "1 à 2");
        QTest::newRow("code already given") << "CodeVendeur" << "01" << codeRefusal("A", "1");
        // Read as numbers, as the index and the sales files take them.
        QTest::newRow("overlap, leading zeros") << "CouponStart" << "002" << overlapRefusal("2 à 4", "A", "1", "1 à 2");
        QTest::newRow("code given, blanks and zeros") << "CodeVendeur" << " 001 " << codeRefusal("A", "1");
    }
    void ajouter_refusesASellerThatCannotBeWrittenAsMeant()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        ProgramFixture fixture;
        VendorForm form;
        form.add({{"CouponStop", "2"}, {"NomVendeur", "A"}});
        const QByteArray registerBefore = fixture.folder.read(kRegister);
        const QByteArray indexBefore = fixture.folder.read(kIndex);

        const char *names[] = {"CouponStart",    "CouponStop",   "NomVendeur",   "CodeVendeur", "AdresseVendeur",
                               "NumPostVendeur", "VilleVendeur", "locaquariums", "locrampes"};
        form.type("CouponStart", "3");
        form.type("CouponStop", "4");
        form.type("NomVendeur", "B");
        form.type("AdresseVendeur", "Rue 1");
        form.type(qPrintable(field), typed);
        QStringList texts;
        for (const char *name : names)
            texts.append(form.text(name));
        form.press("BevelButton1");

        QCOMPARE(fixture.dialogs.messages, QStringList{message});
        QCOMPARE(fixture.folder.read(kRegister), registerBefore);
        QCOMPARE(fixture.folder.read(kIndex), indexBefore);
        QCOMPARE(form.list()->ListCount(), 1);
        QStringList after;
        for (const char *name : names)
            after.append(form.text(name));
        QCOMPARE(after, texts);
    }

    // The register may have changed on disk since the window opened: a line
    // added by hand, a save from a spreadsheet. The new seller is checked
    // against what the file holds, and a line that cannot be read could hide
    // a clash, so nothing is added until it is put right.
    void ajouter_checksTheSellerAgainstTheRegisterOnDisk_data()
    {
        QTest::addColumn<QByteArray>("onDisk");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message"); // empty: added
        const QByteArray hand = "A,1,,,,1,2,0,0\nHand,5,,,,10,20,0,0\n";
        QTest::newRow("a line added by hand: overlap")
            << hand << "15" << "30" << "6" << overlapRefusal("15 à 30", "Hand", "5", "10 à 20");
        QTest::newRow("a line added by hand: code") << hand << "21" << "30" << "005" << codeRefusal("Hand", "5");
        QTest::newRow("a line added by hand: clear") << hand << "21" << "30" << "6" << "";
        QTest::newRow("a line added by hand, no line end after it")
            << hand.chopped(1) << "21" << "30" << "6" << "";
        QTest::newRow("blank lines") << QByteArray("\n  \n,,\n") << "1" << "5" << "1" << "";
        QTest::newRow("Calc, every cell quoted")
            << kCalcAllQuoted << "71" << "80" << "03" << codeRefusal("Dupont Jean", "3");
        QTest::newRow("Calc, an empty row") << kCalcEmptyRows << "55" << "58" << "7"
                                            << overlapRefusal("55 à 58", "Bob", "2", "51 à 60");
        QTest::newRow("Calc, semicolons") << kCalcSemicolons << "71" << "80" << "4"
                                          << app::ReadErrorMessage({kRegister, 1});
        QTest::newRow("Calc, a quoted comma") << kCalcQuotedComma << "71" << "80" << "4"
                                              << app::ReadErrorMessage({kRegister, 3});
    }
    void ajouter_checksTheSellerAgainstTheRegisterOnDisk()
    {
        QFETCH(QByteArray, onDisk);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, code);
        QFETCH(QString, message);
        ProgramFixture fixture;
        VendorForm form;
        fixture.folder.write(kRegister, onDisk);
        fixture.folder.write(kIndex, "1,A,1\n");
        form.add({{"CouponStart", first}, {"CouponStop", last}, {"NomVendeur", "New"}, {"CodeVendeur", code}});
        if (message.isEmpty()) {
            QVERIFY2(fixture.dialogs.messages.isEmpty(), qPrintable(fixture.dialogs.messages.join('|')));
            const QString line = "New," + code + ",,,," + first + ',' + last + ",0,0\n";
            // A last line without its line end gets one: the new line is a line of its own.
            const QByteArray end = onDisk.isEmpty() || onDisk.endsWith('\n') ? "" : "\n";
            QCOMPARE(fixture.folder.read(kRegister), onDisk + end + line.toUtf8());
            QCOMPARE(fixture.folder.lines(kIndex),
                     QStringList{"1,A,1"} + couponLines(first.toInt(), last.toInt(), ",New," + code));
            QCOMPARE(form.list()->ListCount(), 1);
            return;
        }
        QCOMPARE(fixture.dialogs.messages, QStringList{message});
        QCOMPARE(fixture.folder.read(kRegister), onDisk);
        QCOMPARE(fixture.folder.read(kIndex), QByteArray("1,A,1\n"));
        QCOMPARE(form.list()->ListCount(), 0);
        QCOMPARE(form.text("CouponStart"), first);
        QCOMPARE(form.text("CodeVendeur"), code);
        QCOMPARE(form.text("NomVendeur"), QStringLiteral("New"));
    }

    void ajouter_takesARangeOfTheMostCoupons_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("1 to 100000") << "1" << "100000";
        QTest::newRow("the last 100000 Integers") << "2147383648" << "2147483647";
        QTest::newRow("from 0") << "0" << "99999";
    }
    void ajouter_takesARangeOfTheMostCoupons()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        ProgramFixture fixture;
        VendorForm form;
        form.add({{"CouponStart", first}, {"CouponStop", last}, {"NomVendeur", "A"}});
        QVERIFY(fixture.dialogs.messages.isEmpty());
        const QStringList index = fixture.folder.lines(kIndex);
        QCOMPARE(index.size(), 100000);
        QCOMPARE(index.first(), first + ",A,1");
        QCOMPARE(index.last(), last + ",A,1");
        QCOMPARE(form.list()->ListCount(), 1);
    }

    void ajouter_keepsFieldsLongerThanQtsOwnLimit()
    {
        ProgramFixture fixture;
        VendorForm form;
        const QString name(40000, QLatin1Char('n'));
        const QString address(70000, QLatin1Char('a'));
        form.add({{"CouponStop", "2"}, {"NomVendeur", name}, {"AdresseVendeur", address}});
        QCOMPARE(fixture.folder.lines(kRegister), QStringList{name + ",1," + address + ",,,1,2,0,0"});
        QCOMPARE(fixture.folder.lines(kIndex), (QStringList{"1," + name + ",1", "2," + name + ",1"}));
        QCOMPARE(form.row(0).value(2), name);
    }

    void ajouter_proposesFromWhatWasJustTyped_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("nextFirst");
        QTest::addColumn<QString>("nextCode");
        QTest::newRow("follows") << "50" << "1" << "51" << "2";
        QTest::newRow("empty last: 1") << "" << "1" << "1" << "2";
        QTest::newRow("code 10: 11") << "20" << "10" << "21" << "11";
        QTest::newRow("leading zeros") << "099" << "007" << "100" << "8";
        QTest::newRow("largest Integer does not wrap") << "2147483647" << "2147483647" << "2147483648"
                                                        << "2147483648";
    }
    void ajouter_proposesFromWhatWasJustTyped()
    {
        QFETCH(QString, last);
        QFETCH(QString, code);
        QFETCH(QString, nextFirst);
        QFETCH(QString, nextCode);
        ProgramFixture fixture;
        VendorForm form;
        // An earlier seller with a higher range and code changes nothing.
        form.add({{"CouponStart", "1000"}, {"CouponStop", "1500"}, {"NomVendeur", "A"}, {"CodeVendeur", "40"}});
        form.add({{"CouponStart", last}, {"CouponStop", last}, {"NomVendeur", "B"}, {"CodeVendeur", code}});
        QCOMPARE(form.text("CouponStart"), nextFirst);
        QCOMPARE(form.text("CodeVendeur"), nextCode);
    }

    // The untouched form has no name: nothing is written, and the form still
    // proposes the first seller.
    void ajouter_onTheUntouchedForm_writesNothing()
    {
        ProgramFixture fixture;
        VendorForm form;
        form.add({});
        QCOMPARE(fixture.dialogs.messages, QStringList{kNoNameRefusal});
        QCOMPARE(fixture.folder.read(kRegister), QByteArray());
        QCOMPARE(fixture.folder.read(kIndex), QByteArray());
        QCOMPARE(form.list()->ListCount(), 0);
        QCOMPARE(form.text("CouponStart"), QStringLiteral("1"));
        QCOMPARE(form.text("CodeVendeur"), QStringLiteral("1"));
    }

    // The second press finds the form prepared for the next seller, without
    // a name: it is refused, and the proposals are still those of the seller
    // after the one added.
    void ajouter_pressedTwice_addsTheSellerOnce_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("two presses") << false;
        QTest::newRow("a double click") << true;
    }
    void ajouter_pressedTwice_addsTheSellerOnce()
    {
        QFETCH(bool, doubleClick);
        ProgramFixture fixture;
        VendorForm form;
        form.w->Show();
        form.type("CouponStop", "50");
        form.type("NomVendeur", "Jean Dupont");
        form.type("AdresseVendeur", "Rue des Carpes 3");
        form.type("VilleVendeur", QStringLiteral("Liège"));
        auto *ajouter = form.control<QAbstractButton>("BevelButton1");
        if (doubleClick) {
            // What the window gets of a double click: the second press comes
            // with a double-click event.
            QTest::mouseClick(ajouter, Qt::LeftButton);
            QTest::mousePress(ajouter, Qt::LeftButton);
            QTest::mouseDClick(ajouter, Qt::LeftButton);
            QTest::mouseRelease(ajouter, Qt::LeftButton);
        } else {
            ajouter->click();
            ajouter->click();
        }
        QCOMPARE(fixture.dialogs.messages, QStringList{kNoNameRefusal});
        QCOMPARE(fixture.folder.lines(kRegister),
                 QStringList{QStringLiteral("Jean Dupont,1,Rue des Carpes 3,,Liège,1,50,0,0")});
        QCOMPARE(fixture.folder.lines(kIndex), couponLines(1, 50, ",Jean Dupont,1"));
        QCOMPARE(form.list()->ListCount(), 1);
        QCOMPARE(form.text("CouponStart"), QStringLiteral("51"));
        QCOMPARE(form.text("CodeVendeur"), QStringLiteral("2"));

        form.add({{"CouponStop", "60"}, {"NomVendeur", "Marie"}});
        QCOMPARE(fixture.folder.lines(kRegister).value(1), QStringLiteral("Marie,2,,,,51,60,0,0"));
        QCOMPARE(fixture.folder.lines(kIndex).mid(50), couponLines(51, 60, ",Marie,2"));
        QCOMPARE(form.list()->ListCount(), 2);
    }

    // A number cut to "1…" would hide which coupons a seller has.
    void list_showsEveryCellWhole_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::newRow("four digits") << "1000" << "1099" << "Jean Dupont" << "1";
        QTest::newRow("five digits, code 40") << "12000" << "12099" << "Marie Martin" << "40";
        QTest::newRow("six digits, code 123") << "100000" << "100099" << "Paul" << "123";
        QTest::newRow("seven digits, code 999") << "1000000" << "1000099" << "Bo" << "999";
    }
    void list_showsEveryCellWhole()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, name);
        QFETCH(QString, code);
        ProgramFixture fixture;
        VendorForm form;
        form.w->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.w));
        form.add({{"CouponStart", first}, {"CouponStop", last}, {"NomVendeur", name}, {"CodeVendeur", code}});
        QCOMPARE(form.row(0), (QStringList{first, last, name, code}));
        for (int column = 0; column < 4; ++column)
            QVERIFY2(shownWhole(*form.list(), 0, column), qPrintable(form.list()->Cell(0, column)));
    }

    // Numbers too wide for the list together are cut, the name still shown.
    void list_keepsTheNameBesideNumbersTooWide()
    {
        ProgramFixture fixture;
        VendorForm form;
        form.w->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.w));
        form.add({{"CouponStart", "2147483600"},
                  {"CouponStop", "2147483647"},
                  {"NomVendeur", "Jean"},
                  {"CodeVendeur", "2147483647"}});
        QCOMPARE(form.row(0), (QStringList{"2147483600", "2147483647", "Jean", "2147483647"}));
        QVERIFY(shownWhole(*form.list(), 0, 2));
        QVERIFY(form.list()->visualRect(form.list()->model()->index(0, 3)).right() < form.list()->viewport()->width());
    }

    // Once the list is longer than it is high, it scrolls to the seller just
    // added, the scroll bar leaving every number whole.
    void list_showsTheSellerJustAdded()
    {
        ProgramFixture fixture;
        VendorForm form;
        form.w->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.w));
        fw::Listbox &list = *form.list();
        for (int seller = 0; seller < 30; ++seller) {
            const QString first = QString::number(1000 + 100 * seller);
            form.add({{"CouponStart", first},
                      {"CouponStop", QString::number(1099 + 100 * seller)},
                      {"NomVendeur", "Vendeur " + QString::number(seller + 1)}});
            const int last = list.ListCount() - 1;
            QCOMPARE(last, seller);
            QCOMPARE(list.Cell(last, 0), first);
            for (int column = 0; column < 4; ++column) {
                const QRect cell = list.visualRect(list.model()->index(last, column));
                QVERIFY2(list.viewport()->rect().contains(cell),
                         qPrintable(QStringLiteral("seller %1, column %2").arg(seller + 1).arg(column)));
                QVERIFY2(shownWhole(list, last, column), qPrintable(list.Cell(last, column)));
            }
        }
        QVERIFY(list.verticalScrollBar()->isVisible());
    }

    void sellers_areAppendedInTheOrderAdded()
    {
        ProgramFixture fixture;
        VendorForm form;
        form.add({{"CouponStop", "3"}, {"NomVendeur", "A"}});
        form.add({{"CouponStart", "10"}, {"CouponStop", "10"}, {"NomVendeur", "B"}}); // not in order of coupons
        form.add({{"CouponStart", "4"}, {"CouponStop", "5"}, {"NomVendeur", "C"}});
        QCOMPARE(fixture.folder.lines(kRegister),
                 (QStringList{"A,1,,,,1,3,0,0", "B,2,,,,10,10,0,0", "C,3,,,,4,5,0,0"}));
        QCOMPARE(fixture.folder.lines(kIndex),
                 (QStringList{"1,A,1", "2,A,1", "3,A,1", "10,B,2", "4,C,3", "5,C,3"}));
        QCOMPARE(form.list()->ListCount(), 3);
        QCOMPARE(form.row(2), (QStringList{"4", "5", "C", "3"}));
    }

    void fermer_closesAndNamingAgainStartsAfresh()
    {
        ProgramFixture fixture;
        VendorForm form;
        form.add({{"CouponStop", "2"}, {"NomVendeur", "A"}});
        form.press("PushButton1");
        QVERIFY(!VendorFiles::openInstance());
        QCOMPARE(fixture.folder.lines(kRegister).size(), 1);
        QCOMPARE(fixture.folder.lines(kIndex).size(), 2);

        VendorForm again;
        QVERIFY(again.w != form.w);
        QCOMPARE(again.list()->ListCount(), 0);
        QCOMPARE(fixture.folder.read(kRegister), QByteArray());
        QCOMPARE(fixture.folder.read(kIndex), QByteArray());
    }

    void opening_thatCannotEmptyAFile_namesIt_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QByteArray>("otherAfter");
        // Neither is emptied, so the two still agree.
        QTest::newRow("register") << kRegister << kIndex << QByteArray("1,A,1\n");
        QTest::newRow("index") << kIndex << kRegister << QByteArray("A,1,,,,1,1,0,0\n");
    }
    void opening_thatCannotEmptyAFile_namesIt()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, other);
        QFETCH(QByteArray, otherAfter);
        ProgramFixture fixture;
        fixture.folder.write(kRegister, "A,1,,,,1,1,0,0\n");
        fixture.folder.write(kIndex, "1,A,1\n");
        blockNow(fixture.folder, blocked);
        VendorForm form;
        QCOMPARE(fixture.dialogs.messages.size(), 1);
        QVERIFY(fixture.dialogs.messages.first().contains(blocked));
        QVERIFY(fixture.dialogs.messages.first().contains(QStringLiteral("pas remis à zéro")));
        QCOMPARE(fixture.folder.read(other), otherAfter);
        QCOMPARE(VendorFiles::openInstance(), form.w); // the window opens all the same
    }

    // A pipe no one reads would hold the window for ever as it is opened.
    void ajouter_thatCannotOpenAFile_addsNothing_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<bool>("pipe"); // a pipe in its place, else a folder
        QTest::newRow("register, a folder") << kRegister << false;
        QTest::newRow("index, a folder") << kIndex << false;
        QTest::newRow("register, a pipe") << kRegister << true;
        QTest::newRow("index, a pipe") << kIndex << true;
    }
    void ajouter_thatCannotOpenAFile_addsNothing()
    {
        QFETCH(QString, blocked);
        QFETCH(bool, pipe);
        ProgramFixture fixture;
        VendorForm form;
        form.add({{"CouponStop", "2"}, {"NomVendeur", "A"}});
        const QByteArray registerBefore = fixture.folder.read(kRegister);
        const QByteArray indexBefore = fixture.folder.read(kIndex);
        if (pipe) {
            QVERIFY(QFile::remove(fixture.folder.path(blocked)));
            QCOMPARE(mkfifo(QFile::encodeName(fixture.folder.path(blocked)).constData(), 0600), 0);
        } else {
            blockNow(fixture.folder, blocked);
        }

        form.add({{"CouponStop", "5"}, {"NomVendeur", "B"}});
        QCOMPARE(fixture.dialogs.messages.size(), 1);
        QVERIFY(fixture.dialogs.messages.first().contains(blocked));
        QVERIFY(fixture.dialogs.messages.first().contains(QStringLiteral("pas été ajouté")));
        if (blocked != kRegister)
            QCOMPARE(fixture.folder.read(kRegister), registerBefore);
        if (blocked != kIndex)
            QCOMPARE(fixture.folder.read(kIndex), indexBefore);
        QCOMPARE(form.list()->ListCount(), 1);
        // The form keeps the seller, for another try.
        QCOMPARE(form.text("CouponStart"), QStringLiteral("3"));
        QCOMPARE(form.text("NomVendeur"), QStringLiteral("B"));
    }

    void ajouter_whoseLinesDoNotReachTheDisk_namesTheFile_data()
    {
        QTest::addColumn<QString>("full");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("nextFirst");
        // A seller whose lines do not reach both files is in neither, is not
        // listed and stays in the form.
        QTest::newRow("register") << kRegister << 0 << "1";
        QTest::newRow("index") << kIndex << 0 << "1";
    }
    void ajouter_whoseLinesDoNotReachTheDisk_namesTheFile()
    {
        QFETCH(QString, full);
        QFETCH(int, rows);
        QFETCH(QString, nextFirst);
        ProgramFixture fixture;
        VendorForm form;
        if (!diskFull(fixture.folder, full))
            QSKIP("no /dev/full here");
        form.add({{"CouponStop", "5"}, {"NomVendeur", "B"}});
        QCOMPARE(fixture.dialogs.messages.size(), 1);
        QVERIFY(fixture.dialogs.messages.first().contains(full));
        QCOMPARE(form.list()->ListCount(), rows);
        QCOMPARE(form.text("CouponStart"), nextFirst);
        if (full == kRegister)
            QCOMPARE(fixture.folder.read(kIndex), QByteArray());
        else
            QCOMPARE(fixture.folder.read(kRegister), QByteArray());
    }

    // A disk that fills up half-way through a seller: both files are left
    // exactly as they were, and the next try writes lines of their own.
    void ajouter_thatCannotBeCompleted_leavesBothFilesAsTheyWere_data()
    {
        QTest::addColumn<QString>("disk"); // "limit": the file-size limit; "tmpfs": a real full disk
        QTest::addColumn<QString>("failing");
        QTest::newRow("limit, register") << "limit" << kRegister;
        QTest::newRow("limit, index") << "limit" << kIndex;
        // On a disk without a free block, the record of the change, which
        // comes before either line, cannot be written either.
        QTest::newRow("full disk") << "tmpfs" << fw::kChangeRecord;
    }
    void ajouter_thatCannotBeCompleted_leavesBothFilesAsTheyWere()
    {
        QFETCH(QString, disk);
        QFETCH(QString, failing);
        ProgramFixture fixture;
        std::unique_ptr<TinyDisk> tiny;
        if (disk == QLatin1String("tmpfs")) {
            tiny = std::make_unique<TinyDisk>(fixture.folder, 4 * 4096);
            if (!tiny->mounted())
                QSKIP("no tmpfs can be mounted here");
        }
        VendorForm form;
        // The first seller's hundred index lines end 4 bytes before the end
        // of a disk block; its register line is longer than the record of a
        // change, which the file-size limit then lets through.
        form.add({{"CouponStop", "100"},
                  {"NomVendeur", QString(34, QLatin1Char('A'))},
                  {"CodeVendeur", "10"},
                  {"AdresseVendeur", QString(400, QLatin1Char('a'))}});
        QCOMPARE(fixture.folder.read(kIndex).size(), 4092);
        const QByteArray registerBefore = fixture.folder.read(kRegister);
        const QByteArray indexBefore = fixture.folder.read(kIndex);
        QCOMPARE(form.list()->ListCount(), 1);

        std::unique_ptr<FileSizeLimit> limit;
        if (tiny)
            tiny->fill();
        else
            limit = std::make_unique<FileSizeLimit>(
                (failing == kRegister ? registerBefore.size() : indexBefore.size()) + 12);
        form.add({{"CouponStop", "110"}, {"NomVendeur", "B"}, {"AdresseVendeur", "Gare 3"}});
        QCOMPARE(fixture.dialogs.messages, QStringList{QStringLiteral("Impossible d'écrire dans le fichier ") + failing +
                                                       QStringLiteral(" : le vendeur n'a pas été ajouté.")});
        QCOMPARE(fixture.folder.read(kRegister), registerBefore);
        QCOMPARE(fixture.folder.read(kIndex), indexBefore);
        QCOMPARE(form.list()->ListCount(), 1);
        QCOMPARE(form.text("CouponStart"), QStringLiteral("101"));
        QCOMPARE(form.text("NomVendeur"), QStringLiteral("B"));
        QCOMPARE(form.text("CodeVendeur"), QStringLiteral("11"));

        limit.reset();
        if (tiny)
            QVERIFY(QFile::remove(fixture.folder.path("filler")));
        form.press("BevelButton1");
        QCOMPARE(fixture.dialogs.messages.size(), 1);
        QCOMPARE(fixture.folder.lines(kRegister).last(), QStringLiteral("B,11,Gare 3,,,101,110,0,0"));
        QCOMPARE(fixture.folder.read(kIndex), indexBefore + couponLines(101, 110, ",B,11").join('\n').toUtf8() + '\n');
        QCOMPARE(form.row(1), (QStringList{"101", "110", "B", "11"}));
    }

    void tab_visitsTheFormInTheDesignedOrder()
    {
        ProgramFixture fixture;
        VendorForm form;
        QStringList visited;
        visitByTab(form.w, "CouponStart", 8, visited);
        QCOMPARE(visited, (QStringList{"CouponStop", "NomVendeur", "AdresseVendeur", "NumPostVendeur", "VilleVendeur",
                                       "CodeVendeur", "BevelButton1", "CouponStart"}));
    }

    void design_matchesTheCreationWindow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("PushButton1") << "PushButton1" << QRect(195, 271, 57, 26) << "Fermer";
        QTest::newRow("CodeVendeur") << "CodeVendeur" << QRect(168, 38, 54, 25) << "";
        QTest::newRow("ListeVendeurs") << "ListeVendeurs" << QRect(272, 42, 232, 251) << "";
        QTest::newRow("BevelButton1") << "BevelButton1" << QRect(157, 81, 96, 24) << "Ajouter";
        QTest::newRow("StaticText2") << "StaticText2" << QRect(278, 18, 226, 21)
                                     << "de..   à...   Vendeur               code";
        QTest::newRow("StaticText7") << "StaticText7" << QRect(170, 21, 52, 14) << "Numéro";
        QTest::newRow("StaticText9") << "StaticText9" << QRect(30, 156, 71, 15) << "N° postal";
        QTest::newRow("StaticText12") << "StaticText12" << QRect(121, 233, 109, 15) << "Rampes (50cm)";
        QTest::newRow("locrampes") << "locrampes" << QRect(121, 251, 49, 29) << "";
        QTest::newRow("VilleVendeur") << "VilleVendeur" << QRect(121, 174, 131, 31) << "";
    }
    void design_matchesTheCreationWindow()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        ProgramFixture fixture;
        VendorForm form;
        verifyDesignedControl(form.w, name, geometry, caption);
    }

    void window_isFixedWithoutCloseButton()
    {
        ProgramFixture fixture;
        VendorForm form;
        form.w->Show();
        verifyFixedWindow(form.w, QStringLiteral("Création des fichies vendeurs"), QSize(524, 309));
        QCOMPARE(form.list()->parentWidget(), form.w->form());
        QCOMPARE(form.list()->ColumnCount(), 4);
        const QFont heading = form.control<QLabel>("StaticText13")->font();
        QVERIFY(heading.bold() && heading.italic() && heading.underline());
        // The window manager's close leaves the window open: only "Fermer" closes it.
        static_cast<QWidget *>(form.w)->close(); // as the window manager asks
        QCOMPARE(VendorFiles::openInstance(), form.w);
        QVERIFY(form.w->isVisible());
    }
};

VDL_TEST(TestVendorFiles)
#include "tst_vendorfiles.moc"
