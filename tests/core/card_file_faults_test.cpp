// SPDX-License-Identifier: GPL-3.0-or-later
// Saves over files that could not be read, private files, links, failures
// at every step, and what interrupted saves leave behind.
#include "core/card_file.h"
#include "core/posix_file.h"
#include "core/profile_file.h"
#include "core_test_util.h"
#include "support/temp_dir.h"
#include "unprivileged.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace quillbox;
namespace fs = std::filesystem;
using quillbox::test::cardsOf;
using quillbox::test::FaultGuard;
using quillbox::test::makeBox;

namespace {

std::string record(std::string_view text)
{
    const auto n = static_cast<std::uint16_t>(text.size() + 1);
    return std::string {static_cast<char>(n & 0xFF), static_cast<char>(n >> 8)} + std::string(text) + '\0';
}

class CardFileFaults : public ::testing::Test {
protected:
    test::TempDir dir;
    CardFile file {dir.str()};
    std::unique_ptr<CardCollection> box = makeBox();

    /// Names in the directory other than those given.
    std::vector<std::string> namesBesides(
        std::vector<std::string> known = {CardFileName, BackupFileName}) const
    {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir.path())) {
            const std::string name = e.path().filename().string();
            if (std::find(known.begin(), known.end(), name) == known.end())
                out.push_back(name);
        }
        return out;
    }
};

// ---- A card file that could not be read ----------------------------------

TEST_F(CardFileFaults, UnreadFileIsMovedAsideAndSurvivesEverySave)
{
    const std::string unread = record("Precious\r\n");
    dir.write(CardFileName, unread);
    dir.write(BackupFileName, record("Older\r\n"));
    {
        const FaultGuard failReads(
            [](posix::Operation op, const std::string&) { return op == posix::Operation::Read ? EIO : 0; });
        const CardFileLoad loaded = file.LoadCardFile(*box);
        ASSERT_FALSE(loaded.present);
        EXPECT_EQ(loaded.error, posix::describe(EIO));
    }
    box = makeBox({"First\r\n"});
    const CardFileSave first = file.SaveCardFile(*box);
    ASSERT_TRUE(first.ok) << first.error;
    ASSERT_FALSE(first.movedAside.empty());
    EXPECT_EQ(posix::directoryOf(first.movedAside), dir.str());
    EXPECT_TRUE(posix::fileNameOf(first.movedAside).starts_with("quillbox.db.unread-"));
    EXPECT_NE(saveNotice(first).find(first.movedAside), std::string::npos);
    EXPECT_EQ(dir.read(CardFileName), record("First\r\n"));
    EXPECT_EQ(dir.read(BackupFileName), record("Older\r\n")) << "the unread file must not become the backup";

    // Two more saves rotate the backup twice; the unread file stays.
    for (const char* text : {"Second\r\n", "Third\r\n"}) {
        box = makeBox({text});
        const CardFileSave later = file.SaveCardFile(*box);
        ASSERT_TRUE(later.ok) << later.error;
        EXPECT_EQ(later.movedAside, first.movedAside) << "every save's report names the kept file";
    }
    EXPECT_EQ(dir.read(posix::fileNameOf(first.movedAside)), unread);
    EXPECT_EQ(dir.read(BackupFileName), record("Second\r\n"));
}

TEST_F(CardFileFaults, UnreadFileIsNotDeletedWhenTheBoxEndsEmpty)
{
    dir.write(CardFileName, record("Precious\r\n"));
    {
        const FaultGuard failReads(
            [](posix::Operation op, const std::string&) { return op == posix::Operation::Read ? EIO : 0; });
        file.LoadCardFile(*box);
    }
    const CardFileSave saved = file.SaveCardFile(*box);
    EXPECT_TRUE(saved.ok) << saved.error;
    EXPECT_EQ(dir.read(CardFileName), record("Precious\r\n"));
}

TEST_F(CardFileFaults, FailedMoveAsideChangesNothingAndTheNextSaveMovesIt)
{
    dir.write(CardFileName, record("Precious\r\n"));
    {
        const FaultGuard failReads(
            [](posix::Operation op, const std::string&) { return op == posix::Operation::Read ? EIO : 0; });
        file.LoadCardFile(*box);
    }
    box = makeBox({"New\r\n"});
    CardFileSave saved;
    {
        const FaultGuard failMoveAside([](posix::Operation op, const std::string& path) {
            return op == posix::Operation::Rename && path.find(".unread-") != std::string::npos ? EIO : 0;
        });
        saved = file.SaveCardFile(*box);
    }
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.error, posix::describeFailure("Cannot move aside the unread", file.cardFilePath(), EIO));
    EXPECT_EQ(dir.read(CardFileName), record("Precious\r\n"));
    EXPECT_TRUE(namesBesides().empty()) << "a failed save leaves nothing behind";

    const CardFileSave next = file.SaveCardFile(*box);
    ASSERT_TRUE(next.ok) << next.error;
    EXPECT_EQ(dir.read(posix::fileNameOf(next.movedAside)), record("Precious\r\n"));
    EXPECT_EQ(dir.read(CardFileName), record("New\r\n"));
}

TEST_F(CardFileFaults, CopiedBackupIsAsPrivateAsTheCardFile)
{
    dir.write(CardFileName, record("Current\r\n"));
    fs::permissions(dir.file(CardFileName), fs::perms::owner_read | fs::perms::owner_write);
    file.LoadCardFile(*box);
    box = makeBox({"New\r\n"});
    CardFileSave saved;
    {
        // A file system that refuses hard links: the backup is a copy.
        const FaultGuard noLinks(
            [](posix::Operation op, const std::string&) { return op == posix::Operation::Link ? EPERM : 0; });
        saved = file.SaveCardFile(*box);
    }
    ASSERT_TRUE(saved.ok) << saved.error;
    EXPECT_EQ(dir.read(BackupFileName), record("Current\r\n"));
    EXPECT_EQ(
        fs::status(dir.file(BackupFileName)).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// Once the new file has taken quillbox.db's name, the cards are saved: what
// fails after that is reported as unconfirmed, never as "not saved" (a
// retry would add the cards twice).
TEST_F(CardFileFaults, FailureAfterTheRenameSaysTheCardsWereSaved)
{
    dir.write(CardFileName, record("Current\r\n"));
    file.LoadCardFile(*box);
    box = makeBox({"New\r\n"});
    CardFileSave saved;
    {
        const FaultGuard failSync([](posix::Operation op, const std::string&) {
            return op == posix::Operation::SyncDirectory ? EIO : 0;
        });
        saved = file.SaveCardFile(*box);
    }
    EXPECT_TRUE(saved.ok) << saved.error;
    EXPECT_EQ(saved.unconfirmed, posix::describeFailure("Cannot sync directory", dir.str(), EIO));
    EXPECT_NE(saveNotice(saved).find("The cards were saved, but"), std::string::npos);
    EXPECT_EQ(dir.read(CardFileName), record("New\r\n"));
    EXPECT_EQ(saved.backup, dir.file(BackupFileName).string());
    EXPECT_EQ(dir.read(BackupFileName), record("Current\r\n"));
}

TEST_F(CardFileFaults, FileWithoutReadPermissionIsKeptAside)
{
    // Made by root (or us) with no permissions at all: unreadable for the
    // unprivileged user, who may still rename it in their directory.
    dir.write(CardFileName, record("Private\r\n"));
    fs::permissions(dir.file(CardFileName), fs::perms::none);
    const auto run = test::asUnprivileged(dir.path(), [this] {
        test::Findings found;
        CardFile own(dir.str());
        auto cards = makeBox();
        const CardFileLoad loaded = own.LoadCardFile(*cards);
        found.expect(!loaded.present && loaded.error == posix::describe(EACCES), "load: " + loaded.error);
        cards = makeBox({"Mine\r\n"});
        const CardFileSave saved = own.SaveCardFile(*cards);
        found.expect(saved.ok, "save: " + saved.error);
        found.expect(!saved.movedAside.empty(), "nothing moved aside");
        return found.text();
    });
    if (!run.skipped.empty())
        GTEST_SKIP() << run.skipped;
    EXPECT_EQ(run.failure, "");
    const auto others = namesBesides();
    ASSERT_EQ(others.size(), 1u);
    EXPECT_EQ(dir.read(others[0]), record("Private\r\n"));
    EXPECT_EQ(dir.read(CardFileName), record("Mine\r\n"));
    EXPECT_FALSE(dir.exists(BackupFileName));
}

TEST_F(CardFileFaults, FifoIsNeitherReadNorWrittenThrough)
{
    ASSERT_EQ(::mkfifo(dir.file(CardFileName).c_str(), 0600), 0);
    // A blocking open of a FIFO without a writer would hang right here.
    const CardFileLoad loaded = file.LoadCardFile(*box);
    EXPECT_FALSE(loaded.present);
    EXPECT_EQ(loaded.error, "not a regular file");

    box = makeBox({"A\r\n"});
    const CardFileSave saved = file.SaveCardFile(*box);
    ASSERT_TRUE(saved.ok) << saved.error;
    struct stat st { };
    ASSERT_EQ(::lstat(saved.movedAside.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(dir.read(CardFileName), record("A\r\n"));
    EXPECT_FALSE(dir.exists(BackupFileName)) << "a FIFO is no backup";
}

// ---- Access, owner and links ---------------------------------------------

TEST_F(CardFileFaults, PrivateFileStaysPrivate)
{
    dir.write(CardFileName, record("Old\r\n"));
    fs::permissions(dir.file(CardFileName), fs::perms::owner_read | fs::perms::owner_write);
    // Root may hand the file to another user; the save must keep that too.
    const passwd* nobody = ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
    if (nobody) {
        ASSERT_EQ(::chown(dir.file(CardFileName).c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    }
    file.LoadCardFile(*box);
    box = makeBox({"New\r\n"});
    ASSERT_TRUE(file.SaveCardFile(*box).ok);
    struct stat st { };
    ASSERT_EQ(::stat(dir.file(CardFileName).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    if (nobody) {
        EXPECT_EQ(st.st_uid, nobody->pw_uid);
        EXPECT_EQ(st.st_gid, nobody->pw_gid);
    }
}

struct LinkCase {
    const char* name;
    std::string linkTarget; // as written in the link, relative to the directory
    std::string targetFile; // the file it finally names, relative to the directory
};

void PrintTo(const LinkCase& c, std::ostream* os)
{
    *os << c.name;
}

class CardFileLink : public CardFileFaults, public ::testing::WithParamInterface<LinkCase> { };

TEST_P(CardFileLink, SaveWritesThroughTheLink)
{
    const LinkCase& c = GetParam();
    fs::create_directories(dir.path() / "real" / "deeper");
    const fs::path target = dir.path() / c.targetFile;
    const bool hadTarget = c.name != std::string("Dangling");
    if (hadTarget)
        dir.write(c.targetFile, record("Old\r\n"));
    if (c.linkTarget != c.targetFile)
        fs::create_symlink("deeper/quillbox.db", dir.path() / "real" / "hop");
    fs::create_symlink(c.linkTarget, dir.file(CardFileName));

    file.LoadCardFile(*box);
    box = makeBox({"New\r\n"});
    const CardFileSave saved = file.SaveCardFile(*box);
    ASSERT_TRUE(saved.ok) << saved.error;
    EXPECT_TRUE(fs::is_symlink(dir.file(CardFileName)));
    EXPECT_EQ(dir.read(c.targetFile), record("New\r\n"));
    EXPECT_FALSE(dir.exists(BackupFileName)) << "the backup goes beside the target";
    const fs::path bak = target.parent_path() / BackupFileName;
    EXPECT_EQ(fs::exists(bak), hadTarget);
    if (hadTarget) {
        EXPECT_EQ(dir.read(fs::relative(bak, dir.path()).string()), record("Old\r\n"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CardFileLink,
    ::testing::Values(LinkCase {"Relative", "real/quillbox.db", "real/quillbox.db"},
        LinkCase {"ChainOfTwo", "real/hop", "real/deeper/quillbox.db"},
        LinkCase {"Dangling", "real/quillbox.db", "real/quillbox.db"}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Failures at every step ----------------------------------------------

struct StepCase {
    const char* name;
    posix::Operation op;
    const char* pathEnd; // the operation's path ends so; "" for any
};

void PrintTo(const StepCase& c, std::ostream* os)
{
    *os << c.name;
}

class CardFileStep : public CardFileFaults, public ::testing::WithParamInterface<StepCase> { };

TEST_P(CardFileStep, FailureLeavesCardFileAndBackupAsTheyWere)
{
    const StepCase& c = GetParam();
    dir.write(CardFileName, record("Current\r\n"));
    dir.write(BackupFileName, record("Previous\r\n"));
    file.LoadCardFile(*box);
    box = makeBox({"New\r\n"});
    CardFileSave saved;
    {
        const FaultGuard fail([&c](posix::Operation op, const std::string& path) {
            return op == c.op && std::string_view(path).ends_with(c.pathEnd) ? EIO : 0;
        });
        saved = file.SaveCardFile(*box);
    }
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find(posix::describe(EIO)), std::string::npos) << saved.error;
    EXPECT_EQ(dir.read(CardFileName), record("Current\r\n"));
    EXPECT_EQ(dir.read(BackupFileName), record("Previous\r\n"));
    EXPECT_TRUE(namesBesides().empty()) << "a temporary file was left behind";
}

INSTANTIATE_TEST_SUITE_P(Steps, CardFileStep,
    ::testing::Values(StepCase {"CreateTemporary", posix::Operation::Open, ""},
        StepCase {"Write", posix::Operation::Write, ""}, StepCase {"Sync", posix::Operation::Sync, ""},
        StepCase {"KeepAccess", posix::Operation::Chmod, ""},
        StepCase {"StageBackup", posix::Operation::Link, ""},
        StepCase {"ReplaceCardFile", posix::Operation::Rename, "/quillbox.db"},
        StepCase {"RenameBackup", posix::Operation::Rename, "/quillbox.bak"}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Links planted by another user ----------------------------------------

struct PlantedCase {
    const char* name;
    const char* file; // the name the program writes beside the card file
    const char* target; // below the victim's directory; "missing" dangles
    bool directoryOwnersLink; // the shared directory belongs to the link's owner
};

void PrintTo(const PlantedCase& c, std::ostream* os)
{
    *os << c.name;
}

class PlantedLink : public ::testing::TestWithParam<PlantedCase> { };

// In a sticky directory everyone may write (/tmp), another user's link is
// followed only when that user owns the directory, as the kernel's
// protected_symlinks rule has it; otherwise nothing is written through it,
// not even a new file where it dangles.
TEST_P(PlantedLink, IsFollowedOnlyAsTheKernelWould)
{
    const PlantedCase& c = GetParam();
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() != 0 || !nobody)
        GTEST_SKIP() << "needs root to plant a link of another user";
    test::TempDir dir;
    const fs::path shared = dir.file("shared");
    const fs::path home = dir.file("home");
    fs::create_directory(shared);
    fs::create_directory(home);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    if (c.directoryOwnersLink) {
        ASSERT_EQ(::chown(shared.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    }
    dir.write("home/secret", "keep");
    const fs::path link = shared / c.file;
    fs::create_symlink(home / c.target, link);
    ASSERT_EQ(::lchown(link.c_str(), nobody->pw_uid, nobody->pw_gid), 0);

    std::string error;
    if (std::string_view(c.file) == CardFileName) {
        CardFile file(shared.string());
        const CardFileSave saved = file.SaveCardFile(*makeBox({"New\r\n"}));
        error = saved.ok ? "" : saved.error;
    } else {
        const ProfileWrite written = WritePrivateProfileString("S", "k", "v", link.string());
        error = written.ok ? "" : written.error;
    }
    const bool existed = std::string_view(c.target) == "secret";
    if (c.directoryOwnersLink) {
        EXPECT_EQ(error, "");
        EXPECT_TRUE(fs::exists(home / c.target));
        return;
    }
    EXPECT_NE(error.find(link.string()), std::string::npos) << error;
    EXPECT_NE(error.find("belongs to nobody"), std::string::npos) << error;
    EXPECT_EQ(fs::exists(home / c.target), existed);
    if (existed) {
        EXPECT_EQ(dir.read("home/secret"), "keep");
    }
    EXPECT_FALSE(fs::exists(home / BackupFileName));
    EXPECT_TRUE(fs::is_symlink(link));
}

INSTANTIATE_TEST_SUITE_P(Table, PlantedLink,
    ::testing::Values(PlantedCase {"CardFileToAFile", CardFileName, "secret", false},
        PlantedCase {"CardFileDangling", CardFileName, "missing", false},
        PlantedCase {"SettingsToAFile", "quillbox.ini", "secret", false},
        PlantedCase {"SettingsDangling", "quillbox.ini", "missing", false},
        PlantedCase {"DirectoryOwnersLinkIsFollowed", CardFileName, "missing", true}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Records and temporary files -----------------------------------------

TEST_F(CardFileFaults, FullLengthRecordWithoutTerminatorKeepsEveryByte)
{
    // Only other writers make one: length 32767 and no NUL at the end.
    const std::string text(32767, 'x');
    const std::string bytes = std::string("\xFF\x7F", 2) + text + record("Other\r\n");
    dir.write(CardFileName, bytes);
    ASSERT_TRUE(file.LoadCardFile(*box).present);
    ASSERT_EQ(box->CardCount, 2);
    ASSERT_TRUE(file.SaveCardFile(*box).ok);
    auto again = makeBox();
    ASSERT_TRUE(CardFile(dir.str()).LoadCardFile(*again).present);
    EXPECT_EQ(cardsOf(*again), cardsOf(*box));
    EXPECT_EQ(again->card(2).size(), text.size());
}

pid_t finishedProcess()
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

TEST_F(CardFileFaults, LoadRemovesOnlyAbandonedTemporaryFiles)
{
    const std::string gone = std::to_string(finishedProcess());
    const std::string alive = std::to_string(::getppid());
    const std::vector<std::string> abandoned = {".quillbox.db.quillbox-tmp-" + gone + "-a1B2c3",
        ".quillbox.bak.quillbox-tmp-" + gone + "-ZZZZZZ", ".quillbox.ini.quillbox-tmp-" + gone + "-000000"};
    const std::vector<std::string> kept
        = {".quillbox.db.quillbox-tmp-" + alive + "-a1B2c3", // a save in progress elsewhere
            "quillbox.db.backup", "quillbox.db.A1b2C3", // the user's own
            ".quillbox.db.quillbox-tmp-" + gone + "-a1B2c", // not the program's naming
            "x.quillbox-tmp-" + gone + "-a1B2c3"};
    for (const auto& name : abandoned)
        dir.write(name, "partial");
    for (const auto& name : kept)
        dir.write(name, "keep");
    file.LoadCardFile(*box);
    std::vector<std::string> left = namesBesides();
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected = kept;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
}

} // namespace
