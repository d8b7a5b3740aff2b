#include "window1.h"
#include "ui_window1.h"

#include "cancelling.h"
#include "journal.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "app/rules.h"
#include "framework/dialogs.h"
#include "framework/files.h"
#include "framework/text.h"

using namespace cashdesk;

namespace {

const QString kNothingSelected = QStringLiteral("Aucun coupon n'a été sélectionné!");
const QString kCannotRewrite = QStringLiteral("impossible d'écrire le fichier modifié!");
const QString kNoSalesFile = QStringLiteral("Il n'y a pas de fichier pour ce vendeur!?!?!");

// A click on the wrong row of the list would take a sale from a seller: the
// cashier sees which one before it goes. Escape keeps it.
bool confirmCancel(const QString &coupon, const QString &amount, const QString &seller)
{
    fw::QuestionDialog question;
    question.icon = 1;
    question.title = QStringLiteral("Annuler un coupon");
    question.message = QStringLiteral("Annuler le coupon ") + coupon + QStringLiteral(" de ") + amount +
                       QStringLiteral(" du vendeur ") + seller + QStringLiteral(" ?");
    question.explanation = QStringLiteral("Il sera retiré du journal et du fichier de ce vendeur. \"Garder\" le "
                                          "laisse enregistré.");
    question.actionCaption = QStringLiteral("Annuler le coupon");
    question.cancelCaption = QStringLiteral("Garder");
    return fw::MessageDialog(question) == fw::DialogButton::Action;
}

} // namespace

// Cancelling a recorded coupon: out of the journal and out of its seller's
// sales file, both or neither. Until both files are rewritten nothing on
// the screen changes, so a coupon that is not cancelled is still seen.
void Window1::BevelButton3_Action()
{
    fw::Listbox &coupons = *ui->ReferenceBox;
    const int selected = coupons.ListIndex();
    if (selected < 0) {
        fw::MsgBox(kNothingSelected);
        return;
    }
    // Asked before the files are read: they are rewritten as they are then.
    if (!confirmCancel(coupons.Cell(selected, 0), coupons.Cell(selected, 1), coupons.Cell(selected, 2)))
        return;

    // The journal is read again rather than rebuilt from the list, whose
    // amounts are put into the amount format: every other line is written
    // back exactly as it is in the file.
    const QString &journalFile = Module1::thename;
    std::unique_ptr<fw::TextInputStream> in = fw::OpenAsTextFile(journalFile);
    if (!in)
        return fw::MsgBox(CannotReadMessage(journalFile));
    in->ReadLine();
    in->ReadLine();
    const app::CsvLines journal = app::ReadCsvLines(*in, kJournalLine, 2);
    if (journal.badLine)
        return fw::MsgBox(app::UnreadableLineMessage(journalFile, journal.badLine));
    if (!JournalShowsList(journal.rows, coupons.Rows()))
        return fw::MsgBox(JournalChangedMessage(journalFile));
    QList<fw::TextFileLines> rewrite{
        {journalFile, QStringList{JournalHeader1(Module1::myday), JournalHeader2()} + LinesWithout(journal, selected)}};

    const QString codeText = coupons.Cell(selected, 3);
    const QString coupon = journal.rows[selected].value(0);
    const QString salesFile = app::SalesFileName(codeText);
    fw::Listbox &sales = *ui->ListCachee;
    sales.DeleteAllRows();
    std::unique_ptr<fw::TextInputStream> salesIn = fw::OpenAsTextFile(salesFile);
    if (!salesIn && fw::Exists(salesFile))
        return fw::MsgBox(CannotReadMessage(salesFile));
    qsizetype sale = -1;
    if (salesIn) {
        const app::CsvLines read = app::ReadCsvLines(*salesIn, app::kSaleLine);
        if (read.badLine)
            return fw::MsgBox(app::UnreadableLineMessage(salesFile, read.badLine));
        sale = LastSaleOf(read.rows, coupon);
        if (sale >= 0)
            rewrite.append({salesFile, LinesWithout(read, sale)});
        sales.AppendRows(read.rows);
    }

    const fw::ReplaceFailure failure = fw::ReplaceTextFiles(rewrite);
    if (failure && failure.unrestored.isEmpty())
        return fw::MsgBox(kCannotRewrite);
    // Cancelled, or at least out of the journal, which the screen follows.
    Module1::vc2 = codeText;
    coupons.RemoveRow(selected);
    if (!failure && sale >= 0)
        sales.RemoveRow(static_cast<int>(sale));
    Module1::grandtotal = Turnover(journal.rows, selected);
    ui->ShowTotal->SetText(Module1::grandtotal.Text());
    ui->ShowComm->SetText(app::Commission(Module1::qvotaux, Module1::grandtotal).Text());
    if (failure)
        fw::MsgBox(SaleNotRemovedMessage(journalFile, salesFile));
    else if (!salesIn)
        fw::MsgBox(kNoSalesFile);
}
