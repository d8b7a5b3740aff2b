#include "testsupport.h"

#include "framework/csv.h"

#include <QTest>
#include <optional>

class TestCsv : public QObject
{
    Q_OBJECT

private slots:
    // Forms of the data files: a register line (texts and numbers) and a sales line (numbers only).
    void splitDataLine_readsTheProgramsAndASpreadsheetsLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("registerLine");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("program's own") << "Alice,1,Rue 2,1000,Lausanne,1,50,2,1" << true << true
                                       << QStringList{"Alice", "1", "Rue 2", "1000", "Lausanne", "1", "50", "2", "1"};
        QTest::newRow("trimmed") << " 7 ,\t2.50 " << false << true << QStringList{"7", "2.50"};
        QTest::newRow("every field quoted") << "\"7\",\"2.50\"" << false << true << QStringList{"7", "2.50"};
        QTest::newRow("quoted name, doubled quote") << "\"Jean \"\"Poisson\"\" Roy\",4" << true << true
                                                    << QStringList{"Jean \"Poisson\" Roy", "4"};
        QTest::newRow("quoted with blanks outside") << " \"Alice\" ,1" << true << true << QStringList{"Alice", "1"};
        QTest::newRow("lone quote kept as typed") << "\"Bob,1" << true << true << QStringList{"\"Bob", "1"};
        QTest::newRow("text after closing quote kept") << "\"Bob\" Jr,1" << true << true
                                                       << QStringList{"\"Bob\" Jr", "1"};
        QTest::newRow("quote inside a field kept") << "Bob \"le pêcheur\",1" << true << true
                                                   << QStringList{"Bob \"le pêcheur\"", "1"};
        QTest::newRow("empty fields") << "7," << false << true << QStringList{"7", ""};
        QTest::newRow("semicolon in a full line's text") << "A;B,1,R,1,L,1,2,0,0" << true << true
                                                         << QStringList{"A;B", "1", "R", "1", "L", "1", "2", "0", "0"};
        QTest::newRow("quoted comma in a name") << "\"Dupont, Jean\",4,R,1,L,1,2,0,0" << true << false
                                                << QStringList{};
        QTest::newRow("quoted decimal comma") << "3,\"2,5\"" << false << false << QStringList{};
        QTest::newRow("semicolon separator, register") << "\"Alice Dupré\";1;R;1000;L;1;50;2;" << true << false
                                                       << QStringList{};
        QTest::newRow("semicolon separator, sale") << "3;2.5" << false << false << QStringList{};
        QTest::newRow("semicolon with decimal comma, sale") << "3;2,5" << false << false << QStringList{};
    }
    void splitDataLine_readsTheProgramsAndASpreadsheetsLines()
    {
        QFETCH(QString, line);
        QFETCH(bool, registerLine);
        QFETCH(bool, readable);
        QFETCH(QStringList, fields);
        const fw::LineForm form = registerLine ? fw::LineForm{9, 0b111100010} : fw::LineForm{2, 0b11};
        const std::optional<QStringList> read = fw::SplitDataLine(line, form);
        QCOMPARE(read.has_value(), readable);
        if (readable)
            QCOMPARE(*read, fields);
    }

    void isBlankDataLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("blank");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("blanks and tabs") << " \t " << true;
        QTest::newRow("empty fields") << ",,, ," << true;
        QTest::newRow("a spreadsheet's empty row with semicolons") << ";;;" << true;
        QTest::newRow("cells of empty text, quoted") << "\"\",\"\", \"\" ,\"\"" << true;
        QTest::newRow("quoted blanks, semicolons") << "\" \";\"\";" << true;
        QTest::newRow("a zero") << "0" << false;
        QTest::newRow("a field") << ",,x" << false;
        QTest::newRow("a quoted field") << "\"\",\"x\"" << false;
        QTest::newRow("a quote, quoted") << "\"\"\"\"" << false;
        QTest::newRow("a lone quote") << ",\"," << false;
    }
    void isBlankDataLine()
    {
        QFETCH(QString, line);
        QFETCH(bool, blank);
        QCOMPARE(fw::IsBlankDataLine(line), blank);
    }
};

VDL_TEST(TestCsv)
#include "tst_csv.moc"
