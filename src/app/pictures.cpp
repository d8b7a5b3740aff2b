#include "pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace app {

namespace {

QString g_folder;
QPixmap g_sigl;
QPixmap g_qvo;

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
    g_sigl = QPixmap();
    g_qvo = QPixmap();
}

QPixmap siglBourse() { return load(g_sigl, QStringLiteral("siglBourse.png")); }

QPixmap qvomoyen() { return load(g_qvo, QStringLiteral("qvo-moyen.png")); }

} // namespace app
