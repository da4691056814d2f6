// SPDX-License-Identifier: GPL-3.0-or-later
#include "Main.h"
#include "list.h"
#include "platform/card_memo.h"
#include "ui_test_util.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

namespace quillbox {
namespace {

using test::TestProgram;

const std::vector<std::string> AbleBakerCarter {
    "Able\r\n1 Elm St\r\n", "Baker\r\n2 Oak St\r\n", "Carter\r\n3 Ash St\r\n"};

class CardList : public ::testing::Test {
protected:
    void start(const std::vector<std::string>& cards, int lastCard = 1)
    {
        m_program.startWith(cards, lastCard);
        m_program.messages().clear();
    }
    /// Opens the list as Cards, List does and waits until it has the focus.
    void open()
    {
        main().List1Click();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&list()));
        test::child<QListWidget>(list(), "ListBox1")->setFocus();
    }
    TForm1& main() { return m_program.main(); }
    TForm2& list() { return *m_program.windows().form2(); }
    const CardCollection& cards() { return main().cards(); }
    QStringList rows()
    {
        QStringList texts;
        for (int i = 0; i < test::child<QListWidget>(list(), "ListBox1")->count(); ++i)
            texts << test::child<QListWidget>(list(), "ListBox1")->item(i)->text();
        return texts;
    }

    TestProgram m_program;
};

TEST_F(CardList, TheDownArrowShowsTheNextCardAtOnce)
{
    start(AbleBakerCarter, 2);
    open();
    EXPECT_EQ(
        rows(), (QStringList {QStringLiteral("Able"), QStringLiteral("Baker"), QStringLiteral("Carter")}));
    EXPECT_EQ(test::child<QListWidget>(list(), "ListBox1")->currentRow(), 1);
    // Selecting the shown card's row is the program's doing, not a choice.
    EXPECT_EQ(cards().CurrentCard, 2);

    QTest::keyClick(test::child<QListWidget>(list(), "ListBox1"), Qt::Key_Down);
    EXPECT_EQ(cards().CurrentCard, 3);
    EXPECT_EQ(test::child<CardMemo>(main(), "Memo1")->text(), "Carter\r\n3 Ash St\r\n");
    EXPECT_EQ(test::child<QLabel>(main(), "Label3")->text(), QStringLiteral("3"));
    EXPECT_TRUE(list().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), test::child<QListWidget>(list(), "ListBox1"));

    QTest::keyClick(test::child<QListWidget>(list(), "ListBox1"), Qt::Key_Up);
    QTest::keyClick(test::child<QListWidget>(list(), "ListBox1"), Qt::Key_Up);
    EXPECT_EQ(cards().CurrentCard, 1);
    EXPECT_TRUE(m_program.messages().texts().empty());
}

TEST_F(CardList, AClickOnARowShowsItsCard)
{
    start(AbleBakerCarter, 1);
    open();
    QListWidget* box = test::child<QListWidget>(list(), "ListBox1");
    QTest::mouseClick(
        box->viewport(), Qt::LeftButton, Qt::NoModifier, box->visualItemRect(box->item(2)).center());
    EXPECT_EQ(cards().CurrentCard, 3);
    EXPECT_EQ(test::child<CardMemo>(main(), "Memo1")->text(), "Carter\r\n3 Ash St\r\n");
}

TEST_F(CardList, RowsShowWholeFirstLinesAndEmptyOnes)
{
    const std::string longLine = "Bartholomew-Fitzwilliam Featherstonehaugh and Partners, Solicitors at Law";
    start({"\r\nno first line\r\n", longLine + "\r\n", "Carter\r\n"});
    open();
    EXPECT_EQ(rows(), (QStringList {QString(), QString::fromLatin1(longLine), QStringLiteral("Carter")}));
    EXPECT_EQ(list()
                  .findChild<QListWidget*>(QStringLiteral("ListBox1"))
                  ->visualItemRect(test::child<QListWidget>(list(), "ListBox1")->item(0))
                  .height(),
        13);
}

TEST_F(CardList, APendingEditIsStoredAndTheChosenCardFollowsItsNewNumber)
{
    start(AbleBakerCarter, 1);
    test::child<CardMemo>(main(), "Memo1")->setText("Zed\r\n1 Elm St\r\n");
    test::child<CardMemo>(main(), "Memo1")->setModified(true);
    open();
    EXPECT_EQ(test::child<QListWidget>(list(), "ListBox1")->currentRow(), 0);

    // Row 1 was Baker; storing Zed files it last and Baker becomes card 1.
    QTest::keyClick(test::child<QListWidget>(list(), "ListBox1"), Qt::Key_Down);
    EXPECT_EQ(cards().card(3), "Zed\r\n1 Elm St\r\n");
    EXPECT_TRUE(cards().CardsChanged);
    EXPECT_EQ(cards().CurrentCard, 1);
    EXPECT_EQ(test::child<CardMemo>(main(), "Memo1")->text(), "Baker\r\n2 Oak St\r\n");
    EXPECT_EQ(
        rows(), (QStringList {QStringLiteral("Baker"), QStringLiteral("Carter"), QStringLiteral("Zed")}));
    EXPECT_EQ(test::child<QListWidget>(list(), "ListBox1")->currentRow(), 0);
}

TEST_F(CardList, AnEditThatKeepsItsPlaceUpdatesItsRow)
{
    start(AbleBakerCarter, 1);
    test::child<CardMemo>(main(), "Memo1")->setText("Abel\r\n1 Elm St\r\n");
    test::child<CardMemo>(main(), "Memo1")->setModified(true);
    open();
    QTest::keyClick(test::child<QListWidget>(list(), "ListBox1"), Qt::Key_Down);
    EXPECT_EQ(cards().card(1), "Abel\r\n1 Elm St\r\n");
    EXPECT_EQ(cards().CurrentCard, 2);
    EXPECT_EQ(
        rows(), (QStringList {QStringLiteral("Abel"), QStringLiteral("Baker"), QStringLiteral("Carter")}));
}

TEST_F(CardList, TurningToTheMainWindowClosesItAndReopeningFillsAfresh)
{
    start(AbleBakerCarter, 1);
    open();
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list().isVisible(); }));
    EXPECT_EQ(test::child<QListWidget>(list(), "ListBox1")->count(), 0);

    main().showCardNumber(3);
    open();
    EXPECT_EQ(rows().size(), 3);
    EXPECT_EQ(test::child<QListWidget>(list(), "ListBox1")->currentRow(), 2);
}

TEST_F(CardList, FocusLeavingTheProgramKeepsItOpen)
{
    start(AbleBakerCarter, 1);
    open();
    // No window of ours has the focus: another program has it.
    QWindow* const other = nullptr;
    Q_EMIT qApp->focusWindowChanged(other);
    EXPECT_TRUE(list().isVisible());
    EXPECT_EQ(test::child<QListWidget>(list(), "ListBox1")->count(), 3);
}

TEST_F(CardList, TheCloseButtonFocusesTheCardAndCloses)
{
    start(AbleBakerCarter, 2);
    open();
    EXPECT_TRUE(test::child<QToolButton>(list(), "SpeedButton1")->toolTip().isEmpty());
    EXPECT_EQ(test::child<QToolButton>(list(), "SpeedButton1")->accessibleName(), QStringLiteral("Close"));
    EXPECT_FALSE(test::child<QToolButton>(list(), "SpeedButton1")->icon().isNull());
    test::clickButton(test::child<QToolButton>(list(), "SpeedButton1"));
    EXPECT_FALSE(list().isVisible());
    EXPECT_EQ(test::child<QListWidget>(list(), "ListBox1")->count(), 0);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    EXPECT_EQ(QApplication::focusWidget(), test::child<CardMemo>(main(), "Memo1"));
    EXPECT_EQ(cards().CurrentCard, 2);
}

} // namespace
} // namespace quillbox
