// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cp1252.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace cp = quillbox::cp1252;

TEST(Cp1252, EveryByteRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        const char16_t u = cp::toUnicode(static_cast<unsigned char>(b));
        EXPECT_EQ(cp::fromUnicode(u), b) << "byte " << b;
    }
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(cp::fromUtf16(cp::toUtf16(all)), all);
    EXPECT_EQ(cp::fromUtf8(cp::toUtf8(all)), all);
}

TEST(Cp1252, UnassignedBytesAreC1Controls)
{
    for (const unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(cp::toUnicode(b), char16_t {b});
}

struct MappingCase {
    const char* name;
    unsigned char byte;
    char16_t unicode;
};

void PrintTo(const MappingCase& c, std::ostream* os)
{
    *os << c.name;
}

class Cp1252Mapping : public ::testing::TestWithParam<MappingCase> { };

TEST_P(Cp1252Mapping, BothWays)
{
    const auto& c = GetParam();
    EXPECT_EQ(cp::toUnicode(c.byte), c.unicode);
    EXPECT_EQ(cp::fromUnicode(c.unicode), c.byte);
}

INSTANTIATE_TEST_SUITE_P(Table, Cp1252Mapping,
    ::testing::Values(MappingCase {"Euro", 0x80, u'\u20AC'}, MappingCase {"LowQuote", 0x82, u'\u201A'},
        MappingCase {"Florin", 0x83, u'\u0192'}, MappingCase {"Ellipsis", 0x85, u'\u2026'},
        MappingCase {"SCaron", 0x8A, u'\u0160'}, MappingCase {"OE", 0x8C, u'\u0152'},
        MappingCase {"LeftQuote", 0x91, u'\u2018'}, MappingCase {"EnDash", 0x96, u'\u2013'},
        MappingCase {"EmDash", 0x97, u'\u2014'}, MappingCase {"TradeMark", 0x99, u'\u2122'},
        MappingCase {"YDiaeresis", 0x9F, u'\u0178'}, MappingCase {"NoBreakSpace", 0xA0, u'\u00A0'},
        MappingCase {"UUmlaut", 0xFC, u'\u00FC'}, MappingCase {"YDiaeresisSmall", 0xFF, u'\u00FF'}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Cp1252, CharactersOutsideBecomeQuestionMarks)
{
    // The C1 range positions that the code page reassigned are not themselves.
    EXPECT_EQ(cp::fromUnicode(0x80), '?');
    EXPECT_EQ(cp::fromUnicode(0x9F), '?');
    EXPECT_EQ(cp::fromUnicode(0x0100), '?');
    EXPECT_EQ(cp::fromUnicode(0x4E2D), '?');
    EXPECT_EQ(cp::fromUnicode(0x1F600), '?');
    EXPECT_EQ(cp::fromUtf16(u"a\u4E2D\u6587b"), "a??b");
}

TEST(Cp1252, SurrogatePairIsOneCharacter)
{
    EXPECT_EQ(cp::fromUtf16(u"x\U0001F600y"), "x?y");
    EXPECT_EQ(cp::fromUtf16(u"\U0001F600\U0001F601"), "??");
    // Lone halves are each one unrepresentable character.
    const char16_t lone[] = {u'a', 0xD83D, u'b', 0xDE00, 0};
    EXPECT_EQ(cp::fromUtf16(lone), "a?b?");
}

struct Utf8Case {
    const char* name;
    std::string utf8;
    std::string bytes;
};

void PrintTo(const Utf8Case& c, std::ostream* os)
{
    *os << c.name;
}

class Cp1252FromUtf8 : public ::testing::TestWithParam<Utf8Case> { };

TEST_P(Cp1252FromUtf8, Converts)
{
    EXPECT_EQ(cp::fromUtf8(GetParam().utf8), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Cases, Cp1252FromUtf8,
    ::testing::Values(Utf8Case {"Ascii", "Main St 5", "Main St 5"},
        Utf8Case {"Latin1", "M\xC3\xBCller", "M\xFCller"}, Utf8Case {"Euro", "\xE2\x82\xAC", "\x80"},
        Utf8Case {"Emoji", "a\xF0\x9F\x98\x80z", "a?z"}, Utf8Case {"Cjk", "\xE4\xB8\xAD", "?"},
        Utf8Case {"StrayContinuation", "a\x80z", "a?z"}, Utf8Case {"TruncatedAtEnd", "a\xE2\x82", "a?"},
        Utf8Case {"TruncatedThenAscii", "\xE2\x82z", "?z"}, Utf8Case {"Overlong", "\xE0\x80\xAF", "?"},
        Utf8Case {"EncodedSurrogate", "\xED\xA0\x80", "?"}, Utf8Case {"InvalidLead", "\xFF", "?"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Cp1252, ToUtf8)
{
    EXPECT_EQ(cp::toUtf8("M\xFCller \x80"), "M\xC3\xBCller \xE2\x82\xAC");
    EXPECT_EQ(cp::toUtf8(std::string_view("\0a", 2)), std::string("\0a", 2));
}
