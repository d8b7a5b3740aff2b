#include "testsupport.h"

#include "framework/dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// The program's own question, shown by Qt, answered from the keyboard as a
// cashier answers it.
class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void question_answeredWithAKey_data()
    {
        QTest::addColumn<bool>("cancelIsDefault");
        QTest::addColumn<int>("key");
        QTest::addColumn<fw::DialogButton>("answer");
        QTest::newRow("Enter: the action") << false << int(Qt::Key_Return) << fw::DialogButton::Action;
        QTest::newRow("Enter: the cancel button, when it is the default")
            << true << int(Qt::Key_Return) << fw::DialogButton::Cancel;
        QTest::newRow("keypad Enter, the cancel button the default")
            << true << int(Qt::Key_Enter) << fw::DialogButton::Cancel;
        QTest::newRow("Escape") << false << int(Qt::Key_Escape) << fw::DialogButton::Cancel;
    }
    void question_answeredWithAKey()
    {
        QFETCH(bool, cancelIsDefault);
        QFETCH(int, key);
        QFETCH(fw::DialogButton, answer);
        fw::QuestionDialog question;
        question.title = QStringLiteral("Annuler un coupon");
        question.message = QStringLiteral("Annuler le coupon 2 ?");
        question.actionCaption = QStringLiteral("Annuler le coupon");
        question.cancelCaption = QStringLiteral("Garder");
        question.cancelIsDefault = cancelIsDefault;

        bool pressed = false;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box);
            QTest::keyClick(box, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            pressed = true;
        });
        const fw::DialogButton got = fw::MessageDialog(question);
        QVERIFY(pressed);
        QCOMPARE(got, answer);
    }
};

VDL_TEST(TestDialogs)
#include "tst_dialogs.moc"
