#include "editwin.h"
#include "ui_editwin.h"

#include "editing.h"
#include "registerfiles.h"
#include "sellerrules.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "framework/dialogs.h"
#include "framework/files.h"

#include <QCryptographicHash>

namespace {

QByteArray digest(const QByteArray &bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256); }

QVector<reg::Seller> sellersOf(const fw::Listbox &list)
{
    QVector<reg::Seller> sellers;
    for (const QStringList &cells : list.Rows())
        sellers.append(reg::SellerFromFields(cells));
    return sellers;
}

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
        QVector<reg::Seller> others = sellersOf(*ui->ListeVendeurs2);
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
    const fw::Listbox &list = *ui->ListeVendeurs2;
    Module1::generalfailure = list.ListIndex();
    if (Module1::generalfailure < 0) {
        fw::MsgBox(QStringLiteral("Aucun vendeur n'a été sélectionné!"));
        return;
    }
    const auto texts = fields();
    for (int column = 0; column < int(texts.size()); ++column)
        texts[column]->SetText(list.Cell(Module1::generalfailure, column));
    showButtons(State::RowSelected);
}

void editwin::modifier_Action()
{
    fw::Listbox &list = *ui->ListeVendeurs2;
    const int row = Module1::generalfailure;
    // Only "Sélectionner" leads here, so the row exists; were it gone, the
    // fields are kept rather than written nowhere.
    if (row < 0 || row >= list.ListCount())
        return;
    // A refused seller stays in the fields, to be put right; the row keeps its texts.
    const QStringList cells = typedCells();
    if (refused(reg::SellerFromFields(cells), row))
        return;
    for (int column = 0; column < int(cells.size()); ++column)
        list.SetCell(row, column, cells[column]);
    emptyFields();
    showButtons(State::Edited);
}

void editwin::ajouter_Action()
{
    const QStringList cells = typedCells();
    if (refused(reg::SellerFromFields(cells)))
        return;
    ui->ListeVendeurs2->AppendRows({cells});
    emptyFields();
    showButtons(State::Edited);
}

void editwin::nouveau_Action()
{
    const reg::NewSellerProposal next = reg::ProposeNewSeller(sellersOf(*ui->ListeVendeurs2));
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
    if (const std::optional<QByteArray> now = reg::RegisterBytes(); now && digest(*now) != m_loaded) {
        fw::MsgBox(reg::kRegisterChangedMessage);
        return;
    }
    // A row loaded from a register written before sellers were checked is
    // shown, to be put right first: the coupon index never sends a coupon to
    // two sellers.
    const QVector<reg::Seller> sellers = sellersOf(*ui->ListeVendeurs2);
    if (const reg::RegisterRefusal refusal = reg::CheckRegister(sellers)) {
        ui->ListeVendeurs2->SetListIndex(int(refusal.row));
        fw::MsgBox(reg::SaveRefusalMessage(sellers[refusal.row], refusal.reason));
        return;
    }
    // A save that fails leaves the editor as it was: the changes stay for another try.
    if (const reg::WriteFailure failure = reg::RewriteRegister(sellers)) {
        // The register was replaced all the same: what is on disk is now the list's.
        if (failure.registerKept)
            m_loaded = digest(reg::RegisterBytes().value_or(QByteArray()));
        fw::MsgBox(saveFailedMessage(failure));
        return;
    }
    Close();
}

void editwin::quitter_Action() { Close(); }

void editwin::Event_Open()
{
    const std::optional<QByteArray> bytes = reg::RegisterBytes();
    if (!bytes) {
        fw::MsgBox(QStringLiteral("Le fichier des vendeurs n'existe pas!"));
        Close();
        return;
    }
    // A line of fewer than nine fields leaves its last cells empty. A line
    // that cannot be read at all would be dropped by the save: nothing is
    // loaded to save until it is put right, and the editor is not shown.
    fw::TextInputStream in(*bytes);
    if (const qsizetype badLine = app::CsvLoad(in, *ui->ListeVendeurs2, reg::kRegisterLine); badLine > 0) {
        fw::MsgBox(app::UnreadableLineMessage(reg::kRegisterFile, badLine));
        Close();
        return;
    }
    m_loaded = digest(*bytes);
    showButtons(State::Browsing);
}
