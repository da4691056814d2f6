// SPDX-License-Identifier: GPL-3.0-or-later
// The lock that keeps one writer per card file.
#include "core/card_file.h"
#include "core/card_file_lock.h"
#include "core_test_util.h"
#include "support/temp_dir.h"
#include "unprivileged.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillbox::test {
namespace {

namespace fs = std::filesystem;

TEST(CardFileLock, HeldOnceAtATimeAndTheLockFileStays)
{
    TempDir dir;
    {
        const CardFileLock a(dir.str());
        EXPECT_EQ(a.state(), CardFileLock::State::Held);
        EXPECT_EQ(a.lockFilePath(), dir.file(LockFileName).string());
        const CardFileLock b(dir.str());
        EXPECT_EQ(b.state(), CardFileLock::State::HeldElsewhere);
        EXPECT_EQ(b.warning(), "");
    }
    EXPECT_TRUE(CardFileLock(dir.str()).held());
    // Only its user may open it, and removing it would race with the next lock.
    struct stat status { };
    ASSERT_EQ(posix::linkStatus(dir.file(LockFileName).string(), status), 0);
    EXPECT_TRUE(S_ISREG(status.st_mode));
    EXPECT_EQ(status.st_mode & 07777, 0600u);
}

/// What a case leaves in place while the lock is tried (an open file or
/// another lock), released at its end.
using Holder = std::shared_ptr<void>;

struct LockCase {
    const char* name;
    /// Prepares the directory; returns what must stay open meanwhile.
    std::function<Holder(const TempDir&)> setUp;
    /// The directory the lock is taken for, below the test's own.
    const char* directory;
    CardFileLock::State state;
    const char* warns; // "" for no warning
    bool needsAnotherUser = false;
};

void PrintTo(const LockCase& c, std::ostream* os)
{
    *os << c.name;
}

class CardFileLockCases : public ::testing::TestWithParam<LockCase> { };

TEST_P(CardFileLockCases, LockOrSayWhyNot)
{
    const LockCase& c = GetParam();
    const passwd* nobody = ::getpwnam("nobody");
    if (c.needsAnotherUser && (::geteuid() != 0 || !nobody))
        GTEST_SKIP() << "needs root and the user \"nobody\"";
    TempDir dir;
    const Holder held = c.setUp(dir);
    const CardFileLock lock((dir.path() / c.directory).string());
    EXPECT_EQ(lock.state(), c.state);
    if (*c.warns == '\0')
        EXPECT_EQ(lock.warning(), "");
    else
        EXPECT_NE(lock.warning().find(c.warns), std::string::npos) << lock.warning();
    EXPECT_FALSE(dir.exists("elsewhere")) << "a link was followed";
}

Holder nothing(const TempDir&)
{
    return {};
}

INSTANTIATE_TEST_SUITE_P(Table, CardFileLockCases,
    ::testing::Values(
        // A window on A, where quillbox.db leads to B, and an import on B
        // meet the same lock.
        LockCase {"LinkedCardFileMeetsTheLockWhereItLives",
            [](const TempDir& dir) -> Holder {
                fs::create_directory(dir.file("A"));
                fs::create_directory(dir.file("B"));
                fs::create_symlink("../B/quillbox.db", dir.file("A") / CardFileName);
                return std::make_shared<CardFileLock>(dir.file("B").string());
            },
            "A", CardFileLock::State::HeldElsewhere, ""},
        LockCase {"DanglingLinkMeetsTheLockWhereTheFileWouldBe",
            [](const TempDir& dir) -> Holder {
                fs::create_directory(dir.file("A"));
                fs::create_directory(dir.file("B"));
                fs::create_symlink("../B/quillbox.db", dir.file("A") / CardFileName);
                return std::make_shared<CardFileLock>(dir.file("A").string());
            },
            "B", CardFileLock::State::HeldElsewhere, ""},
        // Whoever may read the directory may lock it; that stops no one now.
        LockCase {"LockOnTheDirectoryItselfStopsNoOne",
            [](const TempDir& dir) -> Holder {
                auto fd = std::make_shared<posix::Fd>();
                EXPECT_EQ(posix::openFile(dir.str(), O_RDONLY | O_DIRECTORY, *fd), 0);
                EXPECT_EQ(posix::tryLock(fd->get()), 0);
                return fd;
            },
            ".", CardFileLock::State::Held, ""},
        LockCase {"LinkInPlaceOfTheLockFileIsNotFollowed",
            [](const TempDir& dir) -> Holder {
                fs::create_symlink(dir.file("elsewhere"), dir.file(LockFileName));
                return {};
            },
            ".", CardFileLock::State::Unavailable,
            "(it is a symbolic link); the card file is used without a lock"},
        LockCase {"LockFileOfAnotherUserIsNotHonoured",
            [](const TempDir& dir) -> Holder {
                dir.write(LockFileName, "");
                giveAway(dir.file(LockFileName));
                return {};
            },
            ".", CardFileLock::State::NotOurs, "belongs to nobody, not to you; it is not honoured", true},
        LockCase {"NoDirectory", nothing, "missing", CardFileLock::State::Unavailable,
            "No such file or directory); the card file is used without a lock"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CardFileLock, DirectoryThatCannotHoldTheLockFileIsUsedUnguarded)
{
    TempDir dir;
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const auto run = asUnprivileged(dir.path(), [&dir] {
        Findings findings;
        const CardFileLock lock(dir.str());
        findings.expect(lock.state() == CardFileLock::State::Unavailable, "the lock is unavailable");
        findings.expect(lock.warning().find("Permission denied") != std::string::npos, lock.warning());
        return findings.text();
    });
    fs::permissions(dir.path(), fs::perms::owner_all);
    if (!run.skipped.empty())
        GTEST_SKIP() << run.skipped;
    EXPECT_EQ(run.failure, "");
}

TEST(CardFileLock, RefusedLockSaysWhy)
{
    TempDir dir;
    const FaultGuard refuse(
        [](posix::Operation op, const std::string&) { return op == posix::Operation::Lock ? ENOLCK : 0; });
    const CardFileLock refused(dir.str());
    EXPECT_EQ(refused.state(), CardFileLock::State::Unavailable);
    EXPECT_NE(refused.warning().find(posix::describe(ENOLCK)), std::string::npos) << refused.warning();
}

// The lock guards the file that was read: a save after the link was turned
// elsewhere would write a file no lock guards.
TEST(CardFileLock, SaveRefusesWhenTheLinkNowLeadsElsewhere)
{
    TempDir dir;
    for (const char* sub : {"A", "B", "C"})
        fs::create_directory(dir.file(sub));
    fs::create_symlink("../B/quillbox.db", dir.file("A") / CardFileName);
    CardFile file(dir.file("A").string());
    auto box = makeBox();
    file.LoadCardFile(*box);
    fs::remove(dir.file("A") / CardFileName);
    fs::create_symlink("../C/quillbox.db", dir.file("A") / CardFileName);
    box = makeBox({"New\r\n"});
    const CardFileSave saved = file.SaveCardFile(*box);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find("it now leads to"), std::string::npos) << saved.error;
    EXPECT_FALSE(fs::exists(dir.file("B") / CardFileName));
    EXPECT_FALSE(fs::exists(dir.file("C") / CardFileName));
}

} // namespace
} // namespace quillbox::test
