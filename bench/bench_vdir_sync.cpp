// SPDX-License-Identifier: GPL-3.0-or-later
// Sync with a vdir, without a server. Targets: 2000 cards with nothing
// changed under 100 ms; a first sync of 2000 cards into an empty vdir
// under 1 s.
#include "bench_support.h"
#include "core/card_file.h"
#include "core/posix_file.h"
#include "core/sync_state.h"
#include "core/vdir_sync.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

using quillbox::CardFile;
using quillbox::bench::SampleCardDir;

void removeVdir(const SampleCardDir& dir, const std::string& vdir)
{
    std::error_code ignored;
    std::filesystem::remove_all(vdir, ignored);
    std::filesystem::remove(quillbox::posix::joinPath(dir.path(), quillbox::sync::StateFileName), ignored);
}

/// The first sync: 2000 .vcf files written, flushed, renamed, and the state
/// file.
void BM_SyncFirst2000IntoEmptyVdir(benchmark::State& state)
{
    const SampleCardDir dir;
    if (!dir.readyFor(state))
        return;
    CardFile file(dir.path());
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // A new directory each time: files deleted just before would make
        // the file system's search for free inodes the thing measured.
        const std::string vdir = quillbox::posix::joinPath(dir.path(), "contacts-" + std::to_string(++round));
        removeVdir(dir, vdir);
        state.ResumeTiming();
        const quillbox::sync::SyncResult result = quillbox::sync::syncWithVdir(file, vdir);
        if (!result.ok || result.counts.sentNew != 2000)
            state.SkipWithError(result.error.c_str());
    }
}
BENCHMARK(BM_SyncFirst2000IntoEmptyVdir)->Unit(benchmark::kMillisecond)->Iterations(5);

/// A sync that finds nothing to do: the state file and the card file read,
/// 2000 files listed and compared by their stamps.
void BM_SyncNothingChanged2000(benchmark::State& state)
{
    const SampleCardDir dir;
    if (!dir.readyFor(state))
        return;
    const std::string vdir = quillbox::posix::joinPath(dir.path(), "contacts");
    CardFile file(dir.path());
    if (!quillbox::sync::syncWithVdir(file, vdir).ok) {
        state.SkipWithError("the first sync failed");
        return;
    }
    for (auto _ : state) {
        const quillbox::sync::SyncResult result = quillbox::sync::syncWithVdir(file, vdir);
        if (!result.ok || !(result.counts == quillbox::sync::SyncCounts {}))
            state.SkipWithError("the sync found work to do");
    }
}
BENCHMARK(BM_SyncNothingChanged2000)->Unit(benchmark::kMillisecond);

} // namespace
