// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as a user meets them: card captions on the notebook, the
// notebook's row of tabs, sizes and places from the settings, command keys
// in text boxes, what a screen reader reads, and the keyboard order.
#include "Aboutbox.h"
#include "Main.h"
#include "Retnaddr.h"
#include "Search.h"
#include "list.h"
#include "platform/card_memo.h"
#include "platform/tab_strip.h"
#include "platform/text_codec.h"
#include "platform/window_placement.h"
#include "ui_test_util.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <climits>
#include <cstdio>
#include <gtest/gtest.h>

namespace quillbox::test {
namespace {

/// A settings file with the given Position values and the design font.
std::string settingsAt(const std::string& top, const std::string& left, const std::string& height,
    const std::string& width, const std::string& extra = {})
{
    return "[Position]\r\nTop=" + top + "\r\nLeft=" + left + "\r\nHeight=" + height + "\r\nWidth=" + width
        + "\r\n[Font]\r\nColor=-2147483640\r\nHeight=-13\r\nName=System\r\nPitch=fpdefault\r\nSize=10\r\n"
          "Style1=\r\nStyle2=\r\nStyle3=\r\nStyle4=\r\n[Params]\r\nLastCard=1\r\n"
        + extra;
}

void activate(QWidget& window)
{
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
}

// --- Card captions ------------------------------------------------------------

/// The lowest row of `area` in `image` holding ink (a pixel clearly darker
/// than the white tab); -1 when there is none.
int lowestDarkRow(const QImage& image, const QRect& area)
{
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.bottom(); y >= inside.top(); --y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 200)
                return y;
        }
    }
    return -1;
}

TEST(CardCaptions, AnAmpersandShowsAsItselfAndTakesNoAccessKey)
{
    TestProgram p;
    // Filed as "&Co Ltd", "Smith & Jones", "Smith _Jones", "Zed Road".
    p.startWith({"Smith & Jones\r\n", "&Co Ltd\r\n", "Smith _Jones\r\n", "Zed Road\r\n"}, 1);
    TForm1& m = p.main();
    TabbedNotebook& book = *test::child<TabbedNotebook>(m, "TabbedNotebook1");
    EXPECT_EQ(book.pageCaption(0), QStringLiteral("1-&Co Ltd"));
    EXPECT_EQ(book.pageCaption(1), QStringLiteral("2-Smith & Jones"));

    // What a screen reader reads is what is shown.
    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(book.guardedTabBar());
    ASSERT_NE(tabs, nullptr);
    ASSERT_GE(tabs->childCount(), 4);
    EXPECT_EQ(tabs->child(0)->text(QAccessible::Name), QStringLiteral("1-&Co Ltd"));
    EXPECT_EQ(tabs->child(1)->text(QAccessible::Name), QStringLiteral("2-Smith & Jones"));

    // Drawn without an underline: no letter of the first, second and fourth
    // captions descends, so their ink ends on the same baseline; an
    // underline would reach below it, as the underscore of the third does.
    QTabBar* bar = book.guardedTabBar();
    const QImage image = bar->grab().toImage();
    auto lowest = [&](int tab) { return lowestDarkRow(image, bar->tabRect(tab).adjusted(4, 3, -2, -3)); };
    const int baseline = lowest(3);
    EXPECT_GT(baseline, 0) << "no caption drawn";
    EXPECT_EQ(lowest(0), baseline);
    EXPECT_EQ(lowest(1), baseline);
    EXPECT_GT(lowest(2), baseline);

    // Alt+C opens the Cards menu, although "&Co Ltd" is on a tab.
    activate(m);
    test::child<CardMemo>(m, "Memo1")->setFocus();
    QTest::keyClick(test::child<CardMemo>(m, "Memo1"), Qt::Key_C, Qt::AltModifier);
    QApplication::processEvents();
    EXPECT_TRUE(test::child<QMenu>(m, "Cards1")->isVisible());
    EXPECT_EQ(m.cards().CurrentCard, 1);
    EXPECT_EQ(test::child<TabbedNotebook>(m, "TabbedNotebook1")->PageIndex(), 0);
    test::child<QMenu>(m, "Cards1")->hide();
    QApplication::processEvents();
}

TEST(CardCaptions, FourDigitNumbersGetFourEqualTabs)
{
    std::vector<std::string> cards;
    const char* names[] = {"Wendy Whitmore", "Wilbur Wainwright", "Winifred Woodcock", "Woodrow Hamm"};
    for (int i = 1; i <= 1010; ++i) {
        char text[64];
        std::snprintf(text, sizeof text, "%04d %s\r\n", i, names[i % 4]);
        cards.emplace_back(text);
    }
    TestProgram p;
    p.startWith(cards, 1001);
    TForm1& m = p.main();
    // Card 1004 is filed under "1004 Wendy Whitmore".
    ASSERT_EQ(test::child<TabbedNotebook>(m, "TabbedNotebook1")->pageCaption(3),
        QStringLiteral("1004-1004 Wendy Whit"));
    QTabBar* bar = test::child<TabbedNotebook>(m, "TabbedNotebook1")->guardedTabBar();
    const int width = test::child<TabbedNotebook>(m, "TabbedNotebook1")->width();
    int total = 0;
    for (int i = 0; i < 4; ++i) {
        const QRect tab = bar->tabRect(i);
        EXPECT_GE(tab.width(), width / 4) << i;
        EXPECT_LE(tab.width(), width / 4 + 1) << i;
        EXPECT_LE(tab.right(), bar->width() - 1) << i;
        total += tab.width();
    }
    EXPECT_EQ(total, width);
    for (const QWidget* child : bar->findChildren<QWidget*>())
        EXPECT_FALSE(child->isVisible()) << "scroll arrows shown";
    // Every tab can be clicked: the fourth moves three cards on.
    clickTab(bar, 3);
    EXPECT_EQ(m.cards().CurrentCard, 1004);
}

// --- Sizes and places from the settings ----------------------------------------

TEST(StoredPlacement, ASmallerSizeIsKeptAndNotWrittenBack)
{
    TestProgram p;
    p.writeCards(numberedCards(3));
    const std::string stored = settingsAt("100", "100", "150", "200");
    p.writeSettings(stored);
    p.startAndShow();
    TForm1& m = p.main();
    EXPECT_EQ(m.frameGeometry(), QRect(100, 100, 200, 150));
    // Widgets keep their designed places and are clipped.
    EXPECT_EQ(test::child<CardMemo>(m, "Memo1")->geometry(), QRect(32, 48, 317, 193));
    EXPECT_EQ(p.dir().read("quillbox.ini"), stored);

    // A real resize, even below the designed size, is taken and written.
    m.resize(120, 90);
    QApplication::processEvents();
    EXPECT_EQ(m.size(), QSize(120, 90));
    const QSize frame = m.frameGeometry().size();
    const std::string written = p.dir().read("quillbox.ini");
    EXPECT_NE(written.find("Width=" + std::to_string(frame.width()) + "\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("Height=" + std::to_string(frame.height()) + "\r\n"), std::string::npos)
        << written;
}

struct OddSettings {
    const char* name;
    std::string settings;
    bool centred; // placed centred on the primary screen
};

void PrintTo(const OddSettings& c, std::ostream* os)
{
    *os << c.name;
}

class AnySettingsValue : public ::testing::TestWithParam<OddSettings> { };

// No value of any key keeps the window from coming up where it can be
// reached, at a size the window system holds; and start-up writes nothing.
TEST_P(AnySettingsValue, StartsReachableAndWritesNothing)
{
    const OddSettings& c = GetParam();
    TestProgram p;
    p.writeCards(numberedCards(3));
    p.writeSettings(c.settings);
    p.startAndShow();
    TForm1& m = p.main();
    const ScreenLayout screens = currentScreens();
    const QRect frame = m.frameGeometry();
    EXPECT_LE(frame.width(), screens.largestFrame.width());
    EXPECT_LE(frame.height(), screens.largestFrame.height());
    EXPECT_GE(frame.width(), 1);
    EXPECT_GE(frame.height(), 1);
    EXPECT_TRUE(screens.primary.intersects(QRect(frame.topLeft(), QSize(frame.width(), 20))))
        << frame.x() << "," << frame.y();
    if (c.centred) {
        EXPECT_EQ(frame.center().x(), screens.primary.center().x());
    }
    // It paints, and the settings file is as it was.
    EXPECT_FALSE(m.grab().isNull());
    EXPECT_EQ(p.dir().read("quillbox.ini"), c.settings);
    EXPECT_GE(m.cards().CurrentCard, 1);
}

INSTANTIATE_TEST_SUITE_P(Settings, AnySettingsValue,
    ::testing::Values(OddSettings {"HugeSize", settingsAt("10", "10", "16777215", "2147483647"), false},
        OddSettings {"HugeHexSize", settingsAt("10", "10", "0x7FFFFFFF", "0xFFFFFFFF"), false},
        OddSettings {"NegativeSize", settingsAt("10", "10", "-2147483648", "-5"), false},
        OddSettings {"ZeroSize", settingsAt("10", "10", "0", "0"), false},
        OddSettings {"OffEveryScreen", settingsAt("-2000", "5000", "338", "465"), true},
        OddSettings {"IntLimits", settingsAt("2147483647", "-2147483648", "338", "465"), true},
        OddSettings {"Overlong", settingsAt("10", "-99999999999999", "338", "99999999999999"), false},
        OddSettings {"FontAndCardExtremes",
            settingsAt("10", "10", "338", "465")
                + "[Font]\r\nColor=2147483647\r\nSize=2147483647\r\nName=" + std::string(1200, 'x')
                + "\r\nPitch=\x01\r\nStyle1=fsbold\r\n[Params]\r\nLastCard=-2147483648\r\n",
            false},
        OddSettings {"SystemColourOutOfRange",
            settingsAt("10", "10", "338", "465")
                + "[Font]\r\nColor=-1\r\nSize=0\r\n[Params]\r\nLastCard=99999\r\n",
            false}),
    [](const auto& row) { return std::string(row.param.name); });

// --- Command keys in text boxes ---------------------------------------------------

TEST(CommandKeysInTextBoxes, AltLetterChangesNothingAltGrStillTypes)
{
    TestProgram p;
    p.startWith({"Able\r\n5 Baker Rd\r\n", "Baker\r\n1 Main St\r\n"}, 1);
    TForm1& m = p.main();
    TForm4& search = *p.windows().form4();
    test::child<QLineEdit>(search, "Edit1")->setText(QStringLiteral("Baker"));
    clickButton(test::child<QPushButton>(search, "BitBtn1"));
    ASSERT_EQ(test::child<CardMemo>(m, "Memo1")->selLength(), 5);
    const std::string before = test::child<CardMemo>(m, "Memo1")->text();

    // Alt+N matches no access key of the main window.
    QTest::keyClick(test::child<CardMemo>(m, "Memo1"), Qt::Key_N, Qt::AltModifier);
    QTest::keyClick(test::child<CardMemo>(m, "Memo1"), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(test::child<CardMemo>(m, "Memo1")->text(), before);
    EXPECT_EQ(test::child<CardMemo>(m, "Memo1")->selLength(), 5);
    EXPECT_FALSE(test::child<CardMemo>(m, "Memo1")->modified());

    // AltGr+Q on a German keyboard.
    QTest::sendKeyEvent(QTest::Press, test::child<CardMemo>(m, "Memo1"), Qt::Key_At, QStringLiteral("@"),
        Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(test::child<CardMemo>(m, "Memo1")->text(), "Able\r\n5 @ Rd\r\n");

    // The search box and the return-address box alike.
    QLineEdit* searchBox = test::child<QLineEdit>(search, "Edit1");
    searchBox->selectAll();
    QTest::keyClick(searchBox, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(searchBox->text(), QStringLiteral("Baker"));
    CardMemo* address = p.windows().form5()->findChild<CardMemo*>(QStringLiteral("Memo2"));
    address->setText("Me\r\n");
    QTest::keyClick(address, Qt::Key_N, Qt::AltModifier);
    QTest::keyClick(address, Qt::Key_E, Qt::MetaModifier);
    EXPECT_EQ(address->text(), "Me\r\n");
    QTest::keyClick(address, Qt::Key_N);
    EXPECT_NE(address->text(), "Me\r\n");
}

// --- What a screen reader reads -------------------------------------------------

QString withoutAccessKeys(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

QString readName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}

/// Every label, button and tab of `window` reads as it shows.
void expectReadAsShown(QWidget* window)
{
    const std::string where = window->objectName().toStdString();
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty() && !label->pixmap().isNull())
            continue; // a picture; its name says what it shows
        EXPECT_EQ(readName(label), withoutAccessKeys(label->text()))
            << where << "/" << label->objectName().toStdString();
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window) || button->parent()->inherits("QTabBar"))
            continue;
        const std::string name = where + "/" + button->objectName().toStdString();
        if (!button->text().isEmpty()) {
            EXPECT_EQ(readName(button), withoutAccessKeys(button->text())) << name;
        } else if (!button->toolTip().isEmpty()) {
            EXPECT_EQ(readName(button), button->toolTip()) << name; // a picture: its hint
        } else {
            EXPECT_FALSE(readName(button).isEmpty()) << name; // a picture without a hint
        }
    }
    for (QTabBar* bar : window->findChildren<QTabBar*>()) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(bar);
        // Past the tabs come the strip's scroll arrows, never shown here.
        ASSERT_GE(face->childCount(), bar->count()) << where;
        for (int i = 0; i < bar->count(); ++i)
            EXPECT_EQ(face->child(i)->text(QAccessible::Name), withoutAccessKeys(bar->tabText(i))) << where;
    }
}

TEST(ScreenReader, ReadsEveryLabelAsShown)
{
    TestProgram p;
    p.startWith(numberedCards(3), 2);
    TForm1& m = p.main();
    EXPECT_EQ(readName(test::child<QLabel>(m, "Label1")), QStringLiteral("3 cards"));
    EXPECT_EQ(readName(test::child<QLabel>(m, "Label2")), QStringLiteral("Card"));
    EXPECT_EQ(readName(test::child<QLabel>(m, "Label3")), QStringLiteral("2"));
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(test::child<QLabel>(m, "Label1"))
                     ->text(QAccessible::Description)
                     .isEmpty());

    clickButton(test::child<QToolButton>(m, "SpeedButton13")); // New card
    EXPECT_EQ(readName(test::child<QLabel>(m, "Label1")), QStringLiteral("New card"));
    clickButton(test::child<QToolButton>(m, "SpeedButton13"));
    p.messages().clear();
    chooseMenuEntry(test::child<QAction>(m, "Abort1"));

    // Menu entries read as their captions.
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(m.menuBar());
    const QList<QAction*> menus = m.menuBar()->actions();
    ASSERT_EQ(bar->childCount(), menus.size());
    for (int k = 0; k < menus.size(); ++k) {
        QAction* action = menus[k];
        EXPECT_EQ(bar->child(k)->text(QAccessible::Name), withoutAccessKeys(action->text()));
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(action->menu());
        const QList<QAction*> entries = action->menu()->actions();
        ASSERT_EQ(menu->childCount(), entries.size());
        for (int i = 0; i < entries.size(); ++i) {
            if (!entries[i]->isSeparator()) {
                EXPECT_EQ(menu->child(i)->text(QAccessible::Name), withoutAccessKeys(entries[i]->text()));
            }
        }
    }

    expectReadAsShown(&m);
    expectReadAsShown(p.windows().form2());
    expectReadAsShown(p.windows().form4());
    expectReadAsShown(p.windows().form5());
    expectReadAsShown(p.windows().aboutBox1());
}

// --- Keyboard order -----------------------------------------------------------------

TEST(KeyboardOrder, TabCyclesNotebookCardAndAlphabet)
{
    TestProgram p;
    p.startWith(numberedCards(5), 1);
    TForm1& m = p.main();
    activate(m);
    QWidget* notebook = test::child<TabbedNotebook>(m, "TabbedNotebook1")->guardedTabBar();
    const std::vector<QWidget*> cycle {
        notebook, test::child<CardMemo>(m, "Memo1"), test::child<GuardedTabBar>(m, "TabSet1")};
    auto focused = [] {
        QWidget* w = QApplication::focusWidget();
        return w && w->focusProxy() ? w->focusProxy() : w;
    };
    test::child<CardMemo>(m, "Memo1")->setFocus();
    ASSERT_EQ(focused(), test::child<CardMemo>(m, "Memo1"));
    for (int step = 1; step <= 6; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focused(), cycle[std::size_t((1 + step) % 3)]) << "Tab " << step;
    }
    for (int step = 1; step <= 6; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(focused(), cycle[std::size_t((1 + 6 * 3 - step) % 3)]) << "Shift+Tab " << step;
    }
    // Tab moved the focus only: the card and its text are as they were.
    EXPECT_EQ(m.cards().CurrentCard, 1);
    EXPECT_EQ(test::child<CardMemo>(m, "Memo1")->text(), numberedCards(5)[0]);
}

} // namespace
} // namespace quillbox::test
