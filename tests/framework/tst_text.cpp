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

    // What a Double stands for, as the amounts and the commission take it.
    void decimalOf_fifteenSignificantDigits_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qulonglong>("digits");
        QTest::addColumn<int>("exponent");
        QTest::addColumn<bool>("negative");
        QTest::newRow("0.1, not its binary digits") << 0.1 << qulonglong(1) << -1 << false;
        QTest::newRow("2.675") << 2.675 << qulonglong(2675) << -3 << false;
        QTest::newRow("negative") << -12.5 << qulonglong(125) << -1 << true;
        QTest::newRow("whole, no trailing zeros") << 1200.0 << qulonglong(12) << 2 << false;
        QTest::newRow("a binary sum's error dropped") << 4.499999999999999 << qulonglong(45) << -1 << false;
        QTest::newRow("rounded to 15 digits") << 1234567890.1234567 << qulonglong(123456789012346) << -5 << false;
        QTest::newRow("a positive exponent of three digits") << 1e300 << qulonglong(1) << 300 << false;
        QTest::newRow("a negative exponent of three digits") << -1.5e-300 << qulonglong(15) << -301 << true;
        QTest::newRow("the smallest Double") << std::numeric_limits<double>::denorm_min()
                                             << qulonglong(494065645841247) << -338 << false;
        QTest::newRow("the largest Double") << std::numeric_limits<double>::max() << qulonglong(179769313486232)
                                            << 294 << false;
        QTest::newRow("zero") << 0.0 << qulonglong(0) << 0 << false;
        QTest::newRow("negative zero") << -0.0 << qulonglong(0) << 0 << false;
        QTest::newRow("infinite") << -std::numeric_limits<double>::infinity() << qulonglong(0) << 0 << false;
    }
    void decimalOf_fifteenSignificantDigits()
    {
        QFETCH(double, value);
        QFETCH(qulonglong, digits);
        QFETCH(int, exponent);
        QFETCH(bool, negative);
        const fw::Decimal d = fw::DecimalOf(value);
        QCOMPARE(qulonglong(d.digits), digits);
        QCOMPARE(d.exponent, exponent);
        QCOMPARE(d.negative, negative);
    }

    void formatAmount_ofADecimal_data()
    {
        QTest::addColumn<qulonglong>("digits");
        QTest::addColumn<int>("exponent");
        QTest::addColumn<bool>("negative");
        QTest::addColumn<QString>("expected");
        QTest::newRow("millionths, a half up") << qulonglong(10005000) << -6 << false << "10.01";
        QTest::newRow("just below a half") << qulonglong(10004999) << -6 << false << "10.00";
        QTest::newRow("carried into a new digit") << qulonglong(999995) << -5 << false << "10.00";
        QTest::newRow("below a cent, negative") << qulonglong(4999) << -6 << true << "0.00";
        QTest::newRow("half a cent, negative") << qulonglong(5) << -3 << true << "-0.01";
        QTest::newRow("far below a cent") << qulonglong(9) << -20 << false << "0.00";
        QTest::newRow("whole with zeros") << qulonglong(15) << 3 << true << "-15000.00";
        QTest::newRow("beyond 64 bits") << qulonglong(1) << 30 << false << "1" + QString(30, u'0') + ".00";
        QTest::newRow("zero, negative") << qulonglong(0) << 0 << true << "0.00";
        QTest::newRow("18 digits") << qulonglong(999999999999990000) << -6 << false << "999999999999.99";
    }
    void formatAmount_ofADecimal()
    {
        QFETCH(qulonglong, digits);
        QFETCH(int, exponent);
        QFETCH(bool, negative);
        QFETCH(QString, expected);
        QCOMPARE(fw::FormatAmount(fw::Decimal{digits, exponent, negative}), expected);
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
        QTest::newRow("large") << 1e300 << "1" + QString(300, u'0') + ".00";
        QTest::newRow("infinite") << -std::numeric_limits<double>::infinity() << "-INF";
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
