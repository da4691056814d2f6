// SPDX-License-Identifier: GPL-3.0-or-later
// The card list and the search window with 2000 cards: opening the list
// (Cards, List) and a Find First that scans every card without a hit.
#include "Main.h"
#include "Search.h"
#include "bench_support.h"
#include "list.h"
#include "program.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <benchmark/benchmark.h>

namespace {

using namespace quillbox;

/// A program on a directory holding 2000 cards, removed at the end.
class BenchProgram {
public:
    BenchProgram()
    {
        m_program.showMainWindow();
        QApplication::processEvents();
    }
    WindowRegistry& windows() { return m_program.windows(); }

private:
    bench::SampleCardDir m_dir;
    Program m_program {m_dir.path(), bench::silentServices()};
};

void BM_CardList_Open2000(benchmark::State& state)
{
    BenchProgram program;
    WindowRegistry& app = program.windows();
    for (auto _ : state) {
        app.Form1->List1Click();
        QApplication::processEvents();
        state.PauseTiming();
        if (app.form2()->findChild<QListWidget*>(QStringLiteral("ListBox1"))->count()
            != app.Form1->cards().CardCount)
            state.SkipWithError("the list was not filled");
        app.form2()->hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["cards"] = app.Form1->cards().CardCount;
}
BENCHMARK(BM_CardList_Open2000)->Unit(benchmark::kMillisecond);

void BM_Search_FindFirstNoMatch2000(benchmark::State& state)
{
    BenchProgram program;
    WindowRegistry& app = program.windows();
    app.form4()
        ->findChild<QLineEdit*>(QStringLiteral("Edit1"))
        ->setText(QStringLiteral("no card holds this text"));
    const int shown = app.Form1->cards().CurrentCard;
    for (auto _ : state)
        app.form4()->BitBtn1Click();
    if (app.Form1->cards().CurrentCard != shown)
        state.SkipWithError("a card was found");
    state.counters["cards"] = app.Form1->cards().CardCount;
}
BENCHMARK(BM_Search_FindFirstNoMatch2000)->Unit(benchmark::kMicrosecond);

} // namespace
