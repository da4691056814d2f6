// SPDX-License-Identifier: GPL-3.0-or-later
// The settings writes that every resize of the main window runs, and the
// read at start. Target: the fourteen writes of writeinifile under 2 ms.
#include "bench_support.h"
#include "core/settings.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using quillbox::CardFont;
using quillbox::SettingsFile;
using quillbox::WindowPlacement;
using quillbox::bench::TempDir;

const WindowPlacement DesignPlacement {200, 300, 338, 465};

/// Writes the file in `dir` as it stands after a first run plus a return
/// address; when that fails, marks `state` skipped and returns false.
bool prepare(const TempDir& dir, const SettingsFile& file, benchmark::State& state)
{
    if (dir.ok() && file.writeinifile(DesignPlacement, quillbox::designCardFont(96), 1).ok
        && file.writeReturnAddress({"Ann Lee", "1 Main Street", "Springfield", "12345"}).ok)
        return true;
    state.SkipWithError("cannot prepare the settings file");
    return false;
}

// A resize drag: Height and Width change on every call, the rest stays.
void BM_WriteinifileOnResize(benchmark::State& state)
{
    const TempDir dir;
    const SettingsFile file(dir.path());
    if (!prepare(dir, file, state))
        return;
    const CardFont font = quillbox::designCardFont(96);
    WindowPlacement placement = DesignPlacement;
    int step = 0;
    for (auto _ : state) {
        placement.height = DesignPlacement.height + step % 50;
        placement.width = DesignPlacement.width + step % 50;
        ++step;
        if (!file.writeinifile(placement, font, 7).ok) {
            state.SkipWithError("write failed");
            break;
        }
    }
}
BENCHMARK(BM_WriteinifileOnResize)->Unit(benchmark::kMicrosecond);

// Worst case: every one of the fourteen keys changes, so each write
// replaces the file.
void BM_WriteinifileEveryKeyChanges(benchmark::State& state)
{
    const TempDir dir;
    const SettingsFile file(dir.path());
    if (!prepare(dir, file, state))
        return;
    CardFont other = quillbox::designCardFont(96);
    other.name = "Liberation Serif";
    other.size = 12;
    other.height = -16;
    other.color = 0x00800000;
    other.pitch = quillbox::FontPitch::Variable;
    other.bold = other.italic = other.underline = other.strikeout = true;
    const CardFont fonts[2] = {quillbox::designCardFont(96), other};
    const WindowPlacement placements[2] = {DesignPlacement, {10, 20, 400, 500}};
    int step = 0;
    for (auto _ : state) {
        const int i = step++ % 2;
        if (!file.writeinifile(placements[i], fonts[i], i + 1).ok) {
            state.SkipWithError("write failed");
            break;
        }
    }
}
BENCHMARK(BM_WriteinifileEveryKeyChanges)->Unit(benchmark::kMicrosecond);

void BM_SettingsRead(benchmark::State& state)
{
    const TempDir dir;
    const SettingsFile file(dir.path());
    if (!prepare(dir, file, state))
        return;
    const CardFont font = quillbox::designCardFont(96);
    for (auto _ : state)
        benchmark::DoNotOptimize(file.read(DesignPlacement, font));
}
BENCHMARK(BM_SettingsRead)->Unit(benchmark::kMicrosecond);

} // namespace
