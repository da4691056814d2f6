#include "core/card_table.h"
#include "core_test_util.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
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
        CompareCase {"CrBeforeSpace", "Ann\r\n", "Ann Lee\r\n", -1}),
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
        // The reference: the first i with staged <= table[i], else the end.
        std::size_t i = 0;
        while (i < reference.size() && compareCardTexts(text, reference[i]) > 0)
            ++i;
        reference.insert(reference.begin() + static_cast<std::ptrdiff_t>(i), text);
        box->CardTable[StagingSlot] = text;
        box->InsertCard();
        return static_cast<int>(i) + 1;
    }
    void remove(int index)
    {
        reference.erase(reference.begin() + index - 1);
        box->RemoveCard(index);
    }
};

TEST(InsertCard, BinarySearchMatchesTheLinearScan)
{
    // Texts from a small alphabet so that equal (case-folded) texts, prefixes
    // and bytes on both sides of 'Z'..'a' occur often.
    const std::string alphabet = "aAbB_,\r\n \xC4\xE4";
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 4);

    for (int round = 0; round < 20; ++round) {
        MirroredBox m;
        for (int n = 0; n < 300; ++n) {
            std::string text;
            for (int k = length(rng); k > 0; --k)
                text += alphabet[letter(rng)];
            const int slot = m.file(text);
            ASSERT_EQ(m.box->CurrentCard, slot) << "round " << round << " card " << n;
        }
        ASSERT_EQ(cardsOf(*m.box), m.reference) << "round " << round;
    }
}

// Slots refer to pooled texts: removals free entries that later filings
// reuse, the staging text swaps places with a free entry at every filing,
// and the box runs full. The order must hold through all of it.
TEST(InsertCard, FilingAndRemovalKeepOrderAsEntriesAreReused)
{
    MirroredBox m;
    auto file = [&m](const std::string& text) { m.file(text); };
    auto remove = [&m](int index) { m.remove(index); };
    auto& box = m.box;
    auto& reference = m.reference;
    auto name = [](int n) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%05d\r\n", n);
        return std::string(buf);
    };

    // Every card goes in front, up to a full box.
    for (int n = MaxCards; n > 0; --n)
        file(name(n * 2));
    ASSERT_EQ(cardsOf(*box), reference);
    // Empty the front half, then refill from the back.
    for (int n = 0; n < MaxCards / 2; ++n)
        remove(1);
    ASSERT_EQ(cardsOf(*box), reference);
    for (int n = 0; n < MaxCards / 2; ++n)
        file(name(10000 + n));
    ASSERT_EQ(cardsOf(*box), reference);
    // Random traffic over the whole range.
    std::mt19937 rng(7);
    for (int step = 0; step < 4000; ++step) {
        if (box->CardCount > 0 && (box->CardCount == MaxCards || rng() % 2 == 0))
            remove(1 + static_cast<int>(rng() % static_cast<unsigned>(box->CardCount)));
        else
            file(name(static_cast<int>(rng() % 20000)));
    }
    ASSERT_EQ(cardsOf(*box), reference);
    // Slots above the last card, and the staging slot after a filing, read
    // as empty texts.
    EXPECT_TRUE(box->CardTable[StagingSlot].empty());
    for (int i = box->CardCount + 1; i <= MaxCards; ++i)
        ASSERT_TRUE(box->CardTable[i].empty()) << "slot " << i;
    while (box->CardCount > 0)
        remove(box->CardCount);
    EXPECT_TRUE(reference.empty());
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

} // namespace
