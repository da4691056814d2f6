// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_layout.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillbox {
namespace {

// Every character is 10 pixels wide, so widths read as character counts.
int tenEach(std::string_view run)
{
    return static_cast<int>(run.size()) * 10;
}

std::vector<std::string> lineTexts(std::string_view text, int width, int height = 1000, int lineHeight = 10)
{
    std::vector<std::string> out;
    int expectedTop = 0;
    for (const LaidLine& line : layoutWordBreak(text, width, height, lineHeight, tenEach)) {
        EXPECT_EQ(line.top, expectedTop) << "lines stand one line height apart";
        expectedTop += lineHeight;
        out.emplace_back(text.substr(line.start, line.length));
    }
    return out;
}

struct LayoutCase {
    const char* name;
    std::string_view text;
    int width;
    std::vector<std::string> lines;
};

void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << c.name;
}

class WordBreak : public testing::TestWithParam<LayoutCase> { };

TEST_P(WordBreak, Lines)
{
    EXPECT_EQ(lineTexts(GetParam().text, GetParam().width), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, WordBreak,
    testing::Values(LayoutCase {"FitsWhole", "Ann Smith", 200, {"Ann Smith"}},
        LayoutCase {"BlankIsFirstMisfit", "aaa bbb ccc", 75, {"aaa bbb", "ccc"}},
        LayoutCase {"BreaksBeforeLastFittingBlank", "aaa bbbb", 60, {"aaa", "bbbb"}},
        LayoutCase {"ExactWidthFits", "aaa bbb", 70, {"aaa bbb"}},
        LayoutCase {"FurtherBlanksStartNextLine", "aaa   bb", 40, {"aaa ", " bb"}},
        LayoutCase {"LongWordStandsAloneUnbroken", "abcdefghij xy", 50, {"abcdefghij", "xy"}},
        LayoutCase {"LongWordAfterShortOne", "xy abcdefghij", 50, {"xy", "abcdefghij"}},
        // Each word of "line1 line2" is wider than one pixel: exactly two lines.
        LayoutCase {"OnePixelWide", "line1 line2", 1, {"line1", "line2"}},
        LayoutCase {"TabIsNoBreakPoint", "aa\tbb", 30, {"aa\tbb"}},
        LayoutCase {"HyphenIsNoBreakPoint", "aa-bb", 30, {"aa-bb"}},
        LayoutCase {"CrLfIsOneBreak", "one\r\ntwo", 200, {"one", "two"}},
        LayoutCase {"LfCrIsOneBreak", "one\n\rtwo\n\r\n\rfour", 200, {"one", "two", "", "four"}},
        LayoutCase {"LoneCrAndLoneLf", "a\rb\nc", 200, {"a", "b", "c"}},
        LayoutCase {"CrCrIsTwoBreaks", "a\r\rb", 200, {"a", "", "b"}},
        LayoutCase {"LfLfIsTwoBreaks", "a\n\nb", 200, {"a", "", "b"}},
        LayoutCase {"CrLfCrIsTwoBreaks", "a\r\n\rb", 200, {"a", "", "b"}},
        LayoutCase {"TrailingBreakAddsNoLine", "a\r\n", 200, {"a"}},
        LayoutCase {"AmpersandIsPlainText", "Smith & Sons", 200, {"Smith & Sons"}},
        LayoutCase {"WrapsWithinEachParagraph", "aa bb cc\r\ndd ee", 50, {"aa bb", "cc", "dd ee"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(WordBreakClipping, StopsAfterTheLineThatCrossesTheBottom)
{
    // Tops 0, 10, 20 lie above a bottom at 25; the third crosses it.
    EXPECT_EQ(lineTexts("a\nb\nc\nd\ne", 100, 25), (std::vector<std::string> {"a", "b", "c"}));
    EXPECT_EQ(lineTexts("a\nb\nc\nd\ne", 100, 30), (std::vector<std::string> {"a", "b", "c"}));
    EXPECT_EQ(lineTexts("aa bb cc dd", 20, 15), (std::vector<std::string> {"aa", "bb"}));
}

TEST(WordBreakClipping, NothingForAnEmptyRectangle)
{
    EXPECT_TRUE(layoutWordBreak("text", 100, 0, 10, tenEach).empty());
    EXPECT_TRUE(layoutWordBreak("text", 100, -5, 10, tenEach).empty());
    EXPECT_TRUE(layoutWordBreak("text", 100, 100, 0, tenEach).empty());
}

TEST(WordBreakMeasure, ProportionalWidthsBreakWhereTheyCross)
{
    // Narrow i, wide W: "iiii WW" is 4 + 1 + 20 = 25 wide with i=1, blank=1, W=10.
    const MeasureText proportional = [](std::string_view run) {
        int w = 0;
        for (const char c : run)
            w += c == 'W' ? 10 : 1;
        return w;
    };
    const auto lines = layoutWordBreak("iiii WW W", 25, 100, 10, proportional);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].length, 7u);
    EXPECT_EQ(lines[1].start, 8u);
}

} // namespace
} // namespace quillbox
