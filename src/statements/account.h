#pragma once

#include "figures.h"
#include "rtf.h"

#include <QString>

namespace fw {
class Listbox;
class TextField;
} // namespace fw

// One seller's account as a window shows it and prints it. The seller sheet
// and the utilities window carry the same controls under the same design
// names; only their coupon lists are named apart.
namespace statements {

struct AccountControls {
    fw::TextField *EcceHomo;
    fw::TextField *locbac;
    fw::TextField *locramp;
    fw::TextField *fraise;
    fw::TextField *TotalBrut;
    fw::TextField *Kommision;
    fw::TextField *TotalNet;
    fw::TextField *fromat;
    fw::Listbox *coupons;
};

template <class Form>
AccountControls AccountControlsOf(const Form &ui, fw::Listbox *coupons)
{
    return {ui.EcceHomo, ui.locbac, ui.locramp, ui.fraise, ui.TotalBrut, ui.Kommision, ui.TotalNet, ui.fromat,
            coupons};
}

// Adds the sales to the coupon list, amounts in the amount format, in
// increasing coupon number, and shows the figures of the current seller's
// rentals and the commission rate of Module1.
void ShowAccount(const AccountControls &account, Sales sales);

// The statement page of what the controls show, with the seller's address
// from Module1 (see TakeSellerAddress).
StatementPage PageOfAccount(const AccountControls &account, const QString &sellerNumber);

} // namespace statements
