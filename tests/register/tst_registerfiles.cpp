#include "testsupport.h"

#include "register/registerfiles.h"

#include <QTest>

namespace {

const QByteArray kOldRegister = "Old,1,,,,1,1,0,0\n";
const QByteArray kOldIndex = "1,Old,1\n";

QVector<reg::Seller> threeSellers()
{
    return {reg::SellerFromFields({" A ", "1", "Rue 1", "1000", "Liège", "1", "3", "2", "1"}),
            reg::SellerFromFields({"B", "07", "", "", "", "2", "2", "0", "0"}), // overlaps A
            reg::SellerFromFields({"C", "3"})};                                 // short row: no range but 0
}

} // namespace

// Rewriting the whole register, as the register editor saves its list.
class TestRegisterFiles : public QObject
{
    Q_OBJECT

private slots:
    void rewrite_writesEachSellerThenItsCoupons()
    {
        ProgramFixture fixture;
        fixture.folder.write(reg::kRegisterFile, kOldRegister);
        fixture.folder.write(reg::kCouponIndex, kOldIndex);
        QVERIFY(!reg::RewriteRegister(threeSellers()));
        QCOMPARE(fixture.folder.lines(reg::kRegisterFile),
                 (QStringList{QStringLiteral(" A ,1,Rue 1,1000,Liège,1,3,2,1"), "B,07,,,,2,2,0,0", "C,3,,,,,,,"}));
        QCOMPARE(fixture.folder.lines(reg::kCouponIndex),
                 (QStringList{"1, A ,1", "2, A ,1", "3, A ,1", "2,B,07", "0,C,3"}));
    }

    void rewrite_thatCannotOpenAFile_replacesNeither_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QByteArray>("otherBefore");
        QTest::newRow("register") << reg::kRegisterFile << reg::kCouponIndex << kOldIndex;
        QTest::newRow("index") << reg::kCouponIndex << reg::kRegisterFile << kOldRegister;
    }
    void rewrite_thatCannotOpenAFile_replacesNeither()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, other);
        QFETCH(QByteArray, otherBefore);
        ProgramFixture fixture;
        fixture.folder.write(other, otherBefore);
        fixture.folder.block(blocked);
        const reg::WriteFailure failure = reg::RewriteRegister(threeSellers());
        QCOMPARE(failure.file, blocked);
        QVERIFY(failure.opening);
        QCOMPARE(fixture.folder.read(other), otherBefore);
    }
};

VDL_TEST(TestRegisterFiles)
#include "tst_registerfiles.moc"
