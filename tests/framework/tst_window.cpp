#include "testsupport.h"

#include "framework/controls.h"
#include "framework/runtime.h"
#include "framework/window.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

namespace {

// A window of the tests' own, counting its openings.
class Probe : public fw::SingleWindow<Probe>
{
public:
    Probe()
    {
        content()->resize(200, 100);
        content()->setWindowTitle(QStringLiteral("Probe"));
        button = new QPushButton(QStringLiteral("Boom"), content());
        fw::OnAction(button, [] { throw std::runtime_error("panne de test"); });
        finishDesign();
    }

    void Event_Open() override
    {
        ++openings;
        if (closeOnOpen)
            Close();
        if (throwOnOpen)
            throw std::runtime_error("ouverture impossible");
    }

    QPushButton *button;
    static inline int openings = 0;
    static inline bool closeOnOpen = false;
    static inline bool throwOnOpen = false;
};

} // namespace

namespace Ui {

// A form as uic makes them: the controls made on the widget it is given.
class Designed
{
public:
    void setupUi(QWidget *form)
    {
        form->resize(300, 120);
        form->setWindowTitle(QStringLiteral("Designed"));
        Ajouter = new QPushButton(QStringLiteral("Ajouter"), form);
        Ajouter->setObjectName(QStringLiteral("Ajouter"));
        Boom = new fw::BevelButton(form);
        Boom->setObjectName(QStringLiteral("Boom"));
        Lone = new QPushButton(QStringLiteral("Lone"), form);
        Lone->setObjectName(QStringLiteral("Lone"));
    }

    QPushButton *Ajouter;
    fw::BevelButton *Boom;
    QPushButton *Lone; // has no handler
};

} // namespace Ui

// A window built from its form, noting what runs.
class Designed : public fw::DesignedWindow<Designed, Ui::Designed>
{
    Q_OBJECT

public slots:
    void Ajouter_Action() { steps.append(QStringLiteral("Ajouter")); }
    void Boom_Action() { throw std::runtime_error("panne du bouton"); }

public:
    void Event_Open() override { steps.append(QStringLiteral("Open")); }

    static inline QStringList steps;

private:
    void Layout() override
    {
        steps.append(QStringLiteral("Layout"));
        finishDesign();
    }
    void CreateControls() override
    {
        steps.append(QStringLiteral("CreateControls"));
        setUpForm();
    }
};

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Probe::openings = 0;
        Probe::closeOnOpen = false;
        Probe::throwOnOpen = false;
        Designed::steps.clear();
    }

    void instance_isOneUntilClosed()
    {
        ProgramFixture fixture;
        Probe *first = Probe::instance();
        QCOMPARE(Probe::instance(), first);
        QCOMPARE(Probe::openings, 1);
        first->Close();
        QVERIFY(!Probe::openInstance());
        Probe *second = Probe::instance();
        QVERIFY(second != first);
        QCOMPARE(Probe::openings, 2); // a fresh instance opens again
    }

    void windowClosedInItsOpening_isNotShown()
    {
        ProgramFixture fixture;
        Probe::closeOnOpen = true;
        Probe *w = Probe::instance();
        w->Show();
        QVERIFY(!w->isVisible());
        QVERIFY(!Probe::openInstance());
    }

    void closeRequest_isIgnored()
    {
        ProgramFixture fixture;
        Probe *w = Probe::instance();
        w->Show();
        QVERIFY(!static_cast<QWidget *>(w)->close()); // as the window manager asks
        QVERIFY(w->isVisible());
        QCOMPARE(Probe::openInstance(), w);
    }

    void fixedSizeFromTheForm()
    {
        ProgramFixture fixture;
        Probe *w = Probe::instance();
        w->Show();
        QCOMPARE(w->windowTitle(), QStringLiteral("Probe"));
        QCOMPARE(w->size(), QSize(200, 100));
        QCOMPARE(w->minimumSize(), w->maximumSize());
    }

    void escapedException_isShownAndProgramGoesOn_data()
    {
        QTest::addColumn<bool>("inOpening");
        QTest::addColumn<QString>("message");
        QTest::newRow("handler") << false << "panne de test";
        QTest::newRow("opening") << true << "ouverture impossible";
    }
    void escapedException_isShownAndProgramGoesOn()
    {
        QFETCH(bool, inOpening);
        QFETCH(QString, message);
        ProgramFixture fixture;
        Probe::throwOnOpen = inOpening;
        Probe *w = Probe::instance();
        if (!inOpening)
            w->button->click();
        QCOMPARE(fixture.dialogs.messages, QStringList{message});
        QCOMPARE(Probe::openInstance(), w);
        QVERIFY(!fw::QuitRequested());
    }

    void designedWindow_isBuiltFromItsFormBeforeItOpens()
    {
        ProgramFixture fixture;
        Designed *w = Designed::instance();
        QCOMPARE(Designed::steps, (QStringList{"CreateControls", "Layout", "Open"}));
        QCOMPARE(w->objectName(), QStringLiteral("Designed"));
        w->Show();
        QCOMPARE(w->windowTitle(), QStringLiteral("Designed"));
        QCOMPARE(w->size(), QSize(300, 120));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(Designed::instance(), w);
        QCOMPARE(Designed::steps.size(), 3); // nothing is built again
    }

    void designedWindow_buttonRunsTheHandlerOfItsName_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("handler") << "Ajouter" << QStringList{"Ajouter"} << QStringList{};
        QTest::newRow("handler that throws") << "Boom" << QStringList{} << QStringList{"panne du bouton"};
        QTest::newRow("no handler") << "Lone" << QStringList{} << QStringList{};
    }
    void designedWindow_buttonRunsTheHandlerOfItsName()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, messages);
        ProgramFixture fixture;
        Designed *w = Designed::instance();
        Designed::steps.clear();
        w->form()->findChild<QAbstractButton *>(button)->click();
        QCOMPARE(Designed::steps, steps);
        QCOMPARE(fixture.dialogs.messages, messages);
        QCOMPARE(Designed::openInstance(), w);
        QVERIFY(!fw::QuitRequested());
    }

    void modalWindow_returnsWhenClosed()
    {
        ProgramFixture fixture;
        Probe *w = Probe::instance();
        bool wasModal = false;
        QTimer::singleShot(0, w, [&] {
            wasModal = w->isModal() && w->isVisible();
            w->Close();
        });
        w->ShowModal();
        QVERIFY(wasModal);
        QVERIFY(!Probe::openInstance());
    }
};

VDL_TEST(TestWindow)
#include "tst_window.moc"
