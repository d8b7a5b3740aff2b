#include "window.h"

#include "runtime.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QPointer>
#include <QVBoxLayout>
#include <vector>

namespace fw {

namespace {
std::vector<Window *> &openWindows()
{
    static std::vector<Window *> windows;
    return windows;
}
} // namespace

Window::Window() : QWidget(nullptr), m_content(new QWidget(this))
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    openWindows().push_back(this);
}

Window::~Window()
{
    auto &windows = openWindows();
    std::erase(windows, this);
}

void Window::finishDesign(QMenuBar *menuBar)
{
    setWindowTitle(m_content->windowTitle());
    m_content->setFixedSize(m_content->size());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (menuBar)
        layout->setMenuBar(menuBar);
    layout->addWidget(m_content);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Window::Show()
{
    if (m_closed)
        return;
    show();
    raise();
    activateWindow();
}

void Window::ShowModal()
{
    if (m_closed)
        return;
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(this, &Window::closed, &loop, &QEventLoop::quit);
    show();
    raise();
    activateWindow();
    loop.exec();
}

void Window::Close()
{
    if (m_closed)
        return;
    m_closed = true;
    forget();
    hide();
    emit closed();
    deleteLater();
}

void Window::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!m_closed)
        Guarded([this] { closeRequested(); });
}

void Window::destroyAllForTesting()
{
    const std::vector<Window *> windows = openWindows();
    for (Window *w : windows) {
        w->m_closed = true;
        w->forget();
        delete w;
    }
}

void runOpenEvent(Window *window, void (*open)(Window *))
{
    Guarded([&] { open(window); });
}

} // namespace fw
