#include "window1.h"
#include "ui_window1.h"

#include "journal.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "app/rules.h"
#include "framework/dialogs.h"
#include "framework/runtime.h"
#include "framework/text.h"

using namespace cashdesk;

namespace {

fw::QuestionDialog startupWarning()
{
    const QString eol = fw::EndOfLine();
    fw::QuestionDialog d;
    d.icon = 1;
    d.title = QStringLiteral("et pour commencer... ");
    d.message = QStringLiteral("Le fonctionnement de ce programme suppose que tous les fichiers des vendeurs "
                               "(vendeur_x.csv) ont étés effacés et que les fichiers ListeVendeurs.csv") +
                eol + QStringLiteral("et couponsvendeurs.csv ont été correctement remplis. ") + eol;
    d.explanation = QStringLiteral("Si ce n'est pas le cas, vous pouvez encore effacer les premiers, sans devoir "
                                   "quitter le programme (Continuer), et utiliser ") +
                    eol + QStringLiteral(" le bouton \"Gestion des vendeurs\" pour créer les seconds.");
    d.actionCaption = QStringLiteral("Continuer");
    d.cancelCaption = QStringLiteral("Quitter");
    return d;
}

// Stops the run; nothing more is written.
void stopWith(const QString &message)
{
    fw::MsgBox(message);
    fw::Quit();
}

} // namespace

void Window1::Event_Open()
{
    const QDate today = fw::Today();
    Module1::myday = DayText(today);
    Module1::thename = JournalName(today.year());

    const RateOpening rate = OpenRateFile();
    if (const QString failed = OpeningFailureMessage(kRateFile, rate.outcome); !failed.isEmpty())
        return stopWith(failed);
    Module1::qvotaux = rate.rate;

    ui->ShowTotal->SetText(Module1::grandtotal.Text());

    if (fw::MessageDialog(startupWarning()) == fw::DialogButton::Cancel)
        fw::Quit(); // the opening still runs to its end

    // The journal is looked at only now: the warning invites the user to put
    // the files right before answering.
    const FileOpening journal = m_journal.Open(Module1::thename, Module1::myday);
    if (const QString failed = OpeningFailureMessage(Module1::thename, journal); !failed.isEmpty())
        return stopWith(failed);
    if (journal == FileOpening::Created) {
        ui->PushButton5->setEnabled(true);
        return;
    }
    Module1::grandtotal = m_journal.Turnover();
    // A trial start leaves a journal of its header only: the register can
    // still be started anew until the year's first coupon. A line that
    // cannot be read may well be one.
    ui->PushButton5->setEnabled(m_journal.entries().isEmpty() && !m_journal.readError());
    QVector<QStringList> shown;
    shown.reserve(m_journal.entries().size());
    for (const JournalEntry &entry : m_journal.entries())
        shown.append(ShownRow(entry));
    // The amount field of the form holds the last amount shown, as the list's
    // amounts are formatted; nothing is read back from it.
    if (!shown.isEmpty())
        ui->fromat->SetText(shown.last().value(1));
    ui->ReferenceBox->AppendRows(std::move(shown));
    ui->ReferenceBox->scrollToBottom(); // the last coupon recorded, as after a recording
    ui->ShowTotal->SetText(Module1::grandtotal.Text());
    ui->ShowComm->SetText(app::Commission(Module1::qvotaux, Module1::grandtotal).Text());
    // A line that is not the journal's own is named, not guessed at.
    if (const app::ReadError &error = m_journal.readError())
        fw::MsgBox(app::ReadErrorMessage(error));
}
