#include "testsupport.h"

#include "framework/shell.h"

#include <QTest>

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void execute_givesExitStatus_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("success") << "sh" << QStringList{"-c", "exit 0"} << 0;
        QTest::newRow("failure") << "sh" << QStringList{"-c", "exit 3"} << 3;
        QTest::newRow("missing program") << "/nonexistent/opener" << QStringList{} << -1;
        // A path with blanks and quotes stays one argument.
        QTest::newRow("one argument") << "sh" << QStringList{"-c", "[ \"$1\" = \"a b'c\" ]", "sh", "a b'c"} << 0;
    }
    void execute_givesExitStatus()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QCOMPARE(fw::ShellExecute(program, arguments), status);
    }
};

VDL_TEST(TestShell)
#include "tst_shell.moc"
