#include "drivers.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "app/pictures.h"
#include "cashdesk/window1.h"
#include "framework/controls.h"
#include "framework/runtime.h"
#include "framework/text.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>


class TestOpening : public QObject
{
    Q_OBJECT

private slots:
    void firstRun_createsRateFileAndJournal()
    {
        ProgramFixture fixture;
        const CashDesk desk;

        QCOMPARE(fixture.folder.lines("ValComm.txt"), QStringList{"0.12"});
        QCOMPARE(Module1::qvotaux, 0.12);
        QCOMPARE(Module1::myday, QStringLiteral("7/3/2026"));
        QCOMPARE(Module1::thename, kJournal);
        QCOMPARE(fixture.folder.lines(kJournal), kTodayHeader);
        QCOMPARE(desk.control<fw::Listbox>("ReferenceBox")->ListCount(), 0);
        QCOMPARE(desk.control<fw::TextField>("ShowTotal")->Text(), QStringLiteral("0.00"));
        QCOMPARE(desk.control<fw::TextField>("ShowComm")->Text(), QString());
        QVERIFY(desk.control<QPushButton>("PushButton5")->isEnabled());
        QVERIFY(!fw::QuitRequested());
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }

    void opening_asksStartupQuestion()
    {
        ProgramFixture fixture;
        Window1::instance();
        QCOMPARE(fixture.dialogs.questions.size(), 1);
        const fw::QuestionDialog &q = fixture.dialogs.questions.first();
        QCOMPARE(q.title, QStringLiteral("et pour commencer... "));
        QCOMPARE(q.icon, 1);
        QCOMPARE(q.message,
                 QStringLiteral("Le fonctionnement de ce programme suppose que tous les fichiers des vendeurs "
                                "(vendeur_x.csv) ont étés effacés et que les fichiers ListeVendeurs.csv\n"
                                "et couponsvendeurs.csv ont été correctement remplis. \n"));
        QCOMPARE(q.explanation,
                 QStringLiteral("Si ce n'est pas le cas, vous pouvez encore effacer les premiers, sans devoir "
                                "quitter le programme (Continuer), et utiliser \n le bouton \"Gestion des "
                                "vendeurs\" pour créer les seconds."));
        QCOMPARE(q.actionCaption, QStringLiteral("Continuer"));
        QCOMPARE(q.cancelCaption, QStringLiteral("Quitter"));
    }

    void quitAnswer_stillCreatesBothFiles()
    {
        ProgramFixture fixture;
        fixture.dialogs.answer(fw::DialogButton::Cancel);
        Window1::instance();
        QVERIFY(fw::QuitRequested());
        QVERIFY(fixture.folder.exists("ValComm.txt"));
        QCOMPARE(fixture.folder.lines(kJournal).size(), 2);
    }

    void secondRun_reloadsJournal_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("commission");
        QTest::newRow("header only") << QByteArray() << QList<QStringList>{} << "0.00" << "0.00";
        QTest::newRow("blank lines only") << QByteArray("\n \n,,,\n") << QList<QStringList>{} << "0.00" << "0.00";
        QTest::newRow("turnover and commission")
            << QByteArray("1,10,Dupont,1\n2,2.5,Dupont,1\n3,0.45,Martin,2\n")
            << QList<QStringList>{{"1", "10.00", "Dupont", "1"}, {"2", "2.50", "Dupont", "1"},
                                  {"3", "0.45", "Martin", "2"}}
            << "12.95" << "1.55";
        QTest::newRow("blanks trimmed, amount formatted")
            << QByteArray(" 12 , 5.5 , Jean Dupont , 07 \n")
            << QList<QStringList>{{"12", "5.50", "Jean Dupont", "07"}} << "5.50" << "0.65";
        QTest::newRow("comma amount: first four fields")
            << QByteArray("4,12,50,Dupont,1\n") << QList<QStringList>{{"4", "12.00", "50", "Dupont"}} << "12.00"
            << "1.45";
        QTest::newRow("short line, blank lines skipped")
            << QByteArray("7,3\n\n , ,\n") << QList<QStringList>{{"7", "3.00", "", ""}} << "3.00"
            << "0.35";
        QTest::newRow("windows line ends and encoding")
            << QByteArray("5,1.5,L\xe9on,3\r\n") << QList<QStringList>{{"5", "1.50", QStringLiteral("Léon"), "3"}}
            << "1.50" << "0.20";
        // As LibreOffice Calc saves it: every cell quoted (columns of text),
        // or the text cells only, an empty row as ",,,".
        QTest::newRow("spreadsheet, every field quoted")
            << QByteArray("\"1\",\"2.555\",\"Dupont\",\"1\"\n\"2\",\"10\",\"L\xc3\xa9on \"\"Poisson\"\"\",\"07\"\n")
            << QList<QStringList>{{"1", "2.56", "Dupont", "1"}, {"2", "10.00", QStringLiteral("Léon \"Poisson\""), "07"}}
            << "12.56" << "1.50";
        QTest::newRow("spreadsheet, text quoted, empty rows")
            << QByteArray("1,2.5,\"Dupont\",1\n,,,\n;;;\n2,10,\"L\xc3\xa9on Martin\",7\n")
            << QList<QStringList>{{"1", "2.50", "Dupont", "1"}, {"2", "10.00", QStringLiteral("Léon Martin"), "7"}}
            << "12.50" << "1.50";
        QTest::newRow("spreadsheet, a row of empty text")
            << QByteArray("\"1\",\"2.5\",\"Dupont\",\"1\"\n\"\",\"\",\"\",\"\"\n")
            << QList<QStringList>{{"1", "2.50", "Dupont", "1"}} << "2.50" << "0.30";
        QTest::newRow("infinite amounts count 0")
            << QByteArray("1,10,A,1\n2,1e400,A,1\n3,-1e400,B,2\n4,5,B,2\n")
            << QList<QStringList>{{"1", "10.00", "A", "1"}, {"2", "0.00", "A", "1"}, {"3", "0.00", "B", "2"},
                                  {"4", "5.00", "B", "2"}}
            << "15.00" << "1.80";
        // Hand edits far beyond any fair, and the sum up to the largest amount.
        QTest::newRow("amounts beyond what an amount holds count 0")
            << QByteArray("1,999999999989.99,A,1\n2,1e300,A,1\n3,1000000000000,B,2\n4,10,B,2\n5,0.01,B,2\n")
            << QList<QStringList>{{"1", "999999999989.99", "A", "1"}, {"2", "0.00", "A", "1"},
                                  {"3", "0.00", "B", "2"}, {"4", "10.00", "B", "2"}, {"5", "0.01", "B", "2"}}
            << "999999999999.99" << "120000000000.00";
        QTest::newRow("exact sum of unformatted amounts")
            << QByteArray("1,0.004,A,1\n2,0.004,A,1\n") << QList<QStringList>{{"1", "0.00", "A", "1"},
                                                                             {"2", "0.00", "A", "1"}}
            << "0.01" << "0.00";
    }
    void secondRun_reloadsJournal()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QList<QStringList>, rows);
        QFETCH(QString, total);
        QFETCH(QString, commission);
        ProgramFixture fixture;
        fixture.folder.write(kJournal, kEarlierHeader + lines);
        fixture.folder.write("ValComm.txt", "0.12\n");
        const CashDesk desk;

        auto *list = desk.control<fw::Listbox>("ReferenceBox");
        QCOMPARE(list->ListCount(), rows.size());
        for (int r = 0; r < rows.size(); ++r)
            QCOMPARE(desk.row(r), rows[r]);
        QCOMPARE(list->ListIndex(), -1);
        QCOMPARE(desk.control<fw::TextField>("ShowTotal")->Text(), total);
        QCOMPARE(desk.control<fw::TextField>("ShowComm")->Text(), commission);
        // The hidden amount field is left holding the last amount formatted.
        QCOMPARE(desk.control<fw::TextField>("fromat")->Text(), rows.isEmpty() ? QString() : rows.last().value(1));
        // The register can be started anew until the year's first coupon.
        QCOMPARE(desk.control<QPushButton>("PushButton5")->isEnabled(), rows.isEmpty());
        // Reloading never rewrites the journal.
        QCOMPARE(fixture.folder.read(kJournal), kEarlierHeader + lines);
    }

    // A line that is not the journal's own is named, with its number counted
    // from the file's first line; the readable lines are loaded and counted,
    // and the journal stays as it is.
    void secondRun_namesAnUnreadableJournalLine_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("total");
        QTest::newRow("saved with semicolons") << QByteArray("1;2,5;Dupont;1\n2;10;Dupont;1\n") << 3 << 0 << "0.00";
        QTest::newRow("quoted decimal comma, after a blank line")
            << QByteArray("1,10,Dupont,1\n\n3,\"2,5\",Dupont,1\n4,5,Dupont,1\n") << 5 << 2 << "15.00";
        QTest::newRow("quoted comma in a name")
            << QByteArray("1,10,Dupont,1\n\"2\",\"3\",\"Dupont, Jean\",\"4\"\n") << 4 << 1 << "10.00";
    }
    void secondRun_namesAnUnreadableJournalLine()
    {
        QFETCH(QByteArray, lines);
        QFETCH(int, line);
        QFETCH(int, rows);
        QFETCH(QString, total);
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder, lines);
        const CashDesk desk;
        QCOMPARE(fixture.dialogs.messages, QStringList{app::ReadErrorMessage({kJournal, line})});
        QVERIFY(fixture.dialogs.messages.first().contains(QStringLiteral("La ligne %1 de %2").arg(line).arg(kJournal)));
        QCOMPARE(desk.coupons()->ListCount(), rows);
        QCOMPARE(desk.total(), total);
        // The line that cannot be read may be a coupon: no new register.
        QVERIFY(!desk.control<QPushButton>("PushButton5")->isEnabled());
        QVERIFY(!fw::QuitRequested());
        QCOMPARE(fixture.folder.read(kJournal), kEarlierHeader + lines);
    }

    void journalWithoutHeader_losesItsFirstTwoLines()
    {
        ProgramFixture fixture;
        fixture.folder.write(kJournal, "1,2,A,1\n2,3,B,1\n3,4,C,1\n");
        const CashDesk desk;
        QCOMPARE(desk.control<fw::Listbox>("ReferenceBox")->ListCount(), 1);
        QCOMPARE(desk.row(0).first(), QStringLiteral("3"));
        QCOMPARE(Module1::grandtotal.Value(), 4.0);
    }

    void rateFile_isRead_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<double>("rate");
        QTest::newRow("0.15") << QByteArray("0.15\n") << 0.15;
        QTest::newRow("text") << QByteArray("douze\n") << 0.0;
        QTest::newRow("empty file") << QByteArray() << 0.0;
        QTest::newRow("later lines ignored") << QByteArray("0.2\n0.5\n") << 0.2;
        QTest::newRow("windows line end") << QByteArray("0.1\r\n") << 0.1;
    }
    void rateFile_isRead()
    {
        QFETCH(QByteArray, content);
        QFETCH(double, rate);
        ProgramFixture fixture;
        fixture.folder.write("ValComm.txt", content);
        fixture.folder.write(kJournal, kEarlierHeader + "1,100,A,1\n");
        const CashDesk desk;
        QCOMPARE(Module1::qvotaux, rate);
        QCOMPARE(fixture.folder.read("ValComm.txt"), content);
        QCOMPARE(desk.control<fw::TextField>("ShowComm")->Text(), fw::FormatAmount(fw::Round(rate * 100 * 20) / 20));
    }

    void unreadableFile_stopsWithNothingWritten_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QStringList>("written");
        // The rate file is read before the warning and the journal after it.
        QTest::newRow("rate file") << "ValComm.txt" << false << QStringList();
        QTest::newRow("journal") << kJournal << true << QStringList{"ValComm.txt"};
    }
    void unreadableFile_stopsWithNothingWritten()
    {
        QFETCH(QString, blocked);
        QFETCH(bool, asked);
        QFETCH(QStringList, written);
        ProgramFixture fixture;
        fixture.folder.block(blocked);
        Window1::instance();
        QCOMPARE(fixture.dialogs.messages.size(), 1);
        QVERIFY(fixture.dialogs.messages.first().contains(blocked));
        QVERIFY(fw::QuitRequested());
        QCOMPARE(fixture.dialogs.questions.size(), asked ? 1 : 0);
        // Nothing written but the rate file that comes before the warning.
        QCOMPARE(QDir(fixture.folder.path(QString())).entryList(QDir::Files), written);
    }

    // The warning invites the user to put the files right before answering:
    // the journal is opened, read or created only after the answer.
    void journal_isTakenAsItIsOnceTheWarningIsAnswered_data()
    {
        QTest::addColumn<QByteArray>("before"); // empty: no journal before
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("total");
        QTest::newRow("copied in") << QByteArray() << "copy" << 2 << "12.50";
        QTest::newRow("replaced") << QByteArray("1,99,Martin,2\n") << "copy" << 2 << "12.50";
        QTest::newRow("deleted") << QByteArray("1,99,Martin,2\n2,1,Martin,2\n3,1,Martin,2\n") << "delete" << 0
                                 << "0.00";
        QTest::newRow("made unreadable") << QByteArray("1,99,Martin,2\n") << "block" << 0 << "0.00";
    }
    void journal_isTakenAsItIsOnceTheWarningIsAnswered()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, meanwhile);
        QFETCH(int, rows);
        QFETCH(QString, total);
        ProgramFixture fixture;
        fixture.folder.write("ValComm.txt", "0.12\n");
        if (!before.isEmpty())
            fixture.folder.write(kJournal, kEarlierHeader + before);
        const QByteArray copied = kEarlierHeader + "5,10,Dupont,1\n6,2.5,Dupont,1\n";
        fixture.dialogs.whileAsked = [&](const fw::QuestionDialog &) {
            QFile::remove(fixture.folder.path(kJournal));
            if (meanwhile == QLatin1String("copy"))
                fixture.folder.write(kJournal, copied);
            else if (meanwhile == QLatin1String("block"))
                fixture.folder.block(kJournal);
        };
        const CashDesk desk;
        QCOMPARE(fixture.dialogs.questions.size(), 1);
        auto *list = desk.control<fw::Listbox>("ReferenceBox");
        QCOMPARE(list->ListCount(), rows);
        QCOMPARE(desk.control<fw::TextField>("ShowTotal")->Text(), total);
        if (meanwhile == QLatin1String("copy")) {
            QCOMPARE(fixture.folder.read(kJournal), copied); // loaded, not replaced
            QCOMPARE(desk.row(1), (QStringList{"6", "2.50", "Dupont", "1"}));
            QCOMPARE(desk.control<fw::TextField>("ShowComm")->Text(), QStringLiteral("1.50"));
            QVERIFY(!desk.control<QPushButton>("PushButton5")->isEnabled());
            QVERIFY(!fw::QuitRequested());
        } else if (meanwhile == QLatin1String("delete")) {
            // A fresh journal with its header, so that its first coupons are kept.
            QCOMPARE(fixture.folder.read(kJournal), QByteArray(kEarlierHeader).replace("1/3/2026", "7/3/2026"));
            QCOMPARE(desk.control<fw::TextField>("ShowComm")->Text(), QString());
            QVERIFY(desk.control<QPushButton>("PushButton5")->isEnabled());
            QVERIFY(!fw::QuitRequested());
        } else {
            QCOMPARE(fixture.dialogs.messages.size(), 1);
            QVERIFY(fixture.dialogs.messages.first().contains(kJournal));
            QVERIFY(QFileInfo(fixture.folder.path(kJournal)).isDir()); // never replaced
            QVERIFY(fw::QuitRequested());
        }
    }

    void fileThatCannotBeCreated_stopsTheProgram()
    {
        ProgramFixture fixture;
        QDir(fixture.folder.path(QString())).removeRecursively(); // no data folder left to write in
        Window1::instance();
        QCOMPARE(fixture.dialogs.messages,
                 QStringList{"Impossible de créer le fichier ValComm.txt. Le programme s'arrête."});
        QVERIFY(fw::QuitRequested());
    }

    void journalThatCannotBeCreated_isNamed()
    {
        ProgramFixture fixture;
        fixture.folder.write("ValComm.txt", "0.12\n");
        // A dangling link: the journal is not there, yet cannot be created through it.
        QVERIFY(QFile::link(fixture.folder.path("missing/none.csv"), fixture.folder.path(kJournal)));
        Window1::instance();
        QCOMPARE(fixture.dialogs.messages,
                 QStringList{"Impossible de créer le fichier QVOB2026_main.csv. Le programme s'arrête."});
        QVERIFY(fw::QuitRequested());
    }

    void design_matchesTheCashDesk_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("EntryCoupon") << "EntryCoupon" << QRect(41, 195, 70, 27) << "";
        QTest::newRow("ValeurCoupon") << "ValeurCoupon" << QRect(129, 195, 79, 27) << "";
        QTest::newRow("ReferenceBox") << "ReferenceBox" << QRect(358, 64, 352, 375) << "";
        QTest::newRow("StaticText3") << "StaticText3" << QRect(42, 110, 277, 40) << "Saisie des coupons";
        QTest::newRow("StaticText4") << "StaticText4" << QRect(365, 19, 274, 17) << "Coupons déjà saisis";
        QTest::newRow("StaticText5") << "StaticText5" << QRect(51, 279, 111, 31) << "Chiffre d'affaire:";
        QTest::newRow("StaticText7") << "StaticText7" << QRect(358, 43, 274, 17)
                                     << "Coupon      Valeur              Vendeur";
        QTest::newRow("PushButton3") << "PushButton3" << QRect(390, 449, 274, 26)
                                     << "Voir la feuille d'un vendeur particulier";
        QTest::newRow("PushButton5") << "PushButton5" << QRect(66, 449, 240, 26)
                                     << "Gestion des vendeurs et coupons";
        QTest::newRow("BevelButton1") << "BevelButton1" << QRect(233, 195, 86, 26) << "Ajouter";
        QTest::newRow("BevelButton2") << "BevelButton2" << QRect(66, 349, 79, 20) << "Vériifer/Modifier";
        QTest::newRow("BevelButton3") << "BevelButton3" << QRect(233, 233, 86, 29) << "Effacer";
        QTest::newRow("BevelButton5") << "BevelButton5" << QRect(7, 445, 55, 31) << "Quitter";
    }
    void design_matchesTheCashDesk()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        ProgramFixture fixture;
        const CashDesk desk;
        verifyDesignedControl(desk.w, name, geometry, caption);
    }

    void window_isFixedWithoutCloseButton()
    {
        ProgramFixture fixture;
        const CashDesk desk;
        desk.w->Show();
        verifyFixedWindow(desk.w, QStringLiteral("Gestion de la Bourse QVO"), QSize(720, 486));
        // The seller code column is never seen, the working lists never shown.
        QVERIFY(desk.control<fw::Listbox>("ReferenceBox")->isColumnHidden(3));
        QVERIFY(!desk.control<fw::Listbox>("ListCachee")->isVisible());
        QVERIFY(!desk.control<fw::TextField>("fromat")->isVisible());
        QVERIFY(desk.control<fw::TextField>("ShowTotal")->isReadOnly());
    }

    void tab_visitsEntryAmountAndAjouterOnly()
    {
        ProgramFixture fixture;
        const CashDesk desk;
        QStringList visited;
        visitByTab(desk.w, "EntryCoupon", 3, visited);
        QCOMPARE(visited, (QStringList{"ValeurCoupon", "BevelButton1", "EntryCoupon"}));
    }

    // The list takes no part in the keyboard: after a click in it, Tab goes to
    // the coupon field and typed keys move no selection, so "Effacer" cancels
    // the coupon that was clicked.
    void list_afterAClick_keepsItsRowForTabAndTypedKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("focus");
        QTest::newRow("tab") << int(Qt::Key_Tab) << "EntryCoupon";
        QTest::newRow("digit of another row") << int(Qt::Key_2) << "ReferenceBox";
    }
    void list_afterAClick_keepsItsRowForTabAndTypedKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, focus);
        ProgramFixture fixture;
        fixture.folder.write(kJournal, kEarlierHeader + "10,1,Dupont,1\n12,1,Dupont,1\n20,1,Martin,2\n21,1,Martin,2\n");
        const CashDesk desk;
        desk.w->Show();
        QApplication::setActiveWindow(desk.w);
        QVERIFY(QTest::qWaitForWindowActive(desk.w));
        auto *list = desk.control<fw::Listbox>("ReferenceBox");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(list->ListIndex(), 1);

        QTest::keyClick(list, Qt::Key(key));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(list->ListIndex(), 1);
        if (focus == QLatin1String("EntryCoupon")) {
            // From there on, the designed order.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("ValeurCoupon"));
        }
    }

    void quit_fromButtonMenuOrWindowManager_writesNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Quitter") << "button";
        QTest::newRow("&Quit") << "menu";
        QTest::newRow("Ctrl+Q") << "shortcut";
        QTest::newRow("close request") << "close";
    }
    void quit_fromButtonMenuOrWindowManager_writesNothing()
    {
        QFETCH(QString, way);
        ProgramFixture fixture;
        const CashDesk desk;
        desk.w->Show();
        QApplication::setActiveWindow(desk.w);
        QVERIFY(QTest::qWaitForWindowActive(desk.w));
        const QByteArray journal = fixture.folder.read(kJournal);
        QVERIFY(!fw::QuitRequested());
        if (way == "button")
            desk.control<QAbstractButton>("BevelButton5")->click();
        else if (way == "menu")
            desk.w->FileQuit()->trigger();
        else if (way == "shortcut")
            QTest::keyClick(desk.w, Qt::Key_Q, Qt::ControlModifier);
        else
            static_cast<QWidget *>(desk.w)->close(); // as the window manager asks
        QVERIFY(fw::QuitRequested());
        QVERIFY(desk.w->isVisible());
        QVERIFY(fixture.dialogs.messages.isEmpty());
        QCOMPARE(fixture.folder.read(kJournal), journal);
    }

    void missingLogo_leavesPictureEmptyWithoutMessage()
    {
        ProgramFixture fixture;
        app::setResourcesFolder(fixture.folder.path("Resources"));
        const CashDesk desk;
        app::setResourcesFolder(QString());
        QVERIFY(desk.control<fw::Canvas>("Canvas1")->pixmap().isNull());
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }

    // A start that is only a trial (quitting at once) leaves the journal of
    // its header: "Gestion des vendeurs et coupons" stays usable at every
    // later start until the year's first coupon is recorded, and again once
    // the only coupon is cancelled.
    void trialStart_leavesTheRegisterOpenUntilTheFirstCoupon_data()
    {
        QTest::addColumn<QString>("quit");
        QTest::newRow("Quitter at the warning") << "warning";
        QTest::newRow("Quitter button") << "button";
    }
    void trialStart_leavesTheRegisterOpenUntilTheFirstCoupon()
    {
        QFETCH(QString, quit);
        ProgramFixture fixture;
        fixture.folder.write(kIndex, "12,Dupont,1\n");
        const auto restart = [] {
            fw::Window::destroyAllForTesting();
            fw::ResetQuitForTesting();
        };
        const auto registerButton = [](const CashDesk &desk) { return desk.control<QPushButton>("PushButton5"); };
        if (quit == QLatin1String("warning"))
            fixture.dialogs.answer(fw::DialogButton::Cancel);
        {
            CashDesk desk;
            if (quit == QLatin1String("button"))
                desk.press("BevelButton5");
            QVERIFY(fw::QuitRequested());
            QVERIFY(registerButton(desk)->isEnabled());
        }
        QCOMPARE(fixture.folder.lines(kJournal), kTodayHeader);
        for (int start = 0; start < 2; ++start) {
            restart();
            CashDesk desk;
            QVERIFY(registerButton(desk)->isEnabled());
        }

        restart();
        {
            CashDesk desk;
            desk.record("12", "2.50");
            QCOMPARE(desk.coupons()->ListCount(), 1);
            QVERIFY(!registerButton(desk)->isEnabled());
        }
        restart();
        {
            CashDesk desk;
            QVERIFY(!registerButton(desk)->isEnabled());
            desk.cancel(0);
            QCOMPARE(fixture.folder.lines(kJournal), kTodayHeader);
        }
        restart();
        CashDesk desk;
        QVERIFY(registerButton(desk)->isEnabled());
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }

    // The list opens on the last coupon recorded, as a recording leaves it.
    void opening_showsTheLastRecordedCoupon()
    {
        ProgramFixture fixture;
        QByteArray lines;
        for (int coupon = 1; coupon <= 300; ++coupon)
            lines += QByteArray::number(coupon) + ",1,Dupont,1\n";
        writeDeskFiles(fixture.folder, lines);
        const CashDesk desk;
        desk.w->Show();
        QVERIFY(QTest::qWaitForWindowExposed(desk.w));
        auto *list = desk.coupons();
        const QRect shown = list->viewport()->rect();
        QVERIFY(shown.contains(list->visualRect(list->model()->index(299, 0))));
        QVERIFY(!shown.intersects(list->visualRect(list->model()->index(0, 0))));
        QCOMPARE(list->ListIndex(), -1);
    }
};

VDL_TEST(TestOpening)
#include "tst_opening.moc"
