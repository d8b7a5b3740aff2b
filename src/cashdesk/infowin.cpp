#include "infowin.h"
#include "ui_infowin.h"

#include "app/pictures.h"

namespace cashdesk {

QString VersionText()
{
#if defined(Q_OS_MACOS)
    return QStringLiteral("0.9.9 (Macintosh)");
#elif defined(Q_OS_WIN)
    return QStringLiteral("0.9.9 (Windows)");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("0.9.9 (Linux)");
#else
    return QStringLiteral("0.9.9 (Unix)");
#endif
}

} // namespace cashdesk

void InfoWin::Layout() { finishDesign(); }

void InfoWin::CreateControls()
{
    setUpForm();
    ui->Canvas1->setBackdrop(app::qvomoyen());
}

void InfoWin::BevelButton1_Action() { Close(); }

void InfoWin::Event_Open() { ui->vversion->SetText(cashdesk::VersionText()); }
