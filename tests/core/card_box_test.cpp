// SPDX-License-Identifier: GPL-3.0-or-later
// The card box's rules, without a window: storing edits, stepping, tabs,
// first lines, letters, searching and renumbering.
#include "core/card_box.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace quillbox {
namespace {

/// A box holding `texts` (filed as loading files them) with `current` shown.
std::unique_ptr<CardBox> boxOf(const std::vector<std::string>& texts, int current = 1)
{
    auto box = std::make_unique<CardBox>();
    for (const auto& t : texts) {
        box->collection().CardTable[StagingSlot] = t;
        box->collection().InsertCard();
    }
    box->showAtStart(current);
    return box;
}

std::vector<std::string> numbered(int count)
{
    std::vector<std::string> texts;
    for (int i = 1; i <= count; ++i)
        texts.push_back("Card "
            + std::string(i < 10 ? "00"
                    : i < 100    ? "0"
                                 : "")
            + std::to_string(i) + "\r\n");
    return texts;
}

std::vector<std::string> cardsOf(const CardBox& box)
{
    std::vector<std::string> out;
    for (int i = 1; i <= box.count(); ++i)
        out.emplace_back(box.cards().card(i));
    return out;
}

// --- Stored text ------------------------------------------------------------

struct StoredCase {
    const char* name;
    std::string typed;
    std::string stored;
};

void PrintTo(const StoredCase& c, std::ostream* os)
{
    *os << c.name;
}

class StoredText : public ::testing::TestWithParam<StoredCase> { };

TEST_P(StoredText, IsCutAndEndsInOneLineBreak)
{
    EXPECT_EQ(storedCardText(GetParam().typed), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Cases, StoredText,
    ::testing::Values(StoredCase {"NoFinalBreak", "Moss", "Moss\r\n"},
        StoredCase {"FinalBreakKept", "Moss\r\n", "Moss\r\n"},
        StoredCase {"BlankLineAtEndKept", "Moss\r\n\r\n", "Moss\r\n\r\n"},
        StoredCase {"LoneLfGetsCrLf", "Moss\n", "Moss\n\r\n"},
        StoredCase {"ExactlyTheLimit", std::string(498, 'x'), std::string(498, 'x') + "\r\n"},
        StoredCase {"LongerIsCut", std::string(600, 'x'), std::string(498, 'x') + "\r\n"},
        // The cut falls between CR and LF: the CR goes with it.
        StoredCase {
            "CutInsideALineBreak", std::string(497, 'x') + "\r\nmore", std::string(497, 'x') + "\r\n"},
        StoredCase {
            "CutAfterALineBreak", std::string(496, 'x') + "\r\nmore", std::string(496, 'x') + "\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

// --- Storing an edit --------------------------------------------------------

const std::vector<std::string> SixNames {
    "Adams\r\n", "Baker\r\n", "Carter\r\n", "Dunn\r\n", "Evans\r\n", "Fox\r\n"};

TEST(CardBoxStoreEdit, AnEditedCardIsFiledAgainAndFollowed)
{
    auto box = boxOf(SixNames, 1);
    ASSERT_TRUE(box->storeEdit("Zed", true));
    EXPECT_EQ(box->current(), 6);
    EXPECT_EQ(box->count(), 6);
    EXPECT_EQ(box->cards().card(1), "Baker\r\n");
    EXPECT_EQ(box->cards().card(6), "Zed\r\n");
    EXPECT_TRUE(box->cards().CardsChanged);
    // The move that follows wraps to card 1, now Baker.
    EXPECT_EQ(box->cardAfter(Step::CardForward), 1);
}

struct SkipCase {
    const char* name;
    std::string text;
    bool modified;
};

void PrintTo(const SkipCase& c, std::ostream* os)
{
    *os << c.name;
}

class StoreEditSkips : public ::testing::TestWithParam<SkipCase> { };

TEST_P(StoreEditSkips, LeavesTheBoxAsItWas)
{
    auto box = boxOf(SixNames, 3);
    EXPECT_FALSE(box->storeEdit(GetParam().text, GetParam().modified));
    EXPECT_EQ(cardsOf(*box), SixNames);
    EXPECT_EQ(box->current(), 3);
    EXPECT_FALSE(box->cards().CardsChanged);
}

INSTANTIATE_TEST_SUITE_P(Cases, StoreEditSkips,
    ::testing::Values(SkipCase {"Unmodified", "Zed\r\n", false},
        // An emptied card keeps its stored text.
        SkipCase {"EmptiedCard", "", true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CardBoxStoreEdit, ANewCardIsAddedWhateverTheModifiedFlag)
{
    auto box = boxOf({"Adams\r\n", "Zed\r\n"}, 2);
    box->beginNewCard();
    ASSERT_TRUE(box->storeEdit("Moss", false));
    EXPECT_EQ(cardsOf(*box), (std::vector<std::string> {"Adams\r\n", "Moss\r\n", "Zed\r\n"}));
    EXPECT_EQ(box->current(), 2);
    EXPECT_FALSE(box->enteringNewCard());
}

TEST(CardBoxStoreEdit, TextTypedIntoAnEmptyBoxBecomesACard)
{
    auto box = boxOf({});
    ASSERT_EQ(box->current(), 1);
    ASSERT_TRUE(box->storeEdit("Fresh", true));
    EXPECT_EQ(cardsOf(*box), (std::vector<std::string> {"Fresh\r\n"}));
    EXPECT_EQ(box->current(), 1);
}

TEST(CardBoxStoreEdit, AFullBoxTakesEditsButNoNewCard)
{
    auto box = boxOf(numbered(MaxCards), 5);
    ASSERT_TRUE(box->full());
    ASSERT_TRUE(box->storeEdit("Card 005 edited", true));
    EXPECT_EQ(box->count(), MaxCards);
    EXPECT_EQ(box->cards().card(5), "Card 005 edited\r\n");

    box->beginNewCard();
    EXPECT_FALSE(box->storeEdit("One too many", false));
    EXPECT_EQ(box->count(), MaxCards);
}

TEST(CardBoxStoreEdit, ACardLongerThanTheLimitIsCutWhenItsEditIsStored)
{
    auto box = boxOf({"Long\r\n" + std::string(700, 'y') + "\r\n"});
    ASSERT_EQ(box->cards().card(1).size(), 708u);
    ASSERT_TRUE(box->storeEdit("Long!\r\n" + std::string(700, 'y') + "\r\n", true));
    EXPECT_EQ(box->cards().card(1), "Long!\r\n" + std::string(491, 'y') + "\r\n");
}

// --- New cards and deleting -------------------------------------------------

TEST(CardBoxNewCard, CompleteFilesAndAbortReturnsToTheCardBefore)
{
    auto box = boxOf({"Adams\r\n", "Zed\r\n"}, 2);
    box->beginNewCard();
    EXPECT_TRUE(box->enteringNewCard());
    EXPECT_EQ(box->cards().CardBeforeNew, 2);
    box->abortNewCard();
    EXPECT_EQ(box->current(), 2);
    EXPECT_FALSE(box->cards().CardsChanged);

    box->beginNewCard();
    box->completeNewCard("Baker\r\n1 Main St");
    EXPECT_EQ(box->current(), 2);
    EXPECT_EQ(box->cards().card(2), "Baker\r\n1 Main St\r\n");
    EXPECT_TRUE(box->cards().CardsChanged);
}

struct RemoveCase {
    const char* name;
    int cards;
    int current;
    int expectedCurrent;
};

void PrintTo(const RemoveCase& c, std::ostream* os)
{
    *os << c.name;
}

class RemoveCurrent : public ::testing::TestWithParam<RemoveCase> { };

TEST_P(RemoveCurrent, KeepsAValidCardCurrent)
{
    const RemoveCase& c = GetParam();
    auto box = boxOf(numbered(c.cards), c.current);
    const std::string removed(box->cards().card(c.current));
    box->removeCurrentCard();
    EXPECT_EQ(box->count(), c.cards - 1);
    EXPECT_EQ(box->current(), c.expectedCurrent);
    EXPECT_TRUE(box->cards().CardsChanged);
    for (int i = 1; i <= box->count(); ++i)
        EXPECT_NE(box->cards().card(i), removed);
}

INSTANTIATE_TEST_SUITE_P(Cases, RemoveCurrent,
    ::testing::Values(RemoveCase {"Middle", 4, 2, 2}, RemoveCase {"LastStepsBack", 4, 4, 3},
        RemoveCase {"OnlyCardLeavesCardOne", 1, 1, 1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CardBoxStart, ShowsTheLastCardWhenItIsACard)
{
    struct Case {
        int cards, lastCard, shown;
    };
    for (const Case c : {Case {3, 2, 2}, Case {3, 3, 3}, Case {3, 4, 1}, Case {3, 0, 1}, Case {3, -2, 1},
             Case {0, 1, 1}, Case {0, 5, 1}}) {
        auto box = boxOf(numbered(c.cards));
        box->showAtStart(c.lastCard);
        EXPECT_EQ(box->current(), c.shown) << c.cards << " cards, last card " << c.lastCard;
    }
}

// --- Stepping and the notebook ----------------------------------------------

struct StepCase {
    const char* name;
    int cards;
    int from;
    Step step;
    int expected; // 0: the step is not taken
};

void PrintTo(const StepCase& c, std::ostream* os)
{
    *os << c.name;
}

class CardAfter : public ::testing::TestWithParam<StepCase> { };

TEST_P(CardAfter, StepsAndWrapsWhenThereAreCardsEnough)
{
    const StepCase& c = GetParam();
    auto box = boxOf(numbered(c.cards), c.from);
    EXPECT_EQ(box->cardAfter(c.step).value_or(0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CardAfter,
    ::testing::Values(StepCase {"FiveCardsPageForwardWraps", 5, 2, Step::PageForward, 1},
        StepCase {"FiveCardsPageBackWraps", 5, 2, Step::PageBack, 3},
        StepCase {"FiveCardsNoCardStep", 5, 2, Step::CardForward, 0},
        StepCase {"FiveCardsNoCardStepBack", 5, 2, Step::CardBack, 0},
        StepCase {"FourCardsNoPage", 4, 2, Step::PageForward, 0},
        StepCase {"FourCardsNoPageBack", 4, 2, Step::PageBack, 0},
        StepCase {"SixCardsForwardFromLastWraps", 6, 6, Step::CardForward, 1},
        StepCase {"SixCardsBackFromFirstWraps", 6, 1, Step::CardBack, 6},
        StepCase {"SixCardsForward", 6, 3, Step::CardForward, 4},
        StepCase {"TenCardsPageForward", 10, 3, Step::PageForward, 7},
        StepCase {"TenCardsPageForwardWraps", 10, 9, Step::PageForward, 3},
        StepCase {"TenCardsPageBackWraps", 10, 1, Step::PageBack, 7},
        StepCase {"EmptyBox", 0, 1, Step::CardForward, 0}),
    [](const auto& row) { return std::string(row.param.name); });

struct TabCase {
    const char* name;
    int cards;
    int current;
    int selectedTab;
    std::vector<int> underTabs; // 0: the tab shows no card
};

void PrintTo(const TabCase& c, std::ostream* os)
{
    *os << c.name;
}

class CardUnderTab : public ::testing::TestWithParam<TabCase> { };

TEST_P(CardUnderTab, TabsShowConsecutiveCardsRoundTheSelectedOne)
{
    const TabCase& c = GetParam();
    auto box = boxOf(numbered(c.cards), c.current);
    std::vector<int> under;
    for (int tab = 0; tab < NotebookTabs; ++tab)
        under.push_back(box->cardUnderTab(tab, c.selectedTab).value_or(0));
    EXPECT_EQ(under, c.underTabs);
}

INSTANTIATE_TEST_SUITE_P(Cases, CardUnderTab,
    ::testing::Values(TabCase {"WrapsPastTheLastCard", 10, 10, 1, {9, 10, 1, 2}},
        TabCase {"WrapsBeforeTheFirstCard", 10, 1, 2, {9, 10, 1, 2}},
        TabCase {"NoWrap", 10, 4, 1, {3, 4, 5, 6}}, TabCase {"FewerCardsThanTabs", 3, 1, 0, {1, 2, 3, 0}},
        TabCase {"FewerCardsThanTabsWrapping", 3, 1, 2, {2, 3, 1, 0}},
        TabCase {"OneCard", 1, 1, 0, {1, 0, 0, 0}}, TabCase {"NoCards", 0, 1, 0, {0, 0, 0, 0}}),
    [](const auto& row) { return std::string(row.param.name); });

// --- First lines and letters ------------------------------------------------

TEST(CardBoxFirstLine, WholeOrCutAndEmptyOutsideTheBox)
{
    auto box = boxOf({"Abcdefghijklmnopqrstu\r\nline two\r\n", "Ab\ncd\r\nrest\r\n", "\r\nno title\r\n",
        "No break at all"});
    // Filed as: the empty title, "Ab\ncd", "Abcdef...", "No break at all".
    EXPECT_EQ(box->firstline(1, true), "");
    EXPECT_EQ(box->firstline(2, false), "Abcd");
    EXPECT_EQ(box->firstline(3, true), "Abcdefghijklmnopqrstu");
    EXPECT_EQ(box->firstline(3, false), "Abcdefghijklmno");
    EXPECT_EQ(box->firstline(4, true), "No break at all");
    EXPECT_EQ(box->firstline(0, true), "");
    EXPECT_EQ(box->firstline(5, true), "");
}

struct LetterCase {
    const char* name;
    std::string text;
    int tab; // -1: no tab of its own
};

void PrintTo(const LetterCase& c, std::ostream* os)
{
    *os << c.name;
}

class LetterTabOf : public ::testing::TestWithParam<LetterCase> { };

TEST_P(LetterTabOf, LightsTheTabOfTheFirstCharacter)
{
    EXPECT_EQ(letterTabOf(GetParam().text).value_or(-1), GetParam().tab);
}

INSTANTIATE_TEST_SUITE_P(Cases, LetterTabOf,
    ::testing::Values(LetterCase {"UpperCase", "Mary\r\n", 13}, LetterCase {"LowerCase", "mary\r\n", 13},
        LetterCase {"FirstLetter", "adams", 1}, LetterCase {"LastLetter", "Zoe", 26},
        LetterCase {"Digit", "7 Dwarves\r\n", 0}, LetterCase {"Blank", " Blank\r\n", 0},
        LetterCase {"EmptyFirstLine", "\r\nsecond\r\n", 0}, LetterCase {"At", "@home", 0},
        LetterCase {"Underscore", "_under\r\n", -1}, LetterCase {"Bracket", "[x", -1},
        LetterCase {"Accented", "\xC4rger\r\n", -1}, LetterCase {"Empty", "", -1}),
    [](const auto& row) { return std::string(row.param.name); });

struct UnderLetterCase {
    const char* name;
    int tab;
    int card;
};

void PrintTo(const UnderLetterCase& c, std::ostream* os)
{
    *os << c.name;
}

class FirstCardUnderLetter : public ::testing::TestWithParam<UnderLetterCase> { };

TEST_P(FirstCardUnderLetter, IsTheFirstCardAtOrAfterTheLetter)
{
    // Filed as: 42 Club, Adams, baker, Carter, Rogers, Smith.
    auto box = boxOf({"Smith\r\n", "baker\r\n", "Adams\r\n", "42 Club\r\n", "Rogers\r\n", "Carter\r\n"}, 4);
    EXPECT_EQ(box->firstCardUnderLetter(GetParam().tab), GetParam().card);
}

INSTANTIATE_TEST_SUITE_P(Cases, FirstCardUnderLetter,
    ::testing::Values(UnderLetterCase {"Hash", 0, 1}, UnderLetterCase {"A", 1, 2},
        UnderLetterCase {"LowerCaseB", 2, 3}, UnderLetterCase {"QWithoutQCardShowsR", 17, 5},
        UnderLetterCase {"S", 19, 6}, UnderLetterCase {"ZWithNothingAfterShowsFirst", 26, 1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CardBoxLetters, AnEmptyFirstLineIsUnderNoLetter)
{
    auto box = boxOf({"\r\nno title\r\n", "Baker\r\n"});
    EXPECT_EQ(box->firstCardUnderLetter(1), 2);
    EXPECT_EQ(boxOf({})->firstCardUnderLetter(5), 1);
}

// --- Searching --------------------------------------------------------------

TEST(CardBoxSearch, ScansFromTheGivenCardByteForByte)
{
    auto box = boxOf({"Able\r\nx\r\n", "Baker\r\nx y\r\n", "Carter\r\n"});
    struct Case {
        const char* text;
        int first;
        int card; // 0: no hit
        int offset;
    };
    for (const Case c : {Case {"x", 1, 1, 6}, Case {"x", 2, 2, 7}, Case {"y", 0, 2, 9}, Case {"x", 3, 0, 0},
             Case {"", 1, 0, 0}, Case {"r\r\nx", 1, 2, 4}, Case {"baker", 1, 0, 0}, Case {"Carter", 4, 0, 0},
             Case {"Able", -5, 1, 0}}) {
        const auto hit = box->findCardContaining(c.text, c.first);
        EXPECT_EQ(hit ? hit->card : 0, c.card) << c.text << " from " << c.first;
        if (hit) {
            EXPECT_EQ(hit->offset, c.offset) << c.text << " from " << c.first;
        }
    }
}

struct PositionCase {
    const char* name;
    std::string stored;
    int offset;
    int expected;
};

void PrintTo(const PositionCase& c, std::ostream* os)
{
    *os << c.name;
}

class MemoPosition : public ::testing::TestWithParam<PositionCase> { };

TEST_P(MemoPosition, CountsEveryLineBreakAsTwo)
{
    EXPECT_EQ(memoPosition(GetParam().stored, GetParam().offset), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MemoPosition,
    ::testing::Values(PositionCase {"CrLf", "ab\r\ncd", 4, 4}, PositionCase {"LoneLf", "ab\ncd", 3, 4},
        PositionCase {"LoneCr", "ab\rcd", 3, 4}, PositionCase {"LfCrIsTwoBreaks", "a\n\rb", 3, 5},
        PositionCase {"PastTheEnd", "ab", 9, 2}, PositionCase {"Negative", "ab", -1, 0}),
    [](const auto& row) { return std::string(row.param.name); });

// --- Renumbering after a card is filed again ---------------------------------

struct RenumberCase {
    const char* name;
    int card;
    int from;
    int to;
    int expected;
};

void PrintTo(const RenumberCase& c, std::ostream* os)
{
    *os << c.name;
}

class Renumbered : public ::testing::TestWithParam<RenumberCase> { };

TEST_P(Renumbered, MatchesTheBoxAfterTheFiling)
{
    const RenumberCase& c = GetParam();
    EXPECT_EQ(renumbered(c.card, c.from, c.to), c.expected);

    // The same as the box does it: card `from` re-filed at `to`.
    std::vector<std::string> texts = numbered(6);
    auto box = boxOf(texts, c.from);
    const std::string chosen = texts[std::size_t(c.card - 1)];
    // A text that sorts just after the card that will precede it at `to`.
    std::vector<std::string> others = texts;
    others.erase(others.begin() + (c.from - 1));
    const std::string edited = c.to == 1 ? "A" : others[std::size_t(c.to - 2)] + "z";
    ASSERT_TRUE(box->storeEdit(edited, true));
    ASSERT_EQ(box->current(), c.to);
    if (c.card != c.from) {
        EXPECT_EQ(box->cards().card(c.expected), chosen);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Renumbered,
    ::testing::Values(RenumberCase {"NoMove", 4, 2, 2, 4}, RenumberCase {"TheFiledCardItself", 2, 2, 5, 5},
        RenumberCase {"BetweenMovesDown", 3, 2, 5, 2}, RenumberCase {"AtTheNewPlaceMovesDown", 5, 2, 5, 4},
        RenumberCase {"BeyondStays", 6, 2, 5, 6}, RenumberCase {"BeforeStays", 1, 2, 5, 1},
        RenumberCase {"FiledEarlierShiftsUp", 3, 5, 2, 4},
        RenumberCase {"AtEarlierPlaceShiftsUp", 2, 5, 2, 3},
        RenumberCase {"AfterTheOldPlaceStays", 6, 5, 2, 6}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace quillbox
