#include "statementsupport.h"

#include "app/module1.h"
#include "statements/feuillevendeur.h"
#include "statements/selectvendor.h"
#include "statements/utilities.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

// The three documents as an RTF reader lays them out: LibreOffice prints
// them to PDF, and poppler gives back each page's text. Runs only where
// both are installed.
namespace {

const QString kSignSheet = QStringLiteral("FichesVendeurs.rtf");
const QString kGeneral = QStringLiteral("Fichier_General_des_vendeurs.rtf");
const QString kStatement = QStringLiteral("vendeur_{12}.rtf");

// Codes 1, 2 and 5}: the last counts as 5 for the general document, which
// thus has five pages, and matches none of its codes.
const QByteArray kRegisterLines = "François Œuvray-Müller,1,Rue des Écoles 3,B-{50\\},Çà et là,1,50,1,0\n"
                             "Łucja Ålund,2,Straße 1 {bis},1000,São Tomé,51,60,0,0\n"
                             "Zoé Martin,5},Rue Haute 7,4000,Liège,{61},\\70},0,0\n";

// Gives the program's output, or fails the test with what it said.
QString run(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment = {},
            int timeoutMs = 60000)
{
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        qWarning("%s did not finish in time", qPrintable(program));
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        qWarning("%s: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString &pdf)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
            .match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// One page's text as laid out, line by line, runs of blanks made one.
QString pageText(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    return run(QStringLiteral("pdftotext"), {"-layout", "-f", n, "-l", n, pdf, "-"}).simplified();
}

// The texts appear on the page in this order.
bool inOrder(const QString &page, const QStringList &texts)
{
    qsizetype at = 0;
    for (const QString &t : texts) {
        at = page.indexOf(t, at);
        if (at < 0) {
            qWarning("\"%s\" missing or out of order in: %s", qPrintable(t), qPrintable(page));
            return false;
        }
        at += t.size();
    }
    return true;
}

// The text of every page; an empty page gives an empty text.
QStringList pageTexts(const QString &pdf)
{
    QStringList pages;
    for (int page = 1, count = pageCount(pdf); page <= count; ++page)
        pages.append(pageText(pdf, page));
    return pages;
}

// The seller numbers that a page shows after "Vendeur".
QStringList sellerNumbers(const QString &page)
{
    QStringList numbers;
    for (const QRegularExpressionMatch &m : QRegularExpression(QStringLiteral("Vendeur (\\S+)")).globalMatch(page))
        numbers.append(m.captured(1));
    numbers.removeDuplicates();
    return numbers;
}

// A seller's sales file of `sold` coupons from `first` on, each of 1.00.
QByteArray salesOf(int first, int sold)
{
    QByteArray sales;
    for (int coupon = first; coupon < first + sold; ++coupon)
        sales += QByteArray::number(coupon) + ",1\n";
    return sales;
}

// Long enough to wrap: a name onto a second line, an address as well.
const QString kLongName = QStringLiteral("Association des Aquariophiles de la Région Liégeoise");
const QString kLongAddress =
    QStringLiteral("Avenue du Président Franklin Delano Roosevelt 187 résidence des Trois Fontaines bloc C");

} // namespace

class TestReader : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;

    // Prints the documents of the data folder to PDF as LibreOffice Writer
    // lays them out; gives each one's PDF, in order.
    QStringList print(const DataFolder &folder, const QStringList &documents)
    {
        // A profile of its own, so that runs side by side do not share one.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_work.path());
        environment.insert(QStringLiteral("SAL_USE_VCLPLUGIN"), QStringLiteral("svp"));
        QStringList arguments{"-env:UserInstallation=file://" + m_work.path() + "/profile", "--headless",
                              "--norestore", "--convert-to", "pdf", "--outdir", m_work.path()};
        QStringList pdfs;
        for (const QString &document : documents) {
            arguments.append(folder.path(document));
            pdfs.append(m_work.filePath(QString(document).replace(".rtf", ".pdf")));
            QFile::remove(pdfs.last());
        }
        run(QStringLiteral("soffice"), arguments, environment, 240000);
        return pdfs;
    }

private slots:
    void initTestCase()
    {
        for (const char *tool : {"soffice", "pdftotext", "pdfinfo", "fc-match"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("LibreOffice or poppler-utils not installed: the documents are not read back");
        // Where the lines break depends on the fonts' widths: without fonts of
        // the same metrics as the documents' Times New Roman and Arial, the
        // pages are laid out otherwise than on a user's machine.
        for (const char *family : {"Times New Roman", "Arial"})
            if (!run(QStringLiteral("fc-match"), {QString::fromLatin1(family)}).contains(QStringLiteral("Liberation")))
                QSKIP("fonts-liberation not installed: the documents would not be laid out as they print");
        QVERIFY(m_work.isValid());
    }

    void threeDocuments_readAsDrawn()
    {
        StatementsFixture fixture;
        fixture.folder().write(kRegister, kRegisterLines);
        fixture.folder().write("vendeur_1.csv", "3,4\n1,2\n");
        fixture.folder().write("vendeur_2.csv", "55,1\n");
        Module1::myday = QStringLiteral("7/3/2026");
        Module1::qvotaux = 0.12;

        utilities *tools = utilities::instance();
        tools->Show();
        press(tools, "BevelButton1");
        press(tools, "BevelButton2");

        fixture.folder().write("vendeur_12.csv", "12,10\n9,7.5\n10,3\n8,1\n");
        Module1::SonNom = QStringLiteral("François Œuvray-Müller");
        Module1::vc2 = QStringLiteral("{12}");
        Module1::FindVendor = 12;
        Module1::adresse2 = QStringLiteral("Rue des Écoles 3 {bis}");
        Module1::zip2 = QStringLiteral("B-{50\\}");
        Module1::localite2 = QStringLiteral("Çà et là, cœur");
        Module1::bacs2 = QStringLiteral("1");
        Module1::rampes2 = QStringLiteral("0");
        FeuilleVendeur *sheet = FeuilleVendeur::instance();
        sheet->Show();
        press(sheet, "BevelButton2");
        for (const QString &document : {kSignSheet, kGeneral, kStatement})
            QVERIFY2(fixture.folder().exists(document), qPrintable(document));

        const QStringList pdfs = print(fixture.folder(), {kSignSheet, kGeneral, kStatement});

        // A sign per seller, the code 5} and its range whole.
        const QString signs = pdfs[0];
        QCOMPARE(pageCount(signs), 3);
        QVERIFY(inOrder(pageText(signs, 1), {"François Œuvray-Müller", "Rue des Écoles 3", "B-{50\\} Çà et là",
                                              "Vendeur n° 1", "Coupons", "1 - 50"}));
        QVERIFY(inOrder(pageText(signs, 2),
                        {"Łucja Ålund", "Straße 1 {bis}", "1000 São Tomé", "Vendeur n° 2", "Coupons", "51 - 60"}));
        QVERIFY(inOrder(pageText(signs, 3),
                        {"Zoé Martin", "Rue Haute 7", "4000 Liège", "Vendeur n° 5}", "Coupons", "{61} - \\70}"}));

        // A page per code, each from its name to its coupons.
        const QString general = pdfs[1];
        QCOMPARE(pageCount(general), 5);
        QVERIFY(inOrder(pageText(general, 1),
                        {"François Œuvray-Müller", "Rue des Écoles 3", "B-{50\\} Çà et là", "Vendeur 1",
                         "Total Commission Frais En votre faveur", "6.00 0.70 5.00 0.30", "Date: 7/3/2026",
                         "Quittance:", "Les coupons sont par numéro croissant de gauche à droite", "Coupon Valeur",
                         "1 2.00 3 4.00"}));
        QVERIFY(inOrder(pageText(general, 2),
                        {"Łucja Ålund", "Straße 1 {bis}", "1000 São Tomé", "Vendeur 2", "Coupon Valeur", "55 1.00"}));
        for (int code : {3, 4, 5})
            QVERIFY(inOrder(pageText(general, code), {"Vendeur " + QString::number(code), "Coupon Valeur", "0 0.00"}));

        const QString statement = pdfs[2];
        QCOMPARE(pageCount(statement), 1);
        QVERIFY(inOrder(pageText(statement, 1),
                        {"François Œuvray-Müller", "Rue des Écoles 3 {bis}", "B-{50\\} Çà et là, cœur", "Vendeur {12}",
                         "Total Commission Frais En votre faveur", "Date: 7/3/2026", "Quittance:",
                         "Les coupons sont par numéro croissant de gauche à droite", "Coupon Valeur",
                         "8 1.00 9 7.50 10 3.00", "12 10.00"}));
    }

    // However long each seller's table, no sheet is empty, and every sheet
    // says whose it is: a seller's first with the whole statement, each
    // further one with the seller's number and name and the table's heading.
    void generalDocument_everySheetNamesItsSeller_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QList<int>>("sold");
        QTest::newRow("38 to 45 table rows")
            << QStringList{"Anne Dupont", "Bruno Lambert", "Chloé Martin", "Denis Renard",
                           "Émile Simon", "Fanny Thiry", "Gérard Urbain", "Hélène Vidal"}
            << QStringLiteral("Rue Haute 5") << QList<int>{114, 117, 120, 123, 126, 129, 132, 135};
        QTest::newRow("name and address on two lines, 35 to 38 rows")
            << QStringList{kLongName + " A", kLongName + " B", kLongName + " C", kLongName + " D"} << kLongAddress
            << QList<int>{105, 108, 111, 114};
        QTest::newRow("around a full second sheet, 93 to 96 rows")
            << QStringList{"Anne Dupont", "Bruno Lambert", "Chloé Martin", "Denis Renard"}
            << QStringLiteral("Rue Haute 5") << QList<int>{279, 282, 285, 288};
    }
    void generalDocument_everySheetNamesItsSeller()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, address);
        QFETCH(QList<int>, sold);
        StatementsFixture fixture;
        QByteArray sellers;
        for (int code = 1; code <= names.size(); ++code) {
            const int first = code * 1000;
            sellers += QStringLiteral("%1,%2,%3,4000,Namur,%4,%5,0,0\n")
                           .arg(names[code - 1], QString::number(code), address, QString::number(first),
                                QString::number(first + 999))
                           .toUtf8();
            fixture.folder().write("vendeur_" + QString::number(code) + ".csv", salesOf(first, sold[code - 1]));
        }
        fixture.folder().write(kRegister, sellers);
        Module1::myday = QStringLiteral("7/3/2026");
        Module1::qvotaux = 0.12;
        utilities *tools = utilities::instance();
        tools->Show();
        press(tools, "BevelButton2");
        QVERIFY(fixture.folder().exists(kGeneral));

        const QStringList pages = pageTexts(print(fixture.folder(), {kGeneral})[0]);
        QVERIFY(!pages.isEmpty());
        QStringList sheetsOf; // each seller's sheets, joined
        for (qsizetype i = 0; i < pages.size(); ++i) {
            const QString &page = pages[i];
            QVERIFY2(!page.isEmpty(), qPrintable(QStringLiteral("page %1 is empty").arg(i + 1)));
            const QStringList numbers = sellerNumbers(page);
            QVERIFY2(numbers.size() == 1, qPrintable(QStringLiteral("page %1 names no single seller: %2").arg(i + 1).arg(page)));
            const int code = numbers[0].toInt();
            if (code == sheetsOf.size() + 1) {
                QVERIFY(inOrder(page, {names[code - 1], address, "Vendeur " + numbers[0],
                                       "Total Commission Frais En votre faveur", "Coupon Valeur"}));
                sheetsOf.append(page);
            } else {
                QCOMPARE(code, sheetsOf.size()); // the seller of the sheet before
                QVERIFY(inOrder(page, {"Vendeur " + numbers[0] + " – " + names[code - 1], "Coupon Valeur"}));
                sheetsOf.last() += page;
            }
        }
        QCOMPARE(sheetsOf.size(), names.size());
        for (qsizetype i = 0; i < names.size(); ++i) {
            const int first = (i + 1) * 1000;
            QVERIFY(sheetsOf[i].contains(QString::number(first) + " 1.00"));
            QVERIFY(sheetsOf[i].contains(QString::number(first + sold[i] - 1) + " 1.00"));
        }
    }

    // A statement runs onto as many sheets as its table needs and no more,
    // each further one headed by the seller and the table's heading.
    void statement_noBlankSheet_data()
    {
        QTest::addColumn<int>("sold");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("sheets");
        QTest::newRow("123 coupons") << 123 << "Jean Dupont" << "Rue Haute 5" << 2;
        QTest::newRow("133 coupons") << 133 << "Jean Dupont" << "Rue Haute 5" << 2;
        QTest::newRow("283 coupons") << 283 << "Jean Dupont" << "Rue Haute 5" << 3;
        QTest::newRow("36 rows under a name and an address on two lines") << 108 << kLongName << kLongAddress << 1;
    }
    void statement_noBlankSheet()
    {
        QFETCH(int, sold);
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(int, sheets);
        StatementsFixture fixture;
        fixture.folder().write(kRegister, (name + ",12," + address + ",4000,Namur,1,999,0,0\n").toUtf8());
        fixture.folder().write("vendeur_12.csv", salesOf(1, sold));
        Module1::myday = QStringLiteral("7/3/2026");
        Module1::qvotaux = 0.12;
        SelectVendor *picker = SelectVendor::instance();
        picker->Show();
        child<fw::Listbox>(picker, "ListVendeurs")->SetListIndex(0);
        press(picker, "BevelButton1");
        FeuilleVendeur *sheet = FeuilleVendeur::openInstance();
        QVERIFY(sheet);
        press(sheet, "BevelButton2");
        QVERIFY(fixture.folder().exists("vendeur_12.rtf"));

        const QStringList pages = pageTexts(print(fixture.folder(), {"vendeur_12.rtf"})[0]);
        QCOMPARE(pages.size(), sheets);
        QVERIFY(inOrder(pages[0], {name, address, "Vendeur 12", "Coupon Valeur", "1 1.00"}));
        for (qsizetype i = 1; i < pages.size(); ++i)
            QVERIFY(inOrder(pages[i], {"Vendeur 12 – " + name, "Coupon Valeur"}));
        QVERIFY(pages.last().contains(QString::number(sold) + " 1.00"));
    }

    // One sheet per sign, even when a sign fills its page, the last one too.
    void signSheet_aSheetPerSign()
    {
        const QStringList names{kLongName, "Anne", kLongName + " B"};
        StatementsFixture fixture;
        QByteArray sellers;
        for (int code = 1; code <= names.size(); ++code)
            sellers += (names[code - 1] + "," + QString::number(code) + ",Rue Haute 5,4000,Namur,1,50,0,0\n").toUtf8();
        fixture.folder().write(kRegister, sellers);
        utilities *tools = utilities::instance();
        tools->Show();
        press(tools, "BevelButton1");
        QVERIFY(fixture.folder().exists(kSignSheet));

        const QStringList pages = pageTexts(print(fixture.folder(), {kSignSheet})[0]);
        QCOMPARE(pages.size(), names.size());
        for (qsizetype i = 0; i < pages.size(); ++i)
            QVERIFY(inOrder(pages[i], {names[i], "Vendeur n° " + QString::number(i + 1), "1 - 50"}));
    }
};

VDL_TEST(TestReader)
#include "tst_reader.moc"
