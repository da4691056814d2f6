// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings.h"
#include "support/temp_dir.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace quillbox {
namespace {

using test::TempDir;

constexpr std::string_view Ini = "quillbox.ini";

class SettingsFileTest : public testing::Test {
protected:
    SettingsFile settings() const { return SettingsFile(m_dir.str()); }
    void writeIni(std::string_view bytes) const { m_dir.write(Ini, bytes); }
    std::string ini() const { return m_dir.read(Ini); }

    // What the window holds before reading: the design placement and font.
    const WindowPlacement m_current {100, 200, 338, 465};
    const CardFont m_font = designCardFont(96);
    TempDir m_dir;
};

TEST(SettingsPath, JoinsStartDirectoryAndFileName)
{
    EXPECT_EQ(SettingsFile("/home/ann/cards").path(), "/home/ann/cards/quillbox.ini");
    EXPECT_EQ(SettingsFile("/").path(), "/quillbox.ini");
    EXPECT_EQ(SettingsFile("/tmp/").path(), "/tmp/quillbox.ini");
    EXPECT_EQ(SettingsFile("").path(), "quillbox.ini");
}

TEST(SettingsDesignFont, FollowsScreenResolution)
{
    const CardFont at96 = designCardFont(96);
    EXPECT_EQ(at96.name, "System");
    EXPECT_EQ(at96.size, 10);
    EXPECT_EQ(at96.height, -13);
    EXPECT_EQ(at96.color, -2147483640);
    EXPECT_EQ(at96.pitch, FontPitch::Default);
    EXPECT_FALSE(at96.bold || at96.italic || at96.underline || at96.strikeout);
    EXPECT_EQ(designCardFont(120).height, -17);
    EXPECT_EQ(designCardFont(144).height, -20);
}

TEST_F(SettingsFileTest, FirstRunWritesTheWholeLayout)
{
    ASSERT_EQ(settings().readTop(), NoSettingsTop);
    const SettingsWrite result = settings().writeinifile(m_current, m_font, 1);
    ASSERT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(ini(),
        "[Position]\r\nTop=100\r\nLeft=200\r\nHeight=338\r\nWidth=465\r\n"
        "[Font]\r\nColor=-2147483640\r\nHeight=-13\r\nName=System\r\nPitch=fpdefault\r\nSize=10\r\n"
        "Style1=\r\nStyle2=\r\nStyle3=\r\nStyle4=\r\n"
        "[Params]\r\nLastCard=1\r\n");
    EXPECT_EQ(settings().readTop(), 100);
}

TEST_F(SettingsFileTest, RewriteReplacesValuesAndKeepsReturnAddress)
{
    ASSERT_TRUE(settings().writeinifile(m_current, m_font, 1).ok);
    ASSERT_TRUE(settings().writeReturnAddress({"Ann", "", "1 Main St", "Town"}).ok);
    CardFont font = m_font;
    font.name = "Courier New";
    font.pitch = FontPitch::Fixed;
    font.bold = font.strikeout = true;
    ASSERT_TRUE(settings().writeinifile({5, 6, 400, 500}, font, 7).ok);
    EXPECT_EQ(ini(),
        "[Position]\r\nTop=5\r\nLeft=6\r\nHeight=400\r\nWidth=500\r\n"
        "[Font]\r\nColor=-2147483640\r\nHeight=-13\r\nName=Courier New\r\nPitch=fpfixed\r\nSize=10\r\n"
        "Style1=fsbold\r\nStyle2=\r\nStyle3=\r\nStyle4=fsstrikeout\r\n"
        "[Params]\r\nLastCard=7\r\n"
        "[Return Address]\r\nLine 1=Ann\r\nLine 2=\r\nLine 3=1 Main St\r\nLine 4=Town\r\n");
}

TEST_F(SettingsFileTest, WrittenSettingsReadBack)
{
    CardFont font = m_font;
    font.name = "Liberation Serif";
    font.size = 14;
    font.color = 0x00FF8000;
    font.pitch = FontPitch::Variable;
    font.italic = font.underline = true;
    ASSERT_TRUE(settings().writeinifile({-20, 3000, 250, 300}, font, 42).ok);
    const StoredSettings stored = settings().read(m_current, m_font);
    EXPECT_EQ(stored.placement, (WindowPlacement {-20, 3000, 250, 300}));
    CardFont expected = font;
    expected.height = m_font.height; // never read: the window derives it from the size
    EXPECT_EQ(stored.font, expected);
    EXPECT_EQ(stored.lastCard, 42);
}

struct TopCase {
    const char* name;
    std::string_view file;
    int expected;
};

void PrintTo(const TopCase& c, std::ostream* os)
{
    *os << c.name;
}

class SettingsTop : public SettingsFileTest, public testing::WithParamInterface<TopCase> { };

TEST_P(SettingsTop, ReadsTopOrNoSettings)
{
    writeIni(GetParam().file);
    EXPECT_EQ(settings().readTop(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsTop,
    testing::Values(TopCase {"Decimal", "[Position]\r\nTop=120\r\n", 120},
        TopCase {"Hex", "[Position]\r\nTop=0x20\r\n", 32},
        TopCase {"Junk", "[Position]\r\nTop=abc\r\n", NoSettingsTop},
        TopCase {"Empty", "[Position]\r\nTop=\r\n", NoSettingsTop},
        TopCase {"Missing", "[Position]\r\nLeft=3\r\n", NoSettingsTop},
        TopCase {"SectionRemoved", "[Return Address]\r\nLine 1=x\r\n", NoSettingsTop},
        TopCase {"ExplicitNoSettings", "[Position]\r\nTop=-640\r\n", NoSettingsTop},
        TopCase {"OffScreenKept", "[Position]\r\nTop=-5000\r\n", -5000}),
    [](const testing::TestParamInfo<TopCase>& row) { return std::string(row.param.name); });

TEST_F(SettingsFileTest, MalformedPositionKeysKeepCurrentValues)
{
    writeIni("[Position]\r\nTop=10\r\nLeft=abc\r\nHeight=\r\n");
    const StoredSettings stored = settings().read(m_current, m_font);
    EXPECT_EQ(stored.placement, (WindowPlacement {10, 200, 338, 465}));
    EXPECT_EQ(stored.font, m_font);
    EXPECT_EQ(stored.lastCard, 1);
    EXPECT_EQ(stored.returnAddress, (std::array<std::string, 4> {}));
}

struct FontCase {
    const char* name;
    std::string_view fontSection;
    CardFont (*expected)(CardFont);
};

void PrintTo(const FontCase& c, std::ostream* os)
{
    *os << c.name;
}

class SettingsFont : public SettingsFileTest, public testing::WithParamInterface<FontCase> { };

TEST_P(SettingsFont, ReadsFontKeys)
{
    writeIni("[Position]\r\nTop=1\r\n[Font]\r\n" + std::string(GetParam().fontSection));
    EXPECT_EQ(settings().read(m_current, m_font).font, GetParam().expected(m_font));
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsFont,
    testing::Values(FontCase {"FixedCourierNew", "Pitch=fpfixed\r\nName=Courier New\r\n",
                        [](CardFont f) {
                            f.pitch = FontPitch::Fixed;
                            f.name = "Courier New";
                            return f;
                        }},
        FontCase {"PitchWordIsCaseSensitive", "Pitch=FPFIXED\r\n", [](CardFont f) { return f; }},
        FontCase {"VariablePitch", "Pitch=fpvariable\r\n",
            [](CardFont f) {
                f.pitch = FontPitch::Variable;
                return f;
            }},
        FontCase {"ItalicUnderItsOwnKey", "Style2=fsitalic\r\n",
            [](CardFont f) {
                f.italic = true;
                return f;
            }},
        FontCase {"StyleWordUnderWrongKeyIgnored", "Style1=fsitalic\r\nStyle3=fsbold\r\n",
            [](CardFont f) { return f; }},
        FontCase {"AllStyles",
            "Style1=fsbold\r\nStyle2=fsitalic\r\nStyle3=fsunderline\r\nStyle4=fsstrikeout\r\n",
            [](CardFont f) {
                f.bold = f.italic = f.underline = f.strikeout = true;
                return f;
            }},
        FontCase {"StyleWordIsCaseSensitive", "Style1=FSBOLD\r\n", [](CardFont f) { return f; }},
        FontCase {"ColourAndSize", "Color=255\r\nSize=12\r\n",
            [](CardFont f) {
                f.color = 255;
                f.size = 12;
                return f;
            }},
        FontCase {"HeightNeverRead", "Height=-40\r\n", [](CardFont f) { return f; }},
        FontCase {
            "MalformedColourAndSizeKeepCurrent", "Color=red\r\nSize=12pt\r\n", [](CardFont f) { return f; }},
        FontCase {"ZeroSizeKeepsCurrent", "Size=0\r\n", [](CardFont f) { return f; }},
        FontCase {"HugeSizeKeepsCurrent", "Size=2000000000\r\n", [](CardFont f) { return f; }},
        FontCase {"EmptyNameKeepsCurrent", "Name=\r\n", [](CardFont f) { return f; }}),
    [](const testing::TestParamInfo<FontCase>& row) { return std::string(row.param.name); });

TEST_F(SettingsFileTest, StylesAreOnlyAdded)
{
    writeIni("[Font]\r\nStyle1=\r\nStyle2=fsitalic\r\n");
    CardFont current = m_font;
    current.bold = true;
    const CardFont read = settings().read(m_current, current).font;
    EXPECT_TRUE(read.bold);
    EXPECT_TRUE(read.italic);
}

TEST_F(SettingsFileTest, ReadsAFileWrittenOnWindows)
{
    // Odd case, blanks, quotes and CR LF, as hand edits and the platform leave them.
    writeIni(
        "; Quillbox settings\r\n"
        "[POSITION]\r\n top = 0x40 \r\nLEFT=12\r\nheight=300\r\nWidth= 400\r\n\r\n"
        "[font]\r\ncolor=-2147483640\r\nHeight=-16\r\nname=\"Times New Roman\"\r\npitch = fpvariable\r\n"
        "size=12\r\nstyle1=fsbold\r\nStyle2=\r\nStyle3=\r\nStyle4=\r\n"
        "[params]\r\nlastcard=17\r\n"
        "[return address]\r\nline 1=  J. Smith\r\nLINE 2='  indented'\r\nLine 3=\r\nLine 4=Caf\xE9 Row\r\n");
    const StoredSettings stored = settings().read(m_current, m_font);
    EXPECT_EQ(stored.placement, (WindowPlacement {64, 12, 300, 400}));
    EXPECT_EQ(stored.font.name, "Times New Roman");
    EXPECT_EQ(stored.font.pitch, FontPitch::Variable);
    EXPECT_EQ(stored.font.size, 12);
    EXPECT_TRUE(stored.font.bold);
    EXPECT_FALSE(stored.font.italic);
    EXPECT_EQ(stored.lastCard, 17);
    EXPECT_EQ(
        stored.returnAddress, (std::array<std::string, 4> {"J. Smith", "  indented", "", "Caf\xE9 Row"}));
}

TEST_F(SettingsFileTest, ReturnAddressRoundTrip)
{
    const std::array<std::string, 4> lines = {"  Dr. Ann Lee", "", "\"Rose Cottage\"", "Zip 12345 \t"};
    ASSERT_TRUE(settings().writeReturnAddress(lines).ok);
    EXPECT_EQ(settings().readReturnAddress(), lines);
    EXPECT_EQ(ini(),
        "[Return Address]\r\nLine 1=\"  Dr. Ann Lee\"\r\nLine 2=\r\nLine 3=\"\"Rose Cottage\"\"\r\n"
        "Line 4=\"Zip 12345 \t\"\r\n");
}

TEST_F(SettingsFileTest, ReturnAddressLineKeepsOnlyItsFirstLine)
{
    ASSERT_TRUE(settings().writeReturnAddress({"one\r\n[Position]\r\nTop=-640", "b", "c", "d"}).ok);
    EXPECT_EQ(settings().readReturnAddress()[0], "one");
    EXPECT_EQ(settings().readTop(), NoSettingsTop);
}

TEST_F(SettingsFileTest, ReturnAddressSurvivesFirstRunPath)
{
    // Position removed, Return Address kept: the first-run write leaves the old lines in the file.
    writeIni("[Return Address]\r\nLine 1=Old\r\nLine 2=\r\nLine 3=\r\nLine 4=\r\n");
    ASSERT_EQ(settings().readTop(), NoSettingsTop);
    ASSERT_TRUE(settings().writeinifile(m_current, m_font, 1).ok);
    EXPECT_EQ(settings().readReturnAddress()[0], "Old");
    EXPECT_TRUE(ini().starts_with("[Return Address]\r\nLine 1=Old\r\nLine 2=\r\nLine 3=\r\nLine 4=\r\n"
                                  "[Position]\r\nTop=100\r\n"));
}

TEST_F(SettingsFileTest, LastCardAloneAtClose)
{
    ASSERT_TRUE(settings().writeinifile(m_current, m_font, 3).ok);
    const std::string before = ini();
    ASSERT_TRUE(settings().writeLastCard(0).ok);
    std::string expected = before;
    expected.replace(expected.find("LastCard=3"), 10, "LastCard=0");
    EXPECT_EQ(ini(), expected);
    EXPECT_EQ(settings().read(m_current, m_font).lastCard, 0);
}

TEST_F(SettingsFileTest, UnwritableLocationReportsPathAndReason)
{
    const SettingsFile file((m_dir.path() / "gone").string());
    const SettingsWrite result = file.writeinifile(m_current, m_font, 1);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Unable to write to " + m_dir.str() + "/gone/quillbox.ini");
    EXPECT_EQ(result.message, file.unableToWriteMessage());
    EXPECT_EQ(result.reason, "No such file or directory");
    EXPECT_FALSE(file.writeLastCard(1).ok);
    EXPECT_FALSE(file.writeReturnAddress({}).ok);
}

TEST_F(SettingsFileTest, SettingsPathIsADirectory)
{
    std::filesystem::create_directory(m_dir.file(Ini));
    const SettingsWrite result = settings().writeinifile(m_current, m_font, 1);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Unable to write to " + m_dir.str() + "/quillbox.ini");
    EXPECT_EQ(result.reason, "Is a directory");
    EXPECT_EQ(settings().readTop(), NoSettingsTop);
}

TEST_F(SettingsFileTest, StartReadsTheFileOnceAndSeesLaterChanges)
{
    writeIni("[Position]\r\nTop=5\r\n");
    const SettingsFile file = settings();
    EXPECT_EQ(file.readTop(), 5);
    // Another writer replaces the file between two reads of one start.
    writeIni("[Position]\r\nTop=77\r\nLeft=9\r\n");
    const StoredSettings stored = file.read(m_current, m_font);
    EXPECT_EQ(stored.placement.top, 77);
    EXPECT_EQ(stored.placement.left, 9);
}

// ---- Fuzzer seeds and findings -------------------------------------------

TEST(SettingsCorpus, EveryFileReadsWritesAndReadsBackWhatWasWritten)
{
    const WindowPlacement placement {-17, 7, 345, 640};
    CardFont font = designCardFont(96);
    font.name = " Arial Narrow ";
    font.pitch = FontPitch::Fixed;
    font.italic = true;
    const std::array<std::string, 4> lines = {"  padded  ", "\"quoted\"", "", "Z\xFCrich \x80"};
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUILLBOX_SETTINGS_CORPUS)) {
        ++files;
        const std::string name = entry.path().filename().string();
        TempDir dir;
        std::filesystem::copy_file(entry.path(), dir.file(Ini));
        const SettingsFile file(dir.str());
        (void)file.read(placement, font);
        ASSERT_TRUE(file.writeinifile(placement, font, 42).ok) << name;
        ASSERT_TRUE(file.writeReturnAddress(lines).ok) << name;
        const StoredSettings stored = file.read({}, designCardFont(96));
        EXPECT_EQ(stored.placement, placement) << name;
        EXPECT_EQ(stored.font.name, font.name) << name;
        EXPECT_EQ(stored.font.pitch, font.pitch) << name;
        EXPECT_TRUE(stored.font.italic) << name;
        EXPECT_EQ(stored.lastCard, 42) << name;
        EXPECT_EQ(stored.returnAddress, lines) << name;
    }
    EXPECT_GT(files, 0);
}

} // namespace
} // namespace quillbox
