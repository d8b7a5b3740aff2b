#include "testsupport.h"

#include "app/module1.h"
#include "framework/change.h"
#include "framework/files.h"
#include "framework/runtime.h"
#include "framework/window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QAbstractButton>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {

SyncWatch *g_syncWatch = nullptr;

bool watchedSync(int handle)
{
    const QFileInfo info(QFile::symLinkTarget(QStringLiteral("/proc/self/fd/") + QString::number(handle)));
    QByteArray bytes;
    if (QFile file(info.filePath()); info.isFile() && file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    g_syncWatch->syncs.append({info.fileName(), bytes, g_syncWatch->probe()});
    return true;
}

} // namespace

SyncWatch::SyncWatch(std::function<QString()> probe) : probe(std::move(probe))
{
    g_syncWatch = this;
    fw::SetSyncForTesting(watchedSync);
}

QStringList SyncWatch::described() const
{
    QStringList lines;
    for (const Sync &sync : syncs) {
        QString bytes = QString::fromUtf8(sync.bytes);
        if (sync.file == fw::kChangeRecord)
            bytes.remove(QRegularExpression(QStringLiteral("^end [0-9a-f]+\n"), QRegularExpression::MultilineOption));
        lines.append(sync.file + " | " + bytes + " | " + sync.shown);
    }
    return lines;
}

SyncWatch::~SyncWatch()
{
    fw::SetSyncForTesting(nullptr);
    g_syncWatch = nullptr;
}

ScriptedDialogs::ScriptedDialogs() { fw::setDialogSeam(this); }

ScriptedDialogs::~ScriptedDialogs() { fw::setDialogSeam(nullptr); }

void ScriptedDialogs::msgBox(const QString &text) { messages.append(text); }

fw::DialogButton ScriptedDialogs::messageDialog(const fw::QuestionDialog &spec)
{
    questions.append(spec);
    if (whileAsked)
        whileAsked(spec);
    return answers.isEmpty() ? fw::DialogButton::Action : answers.takeFirst();
}

DataFolder::DataFolder() : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

DataFolder::~DataFolder() { QDir::setCurrent(m_previous); }

QString DataFolder::path(const QString &name) const { return m_dir.filePath(name); }

void DataFolder::write(const QString &name, const QByteArray &content) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write test file %s", qPrintable(name));
    file.write(content);
}

QByteArray DataFolder::read(const QString &name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList DataFolder::lines(const QString &name) const
{
    QString text = QString::fromUtf8(read(name));
    if (text.isEmpty())
        return {};
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

bool DataFolder::exists(const QString &name) const { return QFile::exists(path(name)); }

void DataFolder::block(const QString &name) const { QDir(m_dir.path()).mkdir(name); }

ProgramFixture::ProgramFixture()
{
    fw::Window::destroyAllForTesting();
    Module1::reset();
    fw::ResetQuitForTesting();
    fw::SetTodayForTesting(QDate(2026, 3, 7));
}

ProgramFixture::~ProgramFixture()
{
    fw::Window::destroyAllForTesting();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Module1::reset();
    fw::ResetQuitForTesting();
    fw::SetTodayForTesting(QDate());
}

FileSizeLimit::FileSizeLimit(unsigned long long bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_old = limit.rlim_cur;
    m_handler = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_old;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_handler);
}

TinyDisk::TinyDisk(const DataFolder &folder, int bytes) : m_path(folder.path(QString()))
{
    const QByteArray options = "size=" + QByteArray::number(bytes);
    m_mounted = ::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs", 0, options.constData()) == 0;
    if (m_mounted)
        QDir::setCurrent(m_path); // the folder now seen through the mount
}

TinyDisk::~TinyDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
}

void TinyDisk::fill() const
{
    QFile filler(QDir(m_path).filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        qFatal("cannot fill the tiny disk");
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) {
    }
}

QString captionOf(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    return {};
}

void designColumns()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
}

void designRow(const char *name, const QRect &geometry, const QString &caption)
{
    QTest::newRow(name) << QString::fromLatin1(name) << geometry << caption;
}

void verifyFixedWindow(const fw::Window *window, const QString &title, const QSize &formSize)
{
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(window->form()->size(), formSize);
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowMinMaxButtonsHint));
}

void verifyDesignedControl(const QWidget *window, const QString &name, const QRect &geometry,
                           const QString &caption)
{
    const QWidget *c = window->findChild<QWidget *>(name);
    QVERIFY2(c, qPrintable(QStringLiteral("no control ") + name));
    QCOMPARE(c->geometry(), geometry);
    QCOMPARE(captionOf(c), caption);
}
