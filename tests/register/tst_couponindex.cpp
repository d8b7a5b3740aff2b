#include "testsupport.h"

#include "app/csvload.h"
#include "framework/files.h"
#include "register/couponindex.h"
#include "register/registerfiles.h"

#include <QTest>

namespace {

QString shown(const reg::CouponOwner &owner)
{
    return owner.name + QLatin1Char('|') + owner.codeText + QLatin1Char('|') + QString::number(owner.badLine);
}

reg::CouponOwner lookUp(const QByteArray &index, const QString &coupon)
{
    fw::TextInputStream in(index);
    return reg::FindCouponOwner(in, coupon);
}

// What the register's other readers take from an index: the rows as the
// editor loads a file, and of those the last whose first cell is the coupon.
reg::CouponOwner ownerAsTheEditorReads(const QVector<QStringList> &rows, const QString &coupon)
{
    reg::CouponOwner owner;
    for (const QStringList &row : rows)
        if (row[0] == coupon)
            owner = {row[1], row[2], 0};
    return owner;
}

} // namespace

class TestCouponIndex : public QObject
{
    Q_OBJECT

private slots:
    // However a line was mended or saved, the lookup gives what the line
    // reader of every data file gives, for every number of the index and for
    // the near misses a cashier may type.
    void lookup_givesWhatTheLineReaderReads_data()
    {
        QTest::addColumn<QByteArray>("index");
        QTest::newRow("the program's own lines") << QByteArray("1,A,1\n2,A,1\n10,B,2\n100,C,3\n");
        QTest::newRow("blanks and tabs around fields")
            << QByteArray(" 6,Bob,2\n6 ,Carl,3\n\t7\t,Dan,4\n 5 , Alice , 1 \n8,Eve,5\t\n");
        QTest::newRow("leading zeros and signs") << QByteArray("012,A,1\n12,B,2\n-1,C,3\n+1,D,4\n0,E,5\n 00 ,F,6\n");
        QTest::newRow("numbers that start alike") << QByteArray("5,A,1\n55,B,2\n5 5,C,3\n5x,D,4\n50,E,5\n 5\t5,F,6\n");
        QTest::newRow("quoted cells")
            << QByteArray("\"5\",\"A\",\"1\"\n\" 6\",B,2\n \"7\" ,C,3\n\"8\"\"\",D,4\n5,\"E \"\"F\"\"\",5\n");
        QTest::newRow("quotes that open no cell") << QByteArray("5\"x,A,1\n\"5,B,2\n5\",C,3\n\"9\"x,D,4\n");
        QTest::newRow("blank and empty lines")
            << QByteArray("\n  \n,,\n;;\n\"\",\"\"\n\t,\t,\t\n,A,1\n , B ,2\n5,C,3\n");
        QTest::newRow("semicolons inside names") << QByteArray("5,A;B,1\n6,C;D;E,2\n");
        QTest::newRow("short and long lines") << QByteArray("5\n5,A\n6,B,2,extra,more\n7,,\n 8 \n");
        QTest::newRow("every line end") << QByteArray("5,A,1\r\n 6,B,2\r7 ,C,3\n8,D,4");
        QTest::newRow("byte order mark, then a blank") << QByteArray("\xef\xbb\xbf 5,A,1\n5 ,B,2\n");
        QTest::newRow("UTF-8 and Windows-1252")
            << QByteArray("5\xc3\xa9,A,1\n 5\xe9 ,B,2\n\xc3\xa9,C,3\n5,L\xe9" "a ,4\n \xc3\xa9 ,D,5\n");
        QTest::newRow("a no-break space is no blank") << QByteArray("\xc2\xa0" "5,A,1\n5\xc2\xa0,B,2\n5,C,3\n");
    }
    void lookup_givesWhatTheLineReaderReads()
    {
        QFETCH(QByteArray, index);
        fw::TextInputStream in(index);
        const app::CsvRows read = app::ReadCsvRows(in, reg::kIndexLine);
        QCOMPARE(read.badLine, 0); // the table is of lines that can be read

        QStringList coupons{"", " ", "5", "6", "12", "012", "5 ", " 5", "\t5", "5,A", "\"5\"", "5;x", "55",
                            QStringLiteral("5é"), QStringLiteral("é"), QStringLiteral("\u00a05")};
        for (const QStringList &row : read.rows) {
            const QString first = row[0];
            coupons << first << ' ' + first << first + ' ' << '0' + first << first + '0' << first.mid(1)
                    << first.left(first.size() - 1);
        }
        QStringList differ;
        for (const QString &coupon : std::as_const(coupons)) {
            const QString got = shown(lookUp(index, coupon));
            const QString expected = shown(ownerAsTheEditorReads(read.rows, coupon));
            if (got != expected)
                differ << '[' + coupon + "] " + got + " instead of " + expected;
        }
        QCOMPARE(differ, QStringList());
    }

    // Written by the register's writer and found again: every coupon of every
    // range has the seller that the editor shows, blanks typed around a name
    // or a code left out, the later of two overlapping ranges winning.
    void lookup_findsTheSellerTheEditorShows()
    {
        ProgramFixture fixture;
        const QVector<reg::Seller> sellers{
            reg::SellerFromFields({" Alice ", "1", "", "", "", "1", "4", "0", "0"}),
            reg::SellerFromFields({"Bob", " 07 ", "", "", "", "3", "6", "0", "0"}),
            reg::SellerFromFields({"\tCarl", "3", "", "", "", "009", "10", "0", "0"}),
            reg::SellerFromFields({"Nobody", "4", "", "", "", "12", "11", "0", "0"}),
        };
        QVERIFY(!reg::RewriteRegister(sellers));
        const reg::Register shownInEditor = reg::ReadRegisterFile();
        QVERIFY(!shownInEditor.error);
        QCOMPARE(shownInEditor.sellers.size(), sellers.size());
        const std::unique_ptr<fw::TextInputStream> opened = fw::OpenAsTextFile(reg::kCouponIndex);
        QVERIFY(opened);
        fw::TextInputStream index = *opened;

        QStringList found;
        QStringList expected;
        for (int n = 0; n <= 13; ++n) {
            fw::TextInputStream in = index;
            const reg::CouponOwner owner = reg::FindCouponOwner(in, QString::number(n));
            found << QString::number(n) + ' ' + shown(owner);
            reg::CouponOwner editor;
            for (const reg::Seller &s : shownInEditor.sellers) {
                const reg::CouponRange range = reg::RangeOf(s.CouponStart, s.CouponStop);
                if (range.first <= n && n <= range.last)
                    editor = {s.NomVendeur, s.CodeVendeur, 0};
            }
            expected << QString::number(n) + ' ' + shown(editor);
        }
        QCOMPARE(found, expected);
        QCOMPARE(found.mid(0, 5), (QStringList{"0 ||0", "1 Alice|1|0", "2 Alice|1|0", "3 Bob|07|0", "4 Bob|07|0"}));
        QCOMPARE(found.mid(9), (QStringList{"9 Carl|3|0", "10 Carl|3|0", "11 ||0", "12 ||0", "13 ||0"}));
    }
};

VDL_TEST(TestCouponIndex)
#include "tst_couponindex.moc"
