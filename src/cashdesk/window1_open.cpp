#include "window1.h"
#include "ui_window1.h"

#include "journal.h"

#include "app/csvload.h"
#include "app/module1.h"
#include "app/rules.h"
#include "framework/dialogs.h"
#include "framework/files.h"
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

    // A file that is there but cannot be read is never replaced: the program
    // names it and stops.
    if (std::unique_ptr<fw::TextInputStream> rate = fw::OpenAsTextFile(kRateFile)) {
        Module1::qvotaux = fw::Val(rate->ReadLine());
    } else {
        if (fw::Exists(kRateFile))
            return stopWith(UnreadableFileMessage(kRateFile));
        if (!WriteRateFile(fw::Val(kDefaultRate)))
            return stopWith(CannotCreateMessage(kRateFile));
        Module1::qvotaux = fw::Val(kDefaultRate);
    }

    ui->ShowTotal->SetText(Module1::grandtotal.Text());

    if (fw::MessageDialog(startupWarning()) == fw::DialogButton::Cancel)
        fw::Quit(); // the opening still runs to its end

    // The journal is looked at only now: the warning invites the user to put
    // the files right before answering. It is read whole at once, so the
    // list and the turnover come from one state of the file.
    std::unique_ptr<fw::TextInputStream> journal = fw::OpenAsTextFile(Module1::thename);
    if (!journal && fw::Exists(Module1::thename))
        return stopWith(UnreadableFileMessage(Module1::thename));
    if (journal) {
        app::AmountSum sum;
        journal->ReadLine();
        journal->ReadLine();
        app::CsvRows read = app::ReadCsvRows(*journal, kJournalLine, 2);
        for (const QStringList &row : read.rows)
            sum.add(app::AmountValue(row[1]));
        Module1::grandtotal = sum.value();
        app::FormatAmounts(read.rows, *ui->fromat);
        // A trial start leaves a journal of its header only: the register
        // can still be started anew until the year's first coupon. A line
        // that cannot be read may well be one.
        ui->PushButton5->setEnabled(read.rows.isEmpty() && read.badLine == 0);
        ui->ReferenceBox->AppendRows(std::move(read.rows));
        ui->ReferenceBox->scrollToBottom(); // the last coupon recorded, as after a recording
        ui->ShowTotal->SetText(Module1::grandtotal.Text());
        ui->ShowComm->SetText(app::Commission(Module1::qvotaux, Module1::grandtotal).Text());
        // A line that is not the journal's own is named, not guessed at: the
        // list and the turnover leave it out, and the journal keeps it, as it
        // is never rewritten while it holds such a line.
        if (read.badLine)
            fw::MsgBox(app::UnreadableLineMessage(Module1::thename, read.badLine));
    } else {
        if (!WriteJournal(Module1::thename, Module1::myday))
            return stopWith(CannotCreateMessage(Module1::thename));
        ui->PushButton5->setEnabled(true);
    }
}
