// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/card_file.h"
#include "core_test_util.h"
#include "support/temp_dir.h"
#include "unprivileged.h"

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace quillbox;
namespace fs = std::filesystem;
using quillbox::test::cardsOf;
using quillbox::test::makeBox;

namespace {

std::string length(int n)
{
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(n));
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

/// A record as the program writes it.
std::string record(std::string_view text)
{
    return length(static_cast<int>(text.size()) + 1) + std::string(text) + '\0';
}

// ---- Parsing bytes -------------------------------------------------------

struct ParseCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> cards; // in collection order
    bool damagedEnd;
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.name;
}

class ParseRecords : public ::testing::TestWithParam<ParseCase> { };

TEST_P(ParseRecords, FilesWhatTheBytesHold)
{
    const auto& c = GetParam();
    auto box = makeBox();
    const CardFileParse parsed = parseCardRecords(c.bytes, *box);
    EXPECT_EQ(cardsOf(*box), c.cards);
    EXPECT_EQ(parsed.damagedEnd, c.damagedEnd);
    EXPECT_EQ(parsed.heldBack, 0);
    EXPECT_TRUE(parsed.heldBackRecords.empty());
    EXPECT_FALSE(box->CardsChanged);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseRecords,
    ::testing::Values(ParseCase {"EmptyFileHasNoCards", "", {}, false},
        ParseCase {"UnsortedLoadsSorted", record("Cole\r\n") + record("adams\r\n") + record("Baker\r\n"),
            {"adams\r\n", "Baker\r\n", "Cole\r\n"}, false},
        // Each loaded card is filed before the equal ones already loaded.
        ParseCase {"EqualTextsComeBackReversed", record("Smith\r\n") + record("smith\r\n"),
            {"smith\r\n", "Smith\r\n"}, false},
        ParseCase {"ZeroLengthSkipped", length(0) + record("A\r\n") + length(0) + record("B\r\n"),
            {"A\r\n", "B\r\n"}, false},
        // The two bytes after a skipped length are the next length.
        ParseCase {"NegativeLengthsSkipped", length(-1) + length(-32768) + record("A\r\n") + length(-2),
            {"A\r\n"}, false},
        ParseCase {"EmptyTextIsAnEmptyCard", record("") + record("A\r\n"), {"", "A\r\n"}, false},
        ParseCase {"NulBeforeLastByteTruncates", length(8) + std::string("Ann\0Bob\0", 8) + record("Cy"),
            {"Ann", "Cy"}, false},
        ParseCase {"LastByteNotNul", length(3) + "Ann" + record("Bo"), {"Ann", "Bo"}, false},
        ParseCase {"LoneLengthByteIsDamageOnly", record("A\r\n") + "\x05", {"A\r\n"}, true},
        ParseCase {"ShortTextBecomesACard", record("A\r\n") + length(20) + "Bak", {"A\r\n", "Bak"}, true},
        ParseCase {"ShortTextUpToItsNul", length(20) + std::string("Ba\0k", 4), {"Ba"}, true},
        ParseCase {"LengthWithNoTextIsDamageOnly", record("A\r\n") + length(4), {"A\r\n"}, true},
        ParseCase {"HighBytesKept", record("\xC4rger & S\xF6hne\r\n"), {"\xC4rger & S\xF6hne\r\n"}, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ParseRecords, SameTableAsFilingEachRecordInFileOrder)
{
    // Many equal texts (ASCII case apart) and prefixes, in random file order.
    const std::vector<std::string> pool {"smith\r\n", "Smith\r\n", "SMITH\r\n", "Smith, J\r\n", "Adams\r\n",
        "adams\r\n", "", "_Zoe\r\n", "\xC4rger\r\n", "Smith"};
    std::mt19937 rng(42);
    for (int round = 0; round < 50; ++round) {
        std::string bytes;
        auto reference = makeBox();
        const int count = static_cast<int>(rng() % 40) + 1;
        for (int i = 0; i < count; ++i) {
            const std::string& text = pool[rng() % pool.size()];
            bytes += record(text);
            reference->CardTable[StagingSlot] = text;
            reference->InsertCard();
        }
        auto box = makeBox();
        parseCardRecords(bytes, *box);
        ASSERT_EQ(cardsOf(*box), cardsOf(*reference)) << "round " << round;
        ASSERT_EQ(box->CurrentCard, reference->CurrentCard) << "round " << round;
    }
}

TEST(SerialiseRecords, ThreeCardsAsThreeRecords)
{
    auto box = makeBox({"A\r\n", "Bb\r\n", "Ccc\r\n"});
    const std::string bytes = serialiseCardRecords(*box, {});
    const std::string expected = std::string("\x04\x00"
                                             "A\r\n\0",
                                     6)
        + std::string("\x05\x00"
                      "Bb\r\n\0",
            7)
        + std::string("\x06\x00"
                      "Ccc\r\n\0",
            8);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes[5], '\0') << "the byte before the second record is the first text's NUL";
}

TEST(SerialiseRecords, LongTextLengthIsLittleEndian)
{
    auto box = makeBox({std::string(300, 'x')});
    const std::string bytes = serialiseCardRecords(*box, {});
    ASSERT_EQ(bytes.size(), 303u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 301 & 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 301 >> 8);
}

TEST(SerialiseRecords, TruncatedTextWritesOnlyWhatIsLeft)
{
    auto box = makeBox();
    parseCardRecords(length(8) + std::string("Ann\0Bob\0", 8), *box);
    EXPECT_EQ(serialiseCardRecords(*box, {}), record("Ann"));
}

TEST(ParseRecords, MoreThanMaxCardsAreHeldBackByteForByte)
{
    std::string cards;
    for (int i = MaxCards; i >= 1; --i) // reverse order: the box sorts them
        cards += record("Card " + std::to_string(10000 + i) + "\r\n");
    // Zero-length records before the tail carry nothing and may go.
    const std::string tail = record("Extra 2\r\n") + length(0) + record("Extra 1\r\n") + length(-7);
    auto box = makeBox();
    const CardFileParse parsed = parseCardRecords(cards + length(0) + tail, *box);
    EXPECT_EQ(box->CardCount, MaxCards);
    EXPECT_EQ(box->card(1), "Card 10001\r\n");
    EXPECT_EQ(parsed.heldBack, 2);
    EXPECT_EQ(parsed.heldBackRecords, tail);
    EXPECT_FALSE(parsed.damagedEnd);

    // A save writes the sorted cards, then the tail as it was.
    const std::string saved = serialiseCardRecords(*box, parsed.heldBackRecords);
    ASSERT_GT(saved.size(), tail.size());
    EXPECT_EQ(saved.substr(saved.size() - tail.size()), tail);
    const std::string first = record("Card 10001\r\n");
    EXPECT_EQ(saved.substr(0, first.size()), first);
}

TEST(ParseRecords, DamagedTailBeyondMaxCardsIsHeldBackAndReported)
{
    std::string bytes;
    for (int i = 0; i < MaxCards; ++i)
        bytes += record("C" + std::to_string(i));
    const std::string tail = record("More") + length(9) + "cut";
    auto box = makeBox();
    const CardFileParse parsed = parseCardRecords(bytes + tail, *box);
    EXPECT_EQ(box->CardCount, MaxCards);
    EXPECT_EQ(parsed.heldBack, 2);
    EXPECT_EQ(parsed.heldBackRecords, tail);
    EXPECT_TRUE(parsed.damagedEnd);
}

// ---- The file on disk ----------------------------------------------------

class CardFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    CardFile file {dir.str()};

    std::vector<std::string> load()
    {
        auto box = makeBox();
        CardFile reader(dir.str());
        const CardFileLoad loaded = reader.LoadCardFile(*box);
        EXPECT_TRUE(loaded.present) << loaded.error;
        return cardsOf(*box);
    }

    /// Names in the directory other than the card file and its backup.
    std::vector<std::string> strayFiles() const
    {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir.path())) {
            const std::string name = e.path().filename().string();
            if (name != CardFileName && name != BackupFileName)
                out.push_back(name);
        }
        return out;
    }
};

TEST_F(CardFileTest, MissingFileIsNotPresentWithoutError)
{
    auto box = makeBox({"Stale\r\n"});
    const CardFileLoad loaded = file.LoadCardFile(*box);
    EXPECT_FALSE(loaded.present);
    EXPECT_EQ(loaded.error, "");
    EXPECT_EQ(box->CardCount, 0);
}

TEST_F(CardFileTest, EmptyFileIsPresentWithNoCards)
{
    dir.write(CardFileName, "");
    auto box = makeBox();
    const CardFileLoad loaded = file.LoadCardFile(*box);
    EXPECT_TRUE(loaded.present);
    EXPECT_EQ(loaded.error, "");
    EXPECT_EQ(box->CardCount, 0);
}

TEST_F(CardFileTest, DirectoryInPlaceOfTheFileIsUnreadable)
{
    fs::create_directory(dir.file(CardFileName));
    auto box = makeBox();
    const CardFileLoad loaded = file.LoadCardFile(*box);
    EXPECT_FALSE(loaded.present);
    EXPECT_NE(loaded.error.find("Is a directory"), std::string::npos) << loaded.error;
    EXPECT_EQ(box->CardCount, 0);
}

TEST_F(CardFileTest, FileWithoutReadPermissionIsUnreadable)
{
    dir.write(CardFileName, record("A\r\n"));
    fs::permissions(dir.file(CardFileName), fs::perms::none);
    const auto run = test::asUnprivileged(dir.path(), [this] {
        test::Findings found;
        auto box = makeBox();
        const CardFileLoad loaded = file.LoadCardFile(*box);
        found.expect(!loaded.present, "the file loaded");
        found.expect(loaded.error.find("Permission denied") != std::string::npos, "error: " + loaded.error);
        return found.text();
    });
    if (!run.skipped.empty())
        GTEST_SKIP() << run.skipped;
    EXPECT_EQ(run.failure, "");
}

TEST_F(CardFileTest, LoadReportsDamageAndKeepsWhatIsThere)
{
    dir.write(CardFileName, record("B\r\n") + length(30) + "Adams\r\n12 Hi");
    auto box = makeBox();
    const CardFileLoad loaded = file.LoadCardFile(*box);
    EXPECT_TRUE(loaded.present);
    EXPECT_TRUE(loaded.damagedEnd);
    EXPECT_EQ(cardsOf(*box), (std::vector<std::string> {"Adams\r\n12 Hi", "B\r\n"}));
    EXPECT_FALSE(box->CardsChanged);
}

TEST_F(CardFileTest, SaveWritesTheExactRecords)
{
    auto box = makeBox({"C\r\n", "A\r\n", "B\r\n"});
    const CardFileSave saved = file.SaveCardFile(*box);
    ASSERT_TRUE(saved.ok) << saved.error;
    EXPECT_EQ(dir.read(CardFileName), record("A\r\n") + record("B\r\n") + record("C\r\n"));
    EXPECT_FALSE(dir.exists(BackupFileName)) << "no previous file, so no backup";
    EXPECT_TRUE(strayFiles().empty());
}

TEST_F(CardFileTest, RoundTripKeepsEveryCard)
{
    const std::vector<std::string> texts {"Smith\r\n1 Main St\r\nSpringfield\r\n", "", "\xC4rger & Co\r\n",
        "Smith, John\r\n", "_Zoe\r\n", std::string(498, 'q')};
    auto box = makeBox(texts);
    ASSERT_TRUE(file.SaveCardFile(*box).ok);
    EXPECT_EQ(load(), cardsOf(*box));
}

TEST_F(CardFileTest, TwoSavesLeaveTheFirstInTheBackup)
{
    auto first = makeBox({"First\r\n"});
    auto second = makeBox({"Second\r\n", "Third\r\n"});
    ASSERT_TRUE(file.SaveCardFile(*first).ok);
    const std::string firstBytes = dir.read(CardFileName);
    ASSERT_TRUE(file.SaveCardFile(*second).ok);
    EXPECT_EQ(dir.read(BackupFileName), firstBytes);
    EXPECT_EQ(dir.read(CardFileName), record("Second\r\n") + record("Third\r\n"));
    EXPECT_TRUE(strayFiles().empty());

    // A third save moves the second to the backup in turn.
    ASSERT_TRUE(file.SaveCardFile(*first).ok);
    EXPECT_EQ(dir.read(BackupFileName), record("Second\r\n") + record("Third\r\n"));
    EXPECT_EQ(dir.read(CardFileName), firstBytes);
}

TEST_F(CardFileTest, BackupIsTheOldFileAsItWas)
{
    // A hand-made file is backed up byte for byte, not as we would write it.
    const std::string original = length(0) + record("Zed\r\n") + record("Al\r\n") + "\x01";
    dir.write(CardFileName, original);
    auto box = makeBox();
    file.LoadCardFile(*box);
    ASSERT_TRUE(file.SaveCardFile(*box).ok);
    EXPECT_EQ(dir.read(BackupFileName), original);
    EXPECT_EQ(dir.read(CardFileName), record("Al\r\n") + record("Zed\r\n"));
}

TEST_F(CardFileTest, BackupLinkedToTheCardFileIsReplaced)
{
    // A save interrupted between backing up and replacing leaves both names
    // on one file; the next save must still end with two distinct files.
    dir.write(CardFileName, record("Old\r\n"));
    fs::create_hard_link(dir.file(CardFileName), dir.file(BackupFileName));
    auto box = makeBox({"New\r\n"});
    ASSERT_TRUE(file.SaveCardFile(*box).ok);
    EXPECT_EQ(dir.read(BackupFileName), record("Old\r\n"));
    EXPECT_EQ(dir.read(CardFileName), record("New\r\n"));
    EXPECT_TRUE(strayFiles().empty());
}

TEST_F(CardFileTest, DeletingEveryCardRemovesTheFileAndKeepsTheBackup)
{
    dir.write(BackupFileName, "old backup");
    dir.write(CardFileName, record("A\r\n"));
    auto box = makeBox();
    ASSERT_TRUE(file.SaveCardFile(*box).ok);
    EXPECT_FALSE(dir.exists(CardFileName));
    EXPECT_EQ(dir.read(BackupFileName), "old backup");
    // Nothing there is nothing to delete.
    EXPECT_TRUE(file.SaveCardFile(*box).ok);

    auto again = makeBox();
    const CardFileLoad loaded = file.LoadCardFile(*again);
    EXPECT_FALSE(loaded.present);
    EXPECT_EQ(loaded.error, "");
}

TEST_F(CardFileTest, HeldBackRecordsAreWrittenBackAtEverySave)
{
    std::string bytes;
    for (int i = 0; i < MaxCards; ++i)
        bytes += record("Card " + std::to_string(10000 + i) + "\r\n");
    const std::string tail = record("Aaron\r\n") + record("Zelda\r\n");
    dir.write(CardFileName, bytes + tail);

    auto box = makeBox();
    const CardFileLoad loaded = file.LoadCardFile(*box);
    ASSERT_TRUE(loaded.present);
    EXPECT_EQ(loaded.heldBack, 2);
    EXPECT_EQ(file.heldBackTexts(), (std::vector<std::string> {"Aaron\r\n", "Zelda\r\n"}));

    box->RemoveCard(1);
    ASSERT_TRUE(file.SaveCardFile(*box).ok);
    const std::string once = dir.read(CardFileName);
    EXPECT_EQ(once.substr(once.size() - tail.size()), tail);
    ASSERT_TRUE(file.SaveCardFile(*box).ok);
    EXPECT_EQ(dir.read(CardFileName), once);

    // Saved elsewhere, they go along.
    test::TempDir other;
    ASSERT_TRUE(file.SaveCardFileTo(*box, other.str()).ok);
    EXPECT_EQ(other.read(CardFileName), once);

    // Even an emptied box keeps them rather than deleting the file.
    auto empty = makeBox();
    ASSERT_TRUE(file.SaveCardFile(*empty).ok);
    EXPECT_EQ(dir.read(CardFileName), tail);
}

TEST_F(CardFileTest, NewFileGetsThePlainCreateMode)
{
    const mode_t mask = ::umask(022);
    auto box = makeBox({"A\r\n"});
    const CardFileSave saved = file.SaveCardFile(*box);
    ::umask(mask);
    ASSERT_TRUE(saved.ok);
    struct stat st { };
    ASSERT_EQ(::stat(dir.file(CardFileName).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

// ---- Failed saves ----------------------------------------------------------

class CardFileFailure : public CardFileTest {
protected:
    const std::string oldBytes = record("Old\r\n");
    std::unique_ptr<CardCollection> box = makeBox({"New\r\n"});

    void SetUp() override { dir.write(CardFileName, oldBytes); }

    void expectOldFileIntact(const CardFileSave& saved, std::string_view reason)
    {
        EXPECT_FALSE(saved.ok);
        EXPECT_NE(saved.error.find(reason), std::string::npos) << saved.error;
        EXPECT_EQ(dir.read(CardFileName), oldBytes);
        EXPECT_TRUE(strayFiles().empty()) << "a temporary file was left behind";
    }
};

TEST_F(CardFileFailure, UnwritableDirectory)
{
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    CardFileSave saved;
    const auto run = test::asUnprivileged(dir.path(), [this] {
        const CardFileSave inChild = file.SaveCardFile(*box);
        return inChild.ok ? std::string("the save succeeded") : inChild.error;
    });
    fs::permissions(dir.path(), fs::perms::owner_all);
    if (!run.skipped.empty())
        GTEST_SKIP() << run.skipped;
    saved = {false, run.failure, {}, {}, {}};
    expectOldFileIntact(saved, "Permission denied");
}

TEST_F(CardFileFailure, CardFileIsADirectory)
{
    fs::remove(dir.file(CardFileName));
    fs::create_directory(dir.file(CardFileName));
    fs::create_directory(dir.file(CardFileName) / "inside");
    const CardFileSave saved = file.SaveCardFile(*box);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find("Is a directory"), std::string::npos) << saved.error;
    EXPECT_TRUE(fs::is_directory(dir.file(CardFileName) / "inside"));
    EXPECT_TRUE(strayFiles().empty());
}

TEST_F(CardFileFailure, BackupNameIsTakenByADirectory)
{
    fs::create_directory(dir.file(BackupFileName));
    fs::create_directory(dir.file(BackupFileName) / "inside");
    const CardFileSave saved = file.SaveCardFile(*box);
    expectOldFileIntact(saved, "quillbox.bak");
    EXPECT_TRUE(fs::is_directory(dir.file(BackupFileName) / "inside"));
}

TEST_F(CardFileFailure, MissingDirectory)
{
    const CardFileSave saved = file.SaveCardFileTo(*box, (dir.path() / "gone").string());
    expectOldFileIntact(saved, "No such file or directory");
}

TEST_F(CardFileFailure, FullDisk)
{
    // A file-size limit makes write() fail as a full disk would; set it in a
    // child so it does not reach the other tests.
    std::vector<std::string> texts;
    for (int i = 0; i < 200; ++i)
        texts.push_back("Card " + std::to_string(i) + "\r\nA street\r\nA town\r\n");
    auto big = makeBox(texts);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit {1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const CardFileSave saved = file.SaveCardFile(*big);
        const bool reported = !saved.ok && saved.error.find("File too large") != std::string::npos;
        ::_exit(reported ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not report the failed write";
    EXPECT_EQ(dir.read(CardFileName), oldBytes);
    EXPECT_TRUE(strayFiles().empty());
}

TEST_F(CardFileFailure, DeleteRefusedIsReported)
{
    fs::remove(dir.file(CardFileName));
    fs::create_directory(dir.file(CardFileName));
    auto empty = makeBox();
    const CardFileSave saved = file.SaveCardFile(*empty);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find("quillbox.db"), std::string::npos) << saved.error;
}

// ---- Fuzzer seeds and findings -------------------------------------------

TEST(CardFileCorpus, EveryFileParsesSafelyAndRoundTrips)
{
    int files = 0;
    for (const auto& entry : fs::directory_iterator(QUILLBOX_FUZZ_CORPUS)) {
        if (!entry.is_regular_file())
            continue;
        ++files;
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        auto box = makeBox();
        const CardFileParse parsed = parseCardRecords(bytes, *box);
        ASSERT_LE(box->CardCount, MaxCards);
        for (int i = 1; i <= box->CardCount; ++i) {
            EXPECT_EQ(box->CardTable[i].view().find('\0'), std::string::npos);
            if (i > 1) {
                EXPECT_LE(compareCardTexts(box->CardTable[i - 1], box->CardTable[i]), 0);
            }
        }
        auto again = makeBox();
        const CardFileParse reparsed
            = parseCardRecords(serialiseCardRecords(*box, parsed.heldBackRecords), *again);
        EXPECT_EQ(again->CardCount, box->CardCount);
        EXPECT_EQ(reparsed.heldBackRecords, parsed.heldBackRecords);
    }
    EXPECT_GT(files, 0) << "no corpus at " << QUILLBOX_FUZZ_CORPUS;
}

} // namespace
