// Recording a coupon at the cash desk, which reads the whole coupon index and
// scans the whole list of recorded coupons every time, against the floor of
// reading that index with a plain std::getline loop; the same recording
// without its syncs; and the cash desk's opening on a large journal.
//
//   build/bin/bench_recording
//
// It prints each benchmark, then the ratio of one recording to the floor,
// what the syncs cost, and the opening time.

#include "app/module1.h"
#include "cashdesk/journal.h"
#include "cashdesk/recording.h"
#include "cashdesk/window1.h"
#include "framework/controls.h"
#include "framework/dialogs.h"
#include "framework/files.h"
#include "framework/runtime.h"
#include "framework/text.h"
#include "register/couponindex.h"
#include "register/registerfiles.h"

#include "benchsupport.h"
#include "fair.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int kSellers = 1000; // an index of 100,000 lines
using bench::kCouponsPerSeller;
constexpr int kAlreadyRecorded = 20000;
constexpr int kJournalAtOpening = 50000;

bench::Dialogs g_dialogs;

using bench::DataFolder;

void writeRegister() { bench::writeRegister(kSellers); }

void writeJournal(int coupons) { bench::writeJournal(coupons); }

Window1 *openDesk()
{
    fw::Window::destroyAllForTesting();
    Module1::reset();
    return Window1::instance();
}

template <class T>
T *control(Window1 *w, const char *name)
{
    return w->findChild<T *>(QString::fromLatin1(name));
}

void BM_IndexFloor(benchmark::State &state)
{
    DataFolder folder;
    writeRegister();
    for (auto _ : state) {
        std::ifstream in(reg::kCouponIndex.toStdString());
        std::string line;
        long lines = 0;
        while (std::getline(in, line))
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
}

// One press of "Ajouter" through the real handler, from typing the coupon to
// the sale in the sales file, the list and the journal.
void BM_Recording(benchmark::State &state)
{
    DataFolder folder;
    writeRegister();
    writeJournal(kAlreadyRecorded);
    Window1 *desk = openDesk();
    desk->Show();
    // Typed, as the cashier does: QLineEdit's own setText keeps the text as it is.
    QLineEdit *coupon = control<fw::TextField>(desk, "EntryCoupon");
    QLineEdit *amount = control<fw::TextField>(desk, "ValeurCoupon");
    auto *ajouter = control<QAbstractButton>(desk, "BevelButton1");
    auto *list = control<fw::Listbox>(desk, "ReferenceBox");
    const int rowsBefore = list->ListCount();
    g_dialogs.messages = 0;
    int next = kAlreadyRecorded + 1;
    for (auto _ : state) {
        coupon->setText(fw::Str(next));
        amount->setText(QStringLiteral("2.50"));
        ajouter->click();
        if (++next > kSellers * kCouponsPerSeller)
            next = kAlreadyRecorded + 1;
    }
    if (g_dialogs.messages || list->ListCount() != rowsBefore + static_cast<int>(state.iterations()))
        state.SkipWithError(("a recording did not go through: " + g_dialogs.last.toStdString()).c_str());
    fw::Window::destroyAllForTesting();
}

// The same, the record of the change, the sales line and the journal line
// left in the system's cache: the difference is what its three syncs cost a
// recording.
void BM_RecordingUnsynced(benchmark::State &state)
{
    fw::SetSyncForTesting([](int) { return true; });
    BM_Recording(state);
    fw::SetSyncForTesting(nullptr);
}

// The two scans of a recording, apart.
void BM_IndexLookup(benchmark::State &state)
{
    DataFolder folder;
    writeRegister();
    const QString coupon = fw::Str(kSellers * kCouponsPerSeller / 2);
    for (auto _ : state) {
        auto index = fw::OpenAsTextFile(reg::kCouponIndex);
        benchmark::DoNotOptimize(reg::FindCouponOwner(*index, coupon));
    }
}

void BM_DuplicateScan(benchmark::State &state)
{
    DataFolder folder;
    writeJournal(kAlreadyRecorded);
    cashdesk::Journal journal;
    journal.Open(cashdesk::JournalName(fw::Today().year()), QStringLiteral("1/3/2026"));
    const QString coupon = fw::Str(kAlreadyRecorded + 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(journal.LastEntryOf(coupon));
}

// The cash desk's opening: the rate file, the start-up question answered,
// and the journal reloaded into the list with the turnover.
void BM_Opening(benchmark::State &state)
{
    DataFolder folder;
    writeJournal(kJournalAtOpening);
    openDesk(); // creates the rate file
    for (auto _ : state) {
        state.PauseTiming();
        fw::Window::destroyAllForTesting();
        Module1::reset();
        state.ResumeTiming();
        benchmark::DoNotOptimize(Window1::instance());
    }
    if (control<fw::Listbox>(Window1::instance(), "ReferenceBox")->ListCount() != kJournalAtOpening)
        state.SkipWithError("the journal was not reloaded whole");
    fw::Window::destroyAllForTesting();
}

BENCHMARK(BM_IndexFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Recording)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordingUnsynced)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexLookup)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DuplicateScan)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Opening)->Unit(benchmark::kMillisecond);

// The two figures the aims are about, and the cost of the syncs.
class RatioReporter final : public bench::SummaryReporter
{
    void summary() override
    {
        const auto floor = seconds("BM_IndexFloor");
        const auto recording = seconds("BM_Recording");
        if (floor && recording)
            std::printf("one recording / std::getline floor: %.2f (aim: at most 3)\n", *recording / *floor);
        if (const auto unsynced = seconds("BM_RecordingUnsynced"); recording && unsynced)
            std::printf("its syncs (record, sales line, journal line): %.2f ms of the %.2f ms of one recording\n",
                        (*recording - *unsynced) * 1000, *recording * 1000);
        if (const auto opening = seconds("BM_Opening"))
            std::printf("opening with a %d-coupon journal: %.3f s (aim: at most 0.3 s)\n", kJournalAtOpening,
                        *opening);
    }
};

} // namespace

int main(int argc, char **argv)
{
    RatioReporter reporter;
    return bench::Run(argc, argv, g_dialogs, &reporter);
}
