// The statements' values and pages, built with Qt Core alone: this test links
// no window library, so a widget that creeps into them breaks its build.

#include "app/salesfile.h"
#include "framework/text.h"
#include "register/registerfiles.h"
#include "statements/account.h"
#include "statements/generalstatements.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <limits>

using statements::SellerAccount;

namespace {

reg::Seller seller(const QString &tanks, const QString &ramps)
{
    reg::Seller s;
    s.NomVendeur = QStringLiteral("Anne Lambert");
    s.CodeVendeur = QStringLiteral("1");
    s.AdresseVendeur = QStringLiteral("Rue Haute 7");
    s.NumPostVendeur = QStringLiteral("4000");
    s.VilleVendeur = QStringLiteral("Liège");
    s.locaquariums = tanks;
    s.locrampes = ramps;
    return s;
}

SellerAccount accountOf(const QByteArray &salesFile, double rate, const QString &tanks, const QString &ramps)
{
    QTemporaryDir folder;
    const QString before = QDir::currentPath();
    if (!QDir::setCurrent(folder.path()))
        qFatal("cannot enter a data folder");
    const auto back = qScopeGuard([&] { QDir::setCurrent(before); });
    QFile file(folder.filePath(QStringLiteral("vendeur_1.csv")));
    if (!file.open(QIODevice::WriteOnly) || file.write(salesFile) != salesFile.size())
        qFatal("cannot write a sales file");
    file.close();
    app::SalesFile sales(QStringLiteral("vendeur_1.csv"));
    if (sales.Read() != app::SalesFile::Status::Read)
        qFatal("cannot read a sales file");
    return statements::AccountOf(seller(tanks, ramps), sales, rate);
}

// Gross, commission, fees and net as the sheet shows them and the pages print them.
QStringList shown(const statements::SellerFigures &f)
{
    return {f.gross.Formatted(), f.commission.Formatted(), f.fees.Formatted(), f.net.Formatted()};
}

app::Amount amount(double value) { return app::Amount::FromValue(value).value(); }

QByteArray repeated(const QByteArray &amount, int count)
{
    QByteArray file;
    for (int coupon = 1; coupon <= count; ++coupon)
        file += QByteArray::number(coupon) + ',' + amount + '\n';
    return file;
}

} // namespace

class TestAccount : public QObject
{
    Q_OBJECT

private slots:
    void account_data()
    {
        QTest::addColumn<QByteArray>("sales");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("tanks");
        QTest::addColumn<QString>("ramps");
        QTest::addColumn<QStringList>("figures"); // gross, commission, fees, net as shown
        QTest::newRow("20.50 at 0.12, one tank, two ramps")
            << QByteArray("12,10\n9,7.5\n10,3\n") << 0.12 << "1" << "2" << QStringList{"20.50", "2.45", "15.00", "3.05"};
        QTest::newRow("no sales, rentals owed") << QByteArray() << 0.12 << "1" << "2"
                                                << QStringList{"0.00", "0.00", "15.00", "-15.00"};
        // On the gross, rounded to the nearest 0.05: 0.12 x 12.1 x 20 = 29.04.
        QTest::newRow("commission to 0.05") << QByteArray("1,12.1\n") << 0.12 << "0" << "0"
                                            << QStringList{"12.10", "1.45", "0.00", "10.65"};
        // 0.675 lies halfway: as on paper, not 0.65 from a binary 13.499999999999998.
        QTest::newRow("0.15 x 4.50: a tie rounds up") << QByteArray("1,4.50\n") << 0.15 << "0" << "0"
                                                      << QStringList{"4.50", "0.70", "0.00", "3.80"};
        // Summed in binary, they make 4.499999999999999 and 2.4999999999999907.
        QTest::newRow("15 sales of 0.30 at 0.15: the same tie")
            << repeated("0.30", 15) << 0.15 << "0" << "0" << QStringList{"4.50", "0.70", "0.00", "3.80"};
        QTest::newRow("250 sales of 0.01 at 0.15: 0.375") << repeated("0.01", 250) << 0.15 << "0" << "0"
                                                          << QStringList{"2.50", "0.40", "0.00", "2.10"};
        QTest::newRow("1000 sales of 0.10") << repeated("0.10", 1000) << 0.15 << "0" << "0"
                                            << QStringList{"100.00", "15.00", "0.00", "85.00"};
        QTest::newRow("2000 sales of 0.01 at 0.125") << repeated("0.01", 2000) << 0.125 << "0" << "0"
                                                     << QStringList{"20.00", "2.50", "0.00", "17.50"};
        // 10.005 shows 10.01; the net is what the printed line adds up to.
        QTest::newRow("net from the shown figures") << QByteArray("1,10.005\n") << 0.12 << "2.5" << "0"
                                                    << QStringList{"10.01", "1.20", "12.50", "-3.69"};
        QTest::newRow("three decimals each") << QByteArray("1,0.004\n2,0.004\n") << 0.0 << "0" << "0"
                                             << QStringList{"0.01", "0.00", "0.00", "0.01"};
        QTest::newRow("negative line") << QByteArray("1,10\n2,-5.5\n") << 0.15 << "0" << "0"
                                       << QStringList{"4.50", "0.70", "0.00", "3.80"};
        QTest::newRow("negative gross, a tie away from zero")
            << QByteArray("1,-4.50\n") << 0.15 << "0" << "0" << QStringList{"-4.50", "-0.70", "0.00", "-3.80"};
        QTest::newRow("amounts that are no number or beyond any Double")
            << QByteArray("1,abc\n2,1e400\n3,4.5\n") << 0.15 << "0" << "1"
            << QStringList{"4.50", "0.70", "5.00", "-1.20"};
        QTest::newRow("counts that are no number") << QByteArray("1,10\n") << 0.12 << "" << "aucune"
                                                   << QStringList{"10.00", "1.20", "0.00", "8.80"};
        QTest::newRow("decimal and negative counts") << QByteArray() << 0.0 << "1.5" << "-1"
                                                     << QStringList{"0.00", "0.00", "2.50", "-2.50"};
        QTest::newRow("count followed by text") << QByteArray() << 0.0 << "2 bacs" << " 1"
                                                << QStringList{"0.00", "0.00", "15.00", "-15.00"};
        QTest::newRow("a count beyond any Double") << QByteArray() << 0.0 << "1e400" << "1"
                                                   << QStringList{"0.00", "0.00", "0.00", "0.00"};
        QTest::newRow("other rate") << QByteArray("1,33.33\n") << 0.2 << "0" << "1"
                                    << QStringList{"33.33", "6.65", "5.00", "21.68"};
    }
    void account()
    {
        QFETCH(QByteArray, sales);
        QFETCH(double, rate);
        QFETCH(QString, tanks);
        QFETCH(QString, ramps);
        QFETCH(QStringList, figures);
        const SellerAccount account = accountOf(sales, rate, tanks, ramps);
        QCOMPARE(shown(account.figures), figures);
        QCOMPARE(account.rate, rate);
        QCOMPARE(account.seller.locaquariums, tanks);
    }

    // Coupons in increasing number, amounts in the amount format, nothing
    // that reads as infinite or not a number.
    void account_coupons()
    {
        const SellerAccount account =
            accountOf("100,1\n9,7.5\n10,abc\n7\n12,1e400\n0012,2\n", 0.12, "0", "0");
        QCOMPARE(account.coupons, (QVector<QStringList>{{"7", ""},
                                                        {"9", "7.50"},
                                                        {"10", "0.00"},
                                                        {"0012", "2.00"},
                                                        {"12", "0.00"},
                                                        {"100", "1.00"}}));
    }

    // A fee typed on the sheet: the net follows, the other figures stay.
    void setFees_theNetFollows_data()
    {
        QTest::addColumn<double>("fees");
        QTest::addColumn<QStringList>("figures");
        QTest::newRow("12.50") << 12.5 << QStringList{"315.00", "37.80", "12.50", "264.70"};
        QTest::newRow("none") << 0.0 << QStringList{"315.00", "37.80", "0.00", "277.20"};
        QTest::newRow("a third of a cent") << 0.003 << QStringList{"315.00", "37.80", "0.00", "277.20"};
        QTest::newRow("negative") << -5.0 << QStringList{"315.00", "37.80", "-5.00", "282.20"};
    }
    void setFees_theNetFollows()
    {
        QFETCH(double, fees);
        QFETCH(QStringList, figures);
        SellerAccount account = accountOf("1,300\n2,15\n", 0.12, "1", "0");
        statements::SetFees(account, amount(fees));
        QCOMPARE(shown(account.figures), figures);
    }

    void typedFees_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("amount");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal comma") << "12,5" << true << 12.5;
        QTest::newRow("decimal point") << "12.50" << true << 12.5;
        QTest::newRow("blanks and a comma") << " 3,75 " << true << 3.75;
        QTest::newRow("whole") << "15" << true << 15.0;
        QTest::newRow("negative") << "-5,00" << true << -5.0;
        QTest::newRow("no whole part") << ".5" << true << 0.5;
        QTest::newRow("nothing after the point") << "12." << true << 12.0;
        QTest::newRow("nothing before the comma") << ",5" << false << 0.0;
        QTest::newRow("nothing after the comma") << "12," << false << 0.0;
        QTest::newRow("pasted with a line end") << "12.50\n" << true << 12.5;
        QTest::newRow("not a number") << "abc" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blanks only") << "  " << false << 0.0;
        QTest::newRow("two commas") << "1,2,5" << false << 0.0;
        QTest::newRow("comma and point") << "1.2,5" << false << 0.0;
        QTest::newRow("currency sign") << "12 €" << false << 0.0;
        QTest::newRow("exponent") << "1e3" << false << 0.0;
        QTest::newRow("a plus sign") << "+1,5" << true << 1.5;
        QTest::newRow("a letter O") << "1O" << false << 0.0;
        QTest::newRow("blank inside") << "5 50" << false << 0.0;
        QTest::newRow("digits Val does not read") << QStringLiteral("１２") << false << 0.0;
        QTest::newRow("beyond any Double") << QString(400, u'9') << false << 0.0;
        QTest::newRow("beyond what an amount holds") << "1000000000000" << false << 0.0;
        QTest::newRow("the largest amount") << "-999999999999,99" << true << -999999999999.99;
    }
    void typedFees()
    {
        QFETCH(QString, typed);
        QFETCH(bool, amount);
        QFETCH(double, value);
        const std::optional<app::Amount> read = statements::TypedFees(typed);
        QCOMPARE(read.has_value(), amount);
        if (amount)
            QCOMPARE(read->Value(), value);
    }

    // The page carries the account and nothing else: the seller's own
    // address, the number and the date it is given, the figures as shown.
    void pageOf_theAccountAlone()
    {
        SellerAccount account = accountOf("12,10\n9,7.5\n10,3\n", 0.12, "1", "2");
        statements::SetFees(account, amount(12.5));
        const statements::StatementPage page = statements::PageOf(account, QStringLiteral("01"), QStringLiteral("7/3/2026"));
        QCOMPARE((QStringList{page.name, page.address, page.zip, page.locality, page.sellerNumber, page.date}),
                 (QStringList{"Anne Lambert", "Rue Haute 7", "4000", "Liège", "01", "7/3/2026"}));
        QCOMPARE((QStringList{page.gross, page.commission, page.fees, page.net}),
                 (QStringList{"20.50", "2.45", "12.50", "5.55"}));
        QCOMPARE(page.coupons, (QVector<QStringList>{{"9", "7.50"}, {"10", "3.00"}, {"12", "10.00"}}));
    }

    void sellersByCode_data()
    {
        QTest::addColumn<QByteArray>("sellers");
        QTest::addColumn<int>("highest");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("found"); // the nine fields of that code's seller, joined
        QTest::addColumn<int>("badLine");
        const QString none = QStringLiteral(",,,,,,,,");
        QTest::newRow("empty register") << QByteArray() << 0 << 1 << none << 0;
        QTest::newRow("the line of the code, the largest code wherever it stands")
            << QByteArray("A,3,a,1,v,1,2,0,0\nZoé,12,Rue,1000,Liège,3,4,1,2\nC,7,c,1,v,5,6,0,0\n") << 12 << 12
            << "Zoé,12,Rue,1000,Liège,3,4,1,2" << 0;
        QTest::newRow("no line of that code") << QByteArray("A,6,x,x,x,1,2,9,9\n") << 6 << 7 << none << 0;
        QTest::newRow("0, negative or no number: no code above 0")
            << QByteArray("A,0\nB,-5\nC,abc\n") << 0 << 0 << "C,abc,,,,,,," << 0;
        // As the sales file is named: vendeur_7.csv for each of them.
        QTest::newRow("07 is code 7") << QByteArray("Marie,07,Place,5000,Namur,1,2,1,1\n") << 7 << 7
                                      << "Marie,07,Place,5000,Namur,1,2,1,1" << 0;
        QTest::newRow("blanks around the code") << QByteArray("Marie, 7 ,Place,5000,Namur,1,2,1,1\n") << 7 << 7
                                                << "Marie,7,Place,5000,Namur,1,2,1,1" << 0;
        QTest::newRow("decimals cut") << QByteArray("Marie,7.9,P,1,N,1,2,1,1\n") << 7 << 7 << "Marie,7.9,P,1,N,1,2,1,1"
                                      << 0;
        QTest::newRow("the last of several lines of a value")
            << QByteArray("A,7,a,1,v,1,2,1,1\nB,07,b,2,w,1,2,0,2\nC,70,c,3,x,1,2,0,0\n") << 70 << 7
            << "B,07,b,2,w,1,2,0,2" << 0;
        QTest::newRow("fields trimmed, quotes of a spreadsheet dropped")
            << QByteArray(" A ,\"7\", b ,2 , w ,1,2, 1 ,2 \n") << 7 << 7 << "A,7,b,2,w,1,2,1,2" << 0;
        QTest::newRow("short line") << QByteArray("Court,7\n") << 7 << 7 << "Court,7,,,,,,," << 0;
        QTest::newRow("beyond the largest Integer") << QByteArray("A,99999999999\n") << 2147483647 << 2147483647
                                                    << "A,99999999999,,,,,,," << 0;
        QTest::newRow("windows-1252 and line ends, blank lines skipped")
            << QByteArray("Zo\xe9,4,Ch\xe2teau,1,Li\xe8ge,1,2,1,1\r\n\r\nB,2\r\n") << 4 << 4
            << "Zoé,4,Château,1,Liège,1,2,1,1" << 0;
        QTest::newRow("a quoted comma: the line left out and numbered")
            << QByteArray("A,1\n\n\"Dupont, Jean\",4,R\nB,2\n") << 2 << 4 << none << 3;
        QTest::newRow("a spreadsheet's ';' line")
            << QByteArray("A;1;R;1;V;1;2;0;0\n") << 0 << 1 << none << 1;
    }
    void sellersByCode()
    {
        QFETCH(QByteArray, sellers);
        QFETCH(int, highest);
        QFETCH(int, code);
        QFETCH(QString, found);
        QFETCH(int, badLine);
        QTemporaryDir folder;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        const auto back = qScopeGuard([&] { QDir::setCurrent(before); });
        QFile file(folder.filePath(reg::kRegisterFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(sellers);
        file.close();

        reg::Register read = reg::ReadRegisterFile();
        QCOMPARE(read.error.line, badLine);
        const statements::SellersByCode byCode = statements::SellersByCodeOf(std::move(read.sellers));
        QCOMPARE(byCode.highest, highest);
        QCOMPARE(reg::RegisterLine(byCode.sellers.value(code)), found);
    }

    // The register as every reader takes it: the sellers in file order with
    // their lines, and at most one error.
    void registerFile_data()
    {
        QTest::addColumn<QString>("place"); // "file", "missing", "folder", "pipe"
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("sellers");
        QTest::addColumn<QList<qsizetype>>("lines");
        QTest::addColumn<qsizetype>("errorLine"); // -1: no error; 0: the whole file
        QTest::newRow("sellers with their lines, blank lines skipped")
            << "file" << QByteArray("A, 1 ,R,1,V,1,2,0,0\n\n,,,\nB,2\r\n") << QStringList{"A,1,R,1,V,1,2,0,0", "B,2,,,,,,,"}
            << QList<qsizetype>{1, 4} << qsizetype(-1);
        QTest::newRow("empty file") << "file" << QByteArray() << QStringList{} << QList<qsizetype>{} << qsizetype(-1);
        QTest::newRow("an unreadable line named, the others read")
            << "file" << QByteArray("A,1\n\"Dupont, Jean\",2\nB;3;R\nC,4\n") << QStringList{"A,1,,,,,,,", "C,4,,,,,,,"}
            << QList<qsizetype>{1, 4} << qsizetype(2);
        QTest::newRow("missing") << "missing" << QByteArray() << QStringList{} << QList<qsizetype>{} << qsizetype(0);
        QTest::newRow("a folder in its place")
            << "folder" << QByteArray() << QStringList{} << QList<qsizetype>{} << qsizetype(0);
        // Opening a pipe waits for a writer that never comes.
        QTest::newRow("a pipe in its place") << "pipe" << QByteArray() << QStringList{} << QList<qsizetype>{} << qsizetype(0);
    }
    void registerFile()
    {
        QFETCH(QString, place);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, sellers);
        QFETCH(QList<qsizetype>, lines);
        QFETCH(qsizetype, errorLine);
        QTemporaryDir folder;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        const auto back = qScopeGuard([&] { QDir::setCurrent(before); });
        const QString path = folder.filePath(reg::kRegisterFile);
        if (place == "file") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        } else if (place == "folder") {
            QVERIFY(QDir(folder.path()).mkdir(reg::kRegisterFile));
        } else if (place == "pipe") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }

        const reg::Register read = reg::ReadRegisterFile();
        QStringList got;
        for (const reg::Seller &s : read.sellers)
            got.append(reg::RegisterLine(s));
        QCOMPARE(got, sellers);
        QCOMPARE(QList<qsizetype>(read.lines.begin(), read.lines.end()), lines);
        QCOMPARE(bool(read.error), errorLine >= 0);
        if (errorLine >= 0) {
            QCOMPARE(read.error.file, reg::kRegisterFile);
            QCOMPARE(read.error.line, errorLine);
            QCOMPARE(read.error.wholeFile(), errorLine == 0);
        }
    }

    // The digest tells a changed file from the one read before, by its bytes.
    void registerFile_digestFollowsTheBytes()
    {
        QTemporaryDir folder;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        const auto back = qScopeGuard([&] { QDir::setCurrent(before); });
        const auto write = [&](const QByteArray &bytes) {
            QFile file(folder.filePath(reg::kRegisterFile));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        write("A,1,R,1,V,1,2,0,0\n");
        const QByteArray first = reg::ReadRegisterFile().digest;
        QVERIFY(!first.isEmpty());
        QCOMPARE(reg::ReadRegisterFile().digest, first);
        // The same seller read back, but not the same bytes.
        write("A,1,R,1,V,1,2,0,0\r\n");
        QVERIFY(reg::ReadRegisterFile().digest != first);
        write("A,1,R,1,V,1,2,0,0\n");
        QCOMPARE(reg::ReadRegisterFile().digest, first);
    }
};

QTEST_GUILESS_MAIN(TestAccount)
#include "tst_account.moc"
