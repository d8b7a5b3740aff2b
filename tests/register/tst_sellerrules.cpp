#include "drivers.h"

#include "register/sellerrules.h"

#include <QTest>

#include <algorithm>
#include <random>

namespace {

// A seller from its code and its bounds; name "S<code>" unless given.
reg::Seller seller(const QString &code, const QString &first, const QString &last, const QString &name = {})
{
    reg::Seller s;
    s.NomVendeur = name.isEmpty() ? QStringLiteral("S") + code.trimmed() : name;
    s.CodeVendeur = code;
    s.CouponStart = first;
    s.CouponStop = last;
    s.locaquariums = QStringLiteral("0");
    s.locrampes = QStringLiteral("0");
    return s;
}

using Sellers = QVector<reg::Seller>;

} // namespace

Q_DECLARE_METATYPE(reg::Seller)

class TestSellerRules : public QObject
{
    Q_OBJECT

private slots:
    void sellerRefusal_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("tanks");
        QTest::addColumn<QString>("ramps");
        QTest::addColumn<QString>("message"); // empty: written
        QTest::newRow("whole numbers") << "1" << "1" << "50" << "2" << "1" << "";
        QTest::newRow("blanks around and leading zeros")
            << " 007 " << "\t01 " << " 050" << " 02" << "00 " << "";
        QTest::newRow("empty counts are 0") << "1" << "1" << "50" << "" << " " << "";
        QTest::newRow("no bounds: no coupons yet") << "1" << "" << " " << "0" << "0" << "";
        QTest::newRow("no last: no coupons yet") << "1" << "51" << "" << "0" << "0" << "";
        QTest::newRow("one coupon") << "1" << "7" << "7" << "0" << "0" << "";
        QTest::newRow("zero everywhere") << "0" << "0" << "0" << "0" << "0" << "";
        QTest::newRow("code A5") << "A5" << "1" << "50" << "0" << "0" << notWholeRefusal("Numéro", "A5");
        QTest::newRow("last 12O") << "1" << "1" << "12O" << "0" << "0" << notWholeRefusal("Coupons à...", "12O");
        QTest::newRow("first 1.5") << "1" << "1.5" << "5" << "0" << "0" << notWholeRefusal("Coupons de...", "1.5");
        QTest::newRow("tanks -2") << "1" << "1" << "50" << "-2" << "0" << notWholeRefusal("Aquariums", "-2");
        QTest::newRow("ramps deux") << "1" << "1" << "50" << "0" << "deux" << notWholeRefusal("Rampes (50cm)", "deux");
        QTest::newRow("code +3") << "+3" << "1" << "50" << "0" << "0" << notWholeRefusal("Numéro", "+3");
        QTest::newRow("blanks inside") << "1 2" << "1" << "50" << "0" << "0" << notWholeRefusal("Numéro", "1 2");
        QTest::newRow("shown trimmed") << " x " << "1" << "50" << "0" << "0" << notWholeRefusal("Numéro", "x");
        QTest::newRow("code empty") << "" << "1" << "50" << "0" << "0" << kEmptyCodeRefusal;
        QTest::newRow("code blank") << "  " << "1" << "50" << "0" << "0" << kEmptyCodeRefusal;
        QTest::newRow("last without first") << "1" << "" << "50" << "0" << "0" << kNoFirstCouponRefusal;
        QTest::newRow("last below first") << "2" << "51" << "5" << "0" << "0" << backwardsRefusal("5", "51");
        QTest::newRow("backwards, with zeros and blanks")
            << "2" << " 051 " << "050" << "0" << "0" << backwardsRefusal("050", "051");
        QTest::newRow("too many coupons") << "1" << "1" << "100001" << "0" << "0" << rangeRefusal("100001");
        // What would split the line is said first, then the code, then the fields in the form's order.
        QTest::newRow("comma first") << "A5" << "1" << "5,0" << "0" << "0" << splitRefusal("Coupons à...");
        QTest::newRow("code before counts") << "x" << "1" << "50" << "-1" << "0" << notWholeRefusal("Numéro", "x");
        QTest::newRow("number before range") << "1" << "9" << "1O" << "0" << "0"
                                             << notWholeRefusal("Coupons à...", "1O");
    }
    void sellerRefusal()
    {
        QFETCH(QString, code);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, tanks);
        QFETCH(QString, ramps);
        QFETCH(QString, message);
        reg::Seller s = seller(code, first, last, QStringLiteral("Alice"));
        s.locaquariums = tanks;
        s.locrampes = ramps;
        QCOMPARE(reg::SellerRefusal(s), message);
    }

    // The texts as the readers take them back: quotes inside stay, a field
    // wholly inside them would lose them.
    void sellerRefusal_ofTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("message"); // empty: written
        QTest::newRow("quotes inside") << "Jean \"Poisson\" Roy" << "Rue \"Haute\" 5" << "";
        QTest::newRow("begins and ends with a quote, not one text") << "\"A\" et \"B\"" << "R" << "";
        QTest::newRow("a semicolon") << "Zoë; Co" << "R; 5" << "";
        QTest::newRow("a lone quote") << "\"Aqua" << "R\"" << "";
        QTest::newRow("name in quotes") << "\"Aqua Club\"" << "R" << quotedRefusal("Nom");
        QTest::newRow("in quotes, blanks around") << " \"Aqua Club\" " << "R" << quotedRefusal("Nom");
        QTest::newRow("empty quotes") << "\"\"" << "R" << quotedRefusal("Nom");
        QTest::newRow("address in quotes, a doubled quote") << "A" << "\"Rue \"\"Haute\"\"\""
                                                            << quotedRefusal("Adresse");
    }
    void sellerRefusal_ofTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(QString, message);
        reg::Seller s = seller("1", "1", "50", name);
        s.AdresseVendeur = address;
        QCOMPARE(reg::SellerRefusal(s), message);
    }

    // A name of blanks only prints nothing: the seller has no name.
    void typedSellerRefusal_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message"); // empty: written
        QTest::newRow("a name") << "Alice" << "1" << "";
        QTest::newRow("one letter, blanks around") << " \tA " << "1" << "";
        QTest::newRow("empty") << "" << "1" << kNoNameRefusal;
        QTest::newRow("blanks") << "   " << "1" << kNoNameRefusal;
        QTest::newRow("a tab") << "\t" << "1" << kNoNameRefusal;
        QTest::newRow("no-break spaces") << QStringLiteral("\u00a0\u00a0") << "1" << kNoNameRefusal;
        QTest::newRow("the name is said first") << " " << "A5" << kNoNameRefusal;
        QTest::newRow("then the other fields") << "Alice" << "A5" << notWholeRefusal("Numéro", "A5");
    }
    void typedSellerRefusal()
    {
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QString, message);
        reg::Seller s = seller(code, "1", "50");
        s.NomVendeur = name;
        QCOMPARE(reg::TypedSellerRefusal(s), message);
    }

    void conflictRefusal_data()
    {
        QTest::addColumn<Sellers>("others");
        QTest::addColumn<reg::Seller>("typed");
        QTest::addColumn<QString>("message"); // empty: it joins them
        const Sellers alice{seller("1", "1", "50", "Alice"), seller("2", "61", "70", "Bob")};
        QTest::newRow("next range") << alice << seller("3", "51", "60") << "";
        QTest::newRow("shares its first coupon")
            << alice << seller("3", "50", "60") << overlapRefusal("50 à 60", "Alice", "1", "1 à 50");
        QTest::newRow("shares its last coupon")
            << alice << seller("3", "51", "61") << overlapRefusal("51 à 61", "Bob", "2", "61 à 70");
        QTest::newRow("inside another") << alice << seller("3", "10", "10")
                                        << overlapRefusal("10 à 10", "Alice", "1", "1 à 50");
        QTest::newRow("around two others") << alice << seller("3", "0", "100")
                                           << overlapRefusal("0 à 100", "Alice", "1", "1 à 50");
        QTest::newRow("leading zeros are the same coupons")
            << alice << seller("3", "0050", "055") << overlapRefusal("50 à 55", "Alice", "1", "1 à 50");
        QTest::newRow("no coupons yet beside anyone") << alice << seller("3", "51", "") << "";
        QTest::newRow("code 06 is 6") << Sellers{seller("6", "1", "5", "Alice")} << seller("06", "6", "9")
                                      << codeRefusal("Alice", "6");
        QTest::newRow("6 is 06") << Sellers{seller("06", "1", "5", "Alice")} << seller(" 6 ", "6", "9")
                                 << codeRefusal("Alice", "06");
        // A hand-made code that is no number names the same sales file as 0.
        QTest::newRow("0 and a code that is no number")
            << Sellers{seller("abc", "1", "5", "Alice")} << seller("0", "6", "9") << codeRefusal("Alice", "abc");
        QTest::newRow("overlap said before the code")
            << alice << seller("1", "40", "55") << overlapRefusal("40 à 55", "Alice", "1", "1 à 50");
        // Without bounds the index gives a seller coupon 0, so only a range holding 0 clashes.
        QTest::newRow("two sellers without bounds") << Sellers{seller("1", "", "")} << seller("2", "", "") << "";
        QTest::newRow("no bounds beside a range from 0")
            << Sellers{seller("1", "0", "9", "Alice")} << seller("2", "", "")
            << overlapRefusal("sans coupons (le coupon 0 de couponsvendeurs.csv)", "Alice", "1", "0 à 9");
        QTest::newRow("a range from 0 beside no bounds")
            << Sellers{seller("1", "", "", "Alice")} << seller("2", "0", "3")
            << overlapRefusal("0 à 3", "Alice", "1", "sans coupons (le coupon 0 de couponsvendeurs.csv)");
        QTest::newRow("empty register") << Sellers{} << seller("1", "1", "50") << "";
    }
    void conflictRefusal()
    {
        QFETCH(Sellers, others);
        QFETCH(reg::Seller, typed);
        QFETCH(QString, message);
        QCOMPARE(reg::ConflictRefusal(typed, others), message);
    }

    void checkRegister_data()
    {
        QTest::addColumn<Sellers>("sellers");
        QTest::addColumn<int>("row"); // -1: it can be written
        QTest::addColumn<QString>("message");
        QTest::newRow("sound") << Sellers{seller("1", "1", "50"), seller("2", "", ""), seller("3", "", ""),
                                          seller("4", "51", ""), seller("5", "51", "51")}
                               << -1 << "";
        QTest::newRow("empty") << Sellers{} << -1 << "";
        QTest::newRow("the first row refused")
            << Sellers{seller("1", "1", "5"), seller("2", "9", "8"), seller("A5", "1", "2")} << 1
            << backwardsRefusal("8", "9");
        // Far apart in the register, and the ranges between them do not touch either.
        QTest::newRow("overlap of rows far apart")
            << Sellers{seller("1", "100", "150", "Alice"), seller("2", "1", "10"), seller("3", "200", "300"),
                       seller("4", "140", "160", "Dan")}
            << 3 << overlapRefusal("140 à 160", "Alice", "1", "100 à 150");
        // The later row is shown, the earlier one named in its message.
        QTest::newRow("the later row is shown")
            << Sellers{seller("1", "140", "160", "Dan"), seller("2", "100", "150", "Alice")} << 1
            << overlapRefusal("100 à 150", "Dan", "1", "140 à 160");
        QTest::newRow("a range inside a longer one")
            << Sellers{seller("1", "1", "1000", "Long"), seller("2", "10", "20"), seller("3", "500", "500", "Mid")}
            << 1 << overlapRefusal("10 à 20", "Long", "1", "1 à 1000");
        QTest::newRow("same code, by value")
            << Sellers{seller("1", "1", "5"), seller("06", "6", "9", "Alice"), seller("2", "10", "12"),
                       seller("6", "20", "30", "Bob")}
            << 3 << codeRefusal("Alice", "06");
        QTest::newRow("no bounds and a range from 0")
            << Sellers{seller("1", "", "", "Alice"), seller("2", "", ""), seller("3", "0", "4", "Carla")} << 2
            << overlapRefusal("0 à 4", "Alice", "1", "sans coupons (le coupon 0 de couponsvendeurs.csv)");
    }
    void checkRegister()
    {
        QFETCH(Sellers, sellers);
        QFETCH(int, row);
        QFETCH(QString, message);
        const reg::RegisterRefusal refusal = reg::CheckRegister(sellers);
        QCOMPARE(int(refusal.row), row);
        QCOMPARE(refusal.reason, message);
        QCOMPARE(bool(refusal), row >= 0);
    }

    // A large fair: thousands of sellers of the largest ranges, in any order.
    // Only the two that share coupon 150000000 are refused.
    void checkRegister_findsTheOneOverlapOfALargeFair_data()
    {
        QTest::addColumn<bool>("overlap");
        QTest::newRow("one overlap") << true;
        QTest::newRow("none") << false;
    }
    void checkRegister_findsTheOneOverlapOfALargeFair()
    {
        QFETCH(bool, overlap);
        Sellers sellers;
        for (int i = 0; i < 3000; ++i) {
            const qint64 first = qint64(i) * reg::kMostCouponsOfASeller + 1;
            sellers.append(seller(QString::number(i + 1), QString::number(first),
                                  QString::number(first + reg::kMostCouponsOfASeller - 1)));
        }
        std::shuffle(sellers.begin(), sellers.end(), std::mt19937(7));
        if (overlap)
            sellers.append(seller("9999", "150000000", "150000000", "Late"));
        const reg::RegisterRefusal refusal = reg::CheckRegister(sellers);
        if (!overlap) {
            QVERIFY2(!refusal, qPrintable(refusal.reason));
            return;
        }
        QCOMPARE(int(refusal.row), 3000);
        QCOMPARE(refusal.reason, overlapRefusal("150000000 à 150000000", "S1500", "1500", "149900001 à 150000000"));
    }

    void isWholeNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("whole");
        QTest::newRow("digits") << "120" << true;
        QTest::newRow("blanks and tabs around") << " \t7 " << true;
        QTest::newRow("leading zeros") << "007" << true;
        QTest::newRow("beyond 32 bits") << "99999999999" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks") << "  " << false;
        QTest::newRow("letter O") << "12O" << false;
        QTest::newRow("negative") << "-2" << false;
        QTest::newRow("fraction") << "1.5" << false;
        QTest::newRow("exponent") << "1e3" << false;
        QTest::newRow("word") << "deux" << false;
        QTest::newRow("other digits") << QString::fromUtf8("١٢") << false;
    }
    void isWholeNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, whole);
        QCOMPARE(reg::IsWholeNumber(text), whole);
    }
};

VDL_TEST(TestSellerRules)
#include "tst_sellerrules.moc"
