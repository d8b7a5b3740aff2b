#include "vandrelico.h"

#include "menubar1.h"

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
    application.setMenuBar(MenuBar1::instance());
    makeDefaultView();
    if (fw::QuitRequested())
        return 0;
    return application.exec();
}

} // namespace app
