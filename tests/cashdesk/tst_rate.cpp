#include "drivers.h"

#include "app/module1.h"
#include "cashdesk/chgmenttaux.h"
#include "framework/text.h"
#include "framework/window.h"

#include <QTimer>
#include <functional>


namespace {

const QString kWarning =
    QStringLiteral("Vous allez modifier définitivement le taux de commission utilisé par Vandrelico!\n"
                   "Si ce n'est pas ce que vous voulez faire cliquez sur \"Abandonner\".");

struct Session {
    bool shown = false;      // the dialog was open, modally, while the cash desk waited
    bool stayedOpen = false; // it was still open once `use` was done
    int messagesBefore = -1; // messages already shown when it appeared
};

// Presses "Vériifer/Modifier" and, while the dialog is shown modally, runs
// `use` on it. A dialog left open afterwards is closed so the test goes on.
Session withRateDialog(const ScriptedDialogs &dialogs, const CashDesk &desk,
                       const std::function<void(ChgmentTaux *)> &use)
{
    Session session;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ChgmentTaux *dialog = ChgmentTaux::openInstance();
        if (!dialog)
            return;
        session.shown = dialog->isVisible() && dialog->windowModality() == Qt::ApplicationModal;
        if (session.shown) {
            session.messagesBefore = static_cast<int>(dialogs.messages.size());
            use(dialog);
        }
        if (ChgmentTaux *left = ChgmentTaux::openInstance()) {
            session.stayedOpen = left->isVisible();
            left->Close();
        }
    });
    timer.start(0);
    desk.press("BevelButton2");
    return session;
}

fw::TextField *rateField(ChgmentTaux *dialog) { return child<fw::TextField>(dialog, "nveautaux"); }

// Types the rate and presses a button of the dialog.
std::function<void(ChgmentTaux *)> typeAndPress(const QString &typed, const char *button)
{
    return [typed, button](ChgmentTaux *dialog) {
        type(dialog, "nveautaux", typed);
        child<QAbstractButton>(dialog, button)->click();
    };
}

// Reads the rate shown and abandons.
std::function<void(ChgmentTaux *)> readThenAbandon(QString &shown)
{
    return [&shown](ChgmentTaux *dialog) {
        shown = rateField(dialog)->Text();
        child<QAbstractButton>(dialog, "BevelButton2")->click();
    };
}

} // namespace

class TestRate : public QObject
{
    Q_OBJECT

private slots:
    void dialog_showsRateInForceInPercent_data()
    {
        QTest::addColumn<QByteArray>("rateFile");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0.12") << QByteArray("0.12\n") << "12";
        QTest::newRow("0.125") << QByteArray("0.125\n") << "12.5";
        QTest::newRow("0.07") << QByteArray("0.07\n") << "7";
        QTest::newRow("zero") << QByteArray("0\n") << "0";
        QTest::newRow("0.141") << QByteArray("0.141\n") << "14.1";
    }
    void dialog_showsRateInForceInPercent()
    {
        QFETCH(QByteArray, rateFile);
        QFETCH(QString, shown);
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder, QByteArray(), rateFile);
        CashDesk desk;
        QString field;
        QVERIFY(withRateDialog(fixture.dialogs, desk, readThenAbandon(field)).shown);
        QCOMPARE(field, shown);
    }

    // Whatever the rate in force, saving what the dialog shows keeps it: the
    // file's line and the rate in memory read back as the same Double.
    void enregistrer_ofTheShownRate_keepsIt_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("33.3333333333333333") << "33.3333333333333333";
        QTest::newRow("7") << "7";
        QTest::newRow("0.1 + 0.2 in percent") << "30.000000000000004";
        QTest::newRow("14.1") << "14.1";
        QTest::newRow("2.675") << "2.675";
    }
    void enregistrer_ofTheShownRate_keepsIt()
    {
        QFETCH(QString, typed);
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder);
        CashDesk desk;
        QVERIFY(withRateDialog(fixture.dialogs, desk, typeAndPress(typed, "BevelButton1")).shown);
        const double rate = fw::Val(typed) / 100;
        QCOMPARE(Module1::qvotaux, rate);
        QCOMPARE(fw::Val(fixture.folder.lines("ValComm.txt").value(0)), rate);

        // Shown again and saved untouched, twice: the rate does not drift.
        for (int i = 0; i < 2; ++i) {
            const Session s = withRateDialog(fixture.dialogs, desk, [](ChgmentTaux *dialog) {
                child<QAbstractButton>(dialog, "BevelButton1")->click();
            });
            QVERIFY(s.shown);
            QCOMPARE(Module1::qvotaux, rate);
            QCOMPARE(fw::Val(fixture.folder.lines("ValComm.txt").value(0)), rate);
        }
        fw::Window::destroyAllForTesting();
        Module1::reset();
        Window1::instance();
        QCOMPARE(Module1::qvotaux, rate);
    }

    void warning_beforeEveryOpening()
    {
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder);
        CashDesk desk;
        const Session first = withRateDialog(fixture.dialogs, desk, typeAndPress("15", "BevelButton1"));
        QString field;
        const Session second = withRateDialog(fixture.dialogs, desk, readThenAbandon(field));
        QVERIFY(first.shown && second.shown);
        QCOMPARE(first.messagesBefore, 1);
        QCOMPARE(second.messagesBefore, 2);
        QCOMPARE(fixture.dialogs.messages, (QStringList{kWarning, kWarning}));
        QCOMPARE(field, QStringLiteral("15")); // a fresh dialog, with the rate then in force
    }

    void enregistrer_setsRateInMemoryAndFile_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("line");
        QTest::newRow("15") << "15" << 0.15 << "0.15";
        QTest::newRow("empty") << "" << 0.0 << "0";
        QTest::newRow("decimal comma") << "12,5" << 0.125 << "0.125";
        QTest::newRow("decimal comma, blanks around") << " 12,5 " << 0.125 << "0.125";
        QTest::newRow("decimal comma, negative") << "-3,5" << -0.035 << "-0.035";
        QTest::newRow("decimal comma pasted with LF") << "12,5\n" << 0.125 << "0.125";
        QTest::newRow("decimal comma between CRLFs") << "\r\n12,5\r\n" << 0.125 << "0.125";
        QTest::newRow("two commas: Val's whole part") << "1,2,5" << 0.01 << "0.01";
        QTest::newRow("tiny: 0") << "1e-400" << 0.0 << "0";
        QTest::newRow("decimal point") << "12.5" << 0.125 << "0.125";
        QTest::newRow("not a number") << "douze" << 0.0 << "0";
        QTest::newRow("negative") << "-3" << -0.03 << "-0.03";
        QTest::newRow("above 100") << "150" << 1.5 << "1.5";
    }
    void enregistrer_setsRateInMemoryAndFile()
    {
        QFETCH(QString, typed);
        QFETCH(double, rate);
        QFETCH(QString, line);
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder);
        CashDesk desk;
        const Session s = withRateDialog(fixture.dialogs, desk, typeAndPress(typed, "BevelButton1"));
        QVERIFY(s.shown);
        QVERIFY(!s.stayedOpen);
        QVERIFY(!ChgmentTaux::openInstance());
        QCOMPARE(fixture.dialogs.messages, QStringList{kWarning});
        QCOMPARE(Module1::qvotaux, rate);
        QCOMPARE(fixture.folder.read("ValComm.txt"), line.toUtf8() + '\n');

        // The next start reads the same rate back.
        fw::Window::destroyAllForTesting();
        Module1::reset();
        Window1::instance();
        QCOMPARE(Module1::qvotaux, rate);
    }

    void newRate_commissionWaitsForNextCancellation()
    {
        ProgramFixture fixture;
        fixture.folder.write("vendeur_2.csv", "2,2.10\n");
        writeDeskFiles(fixture.folder, "1,10,Dupont,1\n2,2.10,Martin,2\n3,5,Dupont,1\n");
        CashDesk desk;
        QCOMPARE(desk.commission(), QStringLiteral("2.05"));
        QVERIFY(withRateDialog(fixture.dialogs, desk, typeAndPress("15", "BevelButton1")).shown);
        QCOMPARE(desk.commission(), QStringLiteral("2.05"));
        QCOMPARE(desk.total(), QStringLiteral("17.10"));
        desk.cancel(1);
        QCOMPARE(desk.commission(), QStringLiteral("2.25")); // 0.15 x 15
    }

    void abandonner_changesNothing()
    {
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder, QByteArray(), "0.12\n");
        CashDesk desk;
        const Session s = withRateDialog(fixture.dialogs, desk, typeAndPress("15", "BevelButton2"));
        QVERIFY(s.shown);
        QVERIFY(!s.stayedOpen);
        QCOMPARE(Module1::qvotaux, 0.12);
        QCOMPARE(fixture.folder.read("ValComm.txt"), QByteArray("0.12\n"));
    }

    void rateFileNotWritable_keepsRateAndDialog()
    {
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder, QByteArray(), "0.12\n");
        CashDesk desk;
        QVERIFY(blockNow(fixture.folder, QStringLiteral("ValComm.txt")));
        QString fieldAfter;
        const Session s = withRateDialog(fixture.dialogs, desk, [&](ChgmentTaux *dialog) {
            typeAndPress("15", "BevelButton1")(dialog);
            fieldAfter = rateField(dialog)->Text();
        });
        QVERIFY(s.shown);
        QVERIFY(s.stayedOpen);
        QCOMPARE(fixture.dialogs.messages.size(), 2);
        QVERIFY(fixture.dialogs.messages.last().contains(QStringLiteral("ValComm.txt")));
        QCOMPARE(Module1::qvotaux, 0.12);
        QCOMPARE(fieldAfter, QStringLiteral("15")); // what was typed, to try again or abandon
    }

    // A rate the file cannot hold as a number: it would read back as 0 at
    // the next start.
    void enregistrer_ofNoFiniteNumber_isRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("1e400") << "1e400";
        QTest::newRow("-1e400") << "-1e400";
        QTest::newRow("400 digits") << QString(400, QLatin1Char('9'));
        QTest::newRow("1e400 and a comma") << "1e400,5";
    }
    void enregistrer_ofNoFiniteNumber_isRefused()
    {
        QFETCH(QString, typed);
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder, QByteArray(), "0.12\n");
        CashDesk desk;
        QString fieldAfter;
        const Session s = withRateDialog(fixture.dialogs, desk, [&](ChgmentTaux *dialog) {
            typeAndPress(typed, "BevelButton1")(dialog);
            fieldAfter = rateField(dialog)->Text();
        });
        QVERIFY(s.shown);
        QVERIFY(s.stayedOpen);
        QCOMPARE(fixture.dialogs.messages,
                 (QStringList{kWarning, QStringLiteral("Taux invalide : tapez un pourcentage comme 12 ou 12,5.")}));
        QCOMPARE(Module1::qvotaux, 0.12);
        QCOMPARE(fixture.folder.read("ValComm.txt"), QByteArray("0.12\n"));
        QCOMPARE(fieldAfter, typed); // to correct, or abandon
    }

    void design_matchesTheRateDialog_data()
    {
        designColumns();
        designRow("StaticText1", QRect(20, 13, 93, 24), "Nouveau taux:");
        designRow("nveautaux", QRect(117, 13, 66, 28));
        designRow("StaticText2", QRect(189, 13, 25, 24), "%");
        designRow("BevelButton1", QRect(25, 52, 82, 25), "Enregistrer");
        designRow("BevelButton2", QRect(117, 52, 87, 24), "Abandonner");
    }
    void design_matchesTheRateDialog()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder);
        CashDesk desk;
        QRect found;
        QString text;
        QString title;
        QSize size;
        const Session s = withRateDialog(fixture.dialogs, desk, [&](ChgmentTaux *dialog) {
            title = dialog->windowTitle();
            size = rateField(dialog)->parentWidget()->size();
            if (QWidget *c = dialog->findChild<QWidget *>(name)) {
                found = c->geometry();
                text = captionOf(c);
            }
            QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
            dialog->Close();
        });
        QVERIFY(s.shown);
        QCOMPARE(title, QStringLiteral("Taux de commission"));
        QCOMPARE(size, QSize(224, 96));
        QCOMPARE(found, geometry);
        QCOMPARE(text, caption);
    }
};

VDL_TEST(TestRate)
#include "tst_rate.moc"
