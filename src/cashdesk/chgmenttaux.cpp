#include "chgmenttaux.h"
#include "ui_chgmenttaux.h"

#include "journal.h"
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
    if (!cashdesk::WriteRateFile(rate)) {
        fw::MsgBox(QStringLiteral("Impossible d'écrire le fichier ") + cashdesk::kRateFile +
                   QStringLiteral(" : le taux de commission n'a pas été modifié."));
        return;
    }
    Module1::qvotaux = rate;
    Close();
}

void ChgmentTaux::BevelButton2_Action() { Close(); }

void ChgmentTaux::Event_Open() { ui->nveautaux->SetText(cashdesk::RatePercentText(Module1::qvotaux)); }
