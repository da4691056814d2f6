// Loading and saving the card file, and filing cards in sorted order.
// Targets: loading plus saving 2000 cards under 3 ms together; filing 2000
// cards by binary search at least ten times faster than a linear scan.
#include "core/card_file.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using quillbox::CardCollection;
using quillbox::CardFile;

/// 2000 cards of 3 to 8 lines, the same on every run.
std::string generatedCards()
{
    static const char* const Given[] = {"Anna", "Bruno", "Chlo\xE9", "Dietrich", "\xC9mile", "Fran\xE7oise",
        "G\xFCnter", "Hannah", "Ines", "J\xF6rg", "Karin", "Lars"};
    static const char* const Family[] = {"Adams", "M\xFCller", "Smith", "O'Brien", "Nu\xF1\x65z", "Vogel",
        "\xC5str\xF6m", "Klein", "Fox", "Baker", "Young", "Zander"};
    static const char* const Streets[]
        = {"Main St", "Church Rd", "Hauptstra\xDF\x65", "Rue de l'\xC9glise", "Mill Lane", "Station Rd"};
    static const char* const Towns[] = {"Springfield", "M\xFCnchen", "Riverton", "Fairview", "Z\xFCrich"};
    static const char* const Notes[] = {"Prefers letters to calls", "Met at the conference & dinner",
        "Birthday: 20.9.", "Smith & Sons Ltd", "Tel. (630) 311-8824"};
    std::mt19937 rng(1994);
    auto pick = [&rng](const auto& list) { return list[rng() % std::size(list)]; };
    CardCollection box;
    std::string bytes;
    for (int i = 0; i < quillbox::MaxCards; ++i) {
        std::string text = std::string(pick(Family)) + ", " + pick(Given) + "\r\n";
        text += std::to_string(rng() % 999 + 1) + ' ' + pick(Streets) + "\r\n";
        text += std::string(pick(Towns)) + ' ' + std::to_string(10000 + rng() % 89999) + "\r\n";
        for (int extra = static_cast<int>(rng() % 6); extra > 0; --extra)
            text += std::string(pick(Notes)) + "\r\n";
        box.CardTable[quillbox::StagingSlot] = std::move(text);
        box.InsertCard();
    }
    return quillbox::serialiseCardRecords(box, {});
}

/// The shared sample file when it is there, otherwise generated cards.
const std::string& sampleBytes()
{
    static const std::string bytes = [] {
        std::ifstream in(QUILLBOX_SAMPLE_CARDS, std::ios::binary);
        if (in)
            return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return generatedCards();
    }();
    return bytes;
}

/// The sample's card texts in file order, as loading files them.
const std::vector<std::string>& sampleTexts()
{
    static const std::vector<std::string> texts = [] {
        const std::string& bytes = sampleBytes();
        std::vector<std::string> out;
        std::size_t pos = 0;
        while (pos + 2 <= bytes.size()) {
            const auto length = static_cast<std::int16_t>(
                static_cast<unsigned char>(bytes[pos]) | static_cast<unsigned char>(bytes[pos + 1]) << 8);
            pos += 2;
            if (length <= 0)
                continue;
            const std::string_view field
                = std::string_view(bytes).substr(pos, static_cast<std::size_t>(length));
            out.emplace_back(field.substr(0, field.find('\0')));
            pos += static_cast<std::size_t>(length);
        }
        return out;
    }();
    return texts;
}

/// A card file in a fresh temporary directory, removed afterwards.
class BenchCardDir {
public:
    BenchCardDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillbox-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~BenchCardDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    BenchCardDir(const BenchCardDir&) = delete;
    BenchCardDir& operator=(const BenchCardDir&) = delete;

    bool ok() const { return !m_path.empty(); }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

void BM_ParseCardFile(benchmark::State& state)
{
    const std::string& bytes = sampleBytes();
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
    BenchCardDir dir;
    if (!dir.ok()) {
        state.SkipWithError("no temporary directory");
        return;
    }
    std::ofstream(dir.path() + "/quillbox.db", std::ios::binary) << sampleBytes();
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
    BenchCardDir dir;
    if (!dir.ok()) {
        state.SkipWithError("no temporary directory");
        return;
    }
    auto box = std::make_unique<CardCollection>();
    quillbox::parseCardRecords(sampleBytes(), *box);
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
    BenchCardDir dir;
    if (!dir.ok()) {
        state.SkipWithError("no temporary directory");
        return;
    }
    auto box = std::make_unique<CardCollection>();
    quillbox::parseCardRecords(sampleBytes(), *box);
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
    BenchCardDir dir;
    if (!dir.ok()) {
        state.SkipWithError("no temporary directory");
        return;
    }
    std::ofstream(dir.path() + "/quillbox.db", std::ios::binary) << sampleBytes();
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

// Filing the sample's 2000 cards one by one through InsertCard: a binary
// search for the slot, then the table's entries shifted up by a memory move,
// which the linear scan below shares.
void BM_FileCardsBinarySearch(benchmark::State& state)
{
    const auto texts = filingOrder(state);
    auto box = std::make_unique<CardCollection>();
    for (auto _ : state) {
        box->clear();
        for (const auto& t : texts) {
            box->CardTable[quillbox::StagingSlot] = t;
            box->InsertCard();
        }
        benchmark::DoNotOptimize(box->CardCount);
    }
}
BENCHMARK(BM_FileCardsBinarySearch)->ArgName("sorted")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The baseline: the same filing with the search done as a linear scan from
// card 1 up to the first card the text is not greater than.
void BM_FileCardsLinearScan(benchmark::State& state)
{
    const auto texts = filingOrder(state);
    auto box = std::make_unique<CardCollection>();
    for (auto _ : state) {
        box->clear();
        for (const auto& t : texts) {
            auto& table = box->CardTable;
            table[quillbox::StagingSlot] = t;
            int i = 1;
            while (
                i <= box->CardCount && quillbox::compareCardTexts(table[quillbox::StagingSlot].c_str(), table[i].c_str()) > 0)
                ++i;
            box->InsertCardAt(i);
        }
        benchmark::DoNotOptimize(box->CardCount);
    }
}
BENCHMARK(BM_FileCardsLinearScan)->ArgName("sorted")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
