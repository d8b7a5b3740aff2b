#include "feuillevendeur.h"
#include "ui_feuillevendeur.h"

#include "account.h"
#include "statement.h"

#include "app/module1.h"
#include "app/rules.h"
#include "framework/dialogs.h"
#include "framework/files.h"
#include "framework/runtime.h"
#include "framework/text.h"

using namespace statements;

FeuilleVendeur::FeuilleVendeur() : ui(std::make_unique<Ui::FeuilleVendeur>())
{
    setObjectName(QStringLiteral("FeuilleVendeur"));
    CreateControls();
    Layout();
}

FeuilleVendeur::~FeuilleVendeur() = default;

void FeuilleVendeur::Layout() { finishDesign(); }

void FeuilleVendeur::CreateControls()
{
    ui->setupUi(content());
    fw::OnAction(ui->BevelButton1, [this] { BevelButton1_Action(); });
    fw::OnAction(ui->BevelButton2, [this] { BevelButton2_Action(); });
}

void FeuilleVendeur::BevelButton1_Action() { Close(); }

// The seller statement.
void FeuilleVendeur::BevelButton2_Action()
{
    const QString fileName = StatementFileName(Module1::vc2);
    const auto cannotCreate = [this] {
        fw::MsgBox(kCannotCreateDocument);
        Close();
    };
    if (fileName.isEmpty())
        return cannotCreate();
    std::unique_ptr<fw::TextOutputStream> out = fw::CreateTextFile(fileName);
    if (!out)
        return cannotCreate();

    WriteSellerStatement(*out, PageOfAccount(AccountControlsOf(*ui, ui->CouponsVendeur), Module1::vc2));
    // A statement that did not reach the disk whole is not handed to the viewer.
    if (!out->Close())
        return cannotCreate();

    if (OpenDocument(fileName))
        Close();
}

void FeuilleVendeur::Event_Open()
{
    ui->EcceHomo->SetText(Module1::SonNom);
    std::unique_ptr<fw::TextInputStream> in = fw::OpenAsTextFile(app::SalesFileName(fw::Str(Module1::FindVendor)));
    if (!in) {
        fw::MsgBox(QStringLiteral("Ce vendeur n'a encore rien vendu!"));
        Close();
        return;
    }
    Sales sales = ReadSales(*in);
    ShowAccount(AccountControlsOf(*ui, ui->CouponsVendeur), std::move(sales));
}
