#include "window1.h"
#include "ui_window1.h"

#include "recording.h"

#include "app/module1.h"
#include "app/rules.h"
#include "framework/dialogs.h"
#include "framework/files.h"
#include "framework/text.h"
#include "register/registerfiles.h"

using namespace cashdesk;

// Recording a sold coupon.
void Window1::BevelButton1_Action()
{
    const QString coupon = ui->EntryCoupon->Text();
    if (coupon.isEmpty())
        return;

    if (const int position = DuplicatePosition(*ui->ReferenceBox, coupon)) {
        ui->ReferenceBox->SetListIndex(position - 1);
        return fw::MsgBox(DuplicateMessage(position));
    }

    const QString amount = ui->ValeurCoupon->Text();
    if (!IsRecordableAmount(amount))
        return fw::MsgBox(kAmountOutOfRangeMessage);
    if (IsHighAmount(amount))
        fw::MsgBox(kHighAmountMessage);

    std::unique_ptr<fw::TextInputStream> index = fw::OpenAsTextFile(reg::kCouponIndex);
    if (!index)
        return fw::MsgBox(kNoIndexMessage);
    const CouponOwner owner = FindCouponOwner(*index, coupon);
    index->Close();
    if (owner.name.isEmpty())
        return fw::MsgBox(kNoSellerMessage);

    // A sale is recorded in the sales file, the journal and the list, or,
    // with a message, nowhere: both files are opened before either is
    // written, and the screen changes only once both hold their line.
    const QString salesFile = app::SalesFileName(owner.codeText);
    std::unique_ptr<fw::AppendOutputStream> journal = fw::AppendToTextFile(Module1::thename);
    if (!journal)
        return fw::MsgBox(JournalNotOpenedMessage(Module1::thename));
    std::unique_ptr<fw::AppendOutputStream> sales = fw::AppendToTextFile(salesFile);
    if (!sales)
        return fw::MsgBox(kSalesFileMessage);
    sales->WriteLine(SaleLine(coupon, amount));
    if (!sales->Close())
        return fw::MsgBox(SaleNotWrittenMessage(salesFile));
    journal->WriteLine(JournalLine(coupon, amount, owner));
    if (!journal->Close())
        return fw::MsgBox(JournalNotWrittenMessage(Module1::thename, salesFile, sales->TakeBack()));

    const double turnover = fw::Val(ui->ShowTotal->Text()) + fw::Val(amount);
    ui->ShowTotal->SetText(fw::Str(turnover));
    ui->ShowComm->SetText(fw::Str(app::Commission(Module1::qvotaux, turnover)));

    fw::Listbox &list = *ui->ReferenceBox;
    list.AddRow(coupon);
    list.SetCell(list.LastIndex(), 1, amount);
    list.SetCell(list.LastIndex(), 2, owner.name);
    list.SetCell(list.LastIndex(), 3, owner.codeText);

    ui->ValeurCoupon->SetText(QString());
    ui->EntryCoupon->SetText(QString());
}
