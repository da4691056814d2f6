// The card list and the search window with 2000 cards: opening the list
// (Cards, List) and a Find First that scans every card without a hit.
#include "Main.h"
#include "Program.h"
#include "Search.h"
#include "list.h"
#include "platform/message_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace quillbox;

/// Answers every box at once (the not-found warning, here).
class SilentBoxes final : public MessageBoxes {
public:
    MsgButton ask(const MessageRequest&) override { return MsgOK; }
    int choose(const ChoiceRequest& request) override { return request.escapeIndex; }
};

std::string records(const std::vector<std::string>& texts)
{
    std::string bytes;
    for (const std::string& t : texts) {
        const auto n = static_cast<unsigned>(t.size() + 1);
        bytes += static_cast<char>(n & 0xFF);
        bytes += static_cast<char>(n >> 8);
        bytes += t;
        bytes += '\0';
    }
    return bytes;
}

/// 2000 address cards when the sample file is not there.
std::string cardBytes()
{
#ifdef QUILLBOX_SAMPLE_CARDS
    if (std::ifstream in(QUILLBOX_SAMPLE_CARDS, std::ios::binary); in)
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
#endif
    static const char* const names[]
        = {"Adams", "Baker", "Carter", "Dunn", "Evans", "Fox", "Garcia", "Hughes"};
    std::mt19937 rng(2000);
    std::vector<std::string> cards;
    for (int i = 0; i < MaxCards; ++i) {
        cards.push_back(std::string(names[rng() % std::size(names)]) + ", Card " + std::to_string(i) + "\r\n"
            + std::to_string(1 + rng() % 400) + " Mill Lane\r\nSpringfield\r\nTel. 555-"
            + std::to_string(1000 + rng() % 9000) + "\r\n");
    }
    return records(cards);
}

/// A program on a directory holding 2000 cards, removed at the end.
class BenchProgram {
public:
    BenchProgram()
    {
        m_dir = std::filesystem::temp_directory_path()
            / ("quillbox-bench-dialogs-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
        std::ofstream(m_dir / "quillbox.db", std::ios::binary) << cardBytes();
        std::ofstream(m_dir / "quillbox.ini", std::ios::binary)
            << "[Position]\r\nTop=100\r\nLeft=100\r\nHeight=338\r\nWidth=465\r\n[Params]\r\nLastCard="
               "1000\r\n";
        Services services;
        services.messages = &m_boxes;
        m_program = std::make_unique<Program>(m_dir.string(), services);
        m_program->showMainWindow();
        QApplication::processEvents();
    }
    ~BenchProgram()
    {
        m_program.reset();
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    AppContext& app() { return m_program->app(); }

private:
    std::filesystem::path m_dir;
    SilentBoxes m_boxes;
    std::unique_ptr<Program> m_program;
};

void BM_CardList_Open2000(benchmark::State& state)
{
    BenchProgram program;
    AppContext& app = program.app();
    for (auto _ : state) {
        app.Form1->List1Click();
        QApplication::processEvents();
        state.PauseTiming();
        if (app.Form2->ListBox1->count() != app.Form1->Cards.CardCount)
            state.SkipWithError("the list was not filled");
        app.Form2->hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["cards"] = app.Form1->Cards.CardCount;
}
BENCHMARK(BM_CardList_Open2000)->Unit(benchmark::kMillisecond);

void BM_Search_FindFirstNoMatch2000(benchmark::State& state)
{
    BenchProgram program;
    AppContext& app = program.app();
    app.Form4->Edit1->setText(QStringLiteral("no card holds this text"));
    const int shown = app.Form1->Cards.CurrentCard;
    for (auto _ : state)
        app.Form4->BitBtn1Click();
    if (app.Form1->Cards.CurrentCard != shown)
        state.SkipWithError("a card was found");
    state.counters["cards"] = app.Form1->Cards.CardCount;
}
BENCHMARK(BM_Search_FindFirstNoMatch2000)->Unit(benchmark::kMicrosecond);

} // namespace
