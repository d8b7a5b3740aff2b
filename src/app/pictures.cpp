#include "pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace app {

namespace {

QString g_folder;

// Made on first use: no picture may exist before the application object.
QPixmap &kept(int which)
{
    static QPixmap pictures[2];
    return pictures[which];
}

QPixmap load(QPixmap &kept, const QString &file)
{
    if (kept.isNull()) {
        const QString folder = resourcesFolder();
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            kept.load(QDir(folder).filePath(file)); // stays null when missing: tried again next time
    }
    return kept;
}

} // namespace

QString resourcesFolder()
{
    if (!g_folder.isEmpty())
        return g_folder;
    if (!QCoreApplication::instance())
        return {};
    QDir dir(QCoreApplication::applicationDirPath());
    if (!dir.cdUp())
        return {};
    return dir.filePath(QStringLiteral("Resources"));
}

void setResourcesFolder(const QString &path)
{
    g_folder = path;
    if (QCoreApplication::instance()) {
        kept(0) = QPixmap();
        kept(1) = QPixmap();
    }
}

QPixmap siglBourse() { return load(kept(0), QStringLiteral("siglBourse.png")); }

QPixmap qvomoyen() { return load(kept(1), QStringLiteral("qvo-moyen.png")); }

} // namespace app
