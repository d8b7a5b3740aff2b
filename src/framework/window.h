#pragma once

#include <QWidget>
#include <memory>

class QMenuBar;

// A window of the program: fixed size, no close, minimise or maximise button,
// built from its Designer form, with exactly one instance per class.
namespace fw {

class Window : public QWidget
{
    Q_OBJECT

public:
    ~Window() override;

    // Shows the window and brings it forward; a window that is closed stays closed.
    void Show();
    // Shows the window modally and returns once it is closed.
    void ShowModal();
    // Ends this instance: naming the class again makes a fresh one.
    void Close();
    // Qt's close() only asks, and a window of the program ignores the request
    // unless it says otherwise: the program's own code ends a window with Close().
    bool close() = delete;
    bool isClosed() const { return m_closed; }
    // The widget that carries the window's design.
    QWidget *form() const { return m_content; }

    // Deletes every open window at once (tests start each case afresh).
    static void destroyAllForTesting();

signals:
    void closed();

protected:
    Window();

    // The widget that the window's form is set up on.
    QWidget *content() const { return m_content; }
    // Takes title and size from the form and fixes the window's size; the cash
    // desk puts its menu bar above the form.
    void finishDesign(QMenuBar *menuBar = nullptr);

    // Builds the window once it is created, before its Open event: a window
    // built in its constructor does nothing here.
    virtual void build() {}
    virtual void Event_Open() {}
    // A close request from the window manager; ignored unless a window says otherwise.
    virtual void closeRequested() {}

    void closeEvent(QCloseEvent *event) override;

    // The class's instance pointer, cleared when this instance closes.
    virtual void forget() = 0;

    template <class T> friend class SingleWindow;

private:
    QWidget *m_content;
    bool m_closed = false;
};

// One instance per window class: instance() returns the open one, or creates
// it and runs its Open event.
template <class T>
class SingleWindow : public Window
{
public:
    static T *instance()
    {
        if (s_open)
            return s_open;
        T *window = new T;
        static_cast<Window *>(window)->build();
        s_open = window;
        window->open();
        return window;
    }

    // The open instance, or nullptr; never creates one.
    static T *openInstance() { return s_open; }

protected:
    void forget() override
    {
        if (s_open == this)
            s_open = nullptr;
    }

private:
    void open();
    static inline T *s_open = nullptr;
};

// Runs a window's Open event through the handler guard.
void runOpenEvent(Window *window, void (*open)(Window *));

template <class T>
void SingleWindow<T>::open()
{
    runOpenEvent(this, [](Window *w) { static_cast<T *>(w)->Event_Open(); });
}

// Connects each button of the window's form to the window's public slot named
// after the button with "_Action" appended, through the handler guard.
void connectActions(Window *window);

// A window built from its Designer form. `Form` is the class that uic makes of
// the window's .ui file; only the window's own source file knows it whole, so
// the window's CreateControls sets the form up (setUpForm) before adding what
// the form cannot say. Then each button reaches its handler, and Layout
// finishes the window.
template <class T, class Form>
class DesignedWindow : public SingleWindow<T>
{
protected:
    virtual void Layout() = 0;
    virtual void CreateControls() = 0;

    void setUpForm()
    {
        ui = FormPointer(new Form, [](Form *form) { delete form; });
        ui->setupUi(this->content());
    }

    // The form's controls by their design names.
    using FormPointer = std::unique_ptr<Form, void (*)(Form *)>;
    FormPointer ui{nullptr, nullptr};

private:
    void build() final
    {
        this->setObjectName(QString::fromLatin1(this->metaObject()->className()));
        CreateControls();
        connectActions(this);
        Layout();
    }
};

} // namespace fw
