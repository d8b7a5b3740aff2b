#include "window1.h"
#include "ui_window1.h"

#include "cancelling.h"
#include "coupons.h"
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

} // namespace

// Cancelling a recorded coupon.
void Window1::BevelButton3_Action()
{
    fw::Listbox &coupons = *ui->ReferenceBox;
    const int selected = coupons.ListIndex();
    if (selected < 0) {
        fw::MsgBox(kNothingSelected);
        return;
    }

    // The journal is rewritten before the screen changes: when it cannot be,
    // the coupon stays recorded everywhere and the cashier sees it still there.
    const QVector<QStringList> rows = coupons.Rows();
    const QString coupon = coupons.Cell(selected, 0);
    if (!WriteJournal(Module1::thename, Module1::myday, JournalLines(rows, selected))) {
        fw::MsgBox(kCannotRewrite);
        return;
    }
    Module1::vc2 = coupons.Cell(selected, 3);
    coupons.RemoveRow(selected);
    Module1::grandtotal = Turnover(rows, selected);
    ui->ShowTotal->SetText(fw::Str(Module1::grandtotal));
    ui->ShowComm->SetText(fw::Str(app::Commission(Module1::qvotaux, Module1::grandtotal)));

    fw::Listbox &sales = *ui->ListCachee;
    sales.DeleteAllRows();
    const QString salesFile = app::SalesFileName(Module1::vc2);
    std::unique_ptr<fw::TextInputStream> in = fw::OpenAsTextFile(salesFile);
    if (!in) {
        fw::MsgBox(kNoSalesFile);
        return;
    }
    app::CsvLoad(*in, sales, app::kSaleLine);

    const int found = LastRowOf(sales, coupon);
    if (found < 0)
        return;
    sales.RemoveRow(found);
    if (!WriteSalesFile(salesFile, sales.Rows()))
        fw::MsgBox(kCannotRewrite);
}
