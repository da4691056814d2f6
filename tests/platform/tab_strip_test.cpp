// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tab_strip.h"
#include "support/modal.h"

#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

using namespace quillbox;

namespace {

// A shown bar of `n` tabs whose handler records each call and the tab that
// was selected while it ran.
class TabBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 4; ++i)
            bar.addTab(QStringLiteral("Tab %1").arg(i));
        bar.resize(400, 30);
        bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
        bar.setChangeHandler([this](int newTab, bool& allow) {
            calls.push_back({newTab, bar.currentIndex()});
            allow = allowChanges;
        });
    }

    void click(int tab) { QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(tab).center()); }

    struct Call {
        int newTab;
        int selectedDuringCall;
    };
    GuardedTabBar bar;
    std::vector<Call> calls;
    bool allowChanges = true;
};

} // namespace

TEST_F(TabBarTest, ClickAsksBeforeTheChange)
{
    click(2);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].newTab, 2);
    EXPECT_EQ(calls[0].selectedDuringCall, 0);
    EXPECT_EQ(bar.currentIndex(), 2);
}

TEST_F(TabBarTest, RefusedClickKeepsTheTab)
{
    allowChanges = false;
    QSignalSpy changed(&bar, &QTabBar::currentChanged);
    click(3);
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(bar.currentIndex(), 0);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(TabBarTest, ChoosingTheSelectedTabDoesNothing)
{
    click(0);
    EXPECT_FALSE(bar.selectTab(0));
    EXPECT_TRUE(calls.empty());
}

TEST_F(TabBarTest, SelectTabFromCodeGoesThroughTheHandler)
{
    EXPECT_TRUE(bar.selectTab(1));
    EXPECT_EQ(bar.currentIndex(), 1);
    allowChanges = false;
    EXPECT_FALSE(bar.selectTab(3));
    EXPECT_EQ(bar.currentIndex(), 1);
    EXPECT_FALSE(bar.selectTab(7));
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].newTab, 3);
}

TEST_F(TabBarTest, SetCurrentIndexBehindOurBackIsStillAsked)
{
    allowChanges = false;
    bar.setCurrentIndex(2);
    EXPECT_EQ(bar.currentIndex(), 0);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].newTab, 2);
    EXPECT_EQ(calls[0].selectedDuringCall, 0);
    allowChanges = true;
    bar.setCurrentIndex(2);
    EXPECT_EQ(bar.currentIndex(), 2);
}

TEST_F(TabBarTest, WheelDoesNotChangeTheTab)
{
    const QPointF at = bar.tabRect(1).center();
    QWheelEvent wheel(at, bar.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(&bar, &wheel);
    EXPECT_EQ(bar.currentIndex(), 0);
    EXPECT_TRUE(calls.empty());
}

TEST_F(TabBarTest, ModalRefusalInsidePressLeavesTheBarUsable)
{
    bar.setChangeHandler([this](int newTab, bool& allow) {
        calls.push_back({newTab, bar.currentIndex()});
        if (newTab == 3) {
            test::onNextModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
            QMessageBox::warning(&bar, QStringLiteral("Warning"), QStringLiteral("No."));
            allow = false;
        }
    });
    click(3);
    EXPECT_EQ(bar.currentIndex(), 0);
    // A later move over another tab neither drags nor selects anything.
    QTest::mouseMove(&bar, bar.tabRect(1).center());
    EXPECT_EQ(bar.currentIndex(), 0);
    click(1);
    EXPECT_EQ(bar.currentIndex(), 1);
    EXPECT_EQ(calls.size(), 2u);
}

struct ArrowCase {
    const char* name;
    int from;
    Qt::Key key;
    int to;
};

/// Prints the case by its name in test listings.
void PrintTo(const ArrowCase& c, std::ostream* os)
{
    *os << c.name;
}

class TabBarArrows : public TabBarTest, public ::testing::WithParamInterface<ArrowCase> { };

TEST_P(TabBarArrows, StepAndWrap)
{
    const ArrowCase& c = GetParam();
    bar.setCurrentIndex(c.from);
    calls.clear();
    QTest::keyClick(&bar, c.key);
    EXPECT_EQ(bar.currentIndex(), c.to);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].newTab, c.to);
}

INSTANTIATE_TEST_SUITE_P(Keys, TabBarArrows,
    ::testing::Values(ArrowCase {"LeftFromFirstWrapsToLast", 0, Qt::Key_Left, 3},
        ArrowCase {"UpFromFirstWrapsToLast", 0, Qt::Key_Up, 3},
        ArrowCase {"RightFromLastWrapsToFirst", 3, Qt::Key_Right, 0},
        ArrowCase {"DownFromLastWrapsToFirst", 3, Qt::Key_Down, 0},
        ArrowCase {"LeftSteps", 2, Qt::Key_Left, 1}, ArrowCase {"DownSteps", 1, Qt::Key_Down, 2}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(TabbedNotebook, PagesAndKeysGoThroughTheHandler)
{
    TabbedNotebook book(4);
    book.resize(454, 292);
    book.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&book));
    ASSERT_EQ(book.count(), 4);
    EXPECT_EQ(book.PageIndex(), 0);

    std::vector<int> asked;
    bool allow = true;
    book.setChangeHandler([&](int newTab, bool& allowChange) {
        asked.push_back(newTab);
        allowChange = allow;
    });
    book.setPageCaption(0, QStringLiteral("1-Adams"));
    EXPECT_EQ(book.tabText(0), QStringLiteral("1-Adams"));

    QTest::keyClick(&book, Qt::Key_Left);
    EXPECT_EQ(book.PageIndex(), 3);
    QTest::keyClick(&book, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(book.PageIndex(), 0);
    allow = false;
    EXPECT_FALSE(book.setPageIndex(2));
    book.setCurrentIndex(1);
    EXPECT_EQ(book.PageIndex(), 0);
    EXPECT_EQ(asked, (std::vector<int> {3, 0, 2, 1}));
}

namespace {

struct RowCase {
    const char* name;
    int width;
    std::vector<const char*> captions;
};

void PrintTo(const RowCase& c, std::ostream* os)
{
    *os << c.name;
}

class NotebookRow : public ::testing::TestWithParam<RowCase> { };

} // namespace

TEST_P(NotebookRow, FourEqualTabsAcrossTheWidth)
{
    const RowCase& c = GetParam();
    TabbedNotebook book(4);
    book.resize(c.width, 292);
    for (int i = 0; i < 4; ++i)
        book.setPageCaption(i, QString::fromLatin1(c.captions[std::size_t(i)]));
    book.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&book));
    const QTabBar* bar = book.guardedTabBar();
    int total = 0;
    for (int i = 0; i < 4; ++i) {
        const QRect tab = bar->tabRect(i);
        EXPECT_GE(tab.width(), c.width / 4) << i;
        EXPECT_LE(tab.width(), c.width / 4 + 1) << i;
        EXPECT_GE(tab.left(), 0) << i;
        EXPECT_LE(tab.right(), bar->width() - 1) << i;
        total += tab.width();
    }
    EXPECT_EQ(total, c.width);
    // No scroll arrows, shown or hidden behind the tabs.
    for (const QWidget* child : bar->findChildren<QWidget*>())
        EXPECT_FALSE(child->isVisible()) << child->metaObject()->className();
}

INSTANTIATE_TEST_SUITE_P(Captions, NotebookRow,
    ::testing::Values(RowCase {"Short", 454, {"1-A", "2-B", "3-C", "4-D"}},
        RowCase {"FourDigitNumbersAndLongNames", 454,
            {"1001-Wendy Whitmore", "1002-Wilbur Wainwri", "1003-Winifred Wood", "1004-Woodrow Hamm"}},
        RowCase {"EmptyTabs", 454, {"1-Adams", "", "", ""}},
        RowCase {"NarrowNotebook", 201, {"1001-Wendy Whitmore", "1002-W", "1003-W", "1004-W"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(TabbedNotebook, AnAmpersandIsACharacterNotAnAccessKey)
{
    TabbedNotebook book(4);
    book.resize(454, 292);
    const QString captions[] = {QStringLiteral("1-&Co Ltd"), QStringLiteral("2-Smith & Jones"),
        QStringLiteral("3-A&&B"), QStringLiteral("4-&")};
    for (int i = 0; i < 4; ++i)
        book.setPageCaption(i, captions[i]);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(book.pageCaption(i), captions[i]);
        // Nothing for Alt+letter to find.
        EXPECT_TRUE(QKeySequence::mnemonic(book.tabText(i)).isEmpty()) << i;
    }
}

TEST(TabbedNotebook, CaptionsAreCutAtTheTabsRightEdge)
{
    TabbedNotebook book(4);
    book.resize(454, 292);
    book.setPageCaption(0, QStringLiteral("1001-WWWWWWWWWWWWWWW"));
    book.setPageCaption(1, QString());
    book.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&book));
    QTabBar* bar = book.guardedTabBar();
    const QImage image = bar->grab().toImage();
    const QRect first = bar->tabRect(0);
    const QRect second = bar->tabRect(1);
    // The first caption is far wider than its tab: it fills the tab to its
    // edge, and nothing of it reaches the empty second tab.
    auto darkIn = [&](int x, int top, int bottom) {
        for (int y = top; y <= bottom; ++y) {
            if (qGray(image.pixel(x, y)) < 96)
                return true;
        }
        return false;
    };
    int lastDark = -1;
    for (int x = first.left(); x <= second.right(); ++x) {
        if (darkIn(x, first.top() + 4, first.bottom() - 4))
            lastDark = x;
    }
    EXPECT_GT(lastDark, first.right() - 12);
    EXPECT_LE(lastDark, first.right());
}
