#include "window.h"

#include "runtime.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QMetaMethod>
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

namespace {

// The designs give font sizes in points of a 72-dpi screen, where a point is a
// pixel; at Qt's 96 dpi the same points would not fit the designed boxes.
void keepDesignedFontSizes(QWidget *form)
{
    QList<QWidget *> widgets = form->findChildren<QWidget *>();
    widgets.prepend(form);
    for (QWidget *w : widgets) {
        // Only the sizes the design sets; a default size stays the desktop's.
        if (!w->testAttribute(Qt::WA_SetFont) || !(w->font().resolveMask() & QFont::SizeResolved) ||
            w->font().pointSize() <= 0)
            continue;
        QFont font = w->font();
        font.setPixelSize(font.pointSize());
        w->setFont(font);
    }
}

} // namespace

void Window::finishDesign(QMenuBar *menuBar)
{
    keepDesignedFontSizes(m_content);
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

void connectActions(Window *window)
{
    static constexpr QByteArrayView suffix("_Action");
    const QMetaObject *meta = window->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod handler = meta->method(i);
        const QByteArray name = handler.name();
        if (handler.methodType() != QMetaMethod::Slot || handler.parameterCount() != 0 || !name.endsWith(suffix))
            continue;
        const QString design = QString::fromLatin1(name.chopped(suffix.size()));
        auto *button = window->form()->findChild<QAbstractButton *>(design);
        if (!button) {
            qWarning("%s: no button %s for its handler", meta->className(), name.constData());
            continue;
        }
        OnAction(button, [window, handler] { handler.invoke(window, Qt::DirectConnection); });
    }
}

void runOpenEvent(Window *window, void (*open)(Window *))
{
    Guarded([&] { open(window); });
}

} // namespace fw
