// SPDX-License-Identifier: GPL-3.0-or-later
#include "Main.h"
#include "Retnaddr.h"
#include "core/settings.h"
#include "platform/card_memo.h"
#include "ui_test_util.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <array>
#include <gtest/gtest.h>
#include <ostream>

namespace quillbox {
namespace {

using test::TestProgram;
using Lines = std::array<std::string, 4>;

class ReturnAddress : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_program.writeCards({"Able\r\n"});
        m_program.startAndShow();
        m_program.messages().clear();
    }
    TForm5& dialog() { return *m_program.windows().form5(); }
    Lines& kept() { return m_program.app().ReturnAddressLines; }
    Lines onDisk() { return SettingsFile(m_program.dir().str()).readReturnAddress(); }
    /// Opens the dialog (modeless, so the test can act on it).
    void open()
    {
        dialog().show();
        QApplication::processEvents();
    }
    void typeAndExit(const std::string& text)
    {
        test::child<CardMemo>(dialog(), "Memo2")->setText(text);
        test::clickButton(test::child<QToolButton>(dialog(), "SpeedButton1"));
    }

    TestProgram m_program;
};

TEST_F(ReturnAddress, OpensWithFourLinesEvenWhenAllAreEmpty)
{
    open();
    EXPECT_EQ(test::child<CardMemo>(dialog(), "Memo2")->text(), "\r\n\r\n\r\n");
    dialog().reject();
    kept() = {"Ann Smith", "", "1 Elm St", "Springfield"};
    open();
    EXPECT_EQ(test::child<CardMemo>(dialog(), "Memo2")->text(), "Ann Smith\r\n\r\n1 Elm St\r\nSpringfield");
}

struct Typed {
    const char* name;
    const char* text;
    Lines expected;
};

/// Prints the case by its name in test listings.
void PrintTo(const Typed& c, std::ostream* os)
{
    *os << c.name;
}

class ReturnAddressExit : public ReturnAddress, public ::testing::WithParamInterface<Typed> { };

TEST_P(ReturnAddressExit, KeepsTheBoxsFirstFourLinesInMemoryAndOnDisk)
{
    open();
    typeAndExit(GetParam().text);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(dialog().result(), QDialog::Accepted);
    EXPECT_EQ(kept(), GetParam().expected);
    EXPECT_EQ(onDisk(), GetParam().expected);
    EXPECT_TRUE(m_program.messages().texts().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ReturnAddressExit,
    ::testing::Values(
        Typed {"FiveLines", "One\r\nTwo\r\nThree\r\nFour\r\nFive", {"One", "Two", "Three", "Four"}},
        Typed {"TwoLines", "Ann Smith\r\n1 Elm St", {"Ann Smith", "1 Elm St", "", ""}},
        Typed {"EmptyFirstLine", "\r\n1 Elm St", {"", "1 Elm St", "", ""}},
        Typed {"Empty", "", {"", "", "", ""}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ReturnAddress, AWrappedFirstLineCountsAsTwoLines)
{
    const std::string first = "The Honourable Society of Card Index Keepers";
    open();
    test::child<CardMemo>(dialog(), "Memo2")->setText(first + "\r\nTwo\r\nThree\r\nFour");
    const auto shown = test::child<CardMemo>(dialog(), "Memo2")->displayLines();
    ASSERT_EQ(shown.size(), 5u) << "the first line should wrap exactly once at this width";
    test::clickButton(test::child<QToolButton>(dialog(), "SpeedButton1"));
    EXPECT_EQ(kept()[0] + kept()[1], first);
    EXPECT_FALSE(kept()[1].empty());
    EXPECT_EQ(kept()[2], "Two");
    EXPECT_EQ(kept()[3], "Three");
    EXPECT_EQ(onDisk(), kept());
}

TEST_F(ReturnAddress, TheNextOpeningShowsWhatWasKept)
{
    open();
    typeAndExit("One\r\nTwo\r\nThree\r\nFour\r\nFive");
    open();
    EXPECT_EQ(test::child<CardMemo>(dialog(), "Memo2")->text(), "One\r\nTwo\r\nThree\r\nFour");
}

TEST_F(ReturnAddress, TheCloseBoxKeepsNothing)
{
    kept() = {"Old", "Lines", "", ""};
    open();
    test::child<CardMemo>(dialog(), "Memo2")->setText("New\r\nAddress");
    dialog().close();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(kept(), (Lines {"Old", "Lines", "", ""}));
    EXPECT_EQ(onDisk(), (Lines {"", "", "", ""}));
    open();
    EXPECT_EQ(test::child<CardMemo>(dialog(), "Memo2")->text(), "Old\r\nLines\r\n\r\n");
}

TEST_F(ReturnAddress, AFailedWriteIsReportedAndTheDialogStaysOpen)
{
    // The settings file's directory is gone.
    m_program.app().StartDirectory = (m_program.dir().path() / "gone").string();
    open();
    typeAndExit("Ann Smith\r\n1 Elm St");
    const auto shown = m_program.messages().texts();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("Unable to write to "))) << shown[0].toStdString();
    EXPECT_TRUE(dialog().isVisible());
    // Kept in memory all the same, for the envelope printing.
    EXPECT_EQ(kept(), (Lines {"Ann Smith", "1 Elm St", "", ""}));
    dialog().reject();
}

TEST_F(ReturnAddress, AFailedWriteNamesANonAsciiPathAsTheFileSystemSpellsIt)
{
    // "josé" in the file system's encoding; the directory below it is gone.
    const std::filesystem::path home = m_program.dir().path() / "jos\xC3\xA9";
    std::filesystem::create_directory(home);
    m_program.app().StartDirectory = (home / "gone").string();
    open();
    typeAndExit("Ann Smith");
    const auto shown = m_program.messages().texts();
    ASSERT_EQ(shown.size(), 1u);
    const QString path
        = QString::fromStdString(m_program.dir().str()) + QStringLiteral("/jos\u00E9/gone/quillbox.ini");
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("Unable to write to ") + path)) << shown[0].toStdString();
    dialog().reject();
}

} // namespace
} // namespace quillbox
