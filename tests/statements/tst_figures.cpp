#include "testsupport.h"

#include "framework/files.h"
#include "framework/text.h"
#include "statements/figures.h"

#include <QTest>

using statements::FiguresOf;
using statements::ReadSales;

class TestFigures : public QObject
{
    Q_OBJECT

private slots:
    void readSales_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QVector<QStringList>>("rows");
        QTest::addColumn<double>("gross");
        QTest::newRow("three coupons, file order")
            << QByteArray("12,10\n9,7.5\n10,3\n") << QVector<QStringList>{{"12", "10"}, {"9", "7.5"}, {"10", "3"}}
            << 20.5;
        QTest::newRow("no line") << QByteArray() << QVector<QStringList>{} << 0.0;
        QTest::newRow("blanks trimmed") << QByteArray(" 12 , 10 \n") << QVector<QStringList>{{"12", "10"}} << 10.0;
        // A comma typed in the amount: the text before it is the amount.
        QTest::newRow("extra fields ignored") << QByteArray("4,12,50\n") << QVector<QStringList>{{"4", "12"}} << 12.0;
        QTest::newRow("short line, blank line skipped")
            << QByteArray("7\n\n3,2\n") << QVector<QStringList>{{"7", ""}, {"3", "2"}} << 2.0;
        QTest::newRow("amounts summed as read, not as shown")
            << QByteArray("1,0.004\n2,0.004\n") << QVector<QStringList>{{"1", "0.004"}, {"2", "0.004"}} << 0.008;
        QTest::newRow("windows line ends") << QByteArray("1,2.5\r\n2,1\r\n")
                                           << QVector<QStringList>{{"1", "2.5"}, {"2", "1"}} << 3.5;
        QTest::newRow("negative and non-numeric amounts")
            << QByteArray("1,-5\n2,abc\n") << QVector<QStringList>{{"1", "-5"}, {"2", "abc"}} << -5.0;
    }
    void readSales()
    {
        QFETCH(QByteArray, file);
        QFETCH(QVector<QStringList>, rows);
        QFETCH(double, gross);
        fw::TextInputStream in(file);
        const statements::Sales sales = ReadSales(in);
        QCOMPARE(sales.rows, rows);
        QCOMPARE(sales.gross, gross);
    }

    void figures_data()
    {
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("gross");
        QTest::addColumn<QString>("tanks");
        QTest::addColumn<QString>("ramps");
        QTest::addColumn<QString>("commission");
        QTest::addColumn<QString>("fees");
        QTest::addColumn<QString>("net");
        QTest::newRow("20.50 at 0.12, one tank, two ramps") << 0.12 << 20.5 << "1" << "2" << "2.45" << "15.00" << "3.05";
        QTest::newRow("nothing sold, rentals owed") << 0.12 << 0.0 << "1" << "2" << "0.00" << "15.00" << "-15.00";
        // On the gross, rounded to the nearest 0.05: 0.12 x 12.1 x 20 = 29.04.
        QTest::newRow("commission to 0.05") << 0.12 << 12.1 << "0" << "0" << "1.45" << "0.00" << "10.65";
        QTest::newRow("commission rounds up") << 0.12 << 10.4 << "0" << "0" << "1.25" << "0.00" << "9.15";
        QTest::newRow("counts that are no number") << 0.12 << 10.0 << "" << "aucune" << "1.20" << "0.00" << "8.80";
        QTest::newRow("decimal and negative counts") << 0.0 << 0.0 << "1.5" << "-1" << "0.00" << "2.50" << "-2.50";
        QTest::newRow("count followed by text") << 0.0 << 0.0 << "2 bacs" << " 1" << "0.00" << "15.00" << "-15.00";
        QTest::newRow("negative gross") << 0.12 << -5.0 << "0" << "0" << "-0.60" << "0.00" << "-4.40";
        QTest::newRow("other rate") << 0.2 << 33.33 << "0" << "1" << "6.65" << "5.00" << "21.68";
    }
    void figures()
    {
        QFETCH(double, rate);
        QFETCH(double, gross);
        QFETCH(QString, tanks);
        QFETCH(QString, ramps);
        QFETCH(QString, commission);
        QFETCH(QString, fees);
        QFETCH(QString, net);
        const statements::SellerFigures f = FiguresOf(gross, rate, tanks, ramps);
        QCOMPARE(f.gross, gross);
        QCOMPARE(fw::FormatAmount(f.commission), commission);
        QCOMPARE(fw::FormatAmount(f.fees), fees);
        QCOMPARE(fw::FormatAmount(f.net), net);
    }

    // The net is what remains, never rounded itself.
    void net_isNotRounded()
    {
        const statements::SellerFigures f = FiguresOf(10.004, 0.0, "0", "0");
        QCOMPARE(f.commission, 0.0);
        QCOMPARE(f.net, 10.004);
    }
};

VDL_TEST(TestFigures)
#include "tst_figures.moc"
