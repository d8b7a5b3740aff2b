#include "vendorfiles.h"
#include "ui_vendorfiles.h"

#include "registerfiles.h"
#include "sellerrules.h"

#include "app/csvload.h"
#include "framework/dialogs.h"
#include "framework/runtime.h"

namespace {

QString cannotEmptyMessage(const QString &file)
{
    return QStringLiteral("Impossible de vider le fichier ") + file +
           QStringLiteral(" : il garde son contenu, les fichiers vendeurs ne sont pas remis à zéro.");
}

QString cannotOpenMessage(const QString &file)
{
    return QStringLiteral("Impossible d'ouvrir le fichier ") + file +
           QStringLiteral(" : le vendeur n'a pas été ajouté.");
}

QString cannotWriteMessage(const reg::WriteFailure &failure)
{
    QString text = QStringLiteral("Impossible d'écrire dans le fichier ") + failure.file +
                   QStringLiteral(" : le vendeur n'a pas été ajouté");
    if (failure.registerKept)
        text += QStringLiteral(", mais sa ligne reste dans ") + reg::kRegisterFile;
    return text + QLatin1Char('.');
}

} // namespace

VendorFiles::VendorFiles() : ui(std::make_unique<Ui::VendorFiles>())
{
    setObjectName(QStringLiteral("VendorFiles"));
    CreateControls();
    Layout();
}

VendorFiles::~VendorFiles() = default;

void VendorFiles::Layout() { finishDesign(); }

void VendorFiles::CreateControls()
{
    ui->setupUi(content());
    fw::OnAction(ui->PushButton1, [this] { PushButton1_Action(); });
    fw::OnAction(ui->BevelButton1, [this] { BevelButton1_Action(); });
}

void VendorFiles::PushButton1_Action() { Close(); }

void VendorFiles::BevelButton1_Action()
{
    reg::Seller seller;
    seller.CouponStart = ui->CouponStart->Text();
    seller.CouponStop = ui->CouponStop->Text();
    seller.NomVendeur = ui->NomVendeur->Text();
    seller.CodeVendeur = ui->CodeVendeur->Text();
    seller.AdresseVendeur = ui->AdresseVendeur->Text();
    seller.NumPostVendeur = ui->NumPostVendeur->Text();
    seller.VilleVendeur = ui->VilleVendeur->Text();
    seller.locaquariums = ui->locaquariums->Text();
    seller.locrampes = ui->locrampes->Text();
    // Refused before anything is written; the form keeps the seller to be put right.
    if (const QString refusal = reg::TypedSellerRefusal(seller); !refusal.isEmpty())
        return fw::MsgBox(refusal);
    // Checked against the register as it is on disk, hand edits included: a
    // line that cannot be read could hide a clash.
    const std::optional<QByteArray> bytes = reg::RegisterBytes();
    const reg::RegisterContent registered = bytes ? reg::ReadRegister(*bytes) : reg::RegisterContent{};
    if (registered.badLine > 0)
        return fw::MsgBox(app::UnreadableLineMessage(reg::kRegisterFile, registered.badLine));
    if (const QString refusal = reg::ConflictRefusal(seller, registered.sellers); !refusal.isEmpty())
        return fw::MsgBox(refusal);

    // The list shows what the files hold: a seller not written whole to both
    // is not listed, and the form keeps it for another try.
    const reg::WriteFailure failure = reg::AppendSeller(seller);
    if (failure && failure.opening)
        return fw::MsgBox(cannotOpenMessage(failure.file));
    if (failure)
        return fw::MsgBox(cannotWriteMessage(failure));

    ui->ListeVendeurs->AppendRows({{seller.CouponStart, seller.CouponStop, seller.NomVendeur, seller.CodeVendeur}});

    ui->CouponStart->SetText(reg::NextNumber(seller.CouponStop));
    ui->CodeVendeur->SetText(reg::NextNumber(seller.CodeVendeur));
    ui->CouponStop->SetText(QString());
    ui->NomVendeur->SetText(QString());
    ui->AdresseVendeur->SetText(QString());
    ui->NumPostVendeur->SetText(QString());
    ui->VilleVendeur->SetText(QString());
    ui->locaquariums->SetText(QStringLiteral("0"));
    ui->locrampes->SetText(QStringLiteral("0"));
}

void VendorFiles::Event_Open()
{
    ui->CouponStart->SetText(QStringLiteral("1"));
    ui->CouponStop->SetText(QString());
    ui->NomVendeur->SetText(QString());
    ui->CodeVendeur->SetText(QStringLiteral("1"));
    // The organiser must not believe the register was reset when it was not.
    if (const reg::WriteFailure failure = reg::EmptyRegisterFiles())
        fw::MsgBox(cannotEmptyMessage(failure.file));
}
