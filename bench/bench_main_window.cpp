// SPDX-License-Identifier: GPL-3.0-or-later
// The main window with 2000 cards: start-up to the first card shown, each
// navigation handler and a stored edit, against the floor of a bare window
// with a text box; and the peak memory of both, measured in child processes.
#include "Main.h"
#include "bench_support.h"
#include "platform/card_memo.h"
#include "platform/tab_strip.h"
#include "program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace quillbox;
using bench::SampleCardDir;
using bench::silentServices;

void settle()
{
    QApplication::processEvents();
}

// --- Start-up against the floor ----------------------------------------------

void BM_Floor_BareWindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<QMainWindow>();
        window->setCentralWidget(new QPlainTextEdit(window.get()));
        window->resize(465, 338);
        window->show();
        settle();
        state.PauseTiming();
        window.reset();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Floor_BareWindowShown)->Unit(benchmark::kMillisecond);

void BM_MainWindow_StartToFirstCard(benchmark::State& state)
{
    const SampleCardDir dir;
    for (auto _ : state) {
        auto program = std::make_unique<Program>(dir.path(), silentServices());
        program->showMainWindow();
        settle();
        state.PauseTiming();
        if (program->windows().Form1->cards().CardCount != MaxCards)
            state.SkipWithError("the card file did not load");
        program.reset();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindow_StartToFirstCard)->Unit(benchmark::kMillisecond);

// --- Navigation -------------------------------------------------------------

/// A shown program on 2000 cards for the navigation benchmarks.
struct ShownProgram {
    SampleCardDir dir;
    Program program {dir.path(), silentServices()};
    ShownProgram()
    {
        program.showMainWindow();
        settle();
    }
    TForm1& main() { return *program.windows().Form1; }
};

template<void (TForm1::*Handler)()> void BM_Handler(benchmark::State& state)
{
    ShownProgram p;
    for (auto _ : state)
        (p.main().*Handler)();
    state.counters["card"] = p.main().cards().CurrentCard;
}
BENCHMARK_TEMPLATE(BM_Handler, &TForm1::SpeedButton5Click)
    ->Name("BM_Navigation_MoveForward")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_Handler, &TForm1::SpeedButton3Click)
    ->Name("BM_Navigation_PageForward")
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void BM_Navigation_NotebookTab(benchmark::State& state)
{
    ShownProgram p;
    int tab = 0;
    for (auto _ : state) {
        tab = (tab + 1) % 4;
        p.main().findChild<TabbedNotebook*>(QStringLiteral("TabbedNotebook1"))->setPageIndex(tab);
    }
}
BENCHMARK(BM_Navigation_NotebookTab)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void BM_Navigation_AlphabetTab(benchmark::State& state)
{
    ShownProgram p;
    int tab = 0;
    for (auto _ : state) {
        // Late letters make the lookup walk most of the box.
        tab = tab == 26 ? 1 : tab + 1;
        p.main().findChild<GuardedTabBar*>(QStringLiteral("TabSet1"))->selectTab(tab);
    }
}
BENCHMARK(BM_Navigation_AlphabetTab)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void BM_Editing_StoredEdit(benchmark::State& state)
{
    ShownProgram p;
    TForm1& m = p.main();
    const std::string texts[] = {"Aaron, Al\r\n1 First Street\r\n", "Zyzzyva, Zed\r\n99 Last Road\r\n"};
    int i = 0;
    for (auto _ : state) {
        // Each edit re-files the card from one end of the box to the other.
        m.findChild<CardMemo*>(QStringLiteral("Memo1"))->setText(texts[i ^= 1]);
        m.findChild<CardMemo*>(QStringLiteral("Memo1"))->setModified(true);
        m.textchange();
    }
}
BENCHMARK(BM_Editing_StoredEdit)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// --- Peak memory, each in a process of its own ------------------------------------

constexpr const char* ProbeVariable = "QUILLBOX_BENCH_PROBE";

long peakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

/// Runs in the child: builds one of the two windows in a fresh process
/// (fonts, styles and pictures not yet loaded, as at a real start), shows
/// it, reports the time taken and the peak, and ends the process.
void BM_MemoryProbe(benchmark::State& state)
{
    const std::string what = std::getenv(ProbeVariable);
    for (auto _ : state) { }
    {
        // A block of its own: _Exit below runs no destructors, and the
        // directory must not be left behind.
        const SampleCardDir dir;
        QElapsedTimer clock;
        clock.start();
        if (what == "floor") {
            QMainWindow window;
            window.setCentralWidget(new QPlainTextEdit(&window));
            window.resize(465, 338);
            window.show();
            settle();
            const double ms = double(clock.nsecsElapsed()) / 1e6;
            std::printf("PEAK %ld %f\n", peakResidentKiB(), ms);
        } else {
            Program program(dir.path(), silentServices());
            program.showMainWindow();
            settle();
            const double ms = double(clock.nsecsElapsed()) / 1e6;
            std::printf("PEAK %ld %f\n", peakResidentKiB(), ms);
        }
    }
    std::fflush(stdout);
    std::_Exit(0);
}

struct ProbeResult {
    long peakKiB = -1;
    double startMs = -1;
};

/// Runs a probe in a child process; peakKiB is -1 when it failed.
ProbeResult probeInChild(const char* what)
{
    const std::string command = std::string(ProbeVariable) + "=" + what + " QT_QPA_PLATFORM=offscreen /proc/"
        + std::to_string(::getpid()) + "/exe --benchmark_filter=^BM_MemoryProbe/ 2>/dev/null";
    ProbeResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char line[256];
    while (std::fgets(line, sizeof line, pipe)) {
        if (std::sscanf(line, "PEAK %ld %lf", &result.peakKiB, &result.startMs) == 2)
            break;
    }
    ::pclose(pipe);
    return result;
}

/// Cold start and peak memory of the main window against the floor, each in
/// fresh processes; the start times are medians of several runs.
void BM_MainWindow_ColdStartAndPeakMemory(benchmark::State& state)
{
    constexpr int Runs = 7;
    std::vector<double> floorMs, mainMs;
    long floorKiB = -1;
    long mainKiB = -1;
    for (auto _ : state) {
        for (int i = 0; i < Runs; ++i) {
            const ProbeResult f = probeInChild("floor");
            const ProbeResult m = probeInChild("main");
            if (f.peakKiB < 0 || m.peakKiB < 0) {
                state.SkipWithError("a probe process failed");
                return;
            }
            floorMs.push_back(f.startMs);
            mainMs.push_back(m.startMs);
            floorKiB = std::max(floorKiB, f.peakKiB);
            mainKiB = std::max(mainKiB, m.peakKiB);
        }
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    state.counters["floor_start_ms"] = median(floorMs);
    state.counters["main_start_ms"] = median(mainMs);
    state.counters["start_ratio"] = median(mainMs) / median(floorMs);
    state.counters["floor_peak_MiB"] = double(floorKiB) / 1024.0;
    state.counters["main_peak_MiB"] = double(mainKiB) / 1024.0;
    state.counters["above_floor_MiB"] = double(mainKiB - floorKiB) / 1024.0;
}
BENCHMARK(BM_MainWindow_ColdStartAndPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// The probe exists only in the child processes, so that it never shows up
// among the results.
[[maybe_unused]] const bool probeRegistered = [] {
    if (std::getenv(ProbeVariable))
        benchmark::RegisterBenchmark("BM_MemoryProbe", BM_MemoryProbe)->Iterations(1);
    return true;
}();

} // namespace
