#include "selectvendor.h"
#include "ui_selectvendor.h"

#include "feuillevendeur.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "framework/dialogs.h"
#include "framework/files.h"
#include "framework/runtime.h"
#include "framework/text.h"
#include "register/registerfiles.h"

void SelectVendor::Layout() { finishDesign(); }

void SelectVendor::CreateControls()
{
    setUpForm();
}

void SelectVendor::BevelButton1_Action()
{
    Module1::vc2.clear();
    Module1::adresse2.clear();
    Module1::zip2.clear();
    Module1::localite2.clear();
    Module1::bacs2.clear();
    Module1::rampes2.clear();
    Module1::FindVendor = 0;

    const fw::Listbox &sellers = *ui->ListVendeurs;
    const int row = sellers.ListIndex();
    if (row < 0) {
        fw::MsgBox(QStringLiteral("Aucun vendeur n'a été sélectionné!"));
        return;
    }
    const reg::Seller seller = reg::SellerFromFields(sellers.Row(row));
    Module1::SonNom = seller.NomVendeur;
    Module1::vc2 = seller.CodeVendeur;
    Module1::adresse2 = seller.AdresseVendeur;
    Module1::zip2 = seller.NumPostVendeur;
    Module1::localite2 = seller.VilleVendeur;
    Module1::bacs2 = seller.locaquariums;
    Module1::rampes2 = seller.locrampes;
    Module1::FindVendor = fw::ToInt32(fw::Val(Module1::vc2));

    FeuilleVendeur::instance()->Show();
    Close();
}

void SelectVendor::Event_Open()
{
    const reg::Register read = reg::ReadRegisterFile();
    if (read.error.wholeFile()) {
        fw::MsgBox(QStringLiteral("Erreur de lecture du fichier vendeur!"));
        Close();
        return;
    }
    ui->ListVendeurs->AppendRows(reg::RowsOf(read.sellers));
    // The others can still be chosen; the one of that line is missing.
    if (read.error)
        fw::MsgBox(app::ReadErrorMessage(read.error));
}
