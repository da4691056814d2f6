// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_support.h"

#include "core/card_file.h"
#include "platform/message_box.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>

namespace quillbox::bench {

namespace {

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
    // The table is large; keep it off the stack.
    auto box = std::make_unique<CardCollection>();
    for (int i = 0; i < MaxCards; ++i) {
        std::string text = std::string(pick(Family)) + ", " + pick(Given) + "\r\n";
        text += std::to_string(rng() % 999 + 1) + ' ' + pick(Streets) + "\r\n";
        text += std::string(pick(Towns)) + ' ' + std::to_string(10000 + rng() % 89999) + "\r\n";
        for (int extra = static_cast<int>(rng() % 6); extra > 0; --extra)
            text += std::string(pick(Notes)) + "\r\n";
        box->CardTable[StagingSlot] = std::move(text);
        box->InsertCard();
    }
    return serialiseCardRecords(*box, {});
}

class SilentBoxes final : public MessageBoxes {
public:
    MsgButton ask(const MessageRequest&) override { return MsgOK; }
    int choose(const ChoiceRequest& request) override { return request.escapeIndex; }
};

} // namespace

const std::string& sampleCardBytes()
{
    static const std::string bytes = [] {
#ifdef QUILLBOX_SAMPLE_CARDS
        if (std::ifstream in(QUILLBOX_SAMPLE_CARDS, std::ios::binary); in)
            return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
#endif
        return generatedCards();
    }();
    return bytes;
}

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "quillbox-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()))
        m_path = pattern;
}

TempDir::~TempDir()
{
    if (m_path.empty())
        return;
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

bool TempDir::readyFor(benchmark::State& state) const
{
    if (!ok())
        state.SkipWithError("no temporary directory");
    return ok();
}

void TempDir::write(const char* name, std::string_view bytes) const
{
    // Without a directory the name alone would land in the working directory.
    if (m_path.empty())
        return;
    std::ofstream(std::filesystem::path(m_path) / name, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

SampleCardDir::SampleCardDir()
{
    write("quillbox.db", sampleCardBytes());
    write("quillbox.ini",
        "[Position]\r\nTop=100\r\nLeft=100\r\nHeight=338\r\nWidth=465\r\n[Params]\r\nLastCard=1000\r\n");
}

Services silentServices()
{
    static SilentBoxes boxes;
    Services services;
    services.messages = &boxes;
    return services;
}

} // namespace quillbox::bench
