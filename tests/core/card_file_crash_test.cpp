// SPDX-License-Identifier: GPL-3.0-or-later
// Kills a process in the middle of saving 2000 cards, many times over, and
// checks that the card file it leaves is always one complete save or the
// other, the backup a complete earlier one, and that the next start leaves
// no temporary file behind.
#include "core/card_file.h"
#include "core/posix_file.h"
#include "core_test_util.h"
#include "support/temp_dir.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace quillbox;
namespace fs = std::filesystem;
using quillbox::test::cardsOf;

namespace {

constexpr int Kills = 220;

struct Loaded {
    CardFileLoad load;
    std::vector<std::string> cards;
};

Loaded loadFrom(const std::string& directory)
{
    auto box = std::make_unique<CardCollection>();
    CardFile file(directory);
    Loaded result;
    result.load = file.LoadCardFile(*box);
    result.cards = cardsOf(*box);
    return result;
}

/// Starts the child; with `ready` it also waits for the child's first byte.
pid_t startChild(const char* mode, const std::string& directory, bool ready)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ::execl(
            QUILLBOX_SAVE_CHILD, QUILLBOX_SAVE_CHILD, mode, directory.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    if (pid > 0 && ready) {
        char byte = 0;
        ssize_t n;
        do
            n = ::read(pipeFds[0], &byte, 1);
        while (n < 0 && errno == EINTR);
    }
    ::close(pipeFds[0]);
    return pid;
}

TEST(CardFileCrash, KilledSaveLeavesOneCompleteFile)
{
    test::TempDir dir;
    const pid_t prep = startChild("prepare", dir.str(), false);
    ASSERT_GT(prep, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(prep, &status, 0), prep);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "prepare failed";

    const Loaded setA = loadFrom((dir.path() / "a").string());
    const Loaded setB = loadFrom((dir.path() / "b").string());
    ASSERT_EQ(setA.cards.size(), 2000u);
    ASSERT_EQ(setB.cards.size(), 1950u);
    ASSERT_NE(setA.cards, setB.cards);
    fs::copy_file(dir.path() / "a" / CardFileName, dir.file(CardFileName));

    // One save's duration sets the range of kill instants, so that they fall
    // before, inside and after saves alike.
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < 4; ++i) {
        auto box = std::make_unique<CardCollection>();
        CardFile((dir.path() / "a").string()).LoadCardFile(*box);
        ASSERT_TRUE(CardFile((dir.path() / "a").string()).SaveCardFile(*box).ok);
    }
    const auto oneSave = std::max<std::chrono::microseconds>(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started) / 4,
        std::chrono::microseconds(200));
    std::mt19937 rng(std::random_device {}());
    std::uniform_int_distribution<long> delay(0, oneSave.count() * 5 / 2);

    int sawA = 0;
    int sawB = 0;
    int leftBehind = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        const pid_t pid = startChild("loop", dir.str(), true);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(rng)));
        ::kill(pid, SIGKILL);
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped on its own, status " << status;

        // What the kill left: temporary files of the save it cut short.
        for (const auto& e : fs::directory_iterator(dir.path()))
            leftBehind += posix::isTemporaryName(e.path().filename().string()) ? 1 : 0;

        // The next start: loading removes them, whichever step they were at.
        const Loaded now = loadFrom(dir.str());
        for (const auto& e : fs::directory_iterator(dir.path())) {
            const std::string name = e.path().filename().string();
            ASSERT_TRUE(name == CardFileName || name == BackupFileName || name == "a" || name == "b")
                << "kill " << kill << ": " << name << " survived the next start";
        }
        ASSERT_TRUE(now.load.present) << "kill " << kill << ": " << now.load.error;
        ASSERT_FALSE(now.load.damagedEnd) << "kill " << kill;
        ASSERT_EQ(now.load.heldBack, 0) << "kill " << kill;
        if (now.cards == setA.cards)
            ++sawA;
        else if (now.cards == setB.cards)
            ++sawB;
        else
            FAIL() << "kill " << kill << ": the card file holds " << now.cards.size()
                   << " cards of neither set";

        // The backup, when there is one, is never half a file either.
        if (dir.exists(BackupFileName)) {
            auto box = std::make_unique<CardCollection>();
            const CardFileParse bak = parseCardRecords(dir.read(BackupFileName), *box);
            const auto cards = cardsOf(*box);
            ASSERT_FALSE(bak.damagedEnd) << "kill " << kill;
            ASSERT_TRUE(cards == setA.cards || cards == setB.cards) << "kill " << kill;
        }
    }
    // Both outcomes occur, or the kills did not land inside the saves.
    EXPECT_GT(sawA, 0);
    EXPECT_GT(sawB, 0);
    RecordProperty("FileWasA", sawA);
    RecordProperty("FileWasB", sawB);
    std::printf("one save %ld us; after %d kills the file was set A %d times, set B %d times; "
                "the kills left %d temporary files, all removed at the next start\n",
        static_cast<long>(oneSave.count()), Kills, sawA, sawB, leftBehind);
}

} // namespace
