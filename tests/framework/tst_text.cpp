#include "testsupport.h"

#include "framework/text.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <limits>

class TestText : public QObject
{
    Q_OBJECT

private slots:
    void val_readsLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "12" << 12.0;
        QTest::newRow("decimal comma stops") << "12,50" << 12.0;
        QTest::newRow("leading blank") << " 7" << 7.0;
        QTest::newRow("leading tab") << "\t7" << 7.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("negative") << "-3.25" << -3.25;
        QTest::newRow("plus sign") << "+4" << 4.0;
        QTest::newRow("negative point first") << "-.5" << -0.5;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("exponent") << "1.5e2" << 150.0;
        QTest::newRow("negative exponent") << "25E-1" << 2.5;
        QTest::newRow("bare exponent ignored") << "3e" << 3.0;
        QTest::newRow("letters after") << "10 euros" << 10.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("blank inside ends it") << "1 2" << 1.0;
        QTest::newRow("leading zeros") << "007" << 7.0;
        QTest::newRow("hex is not read") << "0x1A" << 0.0;
        QTest::newRow("large") << "2147483648" << 2147483648.0;
    }
    void val_readsLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(fw::Val(text), expected);
    }

    void str_givesPlainDecimal_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rate") << 0.12 << "0.12";
        QTest::newRow("percent product") << 0.07 * 100 << "7.000000000000001";
        QTest::newRow("sum with binary error") << 0.1 + 0.2 << "0.30000000000000004";
        QTest::newRow("turnover") << 12.1 << "12.1";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("negative") << -2.5 << "-2.5";
        QTest::newRow("whole") << 150.0 << "150";
        QTest::newRow("large without exponent") << 1e20 << "100000000000000000000";
        QTest::newRow("small without exponent") << 0.000001 << "0.000001";
        QTest::newRow("fifteen digits") << 1.0 / 3.0 << "0.3333333333333333";
        QTest::newRow("rounds at fifteen digits") << 2.0 / 3.0 << "0.6666666666666666";
        QTest::newRow("percent of 12.5") << 0.125 * 100 << "12.5";
        QTest::newRow("commission") << 1.55 << "1.55";
    }
    void str_givesPlainDecimal()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(fw::Str(value), expected);
        QCOMPARE(fw::Str(fw::Val(expected)), expected); // Val reads it back unchanged
    }

    void str_readsBackAsTheSameDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2;
        QTest::newRow("typed rate 33.3333333333333333 %") << 33.3333333333333333 / 100;
        QTest::newRow("one third") << 1.0 / 3.0;
        QTest::newRow("next after 0.12") << std::nextafter(0.12, 1.0);
        QTest::newRow("turnover of many cents") << 1234567.89 + 0.01 + 0.02;
        QTest::newRow("negative") << -(0.1 + 0.7);
        QTest::newRow("1e21, beyond exponent-free printf") << 1e21;
        QTest::newRow("2^53 + 2") << 9007199254740994.0;
        QTest::newRow("largest") << std::numeric_limits<double>::max();
        QTest::newRow("lowest") << std::numeric_limits<double>::lowest();
        QTest::newRow("smallest normal") << std::numeric_limits<double>::min();
        QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min();
        QTest::newRow("1e-7") << 1e-7;
    }
    void str_readsBackAsTheSameDouble()
    {
        QFETCH(double, value);
        const QString text = fw::Str(value);
        QCOMPARE(fw::Val(text), value);
        // Plain decimal, as every data file needs it.
        QVERIFY2(QRegularExpression(QStringLiteral("^-?[0-9]+(\\.[0-9]*[1-9])?$")).match(text).hasMatch(),
                 qPrintable(text));
    }

    void str_ofIntegers()
    {
        QCOMPARE(fw::Str(7), QStringLiteral("7"));
        QCOMPARE(fw::Str(-12), QStringLiteral("-12"));
        QCOMPARE(fw::Str(std::numeric_limits<std::int32_t>::min()), QStringLiteral("-2147483648"));
    }

    void round_halfAwayFromZero_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("half up") << 2.5 << 3.0;
        QTest::newRow("negative half") << -2.5 << -3.0;
        QTest::newRow("below half") << 29.04 << 29.0;
        QTest::newRow("above half") << 31.08 << 31.0;
        QTest::newRow("0.5") << 0.5 << 1.0;
    }
    void round_halfAwayFromZero()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(fw::Round(value), expected);
    }

    void toInt32_truncatesAndSaturates_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("fraction") << 7.9 << 7;
        QTest::newRow("negative fraction") << -7.9 << -7;
        QTest::newRow("max") << 2147483647.0 << 2147483647;
        QTest::newRow("above max") << 1e12 << 2147483647;
        QTest::newRow("below min") << -1e12 << int(std::numeric_limits<int>::min());
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 2147483647;
        QTest::newRow("nan") << std::nan("") << 0;
    }
    void toInt32_truncatesAndSaturates()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(fw::ToInt32(value), expected);
    }

    void split_countsFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty text") << "" << QStringList();
        QTest::newRow("one field") << "12" << QStringList{"12"};
        QTest::newRow("separator only") << "," << QStringList{"", ""};
        QTest::newRow("empty middle") << "1,,3" << QStringList{"1", "", "3"};
        QTest::newRow("trailing separator") << "1,2," << QStringList{"1", "2", ""};
        QTest::newRow("blanks kept") << " a , b" << QStringList{" a ", " b"};
    }
    void split_countsFields()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(fw::Split(text, QStringLiteral(",")), expected);
    }

    void field_pastTheEndIsEmpty()
    {
        const QStringList fields{"a", "b"};
        QCOMPARE(fw::Field(fields, 1), QStringLiteral("b"));
        QCOMPARE(fw::Field(fields, 2), QString());
        QCOMPARE(fw::Field({}, 0), QString());
    }

    void trim_removesBlanksAndTabs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blanks") << "  a b  " << "a b";
        QTest::newRow("tabs") << "\ta\t" << "a";
        QTest::newRow("only blanks") << "   " << "";
        QTest::newRow("untouched") << "abc" << "abc";
    }
    void trim_removesBlanksAndTabs()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(fw::Trim(text), expected);
    }

    void formatAmount_twoDecimals_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole") << 5.0 << "5.00";
        QTest::newRow("one decimal") << 5.5 << "5.50";
        QTest::newRow("decimal half up") << 12.345 << "12.35";
        QTest::newRow("binary below half") << 2.675 << "2.68";
        QTest::newRow("carry") << 9.995 << "10.00";
        QTest::newRow("zero") << 0.0 << "0.00";
        QTest::newRow("no negative zero") << -0.001 << "0.00";
        QTest::newRow("negative") << -3.5 << "-3.50";
        QTest::newRow("negative half") << -0.005 << "-0.01";
        QTest::newRow("no thousands separator") << 12345.6 << "12345.60";
        QTest::newRow("small") << 0.05 << "0.05";
    }
    void formatAmount_twoDecimals()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(fw::FormatAmount(value), expected);
    }
};

VDL_TEST(TestText)
#include "tst_text.moc"
