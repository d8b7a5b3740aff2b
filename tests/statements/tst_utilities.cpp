#include "statementsupport.h"

#include "cashdesk/window1.h"
#include "register/editwin.h"
#include "statements/utilities.h"

#include <QDir>
#include <QLabel>

namespace {

QStringList visibleControls(const QWidget *window)
{
    QStringList names;
    for (const QWidget *w : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        for (const QWidget *c : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!c->isHidden())
                names.append(c->objectName());
    }
    names.sort();
    return names;
}

} // namespace

class TestUtilities : public QObject
{
    Q_OBJECT

private slots:
    // The cash desk's "Utilitaires": the window the first time, the same one
    // brought forward later, a fresh one once it was closed by "Fermer".
    void utilitaires_showsTheWindow_fermerClosesIt()
    {
        StatementsFixture fixture;
        const CashDesk desk;
        const QStringList before = QDir().entryList(QDir::Files);
        desk.press("BevelButton4");
        utilities *tools = utilities::openInstance();
        QVERIFY(tools);
        QVERIFY(tools->isVisible());
        QCOMPARE(tools->windowModality(), Qt::NonModal);

        desk.press("BevelButton4");
        QCOMPARE(utilities::openInstance(), tools);

        press(tools, "BevelButton3");
        QVERIFY(!utilities::openInstance());
        QVERIFY(!tools->isVisible());
        QCOMPARE(QDir().entryList(QDir::Files), before);
        QVERIFY(fixture.messages().isEmpty());
        QVERIFY(fixture.shell.calls.isEmpty());

        desk.press("BevelButton4");
        QVERIFY(utilities::openInstance());
        QVERIFY(utilities::openInstance() != tools);
    }

    // "Editer le fichier des vendeurs": the editor with the register loaded,
    // the same one while it is open, a fresh one after "Quitter".
    void editer_showsTheRegisterEditor()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, "Jean Dupont,1,Rue,1000,Ville,1,50,0,0\n");
        utilities *tools = utilities::instance();
        press(tools, "BevelButton4");
        editwin *editor = editwin::openInstance();
        QVERIFY(editor);
        QVERIFY(editor->isVisible());
        QCOMPARE(child<fw::Listbox>(editor, "ListeVendeurs2")->ListCount(), 1);

        fixture.folder().write(kRegister, QByteArray());
        press(tools, "BevelButton4");
        QCOMPARE(editwin::openInstance(), editor);
        QCOMPARE(child<fw::Listbox>(editor, "ListeVendeurs2")->ListCount(), 1);

        press(editor, "quitter");
        press(tools, "BevelButton4");
        QVERIFY(editwin::openInstance() != editor);
        QCOMPARE(child<fw::Listbox>(editwin::openInstance(), "ListeVendeurs2")->ListCount(), 0);
        QVERIFY(fixture.messages().isEmpty());
    }

    void design_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("BevelButton1") << "BevelButton1" << QRect(45, 118, 206, 30) << "Imprimer les fiches vendeurs";
        QTest::newRow("BevelButton2") << "BevelButton2" << QRect(46, 214, 205, 29) << "Imprimer les résultats";
        QTest::newRow("Controlle") << "Controlle" << QRect(31, 277, 205, 37) << "";
        QTest::newRow("StaticText4") << "StaticText4" << QRect(46, 168, 198, 34)
                                     << "Feuille générale de résultats des vendeurs (résultats finaux)";
        QTest::newRow("StaticText9") << "StaticText9" << QRect(11, 89, 292, 17)
                                     << "Fiches à suspendre au dessus des vendeurs";
        QTest::newRow("Kommision") << "Kommision" << QRect(210, 295, 84, 22) << "";
        QTest::newRow("CoupinsVendeur") << "CoupinsVendeur" << QRect(23, 303, 191, 14) << "";
        QTest::newRow("locbac") << "locbac" << QRect(189, 277, 84, 22) << "";
        QTest::newRow("TotalNet") << "TotalNet" << QRect(103, 295, 84, 22) << "";
        QTest::newRow("fraise") << "fraise" << QRect(130, 295, 84, 22) << "";
        QTest::newRow("fromat") << "fromat" << QRect(41, 277, 73, 29) << "";
        QTest::newRow("TotalBrut") << "TotalBrut" << QRect(170, 282, 84, 22) << "";
        QTest::newRow("locramp") << "locramp" << QRect(170, 277, 84, 22) << "";
        QTest::newRow("EcceHomo") << "EcceHomo" << QRect(49, 277, 156, 30) << "";
        QTest::newRow("BevelButton3") << "BevelButton3" << QRect(117, 269, 81, 30) << "Fermer";
        QTest::newRow("BevelButton4") << "BevelButton4" << QRect(45, 43, 206, 30) << "Editer le fichier des vendeurs";
        QTest::newRow("StaticText10") << "StaticText10" << QRect(22, 14, 270, 17)
                                      << "Ajouter un vendeur, ajouter des coupons";
    }
    void design()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        StatementsFixture fixture;
        utilities *tools = utilities::instance();
        tools->Show();
        verifyFixedWindow(tools, QStringLiteral("Fonctions utilitaires"), QSize(317, 337));
        verifyDesignedControl(tools, name, geometry, caption);
        if (auto *button = tools->findChild<QAbstractButton *>(name)) {
            QVERIFY(!button->font().bold());
        }
    }

    // Only the buttons and their labels show; the rest is working storage.
    void design_onlyButtonsAndLabelsShow()
    {
        StatementsFixture fixture;
        utilities *tools = utilities::instance();
        tools->Show();
        QCOMPARE(visibleControls(tools), (QStringList{"BevelButton1", "BevelButton2", "BevelButton3", "BevelButton4",
                                                      "StaticText10", "StaticText4", "StaticText9"}));
        auto *results = child<QLabel>(tools, "StaticText4");
        QVERIFY(results->wordWrap());
        QVERIFY(results->alignment() & Qt::AlignHCenter);
        QCOMPARE(child<fw::Listbox>(tools, "Controlle")->ColumnCount(), 9);
        QCOMPARE(child<fw::Listbox>(tools, "CoupinsVendeur")->ColumnCount(), 2);
    }

    void design_fields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("amount");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("alignment");
        const int left = int(Qt::AlignLeft | Qt::AlignVCenter);
        const int right = int(Qt::AlignRight | Qt::AlignVCenter);
        const int centre = int(Qt::AlignCenter);
        QTest::newRow("Kommision") << "Kommision" << true << true << right;
        QTest::newRow("locbac") << "locbac" << false << false << centre;
        QTest::newRow("TotalNet") << "TotalNet" << true << true << right;
        QTest::newRow("fraise") << "fraise" << true << false << right;
        QTest::newRow("fromat") << "fromat" << true << false << left;
        QTest::newRow("TotalBrut") << "TotalBrut" << true << true << right;
        QTest::newRow("locramp") << "locramp" << false << false << centre;
        QTest::newRow("EcceHomo") << "EcceHomo" << false << true << left;
    }
    void design_fields()
    {
        QFETCH(QString, name);
        QFETCH(bool, amount);
        QFETCH(bool, readOnly);
        QFETCH(int, alignment);
        StatementsFixture fixture;
        auto *field = utilities::instance()->findChild<fw::TextField *>(name);
        QVERIFY(field);
        QCOMPARE(field->format(), amount ? QStringLiteral("-####.00") : QString());
        QCOMPARE(field->isReadOnly(), readOnly);
        QCOMPARE(int(field->alignment()), alignment);
        QVERIFY(field->isHidden());
    }

    void design_tabOrder()
    {
        StatementsFixture fixture;
        utilities *tools = utilities::instance();
        tools->Show();
        QWidget *from = child<QWidget>(tools, "BevelButton3");
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            from = nextTabStop(from);
            order.append(from->objectName());
        }
        QCOMPARE(order, (QStringList{"BevelButton1", "BevelButton2", "BevelButton4", "BevelButton3"}));
    }
};

VDL_TEST(TestUtilities)
#include "tst_utilities.moc"
