#include "statementsupport.h"

#include "framework/files.h"
#include "statements/opener.h"
#include "statements/rtf.h"
#include "statements/statement.h"

#include <QDir>
#include <functional>

using namespace statements;

namespace {

const QString kDocument = QStringLiteral("doc.rtf");

// The lines a writer leaves in a document of the data folder.
QStringList written(const DataFolder &folder, const std::function<void(fw::TextOutputStream &)> &write)
{
    std::unique_ptr<fw::TextOutputStream> out = fw::CreateTextFile(kDocument);
    if (!out)
        qFatal("cannot create the test document");
    write(*out);
    if (!out->Close())
        qFatal("the test document did not reach the disk");
    return folder.lines(kDocument);
}

QVector<QStringList> coupons(int n)
{
    QVector<QStringList> rows;
    for (int i = 1; i <= n; ++i)
        rows.append({QString::number(i * 10), QString::number(i) + QStringLiteral(".50")});
    return rows;
}

StatementPage plainPage(const QVector<QStringList> &sold)
{
    StatementPage page;
    page.name = QStringLiteral("Jean Dupont");
    page.address = QStringLiteral("Rue Haute 5");
    page.zip = QStringLiteral("4000");
    page.locality = QStringLiteral("Namur");
    page.sellerNumber = QStringLiteral("12");
    page.date = QStringLiteral("7/3/2026");
    page.gross = QStringLiteral("20.50");
    page.commission = QStringLiteral("2.45");
    page.fees = QStringLiteral("15.00");
    page.net = QStringLiteral("3.05");
    page.coupons = sold;
    return page;
}

expected::Page plainExpected(const QVector<QStringList> &sold)
{
    return {"Jean Dupont", "Rue Haute 5", "4000", "Namur", "12", "7/3/2026", "20.50", "2.45", "15.00", "3.05", sold};
}

} // namespace

class TestRtf : public QObject
{
    Q_OBJECT

private slots:
    void escape_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("accents"); // the accent escape alone
        QTest::addColumn<QString>("rtf");     // what a page prints
        QTest::newRow("Hélène Müller") << "Hélène Müller" << R"(H\'e9l\'e8ne M\'fcller)" << R"(H\'e9l\'e8ne M\'fcller)";
        QTest::newRow("capital C cedilla") << "Çà et là" << R"(Ç\'e0 et l\'e0)" << R"(Ç\'e0 et l\'e0)";
        QTest::newRow("every letter, in order")
            << "àéèùâîêûäïöüôë" << R"(\'e0\'e9\'e8\'f9\'e2\'ee\'ea\'fb\'e4\'ef\'f6\'fc\'f4\'eb)"
            << R"(\'e0\'e9\'e8\'f9\'e2\'ee\'ea\'fb\'e4\'ef\'f6\'fc\'f4\'eb)";
        QTest::newRow("capitals and other letters") << "ÉÀÜ œ ç ñ" << "ÉÀÜ œ ç ñ" << "ÉÀÜ œ ç ñ";
        QTest::newRow("three passes: a fourth é stays") << "éééé" << R"(\'e9\'e9\'e9é)" << R"(\'e9\'e9\'e9é)";
        QTest::newRow("already escaped") << R"(H\'e9l\'e8ne)" << R"(H\'e9l\'e8ne)" << R"(H\'e9l\'e8ne)";
        QTest::newRow("nothing to escape") << "Jean Dupont, 12" << "Jean Dupont, 12" << "Jean Dupont, 12";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("control characters") << R"(Dupont {et\fils})" << R"(Dupont {et\fils})"
                                            << R"(Dupont \{et\\fils\})";
        // The backslashes the accent passes write are not doubled.
        QTest::newRow("controls and accents") << R"(é\ {à})" << R"(\'e9\ {\'e0})" << R"(\'e9\\ \{\'e0\})";
        QTest::newRow("lone backslash at the end") << R"(C:\)" << R"(C:\)" << R"(C:\\)";
    }
    void escape()
    {
        QFETCH(QString, text);
        QFETCH(QString, accents);
        QFETCH(QString, rtf);
        QCOMPARE(AccentEscape(text), accents);
        QCOMPARE(RtfText(text), rtf);
    }

    void plainText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rtf");
        QTest::newRow("braces and backslash") << R"(5}{\x)" << R"(5\}\{\\x)";
        // Never stored back, so an escape typed in the text prints as typed.
        QTest::newRow("escape as typed") << R"(1\'e9)" << R"(1\\'e9)";
        QTest::newRow("accents left to the line") << "é{" << R"(é\{)";
        QTest::newRow("nothing to escape") << "4000" << "4000";
        QTest::newRow("empty") << "" << "";
    }
    void plainText()
    {
        QFETCH(QString, text);
        QFETCH(QString, rtf);
        QCOMPARE(RtfPlainText(text), rtf);
    }

    // What an RTF reader of code page 1252 reads back as the same characters.
    void characters_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("written");
        QTest::newRow("ASCII unchanged") << R"({\pard \'e9 {x}?)" << R"({\pard \'e9 {x}?)";
        QTest::newRow("Latin-1 letters")
            << "François Écoles Çà ß ã ÿ" << R"(Fran\'e7ois \'c9coles \'c7\'e0 \'df \'e3 \'ff)";
        QTest::newRow("no-break space, degree") << "\u00a0°" << R"(\'a0\'b0)";
        QTest::newRow("what 1252 puts at 0x80 to 0x9F") << "€ œ Œ Ÿ … ’ – Š ž"
                                                        << R"(\'80 \'9c \'8c \'9f \'85 \'92 \'96 \'8a \'9e)";
        QTest::newRow("outside 1252") << "ł Ω ő" << R"(\u322? \u937? \u337?)";
        QTest::newRow("C1 control, a hole of 1252") << QString(QChar(0x81)) << R"(\u129?)";
        QTest::newRow("above 32767: negative") << "한" << R"(\u-10916?)";
        QTest::newRow("beyond 16 bits: both halves") << "🐟" << R"(\u-10179?\u-9185?)";
        QTest::newRow("digits after an escape") << "é1ł2" << R"(\'e91\u322?2)";
        QTest::newRow("empty") << "" << "";
    }
    void characters()
    {
        QFETCH(QString, line);
        QFETCH(QString, written);
        QCOMPARE(RtfCharacters(line), written);
    }

    // A text that already went through the accent escape prints the same lines.
    void storedBackText_printsTheSame_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("accents") << "Chaussée de Liège à Hélécine";
        QTest::newRow("controls") << R"(Rue {du} Pont\Bas)";
        QTest::newRow("both") << R"(Pré {à} l'Eau\ë)";
    }
    void storedBackText_printsTheSame()
    {
        QFETCH(QString, text);
        QCOMPARE(RtfText(AccentEscape(text)), RtfText(text));
    }

    void prologue_data()
    {
        QTest::addColumn<QString>("fontTable");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QString>("fontLine");
        QTest::addColumn<QString>("paperLine");
        QTest::newRow("seller statement") << kStatementFontTable << kPortraitPaper << expected::kTimes
                                          << expected::kPortrait;
        QTest::newRow("general statements")
            << kGeneralFontTable << kPortraitPaper << R"({\fonttbl\f0\fftruetype Times New Roman;})"
            << expected::kPortrait;
        QTest::newRow("sign sheet")
            << kSignFontTable << kLandscapePaper << R"({\fonttbl\f0\fttruetype Arial;})"
            << R"(\paperw16840\paperh11900\margl720\margr720\margt720\margb720\vieww17700\viewh14120\viewkind1)";
    }
    void prologue()
    {
        QFETCH(QString, fontTable);
        QFETCH(QString, paper);
        QFETCH(QString, fontLine);
        QFETCH(QString, paperLine);
        ProgramFixture fixture;
        COMPARE_LINES(written(fixture.folder, [&](fw::TextOutputStream &out) { WritePrologue(out, fontTable, paper); }),
                      expected::prologue(fontLine, paperLine));
    }

    void sellerStatement_wholeDocument_data()
    {
        QTest::addColumn<int>("sold");
        QTest::addColumn<int>("dataRows");
        QTest::addColumn<int>("sheets");
        QTest::addColumn<QString>("document"); // the fixture of a table that runs on; none: typed out
        QTest::newRow("no coupon: the header row only") << 0 << 0 << 1 << QString();
        QTest::newRow("one coupon, two empty places") << 1 << 1 << 1 << QString();
        QTest::newRow("two coupons") << 2 << 1 << 1 << QString();
        QTest::newRow("three coupons, one full row") << 3 << 1 << 1 << QString();
        QTest::newRow("four coupons") << 4 << 2 << 1 << QString();
        QTest::newRow("seven coupons") << 7 << 3 << 1 << QString();
        QTest::newRow("36 rows: the first sheet full") << 108 << 36 << 1 << QString();
        QTest::newRow("37 rows: one on a second sheet") << 109 << 37 << 2 << "statement_109.rtf";
        QTest::newRow("41 rows") << 123 << 41 << 2 << "statement_123.rtf";
        QTest::newRow("45 rows") << 133 << 45 << 2 << "statement_133.rtf";
        QTest::newRow("94 rows: the second sheet full") << 282 << 94 << 2 << "statement_282.rtf";
        QTest::newRow("95 rows: a third sheet") << 283 << 95 << 3 << "statement_283.rtf";
    }
    void sellerStatement_wholeDocument()
    {
        QFETCH(int, sold);
        QFETCH(int, dataRows);
        QFETCH(int, sheets);
        QFETCH(QString, document);
        ProgramFixture fixture;
        const QStringList lines = written(
            fixture.folder, [&](fw::TextOutputStream &out) { WriteSellerStatement(out, plainPage(coupons(sold))); });
        COMPARE_LINES(lines, document.isEmpty() ? expected::statement(plainExpected(coupons(sold))) : FIXTURE(document));
        // Each further sheet: the break, the seller's heading and the table's heading row.
        QCOMPARE(lines.size(), 5 + 1 + 53 + 17 + 1 + 15 * dataRows + (2 + 8 + 17) * (sheets - 1));
        QCOMPARE(lines.count(R"(\page)"), sheets - 1);
        QCOMPARE(lines.count(R"(\fs20\trowd\trhdr \qr)"), sheets);
    }

    // A further sheet names its seller as the first one does.
    void nextSheet_beginsWithTheSeller()
    {
        ProgramFixture fixture;
        const QStringList lines = written(
            fixture.folder, [&](fw::TextOutputStream &out) { WriteSellerStatement(out, plainPage(coupons(111))); });
        const qsizetype pageBreak = lines.indexOf(R"(\page)");
        QCOMPARE(pageBreak, 5 + 1 + 53 + 17 + 15 * 36 + 1);
        QCOMPARE(lines.mid(pageBreak - 3, 4), (QStringList{R"(\row)", "", R"(\pard\par)", R"(\page)"}));
        QCOMPARE(lines.mid(pageBreak + 1, 9), (QStringList{R"({\pard)", R"(\ql)", R"(\b\i\f0\fs30)", "Vendeur  ", "12",
                                                          R"( \'96 Jean Dupont)", R"(\par})", "", R"(\par)"}));
        QCOMPARE(lines[pageBreak + 9 + 17 + 12], R"({\cell 1090\cell 109.50\cell \cell 1100\cell 110.50\cell \cell )"
                                                 R"(1110\cell 111.50\cell \cell})");
    }

    void coupons_fillRowsLeftToRight()
    {
        ProgramFixture fixture;
        const QStringList lines = written(fixture.folder, [&](fw::TextOutputStream &out) {
            WriteCouponTable(out, plainPage({{"9", "7.50"}, {"10", "3.00"}, {"12", "10.00"}, {"100", "1.00"}}));
        });
        COMPARE_LINES(lines, expected::tableHeader() + expected::tableRow("9", "7.50", "10", "3.00", "12", "10.00") +
                                 expected::tableRow("100", "1.00"));
        QCOMPARE(lines[17 + 12], R"({\cell 9\cell 7.50\cell \cell 10\cell 3.00\cell \cell 12\cell 10.00\cell \cell})");
        QCOMPARE(lines[17 + 15 + 12], R"({\cell 100\cell 1.00\cell \cell \cell \cell \cell \cell \cell \cell})");
    }

    void generalForm_hasNoEmptyLineAfterTheDate()
    {
        ProgramFixture fixture;
        const QStringList lines = written(fixture.folder, [&](fw::TextOutputStream &out) {
            WriteStatementPage(out, plainPage(coupons(4)), PageForm::General);
        });
        COMPARE_LINES(lines, expected::pageBlocks(plainExpected(coupons(4)), false) + expected::couponTable(plainExpected(coupons(4))));
        QCOMPARE(lines.indexOf(R"(\fs20\trowd\trhdr \qr)"), 52 + 1);
        const qsizetype date = lines.indexOf(R"(\tab Date: 7/3/2026\tab Quittance:)");
        QCOMPARE(lines.mid(date + 3, 2), (QStringList{R"(\par})", R"({\pard)"}));
    }

    // Only the seller's name, address and locality get the accent escape;
    // every text has its controls escaped and every character encoded.
    void page_escapesEveryText()
    {
        ProgramFixture fixture;
        StatementPage page;
        page.name = QStringLiteral("Hélène {Müller}");
        page.address = QStringLiteral("Chaussée 3\\b");
        page.zip = QStringLiteral("é4000{");
        page.locality = QStringLiteral("Liège");
        page.sellerNumber = QStringLiteral("à12}");
        page.date = QStringLiteral("7/3/2026é");
        page.gross = QStringLiteral("è1");
        page.commission = QStringLiteral("ù2");
        page.fees = QStringLiteral("â3\\");
        page.net = QStringLiteral("î4");
        // Enough rows for a second sheet, which names the seller again.
        page.coupons = QVector<QStringList>(3 * 37, {"ê5{", "û6}"});
        const QStringList lines =
            written(fixture.folder, [&](fw::TextOutputStream &out) { WriteStatementPage(out, page, PageForm::Single); });
        const expected::Page want{R"(H\'e9l\'e8ne \{M\'fcller\})",
                                  R"(Chauss\'e9e 3\\b)",
                                  R"(\'e94000\{)",
                                  R"(Li\'e8ge)",
                                  R"(\'e012\})",
                                  R"(7/3/2026\'e9)",
                                  R"(\'e81)",
                                  R"(\'f92)",
                                  R"(\'e23\\)",
                                  R"(\'ee4)",
                                  QVector<QStringList>(3 * 36, {R"(\'ea5\{)", R"(\'fb6\})"})};
        // The first sheet typed out, the whole page as written once.
        const QStringList firstSheet = expected::pageBlocks(want, true) + expected::couponTable(want);
        COMPARE_LINES(lines.mid(0, firstSheet.size()), firstSheet);
        COMPARE_LINES(lines, FIXTURE("escaped_page.txt"));
        QVERIFY(lines.contains(R"( \'96 H\'e9l\'e8ne \{M\'fcller\})"));
    }

    void statementFileName_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("file"); // empty: no file can be named
        QTest::newRow("plain code") << "12" << "vendeur_12.rtf";
        QTest::newRow("code text as it stands") << "07" << "vendeur_07.rtf";
        QTest::newRow("blank kept") << " 7" << "vendeur_ 7.rtf";
        QTest::newRow("not a number") << "abc" << "vendeur_abc.rtf";
        QTest::newRow("dots alone stay in the folder") << ".." << "vendeur_...rtf";
        QTest::newRow("braces") << "5}{" << "vendeur_5}{.rtf";
        QTest::newRow("empty") << "" << "vendeur_.rtf";
        QTest::newRow("slash") << "../../etc/x" << "";
        QTest::newRow("slash after a number") << "7/8" << "";
        QTest::newRow("backslash") << "3\\x" << "";
        QTest::newRow("slash at the end") << "-4/" << "";
        QTest::newRow("NUL") << QString(QStringLiteral("4") + QChar()) << "";
    }
    void statementFileName()
    {
        QFETCH(QString, code);
        QFETCH(QString, file);
        QCOMPARE(StatementFileName(code), file);
    }

    void opener_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("opened");
        QTest::newRow("viewer started") << 0 << true;
        QTest::newRow("viewer failed") << 1 << false;
        QTest::newRow("no viewer") << -1 << false;
    }
    void opener()
    {
        QFETCH(int, status);
        QFETCH(bool, opened);
        StatementsFixture fixture;
        fixture.shell.status = status;
        QCOMPARE(OpenDocument(QStringLiteral("vendeur_12.rtf")), opened);
#if defined(Q_OS_WIN)
        QVERIFY(fixture.shell.calls.isEmpty());
        QCOMPARE(fixture.messages(), QStringList{"Fonction non implémentée sous Windows!"});
#else
        QCOMPARE(fixture.shell.calls.size(), 1);
#if defined(Q_OS_MACOS)
        QCOMPARE(fixture.shell.calls[0].program, QStringLiteral("open"));
        const QString failure = R"(Impossible d'ouvrir TextEdit Vous devrez imprimer le fichier "vendeur_12.rtf" vous-même.)";
#else
        QCOMPARE(fixture.shell.calls[0].program, QStringLiteral("xdg-open"));
        const QString failure = R"(Impossible d'ouvrir Abiword! Vous devrez imprimer le fichier "vendeur_12.rtf" vous-même.)";
#endif
        QCOMPARE(fixture.shell.calls[0].arguments, QStringList{QDir::currentPath() + "/vendeur_12.rtf"});
        QCOMPARE(fixture.messages(), opened ? QStringList() : QStringList{failure});
#endif
    }

    // No shell reads the path: blanks and quotes in the folder or the file
    // name stay inside the one argument.
    void opener_passesTheWholePathAsOneArgument()
    {
        StatementsFixture fixture;
        const QString odd = QStringLiteral("Bourse d'été \"2026\" ; $x");
        QVERIFY(QDir().mkdir(odd));
        QVERIFY(QDir::setCurrent(odd));
        const QString file = QStringLiteral("vendeur_a b'c.rtf");
        const bool opened = OpenDocument(file);
        const QString folder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(fixture.folder().path(QString())));
#if !defined(Q_OS_WIN)
        QVERIFY(opened);
        QCOMPARE(fixture.shell.calls.size(), 1);
        QCOMPARE(fixture.shell.calls[0].arguments, QStringList{folder + u'/' + file});
#endif
    }

    void openerMessage_namesTheDocument_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
#if defined(Q_OS_MACOS)
        QTest::newRow("seller statement")
            << int(OpenerMessage::Plain) << "vendeur_12.rtf"
            << R"(Impossible d'ouvrir TextEdit Vous devrez imprimer le fichier "vendeur_12.rtf" vous-même.)";
        QTest::newRow("general statements")
            << int(OpenerMessage::Exclaimed) << "Fichier_General_des_vendeurs.rtf"
            << R"(Impossible d'ouvrir TextEdit! Vous devrez imprimer le fichier "Fichier_General_des_vendeurs.rtf" vous-même.)";
#else
        QTest::newRow("seller statement")
            << int(OpenerMessage::Plain) << "vendeur_12.rtf"
            << R"(Impossible d'ouvrir Abiword! Vous devrez imprimer le fichier "vendeur_12.rtf" vous-même.)";
        QTest::newRow("sign sheet")
            << int(OpenerMessage::Plain) << "FichesVendeurs.rtf"
            << R"(Impossible d'ouvrir Abiword! Vous devrez imprimer le fichier "FichesVendeurs.rtf" vous-même.)";
        QTest::newRow("general statements")
            << int(OpenerMessage::Exclaimed) << "Fichier_General_des_vendeurs.rtf"
            << R"(Impossible d'ouvrir Abiword! Vous devrez imprimer le fichier "Fichier_General_des_vendeurs.rtf" vous-même.)";
#endif
    }
    void openerMessage_namesTheDocument()
    {
        QFETCH(int, kind);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QCOMPARE(OpenerFailureMessage(file, OpenerMessage(kind)), message);
    }
};

VDL_TEST(TestRtf)
#include "tst_rtf.moc"
