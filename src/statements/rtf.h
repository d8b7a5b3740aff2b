#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace fw {
class TextOutputStream;
}

// The printable documents: RTF files of the data folder, written line by line
// and handed to the platform's viewer, which prints them.
namespace statements {

// The second and fourth lines of a document's prologue.
inline const QString kStatementFontTable = QStringLiteral(R"({\fonttbl\f0\fttruetype Times New Roman;})");
inline const QString kGeneralFontTable = QStringLiteral(R"({\fonttbl\f0\fftruetype Times New Roman;})");
inline const QString kSignFontTable = QStringLiteral(R"({\fonttbl\f0\fttruetype Arial;})");
inline const QString kPortraitPaper =
    QStringLiteral(R"(\paperw11900\paperh16840\margl720\margr720\margt720\margb720\vieww17700\viewh14120\viewkind1)");
inline const QString kLandscapePaper =
    QStringLiteral(R"(\paperw16840\paperh11900\margl720\margr720\margt720\margb720\vieww17700\viewh14120\viewkind1)");

// Shown when a statement document cannot be written.
inline const QString kCannotCreateDocument = QStringLiteral("Impossible de créer un fichier pour ce vendeur!");

// The five lines every document begins with.
void WritePrologue(fw::TextOutputStream &out, const QString &fontTable, const QString &paper);

// The letters à é è ù â î ê û ä ï ö ü ô ë as their code page 1252 escapes
// ("\'e9" for é): three passes over the letters in that order, each escaping
// the first remaining occurrence of its letter, so a fourth é stays as it is.
// Capitals and other letters are left alone; the escapes hold none of the
// letters, so a second escape only reaches occurrences the first one left.
QString AccentEscape(QString text);

// A seller's text made safe for a document: "\", "{" and "}" escaped, then
// the accents. An escape "\'hh" already in the text is kept as it is, and
// prints as the letter it stands for.
QString RtfText(const QString &text);

// Any other text from a file or a field: "\", "{" and "}" escaped, each one,
// so that it prints as typed and cannot end a group early.
QString RtfPlainText(const QString &text);

// A document line as a reader of the prologue's code page reads it back:
// every character outside ASCII written as its Windows-1252 escape "\'hh", or
// as "\uN?" (N the UTF-16 unit as a signed 16-bit number, "?" for readers
// without Unicode) when that code page lacks it. ASCII comes out unchanged.
QString RtfCharacters(const QString &line);

// What a statement page prints, each text as the seller's account gives it;
// the page escapes them. Only name, address and locality get the accent
// escape.
struct StatementPage {
    QString name;
    QString address;
    QString zip;
    QString locality;
    QString sellerNumber;
    QString date;
    QString gross;
    QString commission;
    QString fees;
    QString net;
    QVector<QStringList> coupons; // coupon, amount; in the order printed
};

// The seller statement has an empty line after its date block; the general
// statements document has none.
enum class PageForm { Single, General };

void WriteStatementPage(fw::TextOutputStream &out, const StatementPage &page, PageForm form);

// The table of the sold coupons, three to a row, left to right. Rows beyond
// what a sheet holds go on to a new sheet that begins with the seller's
// number and name and the table's heading row: readers do not repeat the
// heading row of a table that runs on, and a loose sheet of numbers belongs
// to nobody.
void WriteCouponTable(fw::TextOutputStream &out, const StatementPage &page);

// Leaves a coupon table and breaks the page. The paragraph that leaves the
// table is never pushed onto a sheet of its own: no table is written to fill
// its page.
void WritePageBreakAfterTable(fw::TextOutputStream &out);

// The general statements document's failure text on macOS has a "!" after
// "TextEdit"; that of the seller statement and the sign sheet has none.
enum class OpenerMessage { Plain, Exclaimed };

QString OpenerFailureMessage(const QString &fileName, OpenerMessage kind);

} // namespace statements
