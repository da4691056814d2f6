// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/card_table.h"
#include "core_test_util.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <vector>

using quillbox::CardCollection;
using quillbox::compareCardTexts;
using quillbox::MaxCards;
using quillbox::StagingSlot;
using quillbox::test::cardsOf;
using quillbox::test::makeBox;

namespace {

int sign(int v)
{
    return (v > 0) - (v < 0);
}

struct CompareCase {
    const char* name;
    std::string a;
    std::string b;
    int expected; // sign of compareCardTexts(a, b)
};

void PrintTo(const CompareCase& c, std::ostream* os)
{
    *os << c.name;
}

class CardTextOrder : public ::testing::TestWithParam<CompareCase> { };

TEST_P(CardTextOrder, ComparesAsTheCardBoxSorts)
{
    const auto& c = GetParam();
    EXPECT_EQ(sign(compareCardTexts(c.a, c.b)), c.expected);
    EXPECT_EQ(sign(compareCardTexts(c.b, c.a)), -c.expected) << "not antisymmetric";
}

INSTANTIATE_TEST_SUITE_P(Cases, CardTextOrder,
    ::testing::Values(
        // CR (13) is below the comma, so the bare surname files first.
        CompareCase {"ShortTitleBeforeLongerTitle", "Smith\r\n", "Smith, John\r\n", -1},
        // '_' lies between 'Z' and 'a': after every letter, folded or not.
        CompareCase {"UnderscoreAfterLetters", "Zoe\r\n", "_Zoe\r\n", -1},
        CompareCase {"UnderscoreAfterFoldedLowerCase", "zoe", "_zoe", -1},
        CompareCase {"BracketAfterZ", "Z", "[", -1}, CompareCase {"BackquoteAfterZ", "z", "`", -1},
        // 0xC4 is above every ASCII byte: unsigned comparison.
        CompareCase {"AccentedCapitalAfterAscii", "Zander\r\n", "\xC4rger\r\n", -1},
        CompareCase {"HighBytesUnsigned", "\x7F", "\x80", -1},
        // a-umlaut (0xE4) is not folded to A-umlaut (0xC4).
        CompareCase {"OnlyAsciiFolded", "\xE4rger", "\xC4rger", 1},
        CompareCase {"CaseFoldedEqual", "sMiTh\r\n", "SmItH\r\n", 0},
        // 'A' (65) < '^' (94) < 'a' (97): lower case is folded up, not down.
        CompareCase {"FoldingIsToUpperCase", "a", "^", -1},
        CompareCase {"PrefixFirst", "Smith", "Smith\r\n", -1}, CompareCase {"EmptyFirst", "", "A", -1},
        CompareCase {"BothEmpty", "", "", 0},
        // The whole text counts, not just the first line.
        CompareCase {"LaterLinesDecide", "Smith\r\n1 Main St\r\n", "Smith\r\n2 Main St\r\n", -1},
        CompareCase {"CrBeforeSpace", "Ann\r\n", "Ann Lee\r\n", -1},
        // Long shared heads: texts ending just before, at and after a common
        // prefix, and texts that first differ deep inside.
        CompareCase {"SevenBeforeEight", "Abcdefg", "ABCDEFGH", -1},
        CompareCase {"EightBeforeNine", "abcdefgh", "ABCDEFGHI", -1},
        CompareCase {"DifferAtByteNine", "abcdefghA", "ABCDEFGHB", -1},
        CompareCase {"FifteenBeforeSixteen", "abcdefghijklmno", "ABCDEFGHIJKLMNOP", -1},
        CompareCase {"SixteenBeforeSeventeen", "abcdefghijklmnop", "ABCDEFGHIJKLMNOPQ", -1},
        CompareCase {"DifferAtByteSixteen", "abcdefghijklmnoZ", "ABCDEFGHIJKLMNO_", -1},
        CompareCase {"DifferAfterSixteen", "abcdefghijklmnop\r\nA", "ABCDEFGHIJKLMNOP\r\nb", -1},
        CompareCase {"EqualPastSixteen", "abcdefghijklmnop\r\nx", "ABCDEFGHIJKLMNOP\r\nX", 0},
        // 0xE1 and 0xFA carry 'a' and 'z' in their low seven bits: not letters.
        CompareCase {"HighByteWithLowBitsOfA", "A", "\xE1", -1},
        CompareCase {"HighByteWithLowBitsOfZ", "\xDA", "\xFA", -1},
        CompareCase {"BackquoteBelowA", "`", "a", 1}, CompareCase {"BraceAboveZ", "z", "{", -1},
        CompareCase {"LowestAndHighestBytes", "\x01", "\xFF", -1},
        CompareCase {"DelBelowEuro", "\x7F\xFF", "\x80\x01", -1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(InsertCard, IntoEmptyBoxGivesCardOne)
{
    auto box = makeBox();
    box->CardTable[StagingSlot] = "Adams\r\n";
    EXPECT_EQ(box->InsertCard(), 1);
    EXPECT_EQ(box->CardCount, 1);
    EXPECT_EQ(box->CurrentCard, 1);
    EXPECT_EQ(box->card(1), "Adams\r\n");
}

TEST(InsertCard, EqualTextGoesBeforeTheEqualCard)
{
    auto box = makeBox({"Adams\r\n", "Baker\r\n", "Smith\r\n", "Young\r\n"});
    ASSERT_EQ(box->card(3), "Smith\r\n");
    box->CardTable[StagingSlot] = "smith\r\n";
    box->InsertCard();
    EXPECT_EQ(box->CurrentCard, 3);
    EXPECT_EQ(box->card(3), "smith\r\n");
    EXPECT_EQ(box->card(4), "Smith\r\n");
    EXPECT_EQ(box->CardCount, 5);
}

TEST(InsertCard, EqualTextGoesBeforeAllEqualCards)
{
    auto box = makeBox({"Adams\r\n", "SMITH\r\n", "Smith\r\n", "smith\r\n", "Young\r\n"});
    // Each was filed before the equal ones already there.
    EXPECT_EQ(cardsOf(*box),
        (std::vector<std::string> {"Adams\r\n", "smith\r\n", "Smith\r\n", "SMITH\r\n", "Young\r\n"}));
    box->CardTable[StagingSlot] = "sMiTh\r\n";
    box->InsertCard();
    EXPECT_EQ(box->CurrentCard, 2);
    EXPECT_EQ(box->card(2), "sMiTh\r\n");
    EXPECT_EQ(box->card(3), "smith\r\n");
}

TEST(InsertCard, AfterEveryCardBecomesTheLast)
{
    auto box = makeBox({"Baker\r\n", "Adams\r\n", "Cole\r\n"});
    box->CardTable[StagingSlot] = "_Zoe\r\n";
    box->InsertCard();
    EXPECT_EQ(box->CardCount, 4);
    EXPECT_EQ(box->CurrentCard, 4);
    EXPECT_EQ(cardsOf(*box), (std::vector<std::string> {"Adams\r\n", "Baker\r\n", "Cole\r\n", "_Zoe\r\n"}));
}

TEST(InsertCard, ReplacingTheOnlyCardKeepsItCurrent)
{
    auto box = makeBox({"Adams\r\n"});
    box->RemoveCard(1);
    box->CardTable[StagingSlot] = "Baker\r\n";
    box->InsertCard();
    EXPECT_EQ(box->CardCount, 1);
    EXPECT_EQ(box->CurrentCard, 1);
    EXPECT_EQ(box->card(1), "Baker\r\n");
}

TEST(InsertCard, FillsTheBoxToMaxCards)
{
    std::vector<std::string> texts;
    for (int i = MaxCards; i > 0; --i)
        texts.push_back("Card " + std::to_string(100000 + i));
    auto box = makeBox(texts);
    EXPECT_EQ(box->CardCount, MaxCards);
    EXPECT_EQ(box->card(1), "Card 100001");
    EXPECT_EQ(box->card(MaxCards), "Card 102000");
}

struct RemoveCase {
    const char* name;
    int index;
    std::vector<std::string> expected;
};

void PrintTo(const RemoveCase& c, std::ostream* os)
{
    *os << c.name;
}

class RemoveCard : public ::testing::TestWithParam<RemoveCase> { };

TEST_P(RemoveCard, ClosesTheGapAndLeavesCurrentAlone)
{
    const auto& c = GetParam();
    auto box = makeBox({"A\r\n", "B\r\n", "C\r\n", "D\r\n", "E\r\n"});
    box->CurrentCard = c.index;
    box->RemoveCard(c.index);
    EXPECT_EQ(box->CardCount, 4);
    EXPECT_EQ(box->CurrentCard, c.index);
    EXPECT_FALSE(box->CardsChanged);
    EXPECT_EQ(cardsOf(*box), c.expected);
    EXPECT_EQ(box->card(5), "") << "no card past the count";
}

INSTANTIATE_TEST_SUITE_P(Cases, RemoveCard,
    ::testing::Values(RemoveCase {"First", 1, {"B\r\n", "C\r\n", "D\r\n", "E\r\n"}},
        RemoveCase {"Middle", 2, {"A\r\n", "C\r\n", "D\r\n", "E\r\n"}},
        RemoveCase {"Last", 5, {"A\r\n", "B\r\n", "C\r\n", "D\r\n"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RemoveCard, DeletingTheCurrentCardWithTheDeleteRule)
{
    // The delete command lowers CurrentCard only when it ran past the end.
    auto box = makeBox({"A\r\n", "B\r\n", "C\r\n", "D\r\n", "E\r\n"});
    box->CurrentCard = 5;
    box->RemoveCard(box->CurrentCard);
    if (box->CurrentCard > box->CardCount)
        box->CurrentCard = box->CardCount;
    EXPECT_EQ(box->CurrentCard, 4);
    EXPECT_EQ(box->card(box->CurrentCard), "D\r\n");

    box->CurrentCard = 2;
    box->RemoveCard(box->CurrentCard);
    if (box->CurrentCard > box->CardCount)
        box->CurrentCard = box->CardCount;
    EXPECT_EQ(box->CurrentCard, 2);
    EXPECT_EQ(box->card(box->CurrentCard), "C\r\n");
}

/// A card box and a plain vector filed by the linear scan, side by side.
struct MirroredBox {
    std::unique_ptr<CardCollection> box = makeBox();
    std::vector<std::string> reference;

    /// Files `text` in both; returns the reference's slot (1-based).
    int file(const std::string& text)
    {
        // The reference: the first card the text is not greater than, else
        // the end. The reference stays sorted, so the cards the text is
        // greater than are exactly those before that one.
        const auto at = std::partition_point(reference.begin(), reference.end(),
            [&text](const std::string& card) { return compareCardTexts(text, card) > 0; });
        const auto slot = static_cast<int>(at - reference.begin()) + 1;
        reference.insert(at, text);
        box->CardTable[StagingSlot] = text;
        box->InsertCard();
        return slot;
    }
    void remove(int index)
    {
        reference.erase(reference.begin() + index - 1);
        box->RemoveCard(index);
    }
    /// Same cards in the same order; the staging slot after a filing and
    /// every slot above the last card read as empty texts.
    ::testing::AssertionResult matches() const
    {
        if (cardsOf(*box) != reference)
            return ::testing::AssertionFailure() << "cards differ from the linear scan's";
        if (!box->CardTable[StagingSlot].empty())
            return ::testing::AssertionFailure() << "staging slot not empty";
        for (int i = box->CardCount + 1; i <= MaxCards; ++i)
            if (!box->CardTable[i].empty())
                return ::testing::AssertionFailure() << "slot " << i << " above the last card not empty";
        return ::testing::AssertionSuccess();
    }
};

/// Random texts: one of `heads`, then up to `maxTail` bytes of `alphabet`.
struct FilingCase {
    const char* name;
    std::vector<std::string> heads;
    std::string alphabet;
    int maxTail;
};

void PrintTo(const FilingCase& c, std::ostream* os)
{
    *os << c.name;
}

class FilingOrder : public ::testing::TestWithParam<FilingCase> { };

TEST_P(FilingOrder, MatchesTheLinearScanThroughFilingAndRemoval)
{
    const auto& c = GetParam();
    std::mt19937 rng(20240611);
    const auto pick
        = [&rng](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };

    for (int round = 0; round < 8; ++round) {
        MirroredBox m;
        for (int step = 0; step < 400; ++step) {
            // One step in four removes a card, so runs shrink as well as grow.
            if (m.box->CardCount > 0 && pick(4) == 0) {
                m.remove(1 + static_cast<int>(pick(static_cast<std::size_t>(m.box->CardCount))));
                continue;
            }
            std::string text = c.heads[pick(c.heads.size())];
            for (std::size_t k = pick(static_cast<std::size_t>(c.maxTail) + 1); k > 0; --k)
                text += c.alphabet[pick(c.alphabet.size())];
            const int searched = m.box->insertionSlot(text);
            const int slot = m.file(text);
            ASSERT_EQ(searched, slot) << "round " << round << " step " << step;
            ASSERT_EQ(m.box->CurrentCard, slot) << "round " << round << " step " << step;
        }
        ASSERT_TRUE(m.matches()) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FilingOrder,
    ::testing::Values(
        // Equal (case-folded) texts, prefixes and bytes on both sides of
        // 'Z'..'a' occur often.
        FilingCase {"ShortTexts", {""}, "aAbB_,\r\n \xC4\xE4", 4},
        // Long case-folded ties: sixteen equal bytes first, in several cases.
        FilingCase {
            "TiedSortKeys", {"abcdefghijklmnop", "ABCDEFGHIJKLMNOP", "AbCdEfGhIjKlMnOp"}, "aAbB\r\n", 3},
        // Texts ending around the eighth and sixteenth byte.
        FilingCase {"AroundLongHeads", {"", "Smith, ", "SMITH, J", "Smith, John\r\n12", "smith, john\r\n12 "},
            "sS \r\n,Jj1", 2},
        // First bytes at both ends of the byte range and around 'Z'..'a'.
        FilingCase {"RunEnds", {"", "\x01", "\x7F", "\x80", "\xFF"}, "\x01\x7F\x80\xFFZ[\\]^_`az{", 3},
        // High letters are not folded, whatever their low seven bits.
        FilingCase {"AccentedLetters", {"", "\xC4", "\xE4"}, "aA\xC4\xE4\xE1\xC1\xFA\xDA", 4}),
    [](const auto& row) { return std::string(row.param.name); });

std::string numbered(int n)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06d\r\n", n);
    return buf;
}

TEST(CardCollection, ClearResetsEverything)
{
    auto box = makeBox({"A\r\n", "B\r\n"});
    box->CardsChanged = true;
    box->CardBeforeNew = 2;
    box->clear();
    EXPECT_EQ(box->CardCount, 0);
    EXPECT_EQ(box->CurrentCard, 0);
    EXPECT_EQ(box->CardBeforeNew, 0);
    EXPECT_FALSE(box->CardsChanged);
    EXPECT_TRUE(box->EnteringNewCard());
    EXPECT_EQ(box->card(1), "");
}

TEST(CardCollection, RefillsAfterClearAsANewBox)
{
    MirroredBox m;
    for (int n = 0; n < MaxCards; ++n)
        m.file(numbered(MaxCards - n));
    m.box->CardTable[StagingSlot] = "staged, never filed";
    m.box->clear();
    EXPECT_TRUE(m.box->CardTable[StagingSlot].empty());
    m.reference.clear();
    ASSERT_TRUE(m.matches());
    for (int n = 0; n < MaxCards; ++n)
        ASSERT_EQ(m.box->CurrentCard, m.file(std::string(1, static_cast<char>('A' + n % 40)) + numbered(n)));
    EXPECT_TRUE(m.matches());
}

} // namespace
