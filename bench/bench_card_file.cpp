// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving the card file, and filing cards in sorted order.
// Targets: loading plus saving 2000 cards under 3 ms together; filing one
// card into 1999 under 20 microseconds.
#include "bench_support.h"
#include "core/card_file.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using quillbox::CardCollection;
using quillbox::CardFile;
using quillbox::bench::sampleCardBytes;
using quillbox::bench::SampleCardDir;
using quillbox::bench::TempDir;

/// The sample's card texts in file order, as loading files them.
const std::vector<std::string>& sampleTexts()
{
    static const std::vector<std::string> texts = quillbox::recordTexts(sampleCardBytes());
    return texts;
}

/// The sample loaded into a collection (the table is large: off the stack).
std::unique_ptr<CardCollection> sampleBox()
{
    auto box = std::make_unique<CardCollection>();
    quillbox::parseCardRecords(sampleCardBytes(), *box);
    return box;
}

void BM_ParseCardFile(benchmark::State& state)
{
    const std::string& bytes = sampleCardBytes();
    auto box = std::make_unique<CardCollection>();
    for (auto _ : state) {
        box->clear();
        benchmark::DoNotOptimize(quillbox::parseCardRecords(bytes, *box));
    }
    state.counters["cards"] = box->CardCount;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseCardFile)->Unit(benchmark::kMicrosecond);

void BM_LoadCardFile(benchmark::State& state)
{
    const SampleCardDir dir;
    if (!dir.readyFor(state))
        return;
    CardFile file(dir.path());
    auto box = std::make_unique<CardCollection>();
    for (auto _ : state)
        benchmark::DoNotOptimize(file.LoadCardFile(*box));
    state.counters["cards"] = box->CardCount;
}
BENCHMARK(BM_LoadCardFile)->Unit(benchmark::kMicrosecond);

// The whole crash-safe save, fsync of the file and the directory included.
void BM_SaveCardFile(benchmark::State& state)
{
    const TempDir dir;
    if (!dir.readyFor(state))
        return;
    const auto box = sampleBox();
    CardFile file(dir.path());
    for (auto _ : state) {
        if (!file.SaveCardFile(*box).ok)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveCardFile)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The save's work without the two fsyncs: the bytes, a temporary file, the
// backup link and the rename. Shows what the disk's sync costs on top.
void BM_SaveCardFileWithoutSync(benchmark::State& state)
{
    const TempDir dir;
    if (!dir.readyFor(state))
        return;
    const auto box = sampleBox();
    const std::string db = dir.path() + "/quillbox.db";
    const std::string bak = dir.path() + "/quillbox.bak";
    const std::string tmp = db + ".XXXXXX";
    for (auto _ : state) {
        const std::string bytes = quillbox::serialiseCardRecords(*box, {});
        std::FILE* out = std::fopen(tmp.c_str(), "wb");
        if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()
            || std::fclose(out) != 0) {
            state.SkipWithError("write failed");
            break;
        }
        std::filesystem::remove(bak);
        std::error_code ec;
        std::filesystem::create_hard_link(db, bak, ec);
        std::filesystem::rename(tmp, db);
    }
}
BENCHMARK(BM_SaveCardFileWithoutSync)->Unit(benchmark::kMicrosecond)->UseRealTime();

// What closing the program after start costs: load 2000 cards, save them.
void BM_LoadAndSaveCardFile(benchmark::State& state)
{
    const SampleCardDir dir;
    if (!dir.readyFor(state))
        return;
    CardFile file(dir.path());
    auto box = std::make_unique<CardCollection>();
    for (auto _ : state) {
        file.LoadCardFile(*box);
        if (!file.SaveCardFile(*box).ok)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_LoadAndSaveCardFile)->Unit(benchmark::kMicrosecond)->UseRealTime();

/// The sample's texts in file order (arg 0) or in the ascending order the
/// loader files them in (arg 1).
std::vector<std::string> filingOrder(const benchmark::State& state)
{
    std::vector<std::string> texts = sampleTexts();
    if (state.range(0) == 1)
        std::stable_sort(texts.begin(), texts.end(),
            [](const std::string& a, const std::string& b) { return quillbox::compareCardTexts(a, b) < 0; });
    return texts;
}

// Filing 2000 cards one by one: each text is put into the staging slot and
// filed. The texts are made before the clock runs (a loader makes each one
// anyway), so what is timed is the filing itself: finding the slot and
// moving the cards above it up.
void BM_FileCardsBinarySearch(benchmark::State& state)
{
    const auto texts = filingOrder(state);
    auto box = std::make_unique<CardCollection>();
    std::vector<quillbox::CardText> staged;
    for (auto _ : state) {
        state.PauseTiming();
        box->clear();
        staged.assign(texts.begin(), texts.end());
        state.ResumeTiming();
        for (auto& t : staged) {
            box->CardTable[quillbox::StagingSlot] = std::move(t);
            box->InsertCard();
        }
        benchmark::DoNotOptimize(box->CardCount);
    }
}
BENCHMARK(BM_FileCardsBinarySearch)->ArgName("sorted")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The baseline: a linear scan from card 1 up to the first card the text is
// not greater than, then the same move of the cards above, in a plain table.
void BM_FileCardsLinearScan(benchmark::State& state)
{
    const auto texts = filingOrder(state);
    auto table = std::make_unique<std::array<quillbox::CardText, quillbox::MaxCards + 1>>();
    std::vector<quillbox::CardText> staged;
    for (auto _ : state) {
        state.PauseTiming();
        for (auto& t : *table)
            t.clear();
        staged.assign(texts.begin(), texts.end());
        state.ResumeTiming();
        int count = 0;
        for (auto& t : staged) {
            int i = 1;
            while (i <= count && quillbox::compareCardTexts(t, (*table)[i]) > 0)
                ++i;
            std::move_backward(table->begin() + i, table->begin() + count + 1, table->begin() + count + 2);
            (*table)[i] = std::move(t);
            ++count;
        }
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_FileCardsLinearScan)->ArgName("sorted")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What one stored edit costs at the worst: the sample's first card is taken
// out and filed again among the other 1999, so both the removal and the
// filing move every other card. Target: under 20 microseconds for the pair.
void BM_FileOneCardInto1999(benchmark::State& state)
{
    const auto box = sampleBox();
    const std::string first(box->card(1));
    for (auto _ : state) {
        box->RemoveCard(1);
        box->CardTable[quillbox::StagingSlot] = first;
        benchmark::DoNotOptimize(box->InsertCard());
    }
    if (box->CurrentCard != 1)
        state.SkipWithError("card filed in the wrong slot");
}
BENCHMARK(BM_FileOneCardInto1999)->Unit(benchmark::kMicrosecond);

} // namespace
