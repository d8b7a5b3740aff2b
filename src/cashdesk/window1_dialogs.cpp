#include "window1.h"
#include "ui_window1.h"

#include "chgmenttaux.h"
#include "infowin.h"

#include "framework/dialogs.h"
#include "framework/text.h"

// The rate dialog and the About window.
void Window1::BevelButton2_Action()
{
    fw::MsgBox(QStringLiteral("Vous allez modifier définitivement le taux de commission utilisé par Vandrelico!") +
               fw::EndOfLine() +
               QStringLiteral("Si ce n'est pas ce que vous voulez faire cliquez sur \"Abandonner\"."));
    ChgmentTaux::instance()->ShowModal();
}

void Window1::PushButton4_Action() { InfoWin::instance()->Show(); }
