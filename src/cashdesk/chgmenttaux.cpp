#include "chgmenttaux.h"
#include "ui_chgmenttaux.h"

#include "ratefile.h"
#include "recording.h"

#include "app/module1.h"
#include "framework/dialogs.h"
#include "framework/text.h"

void ChgmentTaux::Layout() { finishDesign(); }

void ChgmentTaux::CreateControls()
{
    setUpForm();
}

void ChgmentTaux::BevelButton1_Action()
{
    // The rate in memory changes only with the file, so the rate in force is
    // always the one stored.
    const std::optional<double> typed = cashdesk::TypedRate(ui->nveautaux->Text());
    if (!typed)
        return fw::MsgBox(cashdesk::kRateRefusedMessage);
    const double rate = *typed;
    if (!cashdesk::ReplaceRateFile(rate))
        return fw::MsgBox(cashdesk::RateNotReplacedMessage());
    Module1::qvotaux = rate;
    Close();
}

void ChgmentTaux::BevelButton2_Action() { Close(); }

void ChgmentTaux::Event_Open() { ui->nveautaux->SetText(cashdesk::RatePercentText(Module1::qvotaux)); }
