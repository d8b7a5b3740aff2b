#pragma once

#include "journal.h"

#include "framework/window.h"

class QAction;
namespace Ui {
class Window1;
}

// The cash desk: coupon entry, the coupons recorded this year, turnover and
// commission, and the way to every other window.
class Window1 : public fw::DesignedWindow<Window1, Ui::Window1>
{
    Q_OBJECT

public slots:
    void PushButton3_Action();  // "Voir la feuille d'un vendeur particulier"
    void PushButton4_Action();  // "Info"
    void PushButton5_Action();  // "Gestion des vendeurs et coupons"
    void BevelButton1_Action(); // "Ajouter"
    void BevelButton2_Action(); // "Vériifer/Modifier"
    void BevelButton3_Action(); // "Effacer"
    void BevelButton4_Action(); // "Utilitaires"
    void BevelButton5_Action(); // "Quitter"

public:
    QAction *EditMenu() const;
    QAction *EditSelectAll() const;
    QAction *UntitledMenu0() const;
    QAction *EditClear() const;
    QAction *EditPaste() const;
    QAction *EditCopy() const;
    QAction *EditCut() const;
    QAction *UntitledMenu1() const;
    QAction *EditUndo() const;
    QAction *FileMenu() const;
    QAction *FileQuit() const;

    void Event_Open() override;

protected:
    // The window manager's close acts as "Quitter".
    void closeRequested() override { BevelButton5_Action(); }

private:
    void Layout() override;
    void CreateControls() override;

    cashdesk::Journal m_journal; // the coupons the list shows, as the journal holds them
};
