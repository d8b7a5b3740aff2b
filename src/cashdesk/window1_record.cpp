#include "window1.h"
#include "ui_window1.h"

#include "coupons.h"
#include "journal.h"
#include "recording.h"
#include "salefiles.h"

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
    // What was typed stays in the fields until the coupon is recorded.
    const std::optional<QString> typedCoupon = TypedCoupon(ui->EntryCoupon->Text());
    if (!typedCoupon)
        return fw::MsgBox(kCouponRefusedMessage);
    const QString &coupon = *typedCoupon;
    if (coupon.isEmpty())
        return;

    if (const int row = LastRowOf(*ui->ReferenceBox, coupon); row >= 0) {
        ui->ReferenceBox->SetListIndex(row);
        return fw::MsgBox(DuplicateMessage(row));
    }

    const std::optional<QString> typedAmount = TypedAmount(ui->ValeurCoupon->Text());
    if (!typedAmount)
        return fw::MsgBox(kAmountRefusedMessage);
    const QString &amount = *typedAmount;
    // The running turnover is carried as a value, summed in decimal as the
    // opening sums the journal: the field shows it to the cent only.
    const double value = fw::Val(amount);
    if (!IsRecordableTurnover(Module1::grandtotal + value))
        return fw::MsgBox(kAmountOutOfRangeMessage);
    if (IsHighAmount(amount))
        fw::MsgBox(kHighAmountMessage);

    std::unique_ptr<fw::TextInputStream> index = fw::OpenAsTextFile(reg::kCouponIndex);
    if (!index)
        return fw::MsgBox(kNoIndexMessage);
    const CouponOwner owner = FindCouponOwner(*index, coupon);
    if (owner.name.isEmpty())
        return fw::MsgBox(NoSellerMessage(owner));

    // A sale is recorded in the sales file, the journal and the list, or,
    // with a message, nowhere: the screen changes only once both files hold
    // their line.
    const QStringList row{coupon, amount, owner.name, owner.codeText};
    if (const QString failed = RecordSale(Module1::thename, Module1::myday, app::SalesFileName(owner.codeText), row);
        !failed.isEmpty())
        return fw::MsgBox(failed);

    app::AmountSum sum;
    sum.add(Module1::grandtotal);
    sum.add(value);
    Module1::grandtotal = sum.value();
    const double turnover = Module1::grandtotal;
    ui->ShowTotal->SetText(fw::Str(turnover));
    ui->ShowComm->SetText(fw::Str(app::Commission(Module1::qvotaux, turnover)));

    ui->ReferenceBox->AppendRows({row});
    ui->ReferenceBox->scrollToBottom(); // the cashier checks the line just recorded

    ui->ValeurCoupon->SetText(QString());
    ui->EntryCoupon->SetText(QString());
}
