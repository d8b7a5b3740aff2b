#include "vandrelico.h"

#include "menubar1.h"

#include "framework/change.h"
#include "framework/dialogs.h"
#include "framework/files.h"
#include "framework/runtime.h"
#include "framework/text.h"

#include <QDir>

namespace app {

QString FolderInUseMessage(const QString &folder)
{
    const QString eol = fw::EndOfLine();
    return QStringLiteral("Vandrelico est déjà ouvert sur ce dossier de données :") + eol + folder + eol +
           QStringLiteral("Deux copies ouvertes sur les mêmes fichiers perdraient des ventes : continuez dans "
                          "celle qui est ouverte. Si aucune ne l'est, ni sur cet ordinateur ni sur un autre qui "
                          "partage ce dossier, effacez le fichier ") +
           fw::kDataFolderLock + QStringLiteral(" de ce dossier, puis redémarrez Vandrelico.");
}

QString InterruptedChangeMessage(const QString &file)
{
    return QStringLiteral("Une modification des fichiers de ce dossier de données a été interrompue (programme "
                          "arrêté ou coupure de courant) et le fichier ") +
           file +
           QStringLiteral(" ne peut pas être remis comme avant ou après elle. Le programme s'arrête sans rien "
                          "modifier d'autre : vérifiez ce fichier, puis effacez le fichier ") +
           fw::kChangeRecord + QStringLiteral(" de ce dossier et redémarrez Vandrelico.");
}

int Run(fw::Application &application, void (*makeDefaultView)())
{
    // Taken before anything of the folder is read: each copy would rewrite
    // the files from what it alone has seen, losing the other's sales. A
    // folder where no mark can be made is run as before: no file can be
    // created there either, so neither copy can rewrite one.
    const fw::DataFolderLock lock;
    if (lock.status() == fw::DataFolderLock::InUse) {
        fw::MsgBox(FolderInUseMessage(QDir::toNativeSeparators(QDir::currentPath())));
        return 1;
    }
    // A change to several files cut off by a kill or a power cut is finished
    // or undone before any file is read; one that cannot be is not guessed at.
    if (const QString stuck = fw::FinishInterruptedChange(); !stuck.isEmpty()) {
        fw::MsgBox(InterruptedChangeMessage(stuck));
        return 1;
    }
    application.setMenuBar(MenuBar1::instance());
    makeDefaultView();
    if (fw::QuitRequested())
        return 0;
    return application.exec();
}

} // namespace app
