#pragma once

#include <QPixmap>
#include <QString>

// The two logos, read from the Resources folder beside the executable's
// folder. A missing folder or picture gives a null picture, and no message.
namespace app {

QPixmap siglBourse(); // the fair's sign
QPixmap qvomoyen();   // the club's emblem

// The folder the pictures are read from (tests point it elsewhere); the empty
// text restores the default.
void setResourcesFolder(const QString &path);
QString resourcesFolder();

} // namespace app
