#include "drivers.h"

#include <QPushButton>
#include <QTest>

namespace {

const QByteArray kOldRegister = "Dupont,1,,,,1,2,0,0\n";
const QByteArray kOldIndex = "1,Dupont,1\n2,Dupont,1\n";

} // namespace

// "Gestion des vendeurs et coupons", and the road of a coupon from the new
// register to the cash desk.
class TestReset : public QObject
{
    Q_OBJECT

private slots:
    void annuler_changesNothing()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kOldRegister);
        fixture.folder.write(kIndex, kOldIndex);
        CashDesk desk;
        auto *button = desk.control<QPushButton>("PushButton5");
        fixture.dialogs.answer(fw::DialogButton::Cancel);
        fixture.dialogs.answer(fw::DialogButton::Cancel);
        button->click();
        button->click(); // it can be pressed again

        QCOMPARE(fixture.dialogs.questions.size(), 3); // the start-up question, then the two warnings
        const fw::QuestionDialog &q = fixture.dialogs.questions.last();
        QCOMPARE(q.icon, 1);
        QCOMPARE(q.title, QStringLiteral("Attention! Cette fonction est en principe à n'utiliser qu'en début de Bourse! "));
        QCOMPARE(q.message, QStringLiteral("Vous allez mettre à zéro les fichiers ListeVendeurs.csv et couponsvendeurs.csv "));
        QCOMPARE(q.explanation, QStringLiteral("Si ce n'est pas ce que vous voulez faire pressez \"Annuler\"."));
        QCOMPARE(q.actionCaption, QStringLiteral("Continuer"));
        QCOMPARE(q.cancelCaption, QStringLiteral("Annuler"));
        QVERIFY(!button->isHidden());
        QVERIFY(button->isEnabled());
        QVERIFY(!VendorFiles::openInstance());
        QCOMPARE(fixture.folder.read(kRegister), kOldRegister);
        QCOMPARE(fixture.folder.read(kIndex), kOldIndex);
    }

    void continuer_hidesTheButtonAndStartsAnEmptyRegister()
    {
        ProgramFixture fixture;
        fixture.folder.write(kRegister, kOldRegister);
        fixture.folder.write(kIndex, kOldIndex);
        CashDesk desk;
        desk.w->Show();
        auto *button = desk.control<QPushButton>("PushButton5");
        button->click();
        QVERIFY(button->isHidden());
        VendorFiles *window = VendorFiles::openInstance();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(fixture.folder.read(kRegister), QByteArray());
        QCOMPARE(fixture.folder.read(kIndex), QByteArray());

        // Closed at once: every coupon has no seller until sellers are added.
        VendorForm(window).press("PushButton1");
        desk.record("1", "5");
        QCOMPARE(fixture.dialogs.messages, QStringList{"Ce coupon n'a pas de vendeur"});
    }

    void coupon_isRecordedForTheSellerOfTheNewRegister_data()
    {
        QTest::addColumn<QString>("coupon");
        QTest::addColumn<QString>("salesFile"); // empty: the coupon has no seller
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::newRow("in a range of fifty") << "101" << "vendeur_1.csv" << "Dupont" << "1";
        QTest::newRow("end of a range") << "150" << "vendeur_1.csv" << "Dupont" << "1";
        QTest::newRow("the next range") << "151" << "vendeur_7.csv" << "Martin" << "07";
        QTest::newRow("name with a comma: refused") << "200" << "" << "" << "";
        QTest::newRow("code with a blank after it, read without") << "300" << "vendeur_4.csv" << "Roux" << "4";
        QTest::newRow("both bounds empty: coupon 0") << "0" << "vendeur_5.csv" << "Vide" << "5";
        QTest::newRow("007 is indexed as 7") << "7" << "vendeur_6.csv" << "Zéro" << "6";
        QTest::newRow("but 007 is not 7") << "007" << "" << "" << "";
        QTest::newRow("no last coupon: no coupons yet") << "400" << "" << "" << "";
    }
    void coupon_isRecordedForTheSellerOfTheNewRegister()
    {
        QFETCH(QString, coupon);
        QFETCH(QString, salesFile);
        QFETCH(QString, name);
        QFETCH(QString, code);
        ProgramFixture fixture;
        CashDesk desk;
        desk.control<QPushButton>("PushButton5")->click();
        VendorForm form(VendorFiles::openInstance());
        form.add({{"CouponStart", "101"}, {"CouponStop", "150"}, {"NomVendeur", "Dupont"}});
        form.add({{"CouponStart", "151"}, {"CouponStop", "160"}, {"NomVendeur", "Martin"}, {"CodeVendeur", "07"}});
        form.add({{"CouponStart", "200"}, {"CouponStop", "200"}, {"NomVendeur", QStringLiteral("Bo, Léa")}});
        form.add({{"CouponStart", "300"}, {"CouponStop", "300"}, {"NomVendeur", "Roux"}, {"CodeVendeur", "4 "}});
        form.add({{"CouponStart", ""}, {"CouponStop", ""}, {"NomVendeur", "Vide"}, {"CodeVendeur", "5"}});
        form.add({{"CouponStart", "007"}, {"CouponStop", "007"}, {"NomVendeur", QStringLiteral("Zéro")}});
        form.add({{"CouponStart", "400"}, {"CouponStop", ""}, {"NomVendeur", "Rien"}, {"CodeVendeur", "9"}});
        QCOMPARE(fixture.folder.lines(kRegister).size(), 6);
        QCOMPARE(fixture.dialogs.messages,
                 QStringList{QStringLiteral("Le champ Nom ne peut contenir ni virgule ni retour à la ligne.")});
        fixture.dialogs.messages.clear();

        desk.record(coupon, "3");
        if (salesFile.isEmpty()) {
            QCOMPARE(fixture.dialogs.messages, QStringList{"Ce coupon n'a pas de vendeur"});
            QCOMPARE(desk.coupons()->ListCount(), 0);
            return;
        }
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(fixture.folder.lines(salesFile), QStringList{coupon + ",3"});
        QCOMPARE(desk.row(0), (QStringList{coupon, "3", name, code}));
        QCOMPARE(fixture.folder.lines(kJournal).last(),
                 coupon + ",3," + name + ',' + code);
    }
};

VDL_TEST(TestReset)
#include "tst_reset.moc"
