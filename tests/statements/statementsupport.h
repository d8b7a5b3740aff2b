#pragma once

// What the statement tests share: a recording document viewer, and the lines
// a document must hold, typed out from the layout of the pages.

#include "drivers.h"
#include "testsupport.h"

#include "framework/controls.h"
#include "framework/shell.h"

#include <QFile>
#include <QList>
#include <QStringList>
#include <QTest>
#include <QVector>

#include <sys/stat.h>

// Stands in for the platform's document viewer: records each call and
// answers the exit status it is given. Never lets a real viewer start.
class RecordingShell : public fw::ShellSeam
{
public:
    RecordingShell() { fw::setShellSeam(this); }
    ~RecordingShell() override { fw::setShellSeam(nullptr); }

    int execute(const QString &program, const QStringList &arguments) override
    {
        calls.append({program, arguments});
        return status;
    }

    struct Call {
        QString program;
        QStringList arguments;
    };
    QList<Call> calls;
    int status = 0;
};

// A fresh program and a viewer that is never real.
struct StatementsFixture {
    ProgramFixture program;
    RecordingShell shell;

    const DataFolder &folder() const { return program.folder; }
    const QStringList &messages() const { return program.dialogs.messages; }
};

// The control that Tab moves to from this one.
inline QWidget *nextTabStop(QWidget *from)
{
    for (QWidget *w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && !w->isHidden())
            return w;
    return from;
}

// What stands in the place of a data file that cannot be read: nothing for
// "", else a "folder", or a "pipe" that no one writes (opening it to read
// would wait for ever).
inline void putInPlace(const DataFolder &folder, const QString &name, const QString &what)
{
    if (what == QLatin1String("folder"))
        folder.block(name);
    else if (what == QLatin1String("pipe") && mkfifo(QFile::encodeName(folder.path(name)).constData(), 0600) != 0)
        qFatal("cannot make the pipe");
}

// Every row of a list, its cells joined by ",".
inline QStringList rowsOf(const fw::Listbox *list)
{
    QStringList rows;
    for (const QStringList &cells : list->Rows())
        rows.append(cells.join(u','));
    return rows;
}

namespace expected {

// The page's texts as they must stand in the document, escapes included.
struct Page {
    QString name, address, zip, locality, number, date, gross, commission, fees, net;
    QVector<QStringList> coupons;
};

inline QStringList prologue(const QString &fontTable, const QString &paper)
{
    return {R"({\rtf1\ansi\ansicpg1252\cocoartf1038\cocoasubrtf250)", fontTable,
            R"({\colortbl;\red255\green255\blue255;})", paper,
            R"(\pard\tx566\tx1133\tx1700\tx2267\tx2834\tx3401\tx3968\tx4535\tx5102\tx5669\tx6236\tx6803\qc\pardirnatural)"};
}

inline const QString kTimes = R"({\fonttbl\f0\fttruetype Times New Roman;})";
inline const QString kPortrait =
    R"(\paperw11900\paperh16840\margl720\margr720\margt720\margb720\vieww17700\viewh14120\viewkind1)";

inline QStringList cellBoundaries()
{
    return {R"(\cellx1)", R"(\cellx2)", R"(\cellx3)", R"(\cellx4)", R"(\cellx5)",
            R"(\cellx6)", R"(\cellx7)", R"(\cellx8)", R"(\cellx9)", R"(\cellx10)"};
}

inline QStringList tableHeader()
{
    return QStringList{R"(\par)", R"(\fs20\trowd\trhdr \qr)", R"(\trautofit1)", R"(\intbl)"} + cellBoundaries() +
           QStringList{R"({\cell Coupon\cell Valeur\cell\cell Coupon\cell Valeur\cell\cell Coupon\cell Valeur\cell \cell})",
                       R"(\row)", ""};
}

// One data row; an empty coupon and amount stand for an empty place.
inline QStringList tableRow(const QString &c1, const QString &a1, const QString &c2 = {}, const QString &a2 = {},
                            const QString &c3 = {}, const QString &a3 = {})
{
    return QStringList{R"(\trowd\trautofit1)", R"(\intbl)"} + cellBoundaries() +
           QStringList{R"({\cell )" + c1 + R"(\cell )" + a1 + R"(\cell \cell )" + c2 + R"(\cell )" + a2 +
                           R"(\cell \cell )" + c3 + R"(\cell )" + a3 + R"(\cell \cell})",
                       R"(\row)", ""};
}

// The table of a page that holds on one sheet. Where a table runs on to
// further sheets, the test compares with a fixture instead (see fixture()).
inline QStringList couponTable(const Page &p)
{
    if (p.coupons.size() > 3 * 36)
        qFatal("a table of %d coupons runs onto a second sheet: compare with a fixture", int(p.coupons.size()));
    QStringList lines = tableHeader();
    for (qsizetype k = 0; k < p.coupons.size(); k += 3) {
        const auto at = [&](qsizetype i, int c) { return i < p.coupons.size() ? p.coupons[i][c] : QString(); };
        lines += tableRow(at(k, 0), at(k, 1), at(k + 1, 0), at(k + 1, 1), at(k + 2, 0), at(k + 2, 1));
    }
    return lines;
}

// The lines before the coupon table: 53 in the single form, 52 in the general one.
inline QStringList pageBlocks(const Page &p, bool single)
{
    QStringList l{R"({\par)", R"(\ql)", R"(\b\f0\fs40)", p.name, R"(\par})", ""};
    l += {R"({\pard)", R"(\ql)", R"(\b\f0\fs24)", p.address, R"(\line)", p.zip + "  " + p.locality, R"(\line)",
          R"(\line)", R"(\par})", ""};
    l += {R"({\pard)", R"(\ql)", R"(\b\i\f0\fs30)", "Vendeur  ", p.number, R"(\line)", R"(\par})", ""};
    l += {R"({\pard)", R"(\ql)", R"(\b\f0\fs30)", R"(\tx576\tx2300\tx5184\tx6900)",
          R"(\tab Total \tab Commission \tab Frais \tab En votre faveur)", R"(\line \b)",
          R"(\tab )" + p.gross + R"(\tab )" + p.commission + R"(\tab )" + p.fees + R"(\tab )" + p.net, R"(\par})",
          ""};
    l += {R"({\pard)", R"(\ql)", R"(\b\f0\fs24)", R"(\tx576\tx5184)", R"(\line)",
          R"(\tab Date: )" + p.date + R"(\tab Quittance:)", R"(\line)", R"(\line)", R"(\par})"};
    if (single)
        l += "";
    l += {R"({\pard)", R"(\ql)", R"(\b\f0\fs24)", R"(\tx576\tx5184)", R"(\line)",
          R"(\tab Les coupons sont par num\'e9ro croissant de gauche \'e0 droite)", R"(\line)", R"(\line)",
          R"(\par})", ""};
    return l;
}

// The whole seller statement.
inline QStringList statement(const Page &p)
{
    return prologue(kTimes, kPortrait) + QStringList{""} + pageBlocks(p, true) + couponTable(p) +
           QStringList{"}"};
}

// The sign sheet and the general statements document.
inline const QString kArial = R"({\fonttbl\f0\fttruetype Arial;})";
inline const QString kLandscape =
    R"(\paperw16840\paperh11900\margl720\margr720\margt720\margb720\vieww17700\viewh14120\viewkind1)";
inline const QString kGeneralTimes = R"({\fonttbl\f0\fftruetype Times New Roman;})";

// One seller's sign, its texts as they must stand in the document.
struct Sign {
    QString name, address, place, code, range;
};

inline QStringList sign(const Sign &s)
{
    return {R"({\pard)", R"(\qc)", R"(\b\f0\fs120)", s.name, R"(\par})",
            R"({\pard)", R"(\qc)", R"(\b\f0\fs50)", s.address, R"(\line)", s.place, R"(\par})",
            R"({\pard)", R"(\qc)", R"(\b\f0\fs100)", R"(\line)", R"(Vendeur n\'b0 )", s.code, R"(\line)", R"(\par})",
            R"({\pard)", R"(\qc)", R"(\b\f0\fs60)", " Coupons", R"(\par})",
            R"({\pard)", R"(\qc)", R"(\b\f0\fs160)", s.range, R"(\par})"};
}

// A page break between two signs, none after the last.
inline QStringList signSheet(const QVector<Sign> &signs)
{
    QStringList lines = prologue(kArial, kLandscape);
    for (const Sign &s : signs) {
        if (&s != signs.begin())
            lines += R"(\page)";
        lines += sign(s);
    }
    return lines + QStringList{"}"};
}

// The general form of the page, a plain paragraph that leaves its table, and
// the page break.
inline QStringList generalPage(const Page &p)
{
    return pageBlocks(p, false) + couponTable(p) + QStringList{R"(\pard\par)", R"(\page)"};
}

// The prologue, the empty line and the pages, without the closing "}".
inline QStringList generalStatementsStart(const QVector<Page> &pages)
{
    QStringList lines = prologue(kGeneralTimes, kPortrait) + QStringList{""};
    for (const Page &p : pages)
        lines += generalPage(p);
    return lines;
}

inline QStringList generalStatements(const QVector<Page> &pages)
{
    return generalStatementsStart(pages) + QStringList{"}"};
}

// A document's bytes: its lines, each ended by "\n". Only ASCII is allowed
// in a document, so a letter left unencoded cannot match.
inline QByteArray bytes(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines) {
        for (const QChar c : line)
            if (c.unicode() >= 0x80)
                qFatal("non-ASCII in an expected document line: %s", qPrintable(line));
        out += line.toLatin1() + '\n';
    }
    return out;
}

// A document written once and kept in tests/statements/fixtures, its lines:
// each was laid out by LibreOffice Writer (soffice --headless --convert-to
// pdf, then pdftotext) and read there sheet by sheet (see fixtures/README).
#define FIXTURE(name) expected::fixtureLines(QFINDTESTDATA(QStringLiteral("fixtures/") + (name)))

inline QStringList fixtureLines(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        qFatal("fixture missing: %s", qPrintable(path));
    QString text = QString::fromLatin1(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

// The platform's document viewer, and its message when it cannot start:
// the general statements document's has a "!" after "TextEdit".
#if defined(Q_OS_MACOS)
inline const QString kViewerProgram = "open";
#else
inline const QString kViewerProgram = "xdg-open";
#endif

inline QString viewerFailure(const QString &file, bool exclaimed = false)
{
#if defined(Q_OS_MACOS)
    const QString prefix = exclaimed ? "Impossible d'ouvrir TextEdit! Vous devrez imprimer le fichier "
                                     : "Impossible d'ouvrir TextEdit Vous devrez imprimer le fichier ";
#else
    Q_UNUSED(exclaimed);
    const QString prefix = "Impossible d'ouvrir Abiword! Vous devrez imprimer le fichier ";
#endif
    return prefix + '"' + file + "\" vous-même.";
}

} // namespace expected

// Compares two documents line by line, naming the first line that differs.
#define COMPARE_LINES(actual, expectedLines)                                                                     \
    do {                                                                                                         \
        const QStringList a_ = (actual);                                                                         \
        const QStringList e_ = (expectedLines);                                                                  \
        for (qsizetype i_ = 0; i_ < qMin(a_.size(), e_.size()); ++i_)                                            \
            if (a_[i_] != e_[i_])                                                                                \
                QFAIL(qPrintable(QStringLiteral("line %1: \"%2\", expected \"%3\"").arg(i_ + 1).arg(a_[i_], e_[i_]))); \
        QCOMPARE(a_.size(), e_.size());                                                                          \
    } while (false)
