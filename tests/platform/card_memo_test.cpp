// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/card_memo.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

using namespace quillbox;

namespace {

class CardMemoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        memo.setFont(QFont(QStringLiteral("Liberation Sans"), 10));
        memo.resize(317, 193);
        memo.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&memo));
        memo.setFocus();
    }

    void paste(const QString& text)
    {
        QApplication::clipboard()->setText(text);
        memo.pasteFromClipboard();
    }

    CardMemo memo;
};

} // namespace

TEST_F(CardMemoTest, TextUsesCrLfWhateverBreaksWereSet)
{
    memo.setText("Adams\r\n12 Main St\rTown\nState\r\n");
    EXPECT_EQ(memo.text(), "Adams\r\n12 Main St\r\nTown\r\nState\r\n");
    EXPECT_EQ(memo.textLength(), 32);
}

TEST_F(CardMemoTest, EveryPrintableByteSurvives)
{
    std::string bytes;
    for (int b = 0x20; b < 256; ++b)
        bytes += static_cast<char>(b);
    bytes += "\t";
    memo.setText(bytes);
    EXPECT_EQ(memo.text(), bytes);
}

TEST_F(CardMemoTest, SetTextClearsTheFlagAndTypingSetsIt)
{
    memo.setModified(true);
    memo.setText("Baker\r\n");
    EXPECT_FALSE(memo.modified());
    QTest::keyClicks(&memo, QStringLiteral("x"));
    EXPECT_TRUE(memo.modified());
    memo.setText("Baker\r\n");
    EXPECT_FALSE(memo.modified());
}

TEST_F(CardMemoTest, SetTextIsNotLimited)
{
    memo.setMaxLength(498);
    const std::string longCard(600, 'a');
    memo.setText(longCard);
    EXPECT_EQ(memo.text(), longCard);
    QTest::keyClicks(&memo, QStringLiteral("b"));
    EXPECT_EQ(memo.textLength(), 600);
}

struct SelectionCase {
    const char* name;
    int start;
    int length;
    int expectStart;
    int expectLength;
    const char* selected;
};

/// Prints the case by its name in test listings.
void PrintTo(const SelectionCase& c, std::ostream* os)
{
    *os << c.name;
}

class CardMemoSelection : public CardMemoTest, public ::testing::WithParamInterface<SelectionCase> { };

TEST_P(CardMemoSelection, CountsLineBreaksAsTwo)
{
    const SelectionCase& c = GetParam();
    memo.setText("ab\r\ncd\r\nef");
    memo.setSelection(c.start, c.length);
    EXPECT_EQ(memo.selStart(), c.expectStart);
    EXPECT_EQ(memo.selLength(), c.expectLength);
    memo.copyToClipboard();
    if (c.expectLength > 0) {
        EXPECT_EQ(QApplication::clipboard()->text(), QString::fromLatin1(c.selected));
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, CardMemoSelection,
    ::testing::Values(SelectionCase {"SecondLine", 4, 2, 4, 2, "cd"},
        SelectionCase {"AcrossBreak", 1, 5, 1, 5, "b\ncd"}, SelectionCase {"CaretAfterBreak", 8, 0, 8, 0, ""},
        SelectionCase {"StartBetweenCrAndLf", 3, 2, 2, 3, "\nc"},
        SelectionCase {"EndBetweenCrAndLf", 0, 3, 0, 4, "ab\n"},
        SelectionCase {"PastTheEnd", 8, 50, 8, 2, "ef"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(CardMemoTest, TypingStopsAtTheLimit)
{
    memo.setMaxLength(498);
    QTest::keyClicks(&memo, QString(500, QLatin1Char('x')));
    EXPECT_EQ(memo.textLength(), 498);
    // Replacing a selection needs no extra room.
    memo.setSelection(0, 1);
    QTest::keyClicks(&memo, QStringLiteral("y"));
    EXPECT_EQ(memo.text().substr(0, 2), "yx");
    EXPECT_EQ(memo.textLength(), 498);
}

TEST_F(CardMemoTest, EnterNeedsRoomForTwo)
{
    memo.setMaxLength(498);
    QTest::keyClicks(&memo, QString(497, QLatin1Char('x')));
    QTest::keyClick(&memo, Qt::Key_Return);
    EXPECT_EQ(memo.textLength(), 497);
    QTest::keyClick(&memo, Qt::Key_Backspace);
    QTest::keyClick(&memo, Qt::Key_Return);
    EXPECT_EQ(memo.textLength(), 498);
    EXPECT_EQ(memo.text().substr(494), "xx\r\n");
}

TEST_F(CardMemoTest, ShiftEnterIsAPlainLineBreak)
{
    QTest::keyClicks(&memo, QStringLiteral("a"));
    QTest::keyClick(&memo, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(&memo, QStringLiteral("b"));
    EXPECT_EQ(memo.text(), "a\r\nb");
    EXPECT_EQ(memo.document()->blockCount(), 2);
}

TEST_F(CardMemoTest, LongPasteIsCutToFit)
{
    memo.setMaxLength(498);
    memo.setText("abc");
    memo.setSelection(3, 0);
    paste(QString(1000, QLatin1Char('z')));
    EXPECT_EQ(memo.textLength(), 498);
    EXPECT_TRUE(memo.modified());
}

TEST_F(CardMemoTest, DropObeysTheLimitAndCodePage)
{
    memo.setMaxLength(6);
    memo.setText("ab");
    QMimeData dropped;
    dropped.setText(QString::fromUtf8("\xE4\xB8\xAD") + QString(10, QLatin1Char('c')));
    const QPointF at = memo.cursorRect(memo.textCursor()).center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(memo.viewport(), &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(memo.viewport(), &move);
    QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(memo.viewport(), &drop);
    EXPECT_EQ(memo.textLength(), 6);
    EXPECT_NE(memo.text().find("?ccc"), std::string::npos);
}

TEST_F(CardMemoTest, PasteNeverSplitsALineBreak)
{
    memo.setMaxLength(10);
    memo.setText("12345678");
    memo.setSelection(8, 0);
    paste(QStringLiteral("9\r\nmore"));
    EXPECT_EQ(memo.text(), "123456789");
}

TEST_F(CardMemoTest, PastedTextIsConvertedToTheCodePage)
{
    paste(QString::fromUtf8("Z\xC3\xBCrich \xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80 \xE2\x82\xAC\r\nx\ry"));
    EXPECT_EQ(memo.text(), "Z\xFCrich ?? ? \x80\r\nx\r\ny");
}

TEST_F(CardMemoTest, TypedOutsideCharacterBecomesQuestionMark)
{
    // QTest cannot type characters outside Latin-1; send what a keyboard
    // layout would.
    QTest::keyClicks(&memo, QStringLiteral("a"));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\xE4\xB8\xAD"));
    QApplication::sendEvent(&memo, &press);
    QKeyEvent emoji(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\xF0\x9F\x98\x80"));
    QApplication::sendEvent(&memo, &emoji);
    EXPECT_EQ(memo.text(), "a??");
}

TEST_F(CardMemoTest, InputMethodCommitIsConvertedAndLimited)
{
    memo.setMaxLength(4);
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87xyz"));
    QApplication::sendEvent(&memo, &commit);
    EXPECT_EQ(memo.text(), "??xy");
}

TEST_F(CardMemoTest, CutPutsPlainTextOnTheClipboard)
{
    memo.setText("one\r\ntwo");
    memo.setSelection(0, 8);
    memo.cutToClipboard();
    EXPECT_EQ(memo.text(), "");
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QStringLiteral("one\ntwo"));
    EXPECT_FALSE(data->hasHtml());
}

TEST_F(CardMemoTest, HelpContextIsAPropertyToo)
{
    memo.setHelpContext(HelpMainWindow);
    EXPECT_EQ(memo.helpContext(), 1);
    EXPECT_EQ(memo.property("helpContext").toInt(), 1);
    memo.setProperty("helpContext", 17);
    EXPECT_EQ(memo.helpContext(), 17);
}

TEST_F(CardMemoTest, LineCountIgnoresTheFinalEmptyLine)
{
    memo.setText("");
    EXPECT_EQ(memo.lineCount(), 0);
    EXPECT_TRUE(memo.displayLines().empty());
    memo.setText("Adams\r\n");
    EXPECT_EQ(memo.lineCount(), 1);
    memo.setText("Adams\r\nMain St");
    EXPECT_EQ(memo.lineCount(), 2);
    memo.setText("Adams\r\n\r\n");
    EXPECT_EQ(memo.lineCount(), 2);
    EXPECT_EQ(memo.displayLines(), (std::vector<std::string> {"Adams", ""}));
    memo.setText("\r\n\r\n\r\n");
    EXPECT_EQ(memo.lineCount(), 3);
}

TEST_F(CardMemoTest, LongLineWrapsAtWordsKeepingBlanksUp)
{
    std::string line;
    for (int i = 0; i < 40; ++i)
        line += "word ";
    line += "end";
    memo.setText(line + "\r\nnext");
    const auto lines = memo.displayLines();
    ASSERT_GT(lines.size(), 2u);
    EXPECT_EQ(memo.lineCount(), int(lines.size()));
    EXPECT_EQ(lines.back(), "next");
    std::string joined;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        joined += lines[i];
        if (i + 2 < lines.size()) {
            // The blank before a soft break stays on the upper line.
            EXPECT_EQ(lines[i].back(), ' ') << i;
        }
    }
    EXPECT_EQ(joined, line);
}

TEST_F(CardMemoTest, WordWiderThanTheBoxBreaksBetweenCharacters)
{
    const std::string word(200, 'W');
    memo.setText(word);
    const auto lines = memo.displayLines();
    ASSERT_GT(lines.size(), 1u);
    std::string joined;
    for (const auto& l : lines)
        joined += l;
    EXPECT_EQ(joined, word);
}

TEST(CardMemoHidden, LineCountFollowsAResizeBeforeShowing)
{
    CardMemo memo;
    memo.setFont(QFont(QStringLiteral("Liberation Sans"), 10));
    std::string line;
    for (int i = 0; i < 30; ++i)
        line += "word ";
    memo.setText(line);
    memo.resize(600, 100);
    const int wide = memo.lineCount();
    memo.resize(150, 100);
    const int narrow = memo.lineCount();
    EXPECT_GE(wide, 1);
    EXPECT_GT(narrow, wide);
    memo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&memo));
    EXPECT_EQ(memo.lineCount(), narrow);
}
