#pragma once

#include "framework/dialogs.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class QWidget;
namespace fw {
class Window;
}

// Answers the program's dialogs from a script and records every text shown.
class ScriptedDialogs : public fw::DialogSeam
{
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void msgBox(const QString &text) override;
    fw::DialogButton messageDialog(const fw::QuestionDialog &spec) override;

    // Answers for the coming question dialogs, in order; once they run out,
    // every question is answered with its action button.
    void answer(fw::DialogButton button) { answers.append(button); }
    // Runs while each question dialog is shown, before it is answered: what
    // the user does meanwhile.
    std::function<void(const fw::QuestionDialog &)> whileAsked;

    QStringList messages;                   // every MsgBox text, in order
    QList<fw::QuestionDialog> questions; // every question dialog, in order
    QList<fw::DialogButton> answers;
};

// A data folder of its own for one test: the working directory while it lives.
class DataFolder
{
public:
    DataFolder();
    ~DataFolder();

    QString path(const QString &name) const;
    void write(const QString &name, const QByteArray &content) const;
    QByteArray read(const QString &name) const;
    // The file's lines, its last line end not making one more.
    QStringList lines(const QString &name) const;
    bool exists(const QString &name) const;
    // Puts a folder where a file should be: no one, root included, can then
    // open it as a file.
    void block(const QString &name) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Starts every test case afresh: no window, zeroed globals, no quit asked,
// today's date fixed, dialogs answered by a script.
class ProgramFixture
{
public:
    ProgramFixture();
    ~ProgramFixture();

    DataFolder folder;
    ScriptedDialogs dialogs;
};

// Stands in for the sync of a file to the disk while it lives, and notes each
// one: the file (or folder) name, the file's bytes then, and what `probe`
// answered then (what the screen showed). Every sync succeeds.
class SyncWatch
{
public:
    explicit SyncWatch(std::function<QString()> probe);
    ~SyncWatch();
    SyncWatch(const SyncWatch &) = delete;
    SyncWatch &operator=(const SyncWatch &) = delete;

    struct Sync {
        QString file;
        QByteArray bytes;
        QString shown;
    };
    QList<Sync> syncs;
    std::function<QString()> probe;

    // Each sync as "file | bytes | shown"; the record of a change without
    // its digest line, whose bytes are no one's to read.
    QStringList described() const;
};

// Writes beyond this many bytes fail while it lives, in every file of the
// process: a disk that fills up. Safer than a link to a device, which a
// replacing writer could replace.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(unsigned long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    unsigned long long m_old = 0;
    void (*m_handler)(int) = nullptr;
};

// A real disk of a few bytes: a tmpfs mounted over a test's data folder
// while it lives, where the system lets the tests mount one (root).
class TinyDisk
{
public:
    TinyDisk(const DataFolder &folder, int bytes);
    ~TinyDisk();
    TinyDisk(const TinyDisk &) = delete;
    TinyDisk &operator=(const TinyDisk &) = delete;

    bool mounted() const { return m_mounted; }
    // Takes every free block left, so that a file grows only within the
    // block it already has.
    void fill() const;

private:
    QString m_path;
    bool m_mounted = false;
};

// The caption of a label or a button; the empty text for other controls.
QString captionOf(const QWidget *control);

// The columns of a window's design table (control, geometry, caption), and one of its rows.
void designColumns();
void designRow(const char *name, const QRect &geometry, const QString &caption = {});

// A window as designed: its title, the size of its form, a fixed size, and
// no close, minimise or maximise button.
void verifyFixedWindow(const fw::Window *window, const QString &title, const QSize &formSize);

// A control of a window at its designed place, with its designed caption.
void verifyDesignedControl(const QWidget *window, const QString &name, const QRect &geometry,
                           const QString &caption);

// Registers a QtTest class with the module's test executable.
using TestFactory = std::function<std::unique_ptr<QObject>()>;
bool registerTest(const char *name, TestFactory factory);

#define VDL_TEST(Class)                                                                             \
    namespace {                                                                                     \
    const bool registered_##Class = registerTest(#Class, [] { return std::make_unique<Class>(); }); \
    }
