// The lock that keeps one writer per card file.
#include "core/card_file_lock.h"
#include "core_test_util.h"
#include "support/temp_dir.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace quillbox::test {
namespace {

TEST(CardFileLock, HeldOnceAtATimeAndFreedWithItsHolder)
{
    TempDir dir;
    {
        const CardFileLock a(dir.str());
        EXPECT_EQ(a.state(), CardFileLock::State::Held);
        const CardFileLock b(dir.str());
        EXPECT_EQ(b.state(), CardFileLock::State::HeldElsewhere);
    }
    EXPECT_TRUE(CardFileLock(dir.str()).held());
}

TEST(CardFileLock, UnavailableSaysWhy)
{
    TempDir dir;
    const CardFileLock missing(dir.str() + "/no-such-directory");
    EXPECT_EQ(missing.state(), CardFileLock::State::Unavailable);
    EXPECT_EQ(missing.error(), posix::describe(ENOENT));

    // A file system that refuses locks.
    const FaultGuard refuse(
        [](posix::Operation op, const std::string&) { return op == posix::Operation::Lock ? ENOLCK : 0; });
    const CardFileLock refused(dir.str());
    EXPECT_EQ(refused.state(), CardFileLock::State::Unavailable);
    EXPECT_EQ(refused.error(), posix::describe(ENOLCK));
}

} // namespace
} // namespace quillbox::test
