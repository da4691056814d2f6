// SPDX-License-Identifier: GPL-3.0-or-later
#include "Main.h"
#include "Search.h"
#include "platform/card_memo.h"
#include "platform/help_window.h"
#include "ui_test_util.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

namespace quillbox {
namespace {

using test::TestProgram;

const QString NotFound = QStringLiteral("The specified string was not found.");

class SearchWindow : public ::testing::Test {
protected:
    void start(const std::vector<std::string>& cards, int lastCard = 1)
    {
        m_program.startWith(cards, lastCard);
        m_program.messages().clear();
        m_program.main().Search1Click();
    }
    TForm1& main() { return m_program.main(); }
    TForm4& search() { return *m_program.windows().form4(); }
    const CardCollection& cards() { return main().cards(); }
    void findFirst(const QString& text)
    {
        test::child<QLineEdit>(search(), "Edit1")->setText(text);
        test::clickButton(test::child<QPushButton>(search(), "BitBtn1"));
    }
    void findNext() { test::clickButton(test::child<QPushButton>(search(), "BitBtn2")); }
    std::vector<QString> boxes() { return m_program.messages().texts(); }

    TestProgram m_program;
};

const std::vector<std::string> AbleBaker {"Able\r\n5 Baker Rd\r\n", "Baker\r\n1 Main St\r\n"};

TEST_F(SearchWindow, FindFirstThenNextStepsThroughTheCardsHoldingTheText)
{
    start(AbleBaker);
    findFirst(QStringLiteral("Baker"));
    EXPECT_EQ(cards().CurrentCard, 1);
    EXPECT_EQ(test::child<CardMemo>(main(), "Memo1")->selStart(), 8); // after "Able" CR LF "5 "
    EXPECT_EQ(test::child<CardMemo>(main(), "Memo1")->selLength(), 5);

    findNext();
    EXPECT_EQ(cards().CurrentCard, 2);
    EXPECT_EQ(test::child<CardMemo>(main(), "Memo1")->selStart(), 0);
    EXPECT_EQ(test::child<CardMemo>(main(), "Memo1")->selLength(), 5);
    EXPECT_TRUE(boxes().empty());

    findNext();
    EXPECT_EQ(cards().CurrentCard, 2);
    ASSERT_EQ(m_program.messages().asked.size(), 1u);
    EXPECT_EQ(m_program.messages().asked[0].text, NotFound);
    EXPECT_EQ(m_program.messages().asked[0].helpContext, 6);
    EXPECT_EQ(m_program.messages().asked[0].buttons, unsigned(MsgOK));
}

struct Miss {
    const char* name;
    const char* text;
    bool next;
    int startCard;
};

/// Prints the case by its name in test listings.
void PrintTo(const Miss& c, std::ostream* os)
{
    *os << c.name;
}

class SearchMiss : public SearchWindow, public ::testing::WithParamInterface<Miss> { };

TEST_P(SearchMiss, ReportsNotFoundAndChangesNothing)
{
    const Miss& miss = GetParam();
    start({"Able\r\nAble Road 5\r\n", "Baker\r\n1 Main St\r\n", "Carter\r\n"}, miss.startCard);
    const std::string shown = test::child<CardMemo>(main(), "Memo1")->text();
    test::child<QLineEdit>(search(), "Edit1")->setText(QString::fromUtf8(miss.text));
    test::clickButton(miss.next ? test::child<QPushButton>(search(), "BitBtn2")
                                : test::child<QPushButton>(search(), "BitBtn1"));

    EXPECT_EQ(boxes(), std::vector<QString> {NotFound});
    EXPECT_EQ(cards().CurrentCard, miss.startCard);
    EXPECT_EQ(test::child<CardMemo>(main(), "Memo1")->text(), shown);
    EXPECT_FALSE(cards().CardsChanged);
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchMiss,
    ::testing::Values(Miss {"CaseMatters", "baker", false, 1}, Miss {"EmptyText", "", false, 1},
        Miss {"EmptyTextNext", "", true, 1}, Miss {"NoCardHoldsIt", "Zebra", false, 2},
        Miss {"NextFromTheLastCard", "Carter", true, 3},
        // Find Next never looks further inside the shown card.
        Miss {"SecondOccurrenceInTheShownCard", "Able", true, 1},
        Miss {"OnlyEarlierCardsHoldIt", "Main", true, 3},
        Miss {"AcrossALineBreakWithoutCrLf", "Able Able", false, 1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(SearchWindow, FindFirstOnAnEmptyCollectionReportsNotFound)
{
    m_program.startAndShow();
    m_program.main().Abort1Click(); // leave the new card begun at start
    m_program.messages().clear();
    findFirst(QStringLiteral("x"));
    EXPECT_EQ(boxes(), std::vector<QString> {NotFound});
    EXPECT_EQ(cards().CardCount, 0);
}

TEST_F(SearchWindow, RefusedWhileANewCardIsBeingEntered)
{
    start(AbleBaker);
    main().Add1Click();
    m_program.messages().clear();

    findFirst(QStringLiteral("Baker"));
    findNext();
    const std::vector<QString> shown = boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("You must complete editing the new card")));
    EXPECT_EQ(shown[1], shown[0]);
    EXPECT_TRUE(cards().EnteringNewCard());
    EXPECT_EQ(cards().CardCount, 2);
}

TEST_F(SearchWindow, APendingEditIsStoredBeforeTheSearchMoves)
{
    start(AbleBaker);
    test::child<CardMemo>(main(), "Memo1")->setText("Zed\r\n5 Baker Rd");
    test::child<CardMemo>(main(), "Memo1")->setModified(true);

    findFirst(QStringLiteral("Main"));
    // The edit was filed (and re-sorted last) before Baker's card was shown.
    EXPECT_EQ(cards().CardCount, 2);
    EXPECT_EQ(cards().card(1), "Baker\r\n1 Main St\r\n");
    EXPECT_EQ(cards().card(2), "Zed\r\n5 Baker Rd\r\n");
    EXPECT_TRUE(cards().CardsChanged);
    EXPECT_EQ(cards().CurrentCard, 1);
    EXPECT_EQ(test::child<CardMemo>(main(), "Memo1")->selStart(), 9);
}

TEST_F(SearchWindow, FindNextGoesOnFromTheStoredCardsNewNumber)
{
    start(AbleBaker);
    // Card 1 becomes Zed and is filed last, so no card follows it.
    test::child<CardMemo>(main(), "Memo1")->setText("Zed\r\n5 Baker Rd\r\n");
    test::child<CardMemo>(main(), "Memo1")->setModified(true);

    findNext();
    test::child<QLineEdit>(search(), "Edit1")->setText(QStringLiteral("Baker"));
    findNext();
    EXPECT_EQ(boxes(), (std::vector<QString> {NotFound, NotFound}));
    EXPECT_EQ(cards().CurrentCard, 2);
    EXPECT_EQ(cards().card(2), "Zed\r\n5 Baker Rd\r\n");
    // The view follows the stored card.
    EXPECT_EQ(test::child<QLabel>(main(), "Label3")->text(), QStringLiteral("2"));
    EXPECT_EQ(test::child<CardMemo>(main(), "Memo1")->text(), "Zed\r\n5 Baker Rd\r\n");
}

TEST_F(SearchWindow, TheSearchTextIsFoundInTheStoredEdit)
{
    start(AbleBaker);
    test::child<CardMemo>(main(), "Memo1")->setText("Able\r\n7 Quince Lane\r\n");
    test::child<CardMemo>(main(), "Memo1")->setModified(true);
    findFirst(QStringLiteral("Quince"));
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(cards().CurrentCard, 1);
    EXPECT_EQ(test::child<CardMemo>(main(), "Memo1")->selStart(), 8);
}

TEST_F(SearchWindow, EnterInTheTextBoxFindsFirst)
{
    start(AbleBaker, 2);
    test::child<QLineEdit>(search(), "Edit1")->setText(QStringLiteral("Rd"));
    QTest::keyClick(test::child<QLineEdit>(search(), "Edit1"), Qt::Key_Return);
    EXPECT_EQ(cards().CurrentCard, 1);
    EXPECT_EQ(test::child<CardMemo>(main(), "Memo1")->selStart(), 14);
}

TEST_F(SearchWindow, CancelHidesAndKeepsTheText)
{
    start(AbleBaker);
    test::child<QLineEdit>(search(), "Edit1")->setText(QStringLiteral("Baker"));
    test::clickButton(test::child<QPushButton>(search(), "BitBtn3"));
    EXPECT_FALSE(search().isVisible());
    main().Search1Click();
    EXPECT_TRUE(search().isVisible());
    EXPECT_EQ(test::child<QLineEdit>(search(), "Edit1")->text(), QStringLiteral("Baker"));
}

TEST_F(SearchWindow, TakesAtMostAHundredCharactersAndItsHelpTopic)
{
    start(AbleBaker);
    test::child<QLineEdit>(search(), "Edit1")->clear();
    QTest::keyClicks(test::child<QLineEdit>(search(), "Edit1"), QString(120, QLatin1Char('x')));
    EXPECT_EQ(test::child<QLineEdit>(search(), "Edit1")->text().size(), 100);
    EXPECT_EQ(helpContextOf(test::child<QLineEdit>(search(), "Edit1")), 6);
}

TEST_F(SearchWindow, PlacedOnceFromWhereTheMainWindowStoodAtStart)
{
    // The settings put the main window's frame at 100,100, 465 by 338; it is
    // moved before Search is first chosen, which makes the search window.
    m_program.startWith(AbleBaker, 1);
    ASSERT_EQ(m_program.windows().Form4, nullptr);
    main().move(40, 60);
    main().Search1Click();
    const QPoint placed(100, 100 + 338 - 115);
    EXPECT_EQ(search().frameGeometry().topLeft(), placed);

    // Not placed again later.
    search().hide();
    main().move(300, 20);
    main().Search1Click();
    EXPECT_EQ(search().frameGeometry().topLeft(), placed);
}

} // namespace
} // namespace quillbox
