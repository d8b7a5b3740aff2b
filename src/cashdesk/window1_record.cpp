#include "window1.h"
#include "ui_window1.h"

#include "journal.h"
#include "recording.h"

#include "app/amount.h"
#include "app/module1.h"
#include "app/rules.h"
#include "framework/dialogs.h"
#include "framework/text.h"
#include "register/couponindex.h"

using namespace cashdesk;

namespace {

// A refusal leaves the cashier in the field to put right, its text selected
// so that what is typed next replaces it.
void refuse(fw::TextField &field, const QString &message)
{
    fw::MsgBox(message);
    field.setFocus();
    field.selectAll();
}

} // namespace

// Recording a sold coupon.
void Window1::BevelButton1_Action()
{
    // What was typed stays in the fields until the coupon is recorded.
    const std::optional<QString> typedCoupon = TypedCoupon(ui->EntryCoupon->Text());
    if (!typedCoupon)
        return refuse(*ui->EntryCoupon, kCouponRefusedMessage);
    const QString &coupon = *typedCoupon;
    if (coupon.isEmpty())
        return;

    if (const int row = static_cast<int>(m_journal.LastEntryOf(coupon)); row >= 0) {
        ui->ReferenceBox->SetListIndex(row);
        return refuse(*ui->EntryCoupon, DuplicateMessage(row));
    }

    // An amount that is no number would be recorded as whatever Val makes of
    // it, 0 for an amount not typed yet: the seller would be paid short.
    const std::optional<app::TypedAmount> typedAmount = app::ReadTypedAmount(ui->ValeurCoupon->Text());
    if (!typedAmount)
        return refuse(*ui->ValeurCoupon, kAmountRefusedMessage);
    const QString &amount = typedAmount->text;
    // The running turnover is carried as an amount, summed as the opening
    // sums the journal: the field shows it to the cent only. An amount beyond
    // what an app::Amount holds, or one that would take the turnover there,
    // would count 0 at every later opening of the year: it is never recorded.
    const std::optional<app::Amount> turnover =
        typedAmount->value ? Module1::grandtotal.Plus(*typedAmount->value) : std::nullopt;
    if (!turnover)
        return refuse(*ui->ValeurCoupon, kAmountOutOfRangeMessage);
    if (IsHighAmount(amount))
        fw::MsgBox(kHighAmountMessage);

    const std::optional<reg::CouponOwner> seller = FindSeller(coupon);
    if (!seller)
        return fw::MsgBox(kNoIndexMessage);
    const reg::CouponOwner &owner = *seller;
    if (owner.name.isEmpty())
        return refuse(*ui->EntryCoupon, NoSellerMessage(owner));

    // A sale is recorded in the sales file, the journal and the list, or,
    // with a message, nowhere: the screen changes only once both files hold
    // their line.
    const QStringList row{coupon, amount, owner.name, owner.codeText};
    if (const QString failed = m_journal.Record(row); !failed.isEmpty())
        return fw::MsgBox(failed);

    Module1::grandtotal = *turnover;
    ui->ShowTotal->SetText(Module1::grandtotal.Text());
    ui->ShowComm->SetText(app::Commission(Module1::qvotaux, Module1::grandtotal).Text());

    ui->ReferenceBox->AppendRows({row});
    ui->ReferenceBox->scrollToBottom(); // the cashier checks the line just recorded
    // The year's first coupon is in: a new register would no longer be the
    // one the recorded sales were made against.
    ui->PushButton5->setEnabled(false);

    ui->ValeurCoupon->SetText(QString());
    ui->EntryCoupon->SetText(QString());
    ui->EntryCoupon->setFocus(); // the next coupon at once
}
