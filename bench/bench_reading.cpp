// Reading the data files whatever their line ends: the same files with "\n",
// with "\r\n", and with a lone "\r" as a spreadsheet saves "CSV (Macintosh)".
// The cash desk opens a 10 MB journal, and a recording looks a coupon up in
// the coupon index of 100,000 lines (2 MB).
//
//   build/bin/bench_reading
//
// It prints each benchmark, then the time of each reading with lone "\r"
// against the same with "\n".

#include "app/module1.h"
#include "cashdesk/journal.h"
#include "cashdesk/recording.h"
#include "cashdesk/window1.h"
#include "framework/controls.h"
#include "framework/files.h"
#include "framework/runtime.h"
#include "framework/text.h"
#include "register/couponindex.h"
#include "register/registerfiles.h"

#include "benchsupport.h"
#include "fair.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <cstdio>
#include <string>

namespace {

constexpr qint64 kJournalBytes = 10'000'000;
constexpr int kSellers = 1000;

bench::Dialogs g_dialogs;

using bench::DataFolder;

// Gives every line of the file the line end `end` instead of "\n".
void setLineEnds(const QString &name, const char *end)
{
    QFile file(fw::DataPath(name));
    if (!file.open(QIODevice::ReadWrite)) {
        std::fprintf(stderr, "cannot rewrite %s\n", qPrintable(name));
        return;
    }
    const QByteArray content = file.readAll().replace("\n", end);
    file.resize(0);
    file.write(content);
}

// The number of coupons whose journal lines fill `bytes`.
int couponsFilling(qint64 bytes)
{
    int n = 0;
    for (qint64 size = 0; size < bytes;)
        size += bench::journalLine(++n).size() + 1;
    return n;
}

void BM_JournalOpening(benchmark::State &state, const char *end)
{
    DataFolder folder;
    const int coupons = couponsFilling(kJournalBytes);
    bench::writeJournal(coupons);
    setLineEnds(cashdesk::JournalName(fw::Today().year()), end);
    Window1::instance(); // makes the rate file, and the first window's one-off work
    for (auto _ : state) {
        state.PauseTiming();
        fw::Window::destroyAllForTesting();
        Module1::reset();
        state.ResumeTiming();
        benchmark::DoNotOptimize(Window1::instance());
    }
    auto *list = Window1::instance()->findChild<fw::Listbox *>(QStringLiteral("ReferenceBox"));
    if (list->ListCount() != coupons)
        state.SkipWithError("the journal was not read line by line");
    fw::Window::destroyAllForTesting();
}

// The index is read whole at each recording, opened anew each time.
void BM_IndexLookup(benchmark::State &state, const char *end)
{
    DataFolder folder;
    bench::writeRegister(kSellers);
    setLineEnds(reg::kCouponIndex, end);
    const QString coupon = fw::Str(kSellers * bench::kCouponsPerSeller / 2);
    reg::CouponOwner owner;
    for (auto _ : state) {
        auto index = fw::OpenAsTextFile(reg::kCouponIndex);
        owner = reg::FindCouponOwner(*index, coupon);
        benchmark::DoNotOptimize(owner);
    }
    if (owner.name != QStringLiteral("Vendeur 500"))
        state.SkipWithError("the coupon's seller was not found");
}

BENCHMARK_CAPTURE(BM_JournalOpening, lf, "\n")->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK_CAPTURE(BM_JournalOpening, crlf, "\r\n")->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK_CAPTURE(BM_JournalOpening, cr, "\r")->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK_CAPTURE(BM_IndexLookup, lf, "\n")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IndexLookup, crlf, "\r\n")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IndexLookup, cr, "\r")->Unit(benchmark::kMillisecond);

// Lone "\r" against "\n" for each reading.
class LineEndReporter final : public bench::SummaryReporter
{
    void summary() override
    {
        for (const std::string reading : {"BM_JournalOpening", "BM_IndexLookup"}) {
            const auto lf = seconds(reading + "/lf");
            const auto cr = seconds(reading + "/cr");
            if (lf && cr)
                std::printf("%s: %.4f s with \"\\n\", %.4f s with lone \"\\r\" (%.2f times)\n", reading.c_str(),
                            *lf, *cr, *cr / *lf);
        }
    }
};

} // namespace

int main(int argc, char **argv)
{
    LineEndReporter reporter;
    return bench::Run(argc, argv, g_dialogs, &reporter);
}
