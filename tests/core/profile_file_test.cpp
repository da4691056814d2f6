// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profile_file.h"
#include "core_test_util.h"
#include "support/temp_dir.h"
#include "unprivileged.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace quillbox {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

constexpr std::string_view IniName = "test.ini";

struct ReadCase {
    const char* name;
    std::string file;
    std::string_view section;
    std::string_view key;
    std::string_view fallback;
    std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProfileRead : public testing::TestWithParam<ReadCase> { };

TEST_P(ProfileRead, ReadsAsThePlatformDoes)
{
    const ReadCase& c = GetParam();
    TempDir dir;
    dir.write(IniName, c.file);
    EXPECT_EQ(GetPrivateProfileString(c.section, c.key, c.fallback, dir.file(IniName).string()), c.expected);
}

const std::string LongValue(1500, 'v');

INSTANTIATE_TEST_SUITE_P(Cases, ProfileRead,
    testing::Values(
        ReadCase {"PlainCrLf", "[Position]\r\nTop=12\r\nLeft=34\r\n", "Position", "Left", "d", "34"},
        ReadCase {"SectionNameAnyCase", "[pOSITION]\r\nTop=12\r\n", "Position", "Top", "d", "12"},
        ReadCase {"KeyNameAnyCase", "[Position]\r\ntOP=12\r\n", "Position", "Top", "d", "12"},
        ReadCase {"BlanksInsideBrackets", "[ Font ]\r\nName=Arial\r\n", "Font", "Name", "d", "Arial"},
        ReadCase {"BlanksAroundNamesPassedIn", "[Font]\r\nName=Arial\r\n", " Font ", "\tName ", "d", "Arial"},
        ReadCase {"BlanksAroundKeyAndValue", "[Font]\r\n  Name \t=  Courier New \x1a\r\n", "Font", "Name",
            "d", "Courier New"},
        ReadCase {"IndentedSectionHeader", "  [Font]\r\nName=Arial\r\n", "Font", "Name", "d", "Arial"},
        ReadCase {
            "TextAfterClosingBracketIgnored", "[Font] old\r\nName=Arial\r\n", "Font", "Name", "d", "Arial"},
        ReadCase {"DoubleQuotesRemoved", "[Font]\r\nName=\"  x  \"\r\n", "Font", "Name", "d", "  x  "},
        ReadCase {"SingleQuotesRemoved", "[Font]\r\nName='Arial'\r\n", "Font", "Name", "d", "Arial"},
        ReadCase {"OnlyOnePairOfQuotesRemoved", "[Font]\r\nName=\"\"x\"\"\r\n", "Font", "Name", "d", "\"x\""},
        ReadCase {"MismatchedQuotesKept", "[Font]\r\nName=\"Arial'\r\n", "Font", "Name", "d", "\"Arial'"},
        ReadCase {"LoneQuoteKept", "[Font]\r\nName=\"\r\n", "Font", "Name", "d", "\""},
        ReadCase {"EmptyQuotesGiveEmpty", "[Font]\r\nName=\"\"\r\n", "Font", "Name", "d", ""},
        ReadCase {"NoInlineComments", "[Font]\r\nName=b ;c\r\n", "Font", "Name", "d", "b ;c"},
        ReadCase {"CommentLineIsNoKey", "[Font]\r\n;Name=Arial\r\n", "Font", "Name", "d", "d"},
        ReadCase {"IndentedCommentIsNoKey", "[Font]\r\n  ;Name=Arial\r\n", "Font", "Name", "d", "d"},
        ReadCase {"LineWithoutEqualsIsNoKey", "[Font]\r\nName\r\n", "Font", "Name", "d", "d"},
        ReadCase {"ValueKeepsLaterEquals", "[A]\r\nk=a=b\r\n", "A", "k", "d", "a=b"},
        ReadCase {"EmptyValueIsEmptyNotDefault", "[Font]\r\nName=\r\n", "Font", "Name", "d", ""},
        ReadCase {"FirstDuplicateKeyWins", "[A]\r\nk=1\r\nK=2\r\n", "A", "k", "d", "1"},
        ReadCase {
            "OnlyFirstDuplicateSectionSearched", "[A]\r\nx=1\r\n[B]\r\n[a]\r\nk=2\r\n", "A", "k", "d", "d"},
        ReadCase {"FirstDuplicateSectionWins", "[A]\r\nk=1\r\n[A]\r\nk=2\r\n", "A", "k", "d", "1"},
        ReadCase {"KeyOfAnotherSectionNotFound", "[A]\r\nk=1\r\n[B]\r\n", "B", "k", "d", "d"},
        ReadCase {"KeyBeforeAnySectionNotFound", "k=1\r\n[A]\r\n", "A", "k", "d", "d"},
        ReadCase {"CrOnlyFile", "[A]\rx=1\rk=2\r[B]\rk=3\r", "A", "k", "d", "2"},
        ReadCase {"LfOnlyFile", "[A]\nx=1\nk=2\n[B]\nk=3\n", "A", "k", "d", "2"},
        ReadCase {"BlankLinesAndMixedEnds", "\r\n\r\n[A]\n\r\n\rk=2\n\n", "A", "k", "d", "2"},
        ReadCase {"NoFinalLineEnd", "[A]\r\nk=last", "A", "k", "d", "last"},
        ReadCase {"Utf8ByteOrderMarkSkipped", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", "k", "d", "1"},
        ReadCase {"HighBytesUntouched", "[A]\r\nk=M\xFCller \xA7\r\n", "A", "k", "d", "M\xFCller \xA7"},
        ReadCase {"ValueCutAt1023", "[A]\r\nk=" + LongValue + "\r\n", "A", "k", "d", std::string(1023, 'v')},
        ReadCase {"MissingSectionGivesDefault", "[A]\r\nk=1\r\n", "B", "k", "dflt", "dflt"},
        ReadCase {"MissingKeyGivesDefault", "[A]\r\nk=1\r\n", "A", "j", "dflt", "dflt"},
        ReadCase {"DefaultLosesTrailingBlanksOnly", "", "A", "k", "  dflt  ", "  dflt"},
        ReadCase {"DefaultKeepsTrailingTab", "", "A", "k", "dflt\t", "dflt\t"}),
    [](const testing::TestParamInfo<ReadCase>& row) { return std::string(row.param.name); });

TEST(ProfileReadFile, MissingFileGivesDefaultWithoutTrailingBlanks)
{
    TempDir dir;
    EXPECT_EQ(GetPrivateProfileString("A", "k", "-640  ", dir.file("none.ini").string()), "-640");
}

TEST(ProfileReadFile, DirectoryInPlaceOfFileGivesDefault)
{
    TempDir dir;
    fs::create_directory(dir.file(IniName));
    EXPECT_EQ(GetPrivateProfileString("A", "k", "d", dir.file(IniName).string()), "d");
}

struct WriteCase {
    const char* name;
    std::string_view before;
    std::string_view section;
    std::string_view key;
    std::string_view value;
    std::string_view after;
};

void PrintTo(const WriteCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProfileWriteCases : public testing::TestWithParam<WriteCase> { };

TEST_P(ProfileWriteCases, ChangesOnlyWhatItMust)
{
    const WriteCase& c = GetParam();
    TempDir dir;
    dir.write(IniName, c.before);
    const ProfileWrite result
        = WritePrivateProfileString(c.section, c.key, c.value, dir.file(IniName).string());
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(dir.read(IniName), c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileWriteCases,
    testing::Values(WriteCase {"ReplaceInPlaceKeepsOtherLines",
                        "; mine\r\n[Position]\r\nTop=1\r\n\r\nLeft=2\r\n[Font]\r\nTop=9\r\n", "Position",
                        "Top", "77", "; mine\r\n[Position]\r\nTop=77\r\n\r\nLeft=2\r\n[Font]\r\nTop=9\r\n"},
        WriteCase {"ReplaceKeepsFileSpellingOfKey", "[position]\r\n  tOp = 1 \r\n", "Position", "Top", "5",
            "[position]\r\ntOp=5\r\n"},
        WriteCase {"ReplaceKeepsLfOnlyLineEnds", "[A]\nk=1\nz=2\n", "A", "k", "3", "[A]\nk=3\nz=2\n"},
        WriteCase {"ReplaceLastLineWithoutLineEnd", "[A]\r\nk=1", "A", "k", "2", "[A]\r\nk=2"},
        WriteCase {
            "ReplaceFirstOfDuplicateKeys", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "3", "[A]\r\nk=3\r\nk=2\r\n"},
        WriteCase {"EmptyValueWritesKeyEquals", "[A]\r\nk=1\r\n", "A", "k", "", "[A]\r\nk=\r\n"},
        WriteCase {"NewKeyAfterLastEntryNotAfterBlankOrComment", "[A]\r\nx=1\r\n; note\r\n\r\n[B]\r\ny=2\r\n",
            "A", "k", "v", "[A]\r\nx=1\r\nk=v\r\n; note\r\n\r\n[B]\r\ny=2\r\n"},
        WriteCase {"NewKeyInEmptySectionFollowsHeader", "[A]\r\n\r\n[B]\r\n", "a", "k", "v",
            "[A]\r\nk=v\r\n\r\n[B]\r\n"},
        WriteCase {"NewKeyAfterEntryWithoutLineEnd", "[A]\r\nx=1", "A", "k", "v", "[A]\r\nx=1\r\nk=v\r\n"},
        // New lines take the line end the file already uses.
        WriteCase {
            "NewKeyInLfFileTakesItsLineEnd", "[A]\nx=1\n\n[B]\n", "A", "k", "v", "[A]\nx=1\nk=v\n\n[B]\n"},
        WriteCase {"NewSectionInLfFileTakesItsLineEnd", "[A]\nx=1", "B", "k", "v", "[A]\nx=1\n[B]\nk=v\n"},
        WriteCase {"NewKeyInCrFileTakesItsLineEnd", "[A]\rx=1\r", "A", "k", "v", "[A]\rx=1\rk=v\r"},
        WriteCase {"NewKeyGoesToFirstDuplicateSection", "[A]\r\nx=1\r\n[A]\r\ny=2\r\n", "A", "k", "v",
            "[A]\r\nx=1\r\nk=v\r\n[A]\r\ny=2\r\n"},
        WriteCase {"NewSectionAtEndWithoutBlankLine", "[A]\r\nx=1\r\n", "Params", "LastCard", "1",
            "[A]\r\nx=1\r\n[Params]\r\nLastCard=1\r\n"},
        WriteCase {
            "NewSectionAfterFileWithoutLineEnd", "[A]\r\nx=1", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        WriteCase {"NewSectionInEmptyFile", "", "B", "k", "v", "[B]\r\nk=v\r\n"},
        WriteCase {"CommentedKeyIsNotReplaced", "[A]\r\n;k=1\r\n", "A", "k", "2", "[A]\r\nk=2\r\n;k=1\r\n"},
        WriteCase {"ValueCutAtLineBreak", "", "A", "k", "one\r\n[B]\r\nx=1", "[A]\r\nk=one\r\n"},
        WriteCase {"ValueCutAtLf", "", "A", "k", "one\ntwo", "[A]\r\nk=one\r\n"},
        WriteCase {"HighBytesWrittenAsGiven", "", "A", "k", "\xE9t\xE9", "[A]\r\nk=\xE9t\xE9\r\n"}),
    [](const testing::TestParamInfo<WriteCase>& row) { return std::string(row.param.name); });

class ProfileWriteFile : public testing::Test {
protected:
    std::string iniPath() const { return m_dir.file(IniName).string(); }
    TempDir m_dir;
};

TEST_F(ProfileWriteFile, CreatesTheFileOnFirstWrite)
{
    const ProfileWrite result = WritePrivateProfileString("Position", "Top", "10", iniPath());
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(m_dir.read(IniName), "[Position]\r\nTop=10\r\n");
}

TEST_F(ProfileWriteFile, WritesReadBackThroughTheRead)
{
    const std::string value = "  a \"b\" ; c";
    ASSERT_TRUE(WritePrivateProfileString("S", "k", value, iniPath()).ok);
    ASSERT_TRUE(WritePrivateProfileString("S", "other", "x", iniPath()).ok);
    // Leading blanks are trimmed by the read, as on the platform.
    EXPECT_EQ(GetPrivateProfileString("s", "K", "", iniPath()), "a \"b\" ; c");
    EXPECT_EQ(GetPrivateProfileString("S", "other", "", iniPath()), "x");
}

TEST_F(ProfileWriteFile, LeavesNoTemporaryFilesBehind)
{
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(WritePrivateProfileString("S", "k", std::to_string(i), iniPath()).ok);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(m_dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(ProfileWriteFile, UnchangedValueLeavesFileUntouched)
{
    m_dir.write(IniName, "[S]\r\nk=1\r\n");
    struct stat before { };
    ASSERT_EQ(::stat(iniPath().c_str(), &before), 0);
    ASSERT_TRUE(WritePrivateProfileString("S", "k", "1", iniPath()).ok);
    struct stat after { };
    ASSERT_EQ(::stat(iniPath().c_str(), &after), 0);
    // A replacement by rename would bring a new inode.
    EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(ProfileWriteFile, KeepsPermissionBits)
{
    m_dir.write(IniName, "[S]\r\nk=1\r\n");
    fs::permissions(iniPath(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WritePrivateProfileString("S", "k", "2", iniPath()).ok);
    EXPECT_EQ(fs::status(iniPath()).permissions(),
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ProfileWriteFile, WritesThroughSymbolicLink)
{
    m_dir.write("real.ini", "[S]\r\nk=1\r\n");
    fs::create_symlink(m_dir.file("real.ini"), m_dir.file(IniName));
    ASSERT_TRUE(WritePrivateProfileString("S", "k", "2", iniPath()).ok);
    EXPECT_TRUE(fs::is_symlink(m_dir.file(IniName)));
    EXPECT_EQ(m_dir.read("real.ini"), "[S]\r\nk=2\r\n");
}

TEST_F(ProfileWriteFile, FailsWhenParentDirectoryIsMissing)
{
    const std::string path = m_dir.file("missing").string() + "/test.ini";
    const ProfileWrite result = WritePrivateProfileString("S", "k", "1", path);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "No such file or directory");
}

TEST_F(ProfileWriteFile, FailsWhenPathIsADirectory)
{
    fs::create_directory(m_dir.file(IniName));
    const ProfileWrite result = WritePrivateProfileString("S", "k", "1", iniPath());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "Is a directory");
    EXPECT_TRUE(fs::is_directory(m_dir.file(IniName)));
}

TEST_F(ProfileWriteFile, RejectsNamesThatWouldBreakTheFile)
{
    m_dir.write(IniName, "[S]\r\nk=1\r\n");
    EXPECT_FALSE(WritePrivateProfileString("S]x", "k", "1", iniPath()).ok);
    EXPECT_FALSE(WritePrivateProfileString("S", "a=b", "1", iniPath()).ok);
    EXPECT_FALSE(WritePrivateProfileString("S", "", "1", iniPath()).ok);
    EXPECT_FALSE(WritePrivateProfileString("S", "k\r\n[T]", "1", iniPath()).ok);
    EXPECT_EQ(m_dir.read(IniName), "[S]\r\nk=1\r\n");
}

TEST_F(ProfileWriteFile, BatchGivesTheSameBytesAsOneByOne)
{
    const std::string_view start = "; c\r\n[B]\nx=1\n\n[A]\r\ny=2\r\n";
    const ProfileEntry entries[] = {{"A", "y", "3"}, {"C", "k", "v"}, {"b", "new", ""}, {"C", "k", "w"},
        {"A", "z", "q\r\nr"}, {"c", "k2", "x"}};
    TempDir oneByOne;
    oneByOne.write(IniName, start);
    for (const ProfileEntry& e : entries)
        ASSERT_TRUE(WritePrivateProfileString(e.section, e.key, e.value, oneByOne.file(IniName).string()).ok);
    m_dir.write(IniName, start);
    ASSERT_TRUE(WritePrivateProfileStrings(entries, iniPath()).ok);
    EXPECT_EQ(m_dir.read(IniName), oneByOne.read(IniName));
}

TEST_F(ProfileWriteFile, BatchIsAllOrNothing)
{
    m_dir.write(IniName, "[S]\r\nk=1\r\n");
    const ProfileEntry entries[] = {{"S", "k", "2"}, {"S", "bad=key", "3"}};
    EXPECT_FALSE(WritePrivateProfileStrings(entries, iniPath()).ok);
    EXPECT_EQ(m_dir.read(IniName), "[S]\r\nk=1\r\n");
}

// Permission bits do not stop root: these run as another user there.
TEST_F(ProfileWriteFile, FailsInReadOnlyDirectory)
{
    fs::permissions(m_dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const auto run = test::asUnprivileged(m_dir.path(), [this] {
        const ProfileWrite result = WritePrivateProfileString("S", "k", "1", iniPath());
        return result.ok ? std::string("the write succeeded") : result.error;
    });
    fs::permissions(m_dir.path(), fs::perms::owner_all);
    if (!run.skipped.empty())
        GTEST_SKIP() << run.skipped;
    EXPECT_EQ(run.failure, "Permission denied");
    EXPECT_FALSE(m_dir.exists(IniName));
}

TEST_F(ProfileWriteFile, FailsOnReadOnlyFileAndKeepsIt)
{
    m_dir.write(IniName, "[S]\r\nk=1\r\n");
    fs::permissions(iniPath(), fs::perms::owner_read);
    test::giveAway(iniPath());
    const auto run = test::asUnprivileged(m_dir.path(), [this] {
        const ProfileWrite result = WritePrivateProfileString("S", "k", "2", iniPath());
        return result.ok ? std::string("the write succeeded") : result.error;
    });
    if (!run.skipped.empty())
        GTEST_SKIP() << run.skipped;
    EXPECT_EQ(run.failure, "Permission denied");
    EXPECT_EQ(m_dir.read(IniName), "[S]\r\nk=1\r\n");
}

TEST_F(ProfileWriteFile, WritableFileInReadOnlyDirectoryIsRewrittenInPlace)
{
    m_dir.write(IniName, "[S]\r\nk=1\r\nlong=a value longer than the new file's tail\r\n");
    test::giveAway(iniPath());
    fs::permissions(m_dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const auto run = test::asUnprivileged(m_dir.path(), [this] {
        const std::array<ProfileEntry, 2> entries {{{"S", "k", "22"}, {"S", "long", "short"}}};
        const ProfileWrite result = WritePrivateProfileStrings(entries, iniPath());
        return result.ok ? std::string() : result.error;
    });
    fs::permissions(m_dir.path(), fs::perms::owner_all);
    if (!run.skipped.empty())
        GTEST_SKIP() << run.skipped;
    EXPECT_EQ(run.failure, "");
    EXPECT_EQ(m_dir.read(IniName), "[S]\r\nk=22\r\nlong=short\r\n");
}

struct InPlaceStep {
    const char* name;
    posix::Operation op;
};

void PrintTo(const InPlaceStep& c, std::ostream* os)
{
    *os << c.name;
}

class ProfileInPlaceStep : public ProfileWriteFile, public testing::WithParamInterface<InPlaceStep> { };

// A refused rename sends the write in place; each of its steps reports its
// own failure rather than a file cut short reported as written.
TEST_P(ProfileInPlaceStep, FailureIsReported)
{
    m_dir.write(IniName, "[S]\r\nk=1\r\nlong=a value longer than the new file's tail\r\n");
    ProfileWrite result;
    {
        const test::FaultGuard fail([](posix::Operation op, const std::string&) {
            return op == posix::Operation::Rename ? EACCES : op == GetParam().op ? EIO : 0;
        });
        result
            = WritePrivateProfileStrings(std::array<ProfileEntry, 1> {{{"S", "long", "short"}}}, iniPath());
    }
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(posix::describe(EIO)), std::string::npos) << result.error;
}

INSTANTIATE_TEST_SUITE_P(Steps, ProfileInPlaceStep,
    testing::Values(InPlaceStep {"ClaimSpace", posix::Operation::Allocate},
        InPlaceStep {"Write", posix::Operation::Write}, InPlaceStep {"Truncate", posix::Operation::Truncate},
        InPlaceStep {"Sync", posix::Operation::Sync}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Files in other encodings --------------------------------------------

enum class Bom { Utf8, Utf16Le, Utf16Be };

/// Latin-1 text (as Windows-1252 holds it for these characters) in the
/// given encoding, with its byte-order mark.
std::string encoded(std::string_view latin1, Bom bom)
{
    std::string out = bom == Bom::Utf8 ? "\xEF\xBB\xBF" : bom == Bom::Utf16Le ? "\xFF\xFE" : "\xFE\xFF";
    for (const char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (bom == Bom::Utf8) {
            if (c < 0x80) {
                out += ch;
            } else {
                out += static_cast<char>(0xC0 | (c >> 6));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
        } else if (bom == Bom::Utf16Le) {
            out += ch;
            out += '\0';
        } else {
            out += '\0';
            out += ch;
        }
    }
    return out;
}

struct EncodingCase {
    const char* name;
    Bom bom;
};

void PrintTo(const EncodingCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProfileEncoding : public testing::TestWithParam<EncodingCase> { };

TEST_P(ProfileEncoding, ReadsAndWritesTheFileInItsOwnEncoding)
{
    const Bom bom = GetParam().bom;
    TempDir dir;
    const std::string path = dir.file(IniName).string();
    dir.write(IniName, encoded("[Font]\r\nName=Z\xFCrich\r\nSize=10\r\n", bom));
    EXPECT_EQ(GetPrivateProfileString("Font", "Name", "", path), "Z\xFCrich");
    EXPECT_EQ(GetPrivateProfileString("font", "SIZE", "", path), "10");

    const std::array<ProfileEntry, 3> entries {
        {{"Font", "Size", "12"}, {"Font", "Style1", "\xE9t\xE9"}, {"Return Address", "Line 1", "A\xDF"}}};
    const ProfileWrite result = WritePrivateProfileStrings(entries, path);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(dir.read(IniName),
        encoded(
            "[Font]\r\nName=Z\xFCrich\r\nSize=12\r\nStyle1=\xE9t\xE9\r\n[Return Address]\r\nLine 1=A\xDF\r\n",
            bom));
    EXPECT_EQ(GetPrivateProfileString("Font", "Style1", "", path), "\xE9t\xE9");
}

INSTANTIATE_TEST_SUITE_P(Boms, ProfileEncoding,
    testing::Values(EncodingCase {"Utf8", Bom::Utf8}, EncodingCase {"Utf16LittleEndian", Bom::Utf16Le},
        EncodingCase {"Utf16BigEndian", Bom::Utf16Be}),
    [](const auto& row) { return std::string(row.param.name); });

/// UTF-16 code units, little-endian.
std::string littleEndian(std::u16string_view units)
{
    std::string out;
    for (const char16_t u : units) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

TEST(ProfileEncoding, Utf16KeepsWhatTheCodePageLacks)
{
    // A character beyond the code page, a lone surrogate and an odd last
    // byte are not the program's to change: they come back as they were.
    const std::u16string head = u"[A]\r\nx=\u4E2D";
    const std::string units = "\xFF\xFE" + littleEndian(head)
        + littleEndian(std::u16string(1, char16_t(0xD83D))) + littleEndian(u"\r\n") + "!";
    ProfileFile file(units);
    EXPECT_EQ(file.get("A", "x", ""), "??");
    ASSERT_TRUE(file.set("A", "y", "1"));
    EXPECT_EQ(file.bytes(), units.substr(0, units.size() - 1) + littleEndian(u"y=1\r\n") + "!");
}

} // namespace
} // namespace quillbox
