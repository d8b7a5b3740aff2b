#include "vendorfiles.h"
#include "ui_vendorfiles.h"

#include "registerfiles.h"
#include "sellerrules.h"

#include "app/csvload.h"
#include "framework/dialogs.h"
#include "framework/text.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cmath>

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

void VendorFiles::Layout() { finishDesign(); }

void VendorFiles::CreateControls()
{
    setUpForm();
    m_designedWidths = ui->ListeVendeurs->columnWidths();
}

void VendorFiles::fitListColumns(const QStringList &row)
{
    fw::Listbox &list = *ui->ListeVendeurs;
    const QStyle &style = *list.style();
    // The item delegate leaves a margin on each side of the text and cuts a
    // text wider than the rest to "1…".
    const int margin = 2 * (style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1);
    const QFontMetrics metrics = list.fontMetrics();
    for (std::size_t c = 0; c < m_widest.size(); ++c)
        m_widest[c] = std::max(m_widest[c], metrics.horizontalAdvance(row.value(int(c))) + margin);

    // Worked out for the room left once the scroll bar shows: with the
    // percents taken of a wider list, every column only gets wider.
    const int room = list.maximumViewportSize().width() -
                     style.pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list.verticalScrollBar());
    if (room <= 0)
        return;
    // The design's shares are the least each column gets, and no column is
    // narrower than the list lets one be; the numbers take what more they
    // need from the name, which keeps a quarter at least.
    const double least = list.horizontalHeader()->minimumSectionSize();
    constexpr std::size_t kName = 2;
    const QStringList design = fw::Split(m_designedWidths, QStringLiteral(","));
    std::array<double, 4> width{};
    double numbers = 0;
    for (std::size_t c = 0; c < width.size(); ++c) {
        if (c == kName)
            continue;
        width[c] = std::max({room * fw::Val(design.value(int(c))) / 100.0, double(m_widest[c]), least});
        numbers += width[c];
    }
    const double numberRoom = room - room / 4.0;
    if (numbers > numberRoom) {
        for (std::size_t c = 0; c < width.size(); ++c)
            width[c] = std::floor(width[c] * numberRoom / numbers);
    }

    QStringList percents;
    double given = 0;
    for (std::size_t c = 0; c < width.size(); ++c) {
        // Half a pixel more, so that the list's rounding down keeps every pixel.
        const double percent = c == kName ? 0 : (width[c] + 0.5) * 100.0 / room;
        given += percent;
        percents.append(QString::number(percent, 'f', 6) + QLatin1Char('%'));
    }
    percents[kName] = QString::number(std::max(0.0, 100.0 - given - 1e-6), 'f', 6) + QLatin1Char('%');
    list.setColumnWidths(percents.join(QLatin1Char(',')));
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
    // A register that cannot be read at all has no seller to clash with; the
    // append then tells whether it can be written.
    const reg::Register registered = reg::ReadRegisterFile();
    if (registered.error && !registered.error.wholeFile())
        return fw::MsgBox(app::ReadErrorMessage(registered.error));
    if (const QString refusal = reg::ConflictRefusal(seller, registered.sellers); !refusal.isEmpty())
        return fw::MsgBox(refusal);

    // The list shows what the files hold: a seller not written whole to both
    // is not listed, and the form keeps it for another try.
    const reg::WriteFailure failure = reg::AppendSeller(seller);
    if (failure && failure.opening)
        return fw::MsgBox(cannotOpenMessage(failure.file));
    if (failure)
        return fw::MsgBox(cannotWriteMessage(failure));

    const QStringList row{seller.CouponStart, seller.CouponStop, seller.NomVendeur, seller.CodeVendeur};
    ui->ListeVendeurs->AppendRows({row});
    fitListColumns(row);
    // The seller just added is the one the organiser checks.
    ui->ListeVendeurs->scrollToBottom();

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
