#include "statementsupport.h"

#include "app/module1.h"
#include "statements/feuillevendeur.h"
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

} // namespace

class TestReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const char *tool : {"soffice", "pdftotext", "pdfinfo"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("LibreOffice or poppler-utils not installed: the documents are not read back");
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

        QTemporaryDir work;
        QVERIFY(work.isValid());
        // A profile of its own, so that runs side by side do not share one.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), work.path());
        environment.insert(QStringLiteral("SAL_USE_VCLPLUGIN"), QStringLiteral("svp"));
        run(QStringLiteral("soffice"),
            {"-env:UserInstallation=file://" + work.path() + "/profile", "--headless", "--norestore", "--convert-to",
             "pdf", "--outdir", work.path(), fixture.folder().path(kSignSheet), fixture.folder().path(kGeneral),
             fixture.folder().path(kStatement)},
            environment, 240000);
        const auto pdf = [&](const QString &rtf) { return work.filePath(QString(rtf).replace(".rtf", ".pdf")); };

        // A sign per seller, the code 5} and its range whole.
        const QString signs = pdf(kSignSheet);
        QCOMPARE(pageCount(signs), 3);
        QVERIFY(inOrder(pageText(signs, 1), {"François Œuvray-Müller", "Rue des Écoles 3", "B-{50\\} Çà et là",
                                              "Vendeur n° 1", "Coupons", "1 - 50"}));
        QVERIFY(inOrder(pageText(signs, 2),
                        {"Łucja Ålund", "Straße 1 {bis}", "1000 São Tomé", "Vendeur n° 2", "Coupons", "51 - 60"}));
        QVERIFY(inOrder(pageText(signs, 3),
                        {"Zoé Martin", "Rue Haute 7", "4000 Liège", "Vendeur n° 5}", "Coupons", "{61} - \\70}"}));

        // A page per code, each from its name to its coupons.
        const QString general = pdf(kGeneral);
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

        const QString statement = pdf(kStatement);
        QCOMPARE(pageCount(statement), 1);
        QVERIFY(inOrder(pageText(statement, 1),
                        {"François Œuvray-Müller", "Rue des Écoles 3 {bis}", "B-{50\\} Çà et là, cœur", "Vendeur {12}",
                         "Total Commission Frais En votre faveur", "Date: 7/3/2026", "Quittance:",
                         "Les coupons sont par numéro croissant de gauche à droite", "Coupon Valeur",
                         "8 1.00 9 7.50 10 3.00", "12 10.00"}));
    }
};

VDL_TEST(TestReader)
#include "tst_reader.moc"
