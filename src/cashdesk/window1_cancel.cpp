#include "window1.h"
#include "ui_window1.h"

#include "journal.h"

#include "app/module1.h"
#include "app/rules.h"
#include "framework/dialogs.h"
#include "framework/text.h"

using namespace cashdesk;

namespace {

const QString kNothingSelected = QStringLiteral("Aucun coupon n'a été sélectionné!");

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
    // A cashier presses Enter after every coupon: Enter must not cancel a sale.
    question.cancelIsDefault = true;
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
    if (selected < 0 || selected >= m_journal.entries().size()) {
        fw::MsgBox(kNothingSelected);
        return;
    }
    // Asked before the files are read: they are rewritten as they are then.
    const JournalEntry entry = m_journal.entries()[selected];
    const QStringList shown = ShownRow(entry);
    if (!confirmCancel(shown.value(0), shown.value(1), shown.value(2)))
        return;

    const Cancellation cancelled = m_journal.Cancel(selected);
    if (cancelled.sales) {
        fw::Listbox &sales = *ui->ListCachee;
        sales.DeleteAllRows();
        sales.AppendRows(*cancelled.sales);
    }
    if (cancelled.done) {
        Module1::vc2 = entry.row.value(3);
        coupons.RemoveRow(selected);
        Module1::grandtotal = m_journal.Turnover();
        ui->ShowTotal->SetText(Module1::grandtotal.Text());
        ui->ShowComm->SetText(app::Commission(Module1::qvotaux, Module1::grandtotal).Text());
    }
    if (!cancelled.message.isEmpty())
        fw::MsgBox(cancelled.message);
}
