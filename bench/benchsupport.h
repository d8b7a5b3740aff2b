#pragma once

// What the benchmarks share: a data folder of their own, dialogs and a viewer
// that never wait for anyone, and the run itself on the offscreen platform.

#include "framework/application.h"
#include "framework/dialogs.h"
#include "framework/shell.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <unistd.h>

namespace bench {

// Answers every question with its action button and counts the messages: a
// benchmark whose operation shows one did not go all the way.
class Dialogs final : public fw::DialogSeam
{
public:
    void msgBox(const QString &text) override
    {
        ++messages;
        last = text;
    }
    fw::DialogButton messageDialog(const fw::QuestionDialog &) override { return fw::DialogButton::Action; }

    int messages = 0;
    QString last;
};

// The viewer is never started.
class NoViewer final : public fw::ShellSeam
{
public:
    int execute(const QString &, const QStringList &) override { return 0; }
};

// A data folder of its own, the current directory while it lives.
class DataFolder
{
public:
    DataFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~DataFolder() { QDir::setCurrent(m_previous); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// The console report, then the figures a benchmark program is about, worked
// out from the seconds each run took (by its name, a capture's included).
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    SummaryReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            if (!run.error_occurred)
                m_seconds[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n");
        summary();
    }

protected:
    virtual void summary() = 0;

    // None when that benchmark did not run, or failed.
    std::optional<double> seconds(const std::string &name) const
    {
        const auto found = m_seconds.find(name);
        return found == m_seconds.end() ? std::nullopt : std::optional<double>(found->second);
    }

private:
    std::map<std::string, double> m_seconds;
};

// Runs the benchmarks named on the command line with the program's windows
// on the offscreen platform, the dialogs answered by `dialogs`.
inline int Run(int argc, char **argv, Dialogs &dialogs, benchmark::BenchmarkReporter *reporter = nullptr)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    fw::Application application(argc, argv);
    // The offscreen platform warns about every window shown; the benchmarks
    // check their outcome themselves.
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
    NoViewer viewer;
    fw::setDialogSeam(&dialogs);
    fw::setShellSeam(&viewer);
    if (reporter)
        benchmark::RunSpecifiedBenchmarks(reporter);
    else
        benchmark::RunSpecifiedBenchmarks();
    fw::setShellSeam(nullptr);
    fw::setDialogSeam(nullptr);
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
