#include "runtime.h"

#include "dialogs.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <exception>

namespace fw {

namespace {
bool g_quit = false;
QDate g_today;
} // namespace

void Quit()
{
    g_quit = true;
    // Queued, so the handler that asked runs to its end first. Before the
    // event loop runs, start-up sees the request and does not enter it.
    auto *app = QCoreApplication::instance();
    if (app && QThread::currentThread()->loopLevel() > 0)
        QTimer::singleShot(0, app, [] { QCoreApplication::exit(0); });
}

bool QuitRequested() { return g_quit; }

void ResetQuitForTesting() { g_quit = false; }

QDate Today() { return g_today.isValid() ? g_today : QDate::currentDate(); }

void SetTodayForTesting(const QDate &date) { g_today = date; }

void Guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &e) {
        MsgBox(QString::fromUtf8(e.what()));
    } catch (...) {
        MsgBox(QStringLiteral("Erreur inattendue."));
    }
}

void OnAction(QAbstractButton *button, std::function<void()> handler)
{
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [h = std::move(handler)] { Guarded(h); });
}

} // namespace fw
