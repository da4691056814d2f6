// SPDX-License-Identifier: GPL-3.0-or-later
// Cards in and out. Targets: exporting the 2000-card sample under 20 ms;
// importing 2000 vCards under 50 ms.
#include "bench_support.h"
#include "core/card_export.h"
#include "core/card_file.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using quillbox::CardCollection;
using quillbox::CardFile;
using quillbox::CardFormat;
using quillbox::bench::sampleCardBytes;
using quillbox::bench::SampleCardDir;
using quillbox::bench::TempDir;

/// The sample's cards in the order the card file keeps them.
const std::vector<std::string>& sampleCards()
{
    static const std::vector<std::string> texts = [] {
        auto box = std::make_unique<CardCollection>();
        quillbox::parseCardRecords(sampleCardBytes(), *box);
        return quillbox::allCardTexts(*box, {});
    }();
    return texts;
}

const std::string& sampleVCards()
{
    static const std::string bytes = quillbox::exportCards(sampleCards(), CardFormat::VCard);
    return bytes;
}

/// The whole command: read quillbox.db, convert, give the bytes.
void BM_ExportCardFile(benchmark::State& state)
{
    const SampleCardDir dir;
    if (!dir.readyFor(state))
        return;
    const auto format = static_cast<CardFormat>(state.range(0));
    CardFile file(dir.path());
    for (auto _ : state) {
        const quillbox::TransferResult result = quillbox::exportCardFile(file, format);
        benchmark::DoNotOptimize(result.text.data());
    }
    state.SetLabel(format == CardFormat::VCard ? "vcard" : format == CardFormat::Csv ? "csv" : "text");
}
BENCHMARK(BM_ExportCardFile)
    ->Arg(static_cast<int>(CardFormat::VCard))
    ->Arg(static_cast<int>(CardFormat::Csv))
    ->Arg(static_cast<int>(CardFormat::Text))
    ->Unit(benchmark::kMillisecond);

/// Reading 2000 vCards and filing them into an empty box, without the save.
void BM_ImportVCards(benchmark::State& state)
{
    const std::string& vcards = sampleVCards();
    for (auto _ : state) {
        const quillbox::ImportParse parse = quillbox::parseImport(vcards, CardFormat::VCard);
        auto box = std::make_unique<quillbox::CardBox>();
        const quillbox::ImportCounts counts = quillbox::addImportedCards(*box, parse.texts);
        benchmark::DoNotOptimize(counts.added);
    }
}
BENCHMARK(BM_ImportVCards)->Unit(benchmark::kMillisecond);

/// The whole command into a directory with no card file: parse, file, and
/// the crash-safe save with its flush to disk.
void BM_ImportVCardsAndSave(benchmark::State& state)
{
    const TempDir dir;
    if (!dir.readyFor(state))
        return;
    const std::string& vcards = sampleVCards();
    const std::string cardFile = dir.path() + "/" + quillbox::CardFileName;
    for (auto _ : state) {
        state.PauseTiming();
        std::remove(cardFile.c_str());
        CardFile file(dir.path());
        state.ResumeTiming();
        const quillbox::TransferResult result = quillbox::importIntoCardFile(file, CardFormat::VCard, vcards);
        if (!result.ok || result.cards != 2000) {
            state.SkipWithError(result.text.c_str());
            return;
        }
    }
}
BENCHMARK(BM_ImportVCardsAndSave)->Unit(benchmark::kMillisecond);

} // namespace
