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

SelectVendor::SelectVendor() : ui(std::make_unique<Ui::SelectVendor>())
{
    setObjectName(QStringLiteral("SelectVendor"));
    CreateControls();
    Layout();
}

SelectVendor::~SelectVendor() = default;

void SelectVendor::Layout() { finishDesign(); }

void SelectVendor::CreateControls()
{
    ui->setupUi(content());
    fw::OnAction(ui->BevelButton1, [this] { BevelButton1_Action(); });
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
    Module1::SonNom = sellers.Cell(row, 0);
    Module1::vc2 = sellers.Cell(row, 1);
    Module1::adresse2 = sellers.Cell(row, 2);
    Module1::zip2 = sellers.Cell(row, 3);
    Module1::localite2 = sellers.Cell(row, 4);
    Module1::bacs2 = sellers.Cell(row, 7);
    Module1::rampes2 = sellers.Cell(row, 8);
    Module1::FindVendor = fw::ToInt32(fw::Val(Module1::vc2));

    FeuilleVendeur::instance()->Show();
    Close();
}

void SelectVendor::Event_Open()
{
    std::unique_ptr<fw::TextInputStream> in = fw::OpenAsTextFile(reg::kRegisterFile);
    if (!in) {
        fw::MsgBox(QStringLiteral("Erreur de lecture du fichier vendeur!"));
        Close();
        return;
    }
    app::CsvLoad(*in, *ui->ListVendeurs);
}
