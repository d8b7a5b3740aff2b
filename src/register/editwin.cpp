#include "editwin.h"
#include "ui_editwin.h"

#include "editing.h"
#include "registerfiles.h"
#include "sellerrules.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "framework/dialogs.h"
#include "framework/files.h"
#include "framework/runtime.h"

namespace {


// RewriteRegister changes both files or neither, unless the register could
// not be given back.
QString saveFailedMessage(const reg::WriteFailure &failure)
{
    const QString keep = QStringLiteral(" Les changements restent dans la liste : cliquez à nouveau sur "
                                        "\"Enregistrer et Quitter\".");
    if (failure.registerKept)
        return QStringLiteral("Le fichier ") + reg::kRegisterFile +
               QStringLiteral(" a été enregistré, mais impossible d'écrire le fichier ") + reg::kCouponIndex +
               QStringLiteral(" : il garde les coupons d'avant ces changements.") + keep;
    return QStringLiteral("Impossible d'écrire le fichier ") + failure.file +
           QStringLiteral(" : aucun des deux fichiers vendeurs n'a été modifié.") + keep;
}

} // namespace

void editwin::Layout() { finishDesign(); }

void editwin::CreateControls()
{
    setUpForm();
}

QStringList editwin::typedCells() const
{
    QStringList texts;
    for (const fw::TextField *field : fields())
        texts.append(field->Text());
    return texts;
}

bool editwin::refused(const reg::Seller &seller, int row) const
{
    QString refusal = reg::TypedSellerRefusal(seller);
    if (refusal.isEmpty()) {
        QVector<reg::Seller> others = m_sellers;
        if (row >= 0 && row < others.size())
            others.remove(row);
        refusal = reg::ConflictRefusal(seller, others);
    }
    if (!refusal.isEmpty())
        fw::MsgBox(refusal);
    return !refusal.isEmpty();
}

std::array<fw::TextField *, 9> editwin::fields() const
{
    return {ui->NomVendeur,   ui->CodeVendeur, ui->AdresseVendeur, ui->NumPostVendeur, ui->VilleVendeur,
            ui->CouponStart, ui->CouponStop,  ui->locaquariums,   ui->locrampes};
}

void editwin::emptyFields()
{
    for (fw::TextField *field : fields())
        field->SetText(QString());
}

void editwin::showButtons(State state)
{
    const bool browsing = state == State::Browsing;
    const bool selected = state == State::RowSelected;
    const bool adding = state == State::NewSeller;
    const bool edited = state == State::Edited;
    ui->Selectioner->setVisible(browsing || edited);
    ui->modifier->setVisible(selected);
    ui->ajouter->setVisible(adding);
    ui->nouveau->setVisible(browsing || edited);
    ui->abandonner->setVisible(selected || adding);
    ui->EnretQuit->setVisible(edited);
    ui->quitter->setVisible(browsing || selected);
}

void editwin::Selectioner_Action()
{
    Module1::generalfailure = ui->ListeVendeurs2->ListIndex();
    if (Module1::generalfailure < 0 || Module1::generalfailure >= m_sellers.size()) {
        Module1::generalfailure = -1;
        fw::MsgBox(QStringLiteral("Aucun vendeur n'a été sélectionné!"));
        return;
    }
    const QStringList cells = reg::FieldsOf(m_sellers[Module1::generalfailure]);
    const auto texts = fields();
    for (int column = 0; column < int(texts.size()); ++column)
        texts[column]->SetText(cells[column]);
    showButtons(State::RowSelected);
}

void editwin::modifier_Action()
{
    const int row = Module1::generalfailure;
    // Only "Sélectionner" leads here, so the seller exists; were it gone, the
    // fields are kept rather than written nowhere.
    if (row < 0 || row >= m_sellers.size())
        return;
    // A refused seller stays in the fields, to be put right; the seller keeps its texts.
    const QStringList cells = typedCells();
    const reg::Seller seller = reg::SellerFromFields(cells);
    if (refused(seller, row))
        return;
    m_sellers[row] = seller;
    fw::Listbox &list = *ui->ListeVendeurs2;
    for (int column = 0; column < int(cells.size()); ++column)
        list.SetCell(row, column, cells[column]);
    emptyFields();
    showButtons(State::Edited);
}

void editwin::ajouter_Action()
{
    const QStringList cells = typedCells();
    const reg::Seller seller = reg::SellerFromFields(cells);
    if (refused(seller))
        return;
    m_sellers.append(seller);
    ui->ListeVendeurs2->AppendRows({cells});
    emptyFields();
    showButtons(State::Edited);
}

void editwin::nouveau_Action()
{
    const reg::NewSellerProposal next = reg::ProposeNewSeller(m_sellers);
    ui->CodeVendeur->SetText(next.CodeVendeur);
    ui->CouponStart->SetText(next.CouponStart);
    ui->locaquariums->SetText(QStringLiteral("0"));
    ui->locrampes->SetText(QStringLiteral("0"));
    for (fw::TextField *field : {ui->NomVendeur, ui->AdresseVendeur, ui->NumPostVendeur, ui->VilleVendeur,
                                 ui->CouponStop})
        field->SetText(QString());
    fw::MsgBox(QStringLiteral("Entrez les coordonnées du nouveau vendeur puis cliquez sur \"Ajouter\""));
    showButtons(State::NewSeller);
}

void editwin::abandonner_Action()
{
    emptyFields();
    showButtons(State::Edited);
}

void editwin::EnretQuit_Action()
{
    // Sellers added to the file since the opening are not in the list:
    // rewriting the file from the list would erase them. A file gone (or
    // that cannot be read) holds nothing to lose; the write reports it.
    if (const reg::Register now = reg::ReadRegisterFile(); !now.error.wholeFile() && now.digest != m_loaded) {
        fw::MsgBox(reg::kRegisterChangedMessage);
        return;
    }
    // A row loaded from a register written before sellers were checked is
    // shown, to be put right first: the coupon index never sends a coupon to
    // two sellers.
    if (const reg::RegisterRefusal refusal = reg::CheckRegister(m_sellers)) {
        ui->ListeVendeurs2->SetListIndex(int(refusal.row));
        fw::MsgBox(reg::SaveRefusalMessage(m_sellers[refusal.row], refusal.reason));
        return;
    }
    // A save that fails leaves the editor as it was: the changes stay for another try.
    if (const reg::WriteFailure failure = reg::RewriteRegister(m_sellers)) {
        // The register was replaced all the same: what is on disk is now the editor's.
        if (failure.registerKept)
            m_loaded = reg::ReadRegisterFile().digest;
        fw::MsgBox(saveFailedMessage(failure));
        return;
    }
    Close();
}

void editwin::quitter_Action() { Close(); }

void editwin::Event_Open()
{
    reg::Register read = reg::ReadRegisterFile();
    if (read.error.wholeFile()) {
        fw::MsgBox(QStringLiteral("Le fichier des vendeurs n'existe pas!"));
        Close();
        return;
    }
    // A line of fewer than nine fields leaves its last fields empty. A line
    // that cannot be read at all would be dropped by the save: nothing is
    // loaded to save until it is put right, and the editor is not shown.
    if (read.error) {
        fw::MsgBox(app::ReadErrorMessage(read.error));
        Close();
        return;
    }
    m_sellers = std::move(read.sellers);
    m_loaded = read.digest;
    ui->ListeVendeurs2->AppendRows(reg::RowsOf(m_sellers));
    showButtons(State::Browsing);
}
