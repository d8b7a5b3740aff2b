#include "drivers.h"

#include "app/pictures.h"
#include "cashdesk/infowin.h"

#include <QApplication>
#include <QImage>
#include <QLabel>


namespace {

#if defined(Q_OS_MACOS)
const QString kVersion = QStringLiteral("0.9.9 (Macintosh)");
#elif defined(Q_OS_LINUX)
const QString kVersion = QStringLiteral("0.9.9 (Linux)");
#else
const QString kVersion = cashdesk::VersionText();
#endif

int aboutWindowsShown()
{
    int shown = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<InfoWin *>(w) && w->isVisible())
            ++shown;
    return shown;
}

QString version(InfoWin *about) { return child<fw::TextField>(about, "vversion")->Text(); }

} // namespace

class TestInfo : public QObject
{
    Q_OBJECT

private slots:
    void info_twiceGivesOneModelessWindow()
    {
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder);
        CashDesk desk;
        desk.press("PushButton4");
        InfoWin *about = InfoWin::openInstance();
        QVERIFY(about);
        desk.press("PushButton4");
        QCOMPARE(InfoWin::openInstance(), about);
        QCOMPARE(aboutWindowsShown(), 1);
        QCOMPARE(about->windowModality(), Qt::NonModal);
        QCOMPARE(version(about), kVersion);
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }

    void fermer_closes_andInfoOpensAFreshWindow()
    {
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder);
        CashDesk desk;
        desk.press("PushButton4");
        InfoWin *first = InfoWin::openInstance();
        child<fw::TextField>(first, "vversion")->setText(QStringLiteral("changed"));
        child<QAbstractButton>(first, "BevelButton1")->click();
        QVERIFY(!InfoWin::openInstance());
        QCOMPARE(aboutWindowsShown(), 0);

        desk.press("PushButton4");
        InfoWin *second = InfoWin::openInstance();
        QVERIFY(second);
        QVERIFY(second->isVisible());
        QCOMPARE(version(second), kVersion);
    }

    void version_cannotBeEdited()
    {
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder);
        CashDesk desk;
        desk.press("PushButton4");
        auto *field = child<fw::TextField>(InfoWin::openInstance(), "vversion");
        QTest::keyClicks(field, QStringLiteral("abc"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->Text(), kVersion);
        QCOMPARE(field->focusPolicy(), Qt::NoFocus);
    }

    void emblem_isTheClubLogo_orNothing_data()
    {
        QTest::addColumn<bool>("present");
        QTest::newRow("logo present") << true;
        QTest::newRow("logo missing") << false;
    }
    void emblem_isTheClubLogo_orNothing()
    {
        QFETCH(bool, present);
        ProgramFixture fixture;
        QDir().mkdir(fixture.folder.path("Resources"));
        if (present) {
            QImage logo(21, 13, QImage::Format_RGB32);
            logo.fill(Qt::blue);
            QVERIFY(logo.save(fixture.folder.path("Resources/qvo-moyen.png")));
            QImage(5, 5, QImage::Format_RGB32).save(fixture.folder.path("Resources/siglBourse.png"));
        }
        app::setResourcesFolder(fixture.folder.path("Resources"));
        writeDeskFiles(fixture.folder);
        CashDesk desk;
        desk.press("PushButton4");
        const QPixmap shown = child<fw::Canvas>(InfoWin::openInstance(), "Canvas1")->pixmap();
        app::setResourcesFolder(QString());
        QCOMPARE(shown.isNull(), !present);
        if (present)
            QCOMPARE(shown.size(), QSize(21, 13));
        QVERIFY(fixture.dialogs.messages.isEmpty());
    }

    void design_matchesTheAboutWindow_data()
    {
        designColumns();
        designRow("StaticText1", QRect(82, 46, 304, 52), "Vandrelico");
        designRow("Canvas1", QRect(178, 126, 99, 92));
        designRow("StaticText2", QRect(58, 249, 364, 44),
                        "Programme pour la gestion de la Bourse aux poissons et aux plantes de l'QVO");
        designRow("StaticText3", QRect(101, 313, 266, 26));
        designRow("StaticText4", QRect(151, 362, 63, 26), "Version ");
        designRow("vversion", QRect(218, 362, 162, 26));
        designRow("BevelButton1", QRect(392, 384, 66, 30), "Fermer");
        designRow("StaticText5", QRect(101, 330, 266, 26));
    }
    void design_matchesTheAboutWindow()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder);
        CashDesk desk;
        desk.press("PushButton4");
        InfoWin *about = InfoWin::openInstance();
        verifyFixedWindow(about, QStringLiteral("Vandrelico Info"), QSize(469, 434));
        QWidget *form = child<QWidget>(about, "Canvas1")->parentWidget();
        QCOMPARE(form, about->form());
        QCOMPARE(form->palette().color(QPalette::Window), QColor(0xf5, 0xf3, 0xf3));

        QWidget *c = about->findChild<QWidget *>(name);
        QVERIFY(c);
        QCOMPARE(c->geometry(), geometry);
        if (name == "StaticText3" || name == "StaticText5")
            QVERIFY(!captionOf(c).isEmpty()); // the two lines of our own
        else
            QCOMPARE(captionOf(c), caption);
    }

    // The description shows whole, on two lines at its design font: the box
    // of the design cut a third line in half.
    void description_showsWholeOnTwoLines()
    {
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder);
        CashDesk desk;
        desk.press("PushButton4");
        auto *description = child<QLabel>(InfoWin::openInstance(), "StaticText2");
        QVERIFY(description->wordWrap());
        const int height = description->heightForWidth(description->width());
        QCOMPARE(height, 2 * QFontMetrics(description->font()).lineSpacing());
        QVERIFY(height <= description->height());
    }

    void design_fontsOfTheAboutWindow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family"); // empty: the system font
        QTest::addColumn<int>("points");     // 0: the default size
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("StaticText1") << "StaticText1" << "Arial Black" << 30 << true << false;
        QTest::newRow("StaticText2") << "StaticText2" << "" << 15 << true << true;
        QTest::newRow("StaticText3") << "StaticText3" << "" << 10 << false << true;
        QTest::newRow("StaticText4") << "StaticText4" << "" << 0 << true << false;
        QTest::newRow("vversion") << "vversion" << "" << 15 << true << false;
        QTest::newRow("StaticText5") << "StaticText5" << "" << 10 << false << true;
    }
    void design_fontsOfTheAboutWindow()
    {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(int, points);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        ProgramFixture fixture;
        writeDeskFiles(fixture.folder);
        CashDesk desk;
        desk.press("PushButton4");
        QWidget *c = InfoWin::openInstance()->findChild<QWidget *>(name);
        QVERIFY(c);
        const QFont font = c->font();
        QCOMPARE(font.family(), family.isEmpty() ? QApplication::font().family() : family);
        // Designed sizes are points of a 72-dpi screen: as many pixels.
        if (points)
            QCOMPARE(font.pixelSize(), points);
        else
            QCOMPARE(font.pointSize(), QApplication::font().pointSize());
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.italic(), italic);
        if (name == "StaticText1")
            QCOMPARE(c->palette().color(QPalette::WindowText), QColor(0x24, 0x18, 0x18));
    }
};

VDL_TEST(TestInfo)
#include "tst_info.moc"
