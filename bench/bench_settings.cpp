// The settings writes that every resize of the main window runs, and the
// read at start. Target: the fourteen writes of writeinifile under 2 ms.
#include "core/settings.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using quillbox::CardFont;
using quillbox::SettingsFile;
using quillbox::WindowPlacement;

/// A settings file in a fresh temporary directory, removed afterwards.
class BenchSettingsDir {
public:
    BenchSettingsDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillbox-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~BenchSettingsDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    BenchSettingsDir(const BenchSettingsDir&) = delete;
    BenchSettingsDir& operator=(const BenchSettingsDir&) = delete;

    bool ok() const { return !m_path.empty(); }
    SettingsFile file() const { return SettingsFile(m_path); }

private:
    std::string m_path;
};

const WindowPlacement DesignPlacement {200, 300, 338, 465};

/// The file as it stands after a first run plus a return address.
bool prepare(const SettingsFile& file)
{
    return file.writeinifile(DesignPlacement, quillbox::designCardFont(96), 1).ok
        && file.writeReturnAddress({"Ann Lee", "1 Main Street", "Springfield", "12345"}).ok;
}

// A resize drag: Height and Width change on every call, the rest stays.
void BM_WriteinifileOnResize(benchmark::State& state)
{
    BenchSettingsDir dir;
    const SettingsFile file = dir.file();
    if (!dir.ok() || !prepare(file)) {
        state.SkipWithError("cannot prepare the settings file");
        return;
    }
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
    BenchSettingsDir dir;
    const SettingsFile file = dir.file();
    if (!dir.ok() || !prepare(file)) {
        state.SkipWithError("cannot prepare the settings file");
        return;
    }
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
    BenchSettingsDir dir;
    const SettingsFile file = dir.file();
    if (!dir.ok() || !prepare(file)) {
        state.SkipWithError("cannot prepare the settings file");
        return;
    }
    const CardFont font = quillbox::designCardFont(96);
    for (auto _ : state)
        benchmark::DoNotOptimize(file.read(DesignPlacement, font));
}
BENCHMARK(BM_SettingsRead)->Unit(benchmark::kMicrosecond);

} // namespace
