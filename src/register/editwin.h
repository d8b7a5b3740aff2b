#pragma once

#include "framework/window.h"
#include "registerfiles.h"

#include <QByteArray>

#include <array>

namespace Ui {
class editwin;
}

namespace fw {
class TextField;
}

// The register editor: loads the register file into a list, changes and
// adds sellers there, and rewrites the register file and the coupon index
// from the list only when asked to save.
class editwin : public fw::DesignedWindow<editwin, Ui::editwin>
{
    Q_OBJECT

public slots:
    void Selectioner_Action(); // "Sélectionner"
    void modifier_Action();    // "Modifier"
    void ajouter_Action();     // "Ajouter"
    void nouveau_Action();     // "Nouveau"
    void abandonner_Action();  // "Abandonner"
    void EnretQuit_Action();   // "Enregistrer et Quitter"
    void quitter_Action();     // "Quitter"

public:
    void Event_Open() override;

private:
    void Layout() override;
    void CreateControls() override;

    // Each state shows its own buttons and hides the others.
    enum class State { Browsing, RowSelected, NewSeller, Edited };
    void showButtons(State state);

    // The nine fields in the order of the list's columns.
    std::array<fw::TextField *, 9> fields() const;
    void emptyFields();
    // What the nine fields hold, in the order of the list's columns.
    QStringList typedCells() const;
    // Shows why the seller cannot go beside the other sellers (all but
    // `row`); false when it can.
    bool refused(const reg::Seller &seller, int row = -1) const;

    // The working register: the sellers as loaded, changed and added, row r
    // of the list showing seller r. The save writes these, not the list.
    QVector<reg::Seller> m_sellers;
    // A digest of the register file as loaded: the save rewrites the file
    // only while it still holds just what the list was loaded from.
    QByteArray m_loaded;
};
