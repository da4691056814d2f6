// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: moving among the cards, the tab strips, editing, and the
// new-card state, driven through the real buttons, tabs and menu entries.
#include "Main.h"
#include "list.h"
#include "platform/card_memo.h"
#include "platform/tab_strip.h"
#include "ui_test_util.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <ostream>

namespace quillbox::test {
namespace {

const QString NewCardRefusal
    = QStringLiteral("You must complete editing the new card before taking this action.\r\n"
                     "Either complete the entry (Book Button) or abort (Menu Cards\\Abort).");
const QString NotEntering = QStringLiteral("You are not currently entering a card.");

class MainWindowTest : public ::testing::Test {
protected:
    /// Starts on `cards` with `lastCard` shown and the window up.
    void startWith(const std::vector<std::string>& cards, int lastCard = 1)
    {
        p.startWith(cards, lastCard);
        p.messages().clear();
    }
    TForm1& m() { return p.main(); }
    int shownNumber() { return test::child<QLabel>(m(), "Label3")->text().toInt(); }
    std::string memo() { return test::child<CardMemo>(m(), "Memo1")->text(); }
    /// The card numbers in the four notebook captions; 0 for an empty one.
    std::vector<int> captionNumbers()
    {
        std::vector<int> numbers;
        for (int i = 0; i < 4; ++i)
            numbers.push_back(test::child<TabbedNotebook>(m(), "TabbedNotebook1")
                                  ->tabText(i)
                                  .section(QLatin1Char('-'), 0, 0)
                                  .toInt());
        return numbers;
    }
    int notebookTab() { return test::child<TabbedNotebook>(m(), "TabbedNotebook1")->PageIndex(); }
    QString alphaTab()
    {
        return m()
            .findChild<GuardedTabBar*>(QStringLiteral("TabSet1"))
            ->tabText(test::child<GuardedTabBar>(m(), "TabSet1")->currentIndex());
    }
    void selectAllAndType(const QString& text)
    {
        test::child<CardMemo>(m(), "Memo1")->setFocus();
        test::child<CardMemo>(m(), "Memo1")->selectAll();
        QTest::keyClicks(test::child<CardMemo>(m(), "Memo1"), text);
    }

    TestProgram p;
};

// --- Moving by card and by page -------------------------------------------

enum class Move { Back, Forward, PageBack, PageForward };

struct MoveCase {
    const char* name;
    int cards;
    int from;
    Move move;
    int expected;
};

/// Prints the case by its name in test listings.
void PrintTo(const MoveCase& c, std::ostream* os)
{
    *os << c.name;
}

class MoveTest : public MainWindowTest, public ::testing::WithParamInterface<MoveCase> { };

TEST_P(MoveTest, MovesAndWraps)
{
    const MoveCase& c = GetParam();
    startWith(numberedCards(c.cards), c.from);
    ASSERT_EQ(shownNumber(), c.from);
    QToolButton* button = nullptr;
    switch (c.move) {
    case Move::Back:
        button = test::child<QToolButton>(m(), "SpeedButton4");
        break;
    case Move::Forward:
        button = test::child<QToolButton>(m(), "SpeedButton5");
        break;
    case Move::PageBack:
        button = test::child<QToolButton>(m(), "SpeedButton2");
        break;
    case Move::PageForward:
        button = test::child<QToolButton>(m(), "SpeedButton3");
        break;
    }
    clickButton(button);
    EXPECT_EQ(m().cards().CurrentCard, c.expected);
    EXPECT_EQ(shownNumber(), c.expected);
    EXPECT_EQ(memo(), numberedCards(c.cards)[std::size_t(c.expected - 1)]);
    EXPECT_TRUE(p.messages().asked.empty());
}

INSTANTIATE_TEST_SUITE_P(Navigation, MoveTest,
    ::testing::Values(MoveCase {"FiveCardsPageForwardWraps", 5, 2, Move::PageForward, 1},
        MoveCase {"FiveCardsPageBackWraps", 5, 2, Move::PageBack, 3},
        MoveCase {"FiveCardsMoveForwardDoesNothing", 5, 2, Move::Forward, 2},
        MoveCase {"FiveCardsMoveBackDoesNothing", 5, 2, Move::Back, 2},
        MoveCase {"FourCardsPageDoesNothing", 4, 2, Move::PageForward, 2},
        MoveCase {"SixCardsForwardFromLastWraps", 6, 6, Move::Forward, 1},
        MoveCase {"SixCardsBackFromFirstWraps", 6, 1, Move::Back, 6},
        MoveCase {"SixCardsForward", 6, 3, Move::Forward, 4},
        MoveCase {"TenCardsPageForward", 10, 3, Move::PageForward, 7},
        MoveCase {"TenCardsPageBackWraps", 10, 1, Move::PageBack, 7}),
    [](const auto& row) { return std::string(row.param.name); });

// --- The notebook -----------------------------------------------------------

TEST_F(MainWindowTest, CaptionsShiftUnderTheSelectedTab)
{
    startWith(numberedCards(10), 9);
    clickTab(test::child<TabbedNotebook>(m(), "TabbedNotebook1")->guardedTabBar(), 1);
    EXPECT_EQ(notebookTab(), 1);
    EXPECT_EQ(shownNumber(), 10);
    EXPECT_EQ(captionNumbers(), (std::vector<int> {9, 10, 1, 2}));
    EXPECT_EQ(test::child<TabbedNotebook>(m(), "TabbedNotebook1")->tabText(1), QStringLiteral("10-Card 010"));

    // Paging keeps the tab and shifts the captions.
    clickButton(test::child<QToolButton>(m(), "SpeedButton3"));
    EXPECT_EQ(notebookTab(), 1);
    EXPECT_EQ(shownNumber(), 4);
    EXPECT_EQ(captionNumbers(), (std::vector<int> {3, 4, 5, 6}));
}

TEST_F(MainWindowTest, ClickingAnEarlierTabMovesBack)
{
    startWith(numberedCards(10), 10);
    clickTab(test::child<TabbedNotebook>(m(), "TabbedNotebook1")->guardedTabBar(), 1);
    ASSERT_EQ(shownNumber(), 1);
    EXPECT_EQ(captionNumbers(), (std::vector<int> {10, 1, 2, 3}));

    clickTab(test::child<TabbedNotebook>(m(), "TabbedNotebook1")->guardedTabBar(), 0);
    EXPECT_EQ(notebookTab(), 0);
    EXPECT_EQ(shownNumber(), 10);
    EXPECT_EQ(captionNumbers(), (std::vector<int> {10, 1, 2, 3}));
    EXPECT_EQ(alphaTab(), QStringLiteral("C"));
}

TEST_F(MainWindowTest, TabWithoutACardRefusesSilently)
{
    startWith(numberedCards(3), 1);
    EXPECT_EQ(captionNumbers(), (std::vector<int> {1, 2, 3, 0}));
    EXPECT_TRUE(test::child<TabbedNotebook>(m(), "TabbedNotebook1")->tabText(3).isEmpty());
    clickTab(test::child<TabbedNotebook>(m(), "TabbedNotebook1")->guardedTabBar(), 3);
    EXPECT_EQ(notebookTab(), 0);
    EXPECT_EQ(shownNumber(), 1);
    EXPECT_TRUE(p.messages().asked.empty());
}

TEST_F(MainWindowTest, CaptionShowsFifteenCharactersOfTheFirstLine)
{
    startWith({"Abcdefghijklmnopqrstu\r\nline two\r\n"});
    EXPECT_EQ(
        test::child<TabbedNotebook>(m(), "TabbedNotebook1")->tabText(0), QStringLiteral("1-Abcdefghijklmno"));
    EXPECT_EQ(m().firstline(1, true), "Abcdefghijklmnopqrstu");
    EXPECT_EQ(m().firstline(2, true), "");
}

// --- The alphabet tabs ------------------------------------------------------

struct LetterCase {
    const char* name;
    QChar tab;
    int expectedCard;
};

/// Prints the case by its name in test listings.
void PrintTo(const LetterCase& c, std::ostream* os)
{
    *os << c.name;
}

class AlphabetTest : public MainWindowTest, public ::testing::WithParamInterface<LetterCase> { };

TEST_P(AlphabetTest, ShowsTheFirstCardFiledAtOrAfterTheLetter)
{
    // Filed as: 42 Club, Adams, baker, Carter, Rogers, Smith.
    startWith({"Smith\r\n", "baker\r\n", "Adams\r\n", "42 Club\r\n", "Rogers\r\n", "Carter\r\n"}, 4);
    ASSERT_EQ(alphaTab(), QStringLiteral("C"));
    const QString wanted(GetParam().tab);
    int index = 0;
    while (test::child<GuardedTabBar>(m(), "TabSet1")->tabText(index) != wanted)
        ++index;
    clickTab(test::child<GuardedTabBar>(m(), "TabSet1"), index);
    EXPECT_EQ(m().cards().CurrentCard, GetParam().expectedCard);
    EXPECT_EQ(shownNumber(), GetParam().expectedCard);
    // The clicked tab stays lit even when the card starts with another letter.
    EXPECT_EQ(alphaTab(), wanted);
    EXPECT_TRUE(p.messages().asked.empty());
}

INSTANTIATE_TEST_SUITE_P(Letters, AlphabetTest,
    ::testing::Values(LetterCase {"Hash", QLatin1Char('#'), 1}, LetterCase {"A", QLatin1Char('A'), 2},
        LetterCase {"LowerCaseB", QLatin1Char('B'), 3},
        LetterCase {"QWithoutQCardShowsR", QLatin1Char('Q'), 5}, LetterCase {"S", QLatin1Char('S'), 6},
        LetterCase {"ZWithNothingAfterShowsFirst", QLatin1Char('Z'), 1}),
    [](const auto& row) { return std::string(row.param.name); });

struct LiteCase {
    const char* name;
    const char* text;
    const char* lit;
};

/// Prints the case by its name in test listings.
void PrintTo(const LiteCase& c, std::ostream* os)
{
    *os << c.name;
}

class LiteAlphaTest : public MainWindowTest, public ::testing::WithParamInterface<LiteCase> { };

TEST_P(LiteAlphaTest, LightsTheTabOfTheFirstCharacter)
{
    startWith({"Zoe\r\n"});
    ASSERT_EQ(alphaTab(), QStringLiteral("Z"));
    test::child<CardMemo>(m(), "Memo1")->setText(GetParam().text);
    m().litealpha();
    EXPECT_EQ(alphaTab(), QString::fromLatin1(GetParam().lit));
}

INSTANTIATE_TEST_SUITE_P(Letters, LiteAlphaTest,
    ::testing::Values(LiteCase {"LowerCase", "mary\r\n", "M"}, LiteCase {"Digit", "7 Dwarves\r\n", "#"},
        LiteCase {"Blank", " Blank\r\n", "#"}, LiteCase {"EmptyFirstLine", "\r\nsecond\r\n", "#"},
        LiteCase {"UnderscoreKeepsTab", "_under\r\n", "Z"},
        LiteCase {"AccentedKeepsTab", "\xC4rger\r\n", "Z"}, LiteCase {"EmptyKeepsTab", "", "Z"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainWindowTest, EditIsStoredBeforeTheLetterIsLookedUp)
{
    startWith({"Adams\r\n", "Baker\r\n", "Carter\r\n"});
    selectAllAndType(QStringLiteral("Young"));
    clickTab(test::child<GuardedTabBar>(m(), "TabSet1"), 25); // "Y"
    EXPECT_EQ(m().cards().card(3), "Young\r\n");
    EXPECT_EQ(m().cards().CurrentCard, 3);
    EXPECT_EQ(memo(), "Young\r\n");
    EXPECT_TRUE(m().cards().CardsChanged);
}

// --- The new-card state -----------------------------------------------------

TEST_F(MainWindowTest, NewCardDisablesSixMenuEntriesOnly)
{
    startWith(numberedCards(3));
    chooseMenuEntry(test::child<QAction>(m(), "Add1"));
    EXPECT_EQ(test::child<QLabel>(m(), "Label1")->text(), QStringLiteral("New card"));
    EXPECT_EQ(m().cards().CurrentCard, 0);
    EXPECT_TRUE(memo().empty());
    for (QAction* off :
        {test::child<QMenu>(m(), "Main1")->menuAction(), test::child<QMenu>(m(), "Print2")->menuAction(),
            test::child<QAction>(m(), "Add1"), test::child<QAction>(m(), "Delete1"),
            test::child<QAction>(m(), "Search1"), test::child<QAction>(m(), "List1")})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    for (QAction* on :
        {test::child<QMenu>(m(), "Cards1")->menuAction(), test::child<QMenu>(m(), "Edit1")->menuAction(),
            test::child<QMenu>(m(), "Help1")->menuAction(), test::child<QAction>(m(), "CompleteEntry1"),
            test::child<QAction>(m(), "Abort1"), test::child<QAction>(m(), "Cut1"),
            test::child<QAction>(m(), "Copy1"), test::child<QAction>(m(), "Paste1")})
        EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
    for (QToolButton* b : test::child<QFrame>(m(), "Panel1")->findChildren<QToolButton*>())
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    // The captions, the number and the alphabet tab keep the previous card.
    EXPECT_EQ(shownNumber(), 1);
    EXPECT_EQ(captionNumbers(), (std::vector<int> {1, 2, 3, 0}));
}

class RefusalTest : public MainWindowTest, public ::testing::WithParamInterface<const char*> { };

TEST_P(RefusalTest, ToolButtonRefusesDuringEntry)
{
    startWith(numberedCards(6), 2);
    clickButton(test::child<QToolButton>(m(), "SpeedButton13"));
    ASSERT_EQ(m().cards().CurrentCard, 0);
    QTest::keyClicks(test::child<CardMemo>(m(), "Memo1"), QStringLiteral("Typed"));

    auto* button = m().findChild<QToolButton*>(QString::fromLatin1(GetParam()));
    ASSERT_NE(button, nullptr);
    clickButton(button);
    ASSERT_EQ(p.messages().asked.size(), 1u);
    const MessageRequest& box = p.messages().asked.front();
    EXPECT_EQ(box.text, NewCardRefusal);
    EXPECT_EQ(box.title, QStringLiteral("Warning"));
    EXPECT_EQ(box.buttons, unsigned(MsgOK));
    EXPECT_EQ(box.helpContext, 17);
    EXPECT_EQ(m().cards().CurrentCard, 0);
    EXPECT_EQ(memo(), "Typed");
    EXPECT_EQ(m().cards().CardCount, 6);
}

INSTANTIATE_TEST_SUITE_P(Buttons, RefusalTest,
    ::testing::Values("SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton10",
        "SpeedButton13", "SpeedButton14"),
    [](const auto& row) { return std::string(row.param); });

TEST_F(MainWindowTest, TabStripsRefuseDuringEntryAndKeepTheirTabs)
{
    startWith(numberedCards(6), 2);
    clickButton(test::child<QToolButton>(m(), "SpeedButton13"));
    clickTab(test::child<GuardedTabBar>(m(), "TabSet1"), 5);
    clickTab(test::child<TabbedNotebook>(m(), "TabbedNotebook1")->guardedTabBar(), 2);
    EXPECT_EQ(alphaTab(), QStringLiteral("C"));
    EXPECT_EQ(notebookTab(), 0);
    EXPECT_EQ(p.messages().texts(), (std::vector<QString> {NewCardRefusal, NewCardRefusal}));
}

TEST_F(MainWindowTest, CompleteEntryFilesTheCardWithOneLineBreak)
{
    struct Case {
        bool endsWithReturn;
        const char* stored;
    };
    for (const Case c : {Case {false, "Moss\r\n"}, Case {true, "Moss\r\n"}}) {
        TestProgram fresh;
        fresh.writeCards({"Adams\r\n", "Zed\r\n"});
        fresh.startAndShow();
        TForm1& w = fresh.main();
        clickButton(test::child<QToolButton>(w, "SpeedButton13"));
        QTest::keyClicks(test::child<CardMemo>(w, "Memo1"), QStringLiteral("Moss"));
        if (c.endsWithReturn)
            QTest::keyClick(test::child<CardMemo>(w, "Memo1"), Qt::Key_Return);
        clickButton(test::child<QToolButton>(w, "SpeedButton12"));
        EXPECT_EQ(w.cards().CardCount, 3);
        EXPECT_EQ(w.cards().CurrentCard, 2);
        EXPECT_EQ(w.cards().card(2), c.stored);
        EXPECT_EQ(test::child<QLabel>(w, "Label1")->text(), QStringLiteral("3 cards"));
        EXPECT_EQ(test::child<QLabel>(w, "Label3")->text(), QStringLiteral("2"));
        EXPECT_TRUE(test::child<QAction>(w, "Add1")->isEnabled());
        EXPECT_TRUE(test::child<QMenu>(w, "Main1")->menuAction()->isEnabled());
        EXPECT_TRUE(w.cards().CardsChanged);
        EXPECT_TRUE(fresh.messages().asked.empty());
    }
}

TEST_F(MainWindowTest, CompleteEntryOnAnEmptyCard)
{
    startWith(numberedCards(3), 2);
    clickButton(test::child<QToolButton>(m(), "SpeedButton13"));

    // OK: the user goes on typing.
    p.messages().answer(MsgOK);
    clickButton(test::child<QToolButton>(m(), "SpeedButton12"));
    ASSERT_EQ(p.messages().asked.size(), 1u);
    EXPECT_EQ(
        p.messages().asked[0].text, QStringLiteral("There is no data in the card to add. Continue edit?"));
    EXPECT_EQ(p.messages().asked[0].buttons, unsigned(MsgOK | MsgAbort));
    EXPECT_EQ(p.messages().asked[0].helpContext, 17);
    EXPECT_EQ(m().cards().CurrentCard, 0);

    // Abort: the card shown before comes back and the menu is whole again.
    p.messages().answer(MsgAbort);
    clickButton(test::child<QToolButton>(m(), "SpeedButton12"));
    EXPECT_EQ(m().cards().CurrentCard, 2);
    EXPECT_EQ(memo(), numberedCards(3)[1]);
    EXPECT_EQ(test::child<QLabel>(m(), "Label1")->text(), QStringLiteral("3 cards"));
    EXPECT_TRUE(test::child<QMenu>(m(), "Main1")->menuAction()->isEnabled());
    EXPECT_TRUE(test::child<QAction>(m(), "List1")->isEnabled());
    EXPECT_EQ(m().cards().CardCount, 3);
}

TEST_F(MainWindowTest, CompleteAndAbortWhileBrowsingSayNotEntering)
{
    startWith(numberedCards(2));
    chooseMenuEntry(test::child<QAction>(m(), "CompleteEntry1"));
    chooseMenuEntry(test::child<QAction>(m(), "Abort1"));
    ASSERT_EQ(p.messages().asked.size(), 2u);
    for (const MessageRequest& box : p.messages().asked) {
        EXPECT_EQ(box.text, NotEntering);
        EXPECT_EQ(box.buttons, unsigned(MsgOK));
        EXPECT_EQ(box.helpContext, 18);
    }
    EXPECT_EQ(m().cards().CurrentCard, 1);
    EXPECT_FALSE(m().cards().CardsChanged);
}

TEST_F(MainWindowTest, AbortDropsTheTypedCard)
{
    startWith(numberedCards(3), 3);
    chooseMenuEntry(test::child<QAction>(m(), "Add1"));
    QTest::keyClicks(test::child<CardMemo>(m(), "Memo1"), QStringLiteral("Never mind"));
    chooseMenuEntry(test::child<QAction>(m(), "Abort1"));
    EXPECT_EQ(m().cards().CardCount, 3);
    EXPECT_EQ(m().cards().CurrentCard, 3);
    EXPECT_EQ(memo(), numberedCards(3)[2]);
    EXPECT_FALSE(m().cards().CardsChanged);
}

TEST_F(MainWindowTest, AddStoresThePendingEditFirst)
{
    startWith({"Adams\r\n", "Baker\r\n"});
    selectAllAndType(QStringLiteral("Young"));
    clickButton(test::child<QToolButton>(m(), "SpeedButton13"));
    EXPECT_EQ(m().cards().card(2), "Young\r\n");
    EXPECT_EQ(m().cards().CardBeforeNew, 2);
    EXPECT_TRUE(m().cards().CardsChanged);
    chooseMenuEntry(test::child<QAction>(m(), "Abort1"));
    EXPECT_EQ(memo(), "Young\r\n");
}

TEST_F(MainWindowTest, AddRefusesAtTheLimit)
{
    startWith(numberedCards(MaxCards));
    clickButton(test::child<QToolButton>(m(), "SpeedButton13"));
    ASSERT_EQ(p.messages().asked.size(), 1u);
    EXPECT_EQ(p.messages().asked[0].text,
        QStringLiteral("The maximum number of records for this file has been reached."));
    EXPECT_EQ(p.messages().asked[0].helpContext, 16);
    EXPECT_EQ(m().cards().CurrentCard, 1);
    EXPECT_TRUE(test::child<QAction>(m(), "Add1")->isEnabled());
}

// --- Editing and re-sorting -------------------------------------------------

TEST_F(MainWindowTest, EditedCardIsRefiledBeforeTheMove)
{
    startWith({"Adams\r\n", "Baker\r\n", "Carter\r\n", "Dunn\r\n", "Evans\r\n", "Fox\r\n"});
    selectAllAndType(QStringLiteral("Zed"));
    clickButton(test::child<QToolButton>(m(), "SpeedButton5"));
    EXPECT_EQ(m().cards().card(6), "Zed\r\n");
    EXPECT_EQ(m().cards().CurrentCard, 1);
    EXPECT_EQ(memo(), "Baker\r\n");
    EXPECT_EQ(test::child<QLabel>(m(), "Label3")->text(), QStringLiteral("1"));
    EXPECT_EQ(alphaTab(), QStringLiteral("B"));
    EXPECT_TRUE(m().cards().CardsChanged);
}

TEST_F(MainWindowTest, EditWithTooFewCardsIsStoredButNotShown)
{
    startWith({"Adams\r\n", "Baker\r\n", "Carter\r\n"});
    selectAllAndType(QStringLiteral("Zed"));
    clickButton(test::child<QToolButton>(m(), "SpeedButton5"));
    EXPECT_EQ(m().cards().card(3), "Zed\r\n");
    EXPECT_EQ(m().cards().CurrentCard, 3);
    EXPECT_EQ(test::child<QLabel>(m(), "Label3")->text(), QStringLiteral("1"));
}

TEST_F(MainWindowTest, EmptiedCardKeepsItsStoredText)
{
    startWith(numberedCards(6));
    test::child<CardMemo>(m(), "Memo1")->selectAll();
    QTest::keyClick(test::child<CardMemo>(m(), "Memo1"), Qt::Key_Delete);
    ASSERT_TRUE(memo().empty());
    clickButton(test::child<QToolButton>(m(), "SpeedButton5"));
    clickButton(test::child<QToolButton>(m(), "SpeedButton4"));
    EXPECT_EQ(memo(), numberedCards(6)[0]);
    EXPECT_FALSE(m().cards().CardsChanged);
}

// --- Delete -----------------------------------------------------------------

TEST_F(MainWindowTest, DeleteLastCardOnTheFourthTab)
{
    startWith(numberedCards(4), 1);
    clickTab(test::child<TabbedNotebook>(m(), "TabbedNotebook1")->guardedTabBar(), 3);
    ASSERT_EQ(shownNumber(), 4);
    p.messages().answer(MsgYes);
    clickButton(test::child<QToolButton>(m(), "SpeedButton14"));
    ASSERT_EQ(p.messages().asked.size(), 1u);
    EXPECT_EQ(
        p.messages().asked[0].text, QStringLiteral("Are you sure you want to delete this card:\r\nCard 004"));
    EXPECT_EQ(p.messages().asked[0].buttons, unsigned(MsgYes | MsgNo));
    EXPECT_EQ(p.messages().asked[0].helpContext, 15);
    EXPECT_EQ(m().cards().CardCount, 3);
    EXPECT_EQ(notebookTab(), 2);
    EXPECT_EQ(m().cards().CurrentCard, 2);
    EXPECT_EQ(memo(), numberedCards(4)[1]);
    EXPECT_EQ(test::child<QLabel>(m(), "Label1")->text(), QStringLiteral("3 cards"));
    EXPECT_TRUE(m().cards().CardsChanged);
}

TEST_F(MainWindowTest, DeleteAnsweredNoKeepsTheCard)
{
    startWith(numberedCards(2), 2);
    clickButton(m().findChild<QToolButton*>(
        QStringLiteral("SpeedButton14"))); // no answer queued: Escape, which is No
    EXPECT_EQ(m().cards().CardCount, 2);
    EXPECT_FALSE(m().cards().CardsChanged);
}

TEST_F(MainWindowTest, DeletingTheOnlyCardBeginsANewOne)
{
    startWith({"Only\r\n"});
    p.messages().answer(MsgYes);
    chooseMenuEntry(test::child<QAction>(m(), "Delete1"));
    EXPECT_EQ(m().cards().CardCount, 0);
    EXPECT_EQ(m().cards().CurrentCard, 0);
    EXPECT_EQ(test::child<QLabel>(m(), "Label1")->text(), QStringLiteral("New card"));
    EXPECT_EQ(captionNumbers(), (std::vector<int> {0, 0, 0, 0}));

    chooseMenuEntry(test::child<QAction>(m(), "Abort1"));
    EXPECT_EQ(test::child<QLabel>(m(), "Label1")->text(), QStringLiteral("0 cards"));
    EXPECT_EQ(test::child<QLabel>(m(), "Label3")->text(), QStringLiteral("1"));
    EXPECT_TRUE(memo().empty());
}

TEST_F(MainWindowTest, DeleteWithNoCardsSaysSoAndBeginsANewCard)
{
    startWith({"Only\r\n"});
    p.messages().answer(MsgYes);
    chooseMenuEntry(test::child<QAction>(m(), "Delete1"));
    chooseMenuEntry(test::child<QAction>(m(), "Abort1"));
    p.messages().clear();
    clickButton(test::child<QToolButton>(m(), "SpeedButton14"));
    ASSERT_EQ(p.messages().asked.size(), 1u);
    EXPECT_TRUE(p.messages().asked[0].text.startsWith(QStringLiteral("You either have no cards to delete")));
    EXPECT_EQ(p.messages().asked[0].helpContext, 15);
    EXPECT_EQ(m().cards().CurrentCard, 0);
}

TEST_F(MainWindowTest, TextTypedIntoTheEmptyViewBecomesACard)
{
    startWith({"Only\r\n"});
    p.messages().answer(MsgYes);
    chooseMenuEntry(test::child<QAction>(m(), "Delete1"));
    chooseMenuEntry(test::child<QAction>(m(), "Abort1"));
    ASSERT_EQ(m().cards().CardCount, 0);
    QTest::keyClicks(test::child<CardMemo>(m(), "Memo1"), QStringLiteral("Fresh"));
    clickButton(test::child<QToolButton>(m(), "SpeedButton5"));
    EXPECT_EQ(m().cards().CardCount, 1);
    EXPECT_EQ(m().cards().card(1), "Fresh\r\n");
    EXPECT_EQ(m().cards().CurrentCard, 1);
    EXPECT_TRUE(m().cards().CardsChanged);
}

// --- Layout and menus -------------------------------------------------------

TEST_F(MainWindowTest, WidgetsStandWhereDesigned)
{
    startWith(numberedCards(2));
    struct Place {
        QWidget* widget;
        QRect rect;
    };
    for (const Place& w : {Place {test::child<TabbedNotebook>(m(), "TabbedNotebook1"), QRect(0, 0, 454, 292)},
             Place {test::child<QFrame>(m(), "Panel2"), QRect(16, 32, 337, 225)},
             Place {test::child<CardMemo>(m(), "Memo1"), QRect(32, 48, 317, 193)},
             Place {test::child<GuardedTabBar>(m(), "TabSet1"), QRect(2, 270, 449, 21)},
             Place {test::child<QFrame>(m(), "Panel1"), QRect(360, 80, 73, 185)},
             Place {test::child<QFrame>(m(), "Panel3"), QRect(360, 24, 89, 49)},
             Place {test::child<QToolButton>(m(), "SpeedButton1"), QRect(40, 155, 25, 25)},
             Place {test::child<QToolButton>(m(), "SpeedButton5"), QRect(40, 4, 25, 25)}})
        EXPECT_EQ(w.widget->geometry(), w.rect) << w.widget->objectName().toStdString();
    EXPECT_EQ(test::child<GuardedTabBar>(m(), "TabSet1")->count(), 27);
    EXPECT_EQ(test::child<CardMemo>(m(), "Memo1")->maxLength(), 498);
    for (QObject* o :
        std::initializer_list<QObject*> {&m(), test::child<TabbedNotebook>(m(), "TabbedNotebook1"),
            test::child<GuardedTabBar>(m(), "TabSet1"), test::child<CardMemo>(m(), "Memo1")})
        EXPECT_EQ(o->property("helpContext").toInt(), 1);

    // Resizing moves nothing.
    m().resize(700, 500);
    EXPECT_EQ(test::child<CardMemo>(m(), "Memo1")->geometry(), QRect(32, 48, 317, 193));
}

TEST_F(MainWindowTest, ToolButtonsCarryHintsAndPictures)
{
    startWith(numberedCards(2));
    const std::vector<std::pair<QToolButton*, const char*>> hints
        = {{test::child<QToolButton>(m(), "SpeedButton4"), "Move back"},
            {test::child<QToolButton>(m(), "SpeedButton5"), "Move forward"},
            {test::child<QToolButton>(m(), "SpeedButton2"), "Page back"},
            {test::child<QToolButton>(m(), "SpeedButton3"), "Page forward"},
            {test::child<QToolButton>(m(), "SpeedButton6"), "Cut"},
            {test::child<QToolButton>(m(), "SpeedButton10"), "Print envelope/label"},
            {test::child<QToolButton>(m(), "SpeedButton7"), "Copy"},
            {test::child<QToolButton>(m(), "SpeedButton9"), "Print card"},
            {test::child<QToolButton>(m(), "SpeedButton8"), "Paste"},
            {test::child<QToolButton>(m(), "SpeedButton12"), "End new card entry"},
            {test::child<QToolButton>(m(), "SpeedButton13"), "New card"},
            {test::child<QToolButton>(m(), "SpeedButton14"), "Delete card"},
            {test::child<QToolButton>(m(), "SpeedButton1"), "Exit"}};
    for (const auto& [button, hint] : hints) {
        EXPECT_EQ(button->toolTip(), QString::fromLatin1(hint));
        EXPECT_EQ(button->accessibleName(), QString::fromLatin1(hint));
        EXPECT_EQ(button->size(), QSize(25, 25));
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
        EXPECT_FALSE(button->icon().pixmap(16, 16).isNull()) << hint;
    }
}

TEST_F(MainWindowTest, MenuCaptionsAreExact)
{
    startWith(numberedCards(1));
    auto captions = [](QMenu* menu) {
        QStringList list;
        for (QAction* a : menu->actions())
            list << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return list;
    };
    EXPECT_EQ(captions(test::child<QMenu>(m(), "Main1")),
        (QStringList {QStringLiteral("Set &Font"), QStringLiteral("-"), QStringLiteral("&Print"),
            QStringLiteral("Print &Setup"), QStringLiteral("-"), QStringLiteral("&Always on Top"),
            QStringLiteral("-"), QStringLiteral("E&xit")}));
    EXPECT_EQ(captions(test::child<QMenu>(m(), "Cards1")),
        (QStringList {QStringLiteral("&Add"), QStringLiteral("&Delete"), QStringLiteral("&Complete Entry"),
            QStringLiteral("A&bort"), QStringLiteral("-"), QStringLiteral("&Search "),
            QStringLiteral("&List")}));
    EXPECT_EQ(captions(test::child<QMenu>(m(), "Print2")),
        (QStringList {QStringLiteral("Print &Setup"), QStringLiteral("&Print Envelope"),
            QStringLiteral("Print &Label"), QStringLiteral("Print &Address  Book"),
            QStringLiteral("Print &Card"), QStringLiteral("-"), QStringLiteral("Print a La&bel"),
            QStringLiteral("Print an &Envelope"), QStringLiteral("-"), QStringLiteral("&Return Address")}));
    EXPECT_EQ(m().menuBar()->actions().size(), 5);
    for (QAction* a : m().findChildren<QAction*>())
        EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
}

TEST_F(MainWindowTest, AlwaysOnTopToggles)
{
    startWith(numberedCards(1));
    chooseMenuEntry(test::child<QAction>(m(), "AlwaysonTop1"));
    EXPECT_TRUE(m().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(test::child<QAction>(m(), "AlwaysonTop1")->text(), QStringLiteral("Resume &Normal Pos."));
    EXPECT_TRUE(m().isVisible());
    chooseMenuEntry(test::child<QAction>(m(), "AlwaysonTop1"));
    EXPECT_FALSE(m().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(test::child<QAction>(m(), "AlwaysonTop1")->text(), QStringLiteral("&Always on Top"));
}

TEST_F(MainWindowTest, SetFontAppliesTheChoiceAndWritesTheSettings)
{
    startWith(numberedCards(1));
    FontChoice red {QFont(QStringLiteral("Courier New"), 12), QColor(255, 0, 0)};
    red.font.setUnderline(true);
    p.fakes().fonts.next = red;
    chooseMenuEntry(test::child<QAction>(m(), "Setfont1"));
    // The dialog is offered the name the settings keep, not the face that
    // draws it.
    ASSERT_EQ(p.fakes().fonts.offered.size(), 1u);
    EXPECT_EQ(p.fakes().fonts.offered[0].font.family(), QStringLiteral("System"));
    EXPECT_EQ(m().cardFont().name, "Courier New");
    EXPECT_EQ(m().cardFont().size, 12);
    EXPECT_TRUE(m().cardFont().underline);
    EXPECT_EQ(m().cardFont().color, 0x0000FF);
    EXPECT_EQ(test::child<CardMemo>(m(), "Memo1")->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_TRUE(test::child<CardMemo>(m(), "Memo1")->font().underline());
    const std::string ini = p.dir().read("quillbox.ini");
    EXPECT_NE(ini.find("Name=Courier New"), std::string::npos);
    EXPECT_NE(ini.find("Style3=fsunderline"), std::string::npos);

    // Cancelled: the font stays, the settings are written all the same.
    p.dir().write("quillbox.ini", "");
    p.fakes().fonts.next.reset();
    chooseMenuEntry(test::child<QAction>(m(), "Setfont1"));
    EXPECT_EQ(p.fakes().fonts.offered.back().font.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(m().cardFont().name, "Courier New");
    EXPECT_NE(p.dir().read("quillbox.ini").find("Name=Courier New"), std::string::npos);
}

TEST_F(MainWindowTest, ListShowsEveryFirstLineWithTheShownCardSelected)
{
    startWith(numberedCards(5), 3);
    chooseMenuEntry(test::child<QAction>(m(), "List1"));
    QListWidget* list = p.windows().form2()->findChild<QListWidget*>(QStringLiteral("ListBox1"));
    ASSERT_EQ(list->count(), 5);
    EXPECT_EQ(list->item(4)->text(), QStringLiteral("Card 005"));
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(m().cards().CurrentCard, 3);
}

TEST_F(MainWindowTest, HelpIndexOpensTheIndex)
{
    startWith(numberedCards(1));
    chooseMenuEntry(test::child<QAction>(m(), "Index1"));
    EXPECT_EQ(p.fakes().help.indexShown, 1);
}

} // namespace
} // namespace quillbox::test
