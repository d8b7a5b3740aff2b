#include "testsupport.h"

#include "app/module1.h"
#include "framework/runtime.h"
#include "framework/window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

ScriptedDialogs::ScriptedDialogs() { fw::setDialogSeam(this); }

ScriptedDialogs::~ScriptedDialogs() { fw::setDialogSeam(nullptr); }

void ScriptedDialogs::msgBox(const QString &text) { messages.append(text); }

fw::DialogButton ScriptedDialogs::messageDialog(const fw::MessageDialogSpec &spec)
{
    questions.append(spec);
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
