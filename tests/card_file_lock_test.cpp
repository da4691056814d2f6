// SPDX-License-Identifier: GPL-3.0-or-later
// One writer per card file: a second window on the same directory asks, and
// either runs read-only or makes no window at all; the first window's edits
// are never lost.
#include "Main.h"
#include "core/card_file.h"
#include "core/card_file_lock.h"
#include "core/core_test_util.h"
#include "platform/card_memo.h"
#include "ui_test_util.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace quillbox::test {
namespace {

const std::vector<std::string> TwoCards {"Adams\r\n", "Zed\r\n"};

void typeOnCard(TForm1& window, const char* text)
{
    test::child<CardMemo>(window, "Memo1")->setFocus();
    QTest::keyClicks(test::child<CardMemo>(window, "Memo1"), QString::fromLatin1(text));
}

TEST(CardFileLockTest, SecondWindowRunsReadOnlyAndTheFirstKeepsItsEdits)
{
    for (const bool secondClosesFirst : {true, false}) {
        SCOPED_TRACE(secondClosesFirst ? "second window closes first" : "first window closes first");
        TestProgram first;
        first.writeCards(TwoCards);
        first.startAndShow();
        ASSERT_FALSE(first.app().readOnly);

        FakeServices secondFakes;
        secondFakes.messages.answerChoice(0);
        Program second(first.dir().str(), secondFakes.services());
        ASSERT_EQ(secondFakes.messages.chosen.size(), 1u);
        const ChoiceRequest& asked = secondFakes.messages.chosen.front();
        EXPECT_TRUE(asked.text.contains(QStringLiteral("is already open in another Quillbox window")));
        EXPECT_EQ(asked.buttons, (QStringList {QStringLiteral("Open &Read-Only"), QStringLiteral("&Quit")}));
        EXPECT_EQ(asked.escapeIndex, 1);
        ASSERT_FALSE(second.declined());
        EXPECT_TRUE(second.app().readOnly);
        EXPECT_EQ(second.windows().Form1->windowTitle(), QStringLiteral("Quillbox v 2.0 (read-only)"));
        EXPECT_EQ(first.main().windowTitle(), QStringLiteral("Quillbox v 2.0"));
        second.showMainWindow();
        QApplication::processEvents();

        typeOnCard(first.main(), "First ");
        typeOnCard(*second.windows().Form1, "Second ");
        if (secondClosesFirst) {
            second.windows().Form1->close();
            first.close();
        } else {
            first.close();
            second.windows().Form1->close();
        }
        QApplication::processEvents();
        EXPECT_EQ(savedCards(first.dir().str()), (std::vector<std::string> {"First Adams\r\n", "Zed\r\n"}));
        // The read-only run wrote no backup over the first window's.
        EXPECT_EQ(first.dir().read(BackupFileName), cardFileBytes(TwoCards));
    }
}

TEST(CardFileLockTest, QuittingMakesNoWindow)
{
    TestProgram first;
    first.writeCards(TwoCards);
    first.startAndShow();
    FakeServices secondFakes;
    secondFakes.messages.answerChoice(1);
    Program second(first.dir().str(), secondFakes.services());
    EXPECT_TRUE(second.declined());
    EXPECT_EQ(second.windows().Form1, nullptr);
    second.showMainWindow(); // nothing to show, no crash
}

TEST(CardFileLockTest, EscapeQuits)
{
    TestProgram first;
    first.startAndShow();
    FakeServices secondFakes; // no answer queued: the escape index
    Program second(first.dir().str(), secondFakes.services());
    EXPECT_TRUE(second.declined());
}

TEST(CardFileLockTest, LockEndsWithTheWindowsRun)
{
    TestProgram first;
    first.writeCards(TwoCards);
    first.start();
    EXPECT_EQ(CardFileLock(first.dir().str()).state(), CardFileLock::State::HeldElsewhere);
    const std::string directory = first.dir().str();
    first.close();
    {
        // A window is closed, not its program: the lock stays until the run ends.
        FakeServices fakes;
        fakes.messages.answerChoice(1);
        EXPECT_TRUE(Program(directory, fakes.services()).declined());
    }
}

TEST(CardFileLockTest, NextRunAfterTheFirstEndsIsAskedNothing)
{
    TempDir dir;
    {
        FakeServices fakes;
        Program run(dir.str(), fakes.services());
        EXPECT_FALSE(run.declined());
    }
    FakeServices fakes;
    Program next(dir.str(), fakes.services());
    EXPECT_FALSE(next.declined());
    EXPECT_FALSE(next.app().readOnly);
    EXPECT_TRUE(fakes.messages.chosen.empty());
}

} // namespace
} // namespace quillbox::test
