// SPDX-License-Identifier: GPL-3.0-or-later
#include "Main.h"
#include "PrintLab.h"
#include "platform/card_memo.h"
#include "printing/card_printing.h"
#include "ui_test_util.h"

#include <QApplication>
#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace quillbox {
namespace {

using test::TestProgram;

/// A card of `lines` lines titled `title`.
std::string cardOf(const std::string& title, int lines)
{
    std::string text = title + "\r\n";
    for (int i = 2; i <= lines; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

class Printing : public ::testing::Test {
protected:
    void start(const std::vector<std::string>& cards, int lastCard = 1)
    {
        m_program.startWith(cards, lastCard);
        m_program.messages().clear();
    }
    TForm1& form() { return m_program.main(); }
    test::RecordingDevice& printer() { return m_program.fakes().printer; }
    test::FakePrinterDialogs& dialogs() { return m_program.fakes().printDialogs; }
    std::vector<QString> boxes() { return m_program.messages().texts(); }

    TestProgram m_program;
};

TEST_F(Printing, PrintAllPrintsEveryCardAndShowsTheCardShownBefore)
{
    start({"Able\r\n", "baker\r\nStreet\r\n", "Charlie\r\n"}, 2);
    dialogs().next = PrintChoice {};
    test::chooseMenuEntry(test::child<QAction>(form(), "Print1"));

    ASSERT_EQ(dialogs().offered.size(), 1u);
    EXPECT_EQ(dialogs().offered[0].first, 3);
    ASSERT_EQ(printer().jobs.size(), 1u);
    EXPECT_EQ(printer().jobs[0].title, "Quillbox Print");
    ASSERT_EQ(printer().jobs[0].pages.size(), 1u);
    EXPECT_EQ(printer().texts(0, 0),
        (std::vector<std::string> {"A", "Quillbox File", "Page - 1", "Able\r\n", "----------",
            "baker\r\nStreet\r\n", "----------", "Charlie\r\n", "----------"}));
    // Slots follow the card box's line counts: 1 + 1, then 2 + 1.
    const PageOps& page = printer().jobs[0].pages[0];
    EXPECT_EQ(test::describe(page[11]), "draw 225,325,1950,425: baker\r\nStreet\r\n");
    EXPECT_EQ(form().cards().CurrentCard, 2);
    EXPECT_EQ(test::child<CardMemo>(form(), "Memo1")->text(), "baker\r\nStreet\r\n");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Printing, RangeByCardNumberWithCopies)
{
    std::vector<std::string> cards;
    for (char c = 'A'; c <= 'P'; ++c)
        cards.push_back(cardOf(std::string(1, c) + "-card", 10));
    start(cards, 1);
    // Cards 2 to 12: pages start at B, G and L.
    dialogs().next = PrintChoice {true, 2, 12, 2, false};
    test::chooseMenuEntry(test::child<QAction>(form(), "Print1"));
    ASSERT_EQ(printer().jobs.size(), 1u);
    std::vector<std::string> sheets;
    for (std::size_t p = 0; p < printer().jobs[0].pages.size(); ++p) {
        const auto texts = printer().texts(0, p);
        sheets.push_back(texts.at(2) + " " + texts.at(0));
    }
    EXPECT_EQ(sheets,
        (std::vector<std::string> {
            "Page - 1 B", "Page - 1 B", "Page - 2 G", "Page - 2 G", "Page - 3 L", "Page - 3 L"}));
    EXPECT_EQ(form().cards().CurrentCard, 1);
}

struct BadRange {
    const char* name;
    int from;
    int to;
};

void PrintTo(const BadRange& c, std::ostream* os)
{
    *os << c.name;
}

class PrintingBadRange : public Printing, public ::testing::WithParamInterface<BadRange> { };

TEST_P(PrintingBadRange, WarnsAndBeginsNoJob)
{
    start({"Able\r\n", "Baker\r\n", "Charlie\r\n"});
    dialogs().next = PrintChoice {true, GetParam().from, GetParam().to, 1, false};
    test::chooseMenuEntry(test::child<QAction>(form(), "Print1"));
    EXPECT_TRUE(printer().log.empty());
    ASSERT_EQ(m_program.messages().asked.size(), 1u);
    const MessageRequest& box = m_program.messages().asked[0];
    EXPECT_EQ(box.text, QStringLiteral("Bad page parameters in the print dialog."));
    EXPECT_EQ(box.title, QStringLiteral("Warning"));
    EXPECT_EQ(box.helpContext, 14);
    EXPECT_EQ(box.buttons, unsigned {MsgOK});
}

INSTANTIATE_TEST_SUITE_P(Cases, PrintingBadRange,
    ::testing::Values(BadRange {"FromZero", 0, 2}, BadRange {"ToBeyondTheCards", 2, 4},
        BadRange {"FromAboveTo", 3, 2}, BadRange {"BothZero", 0, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Printing, CancelledDialogPrintsNothingAndKeepsTheLastChoices)
{
    start({"Able\r\n", "Baker\r\n", "Charlie\r\n"});
    dialogs().next = PrintChoice {true, 2, 3, 3, true};
    test::chooseMenuEntry(test::child<QAction>(form(), "Print1"));
    dialogs().next.reset();
    test::chooseMenuEntry(test::child<QAction>(form(), "Print1"));
    ASSERT_EQ(dialogs().offered.size(), 2u);
    const PrintChoice& shown = dialogs().offered[1].second;
    EXPECT_TRUE(shown.pageRange);
    EXPECT_EQ(shown.from, 2);
    EXPECT_EQ(shown.to, 3);
    EXPECT_EQ(shown.copies, 3);
    EXPECT_TRUE(shown.collate);
    EXPECT_EQ(printer().jobs.size(), 1u);
}

TEST_F(Printing, PendingEditIsStoredBeforeTheCardsArePrinted)
{
    start({"Able\r\n", "Baker\r\n"}, 2);
    test::child<CardMemo>(form(), "Memo1")->setText("Zulu\r\n");
    test::child<CardMemo>(form(), "Memo1")->setModified(true);
    dialogs().next = PrintChoice {};
    test::chooseMenuEntry(test::child<QAction>(form(), "Print1"));
    ASSERT_EQ(printer().jobs.size(), 1u);
    const auto texts = printer().texts(0, 0);
    EXPECT_EQ(texts.at(5), "Zulu\r\n");
    // The edit re-filed the card as card 2; that card is shown again.
    EXPECT_EQ(test::child<CardMemo>(form(), "Memo1")->text(), "Zulu\r\n");
    EXPECT_EQ(form().firstline(2, true), "Zulu");
}

TEST_F(Printing, PrintCardPrintsTheBoxAsItStandsOneInchIn)
{
    start({"Able\r\n", "Zebra crossing at the corner\r\nsecond\r\n"}, 2);
    // The title names the stored card; the page shows the edit not yet stored.
    form()
        .findChild<CardMemo*>(QStringLiteral("Memo1"))
        ->setText("Zebra crossing at the corner\r\nsecond & third\r\n");
    test::child<CardMemo>(form(), "Memo1")->setModified(true);
    test::clickButton(test::child<QToolButton>(form(), "SpeedButton9"));
    ASSERT_EQ(printer().jobs.size(), 1u);
    EXPECT_EQ(printer().jobs[0].title, "Printing Zebra crossing ");
    EXPECT_EQ(printer().log,
        (std::vector<std::string> {"title Printing Zebra crossing ", "begin", "font Arial 60px",
            "draw 300,300,2100,2850: Zebra crossing at the corner\r\nsecond & third\r\n", "end"}));
    EXPECT_EQ(form().cards().CurrentCard, 2);
}

TEST_F(Printing, PrintCardOfANewCardIsTitledByWhatWasTyped)
{
    start({"Able\r\n"});
    test::chooseMenuEntry(test::child<QAction>(form(), "Add1"));
    test::child<CardMemo>(form(), "Memo1")->setText("Newcomer Family Trust\r\nHill Rd");
    test::clickButton(test::child<QToolButton>(form(), "SpeedButton9"));
    ASSERT_EQ(printer().jobs.size(), 1u);
    EXPECT_EQ(printer().jobs[0].title, "Printing Newcomer Family");
    EXPECT_EQ(printer().texts(0, 0), (std::vector<std::string> {"Newcomer Family Trust\r\nHill Rd"}));
    EXPECT_EQ(form().cards().CurrentCard, 0);
}

TEST_F(Printing, AddressBookPrintsAllCardsThenShowsTheFirst)
{
    start({"Able\r\n", "Baker\r\n", "Charlie\r\n"}, 3);
    test::chooseMenuEntry(test::child<QAction>(form(), "PrintAddressBook1"));
    ASSERT_EQ(printer().jobs.size(), 1u);
    EXPECT_EQ(printer().jobs[0].title, "Printing Address Book");
    const auto texts = printer().texts(0, 0);
    EXPECT_EQ(texts.at(1), "Address List");
    EXPECT_EQ(test::describe(printer().jobs[0].pages[0][9]), "draw 150,150,2100,200: Able\r\n");
    EXPECT_EQ(form().cards().CurrentCard, 1);
    EXPECT_EQ(test::child<CardMemo>(form(), "Memo1")->text(), "Able\r\n");
    EXPECT_TRUE(dialogs().offered.empty());
}

TEST_F(Printing, PrintSetupFromEitherMenuOpensTheSetUpDialog)
{
    start({"Able\r\n"});
    test::chooseMenuEntry(test::child<QAction>(form(), "PrintSetup1"));
    test::chooseMenuEntry(test::child<QAction>(form(), "Setup1"));
    EXPECT_EQ(dialogs().setups, 2);
    EXPECT_TRUE(printer().log.empty());
}

TEST_F(Printing, FailureShowsTheSystemsReasonInAnErrorBox)
{
    start({"Able\r\n"});
    printer().failBegin = true;
    printer().failure = "Printer \"office\" does not exist";
    test::clickButton(test::child<QToolButton>(form(), "SpeedButton9"));
    ASSERT_EQ(m_program.messages().asked.size(), 1u);
    EXPECT_EQ(m_program.messages().asked[0].icon, MsgIcon::Error);
    EXPECT_TRUE(
        m_program.messages().asked[0].text.contains(QStringLiteral("Printer \"office\" does not exist")));

    printer().failEnd = true;
    test::chooseMenuEntry(test::child<QAction>(form(), "PrintAddressBook1"));
    EXPECT_EQ(m_program.messages().asked.size(), 2u);
    EXPECT_EQ(form().cards().CurrentCard, 1);
}

TEST_F(Printing, FileOutputSaysWhereTheJobWent)
{
    start({"Able\r\n"});
    printer().pdfPath = "/somewhere/Printing Able.pdf";
    test::clickButton(test::child<QToolButton>(form(), "SpeedButton9"));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(boxes()[0].contains(QStringLiteral("/somewhere/Printing Able.pdf")));
    EXPECT_EQ(m_program.messages().asked[0].icon, MsgIcon::Information);
}

TEST_F(Printing, PreviewClosedPrintsNothingPreviewPrintedSendsWhatItShowed)
{
    std::vector<std::string> cards;
    for (char c = 'A'; c <= 'G'; ++c)
        cards.push_back(cardOf(std::string(1, c) + "-card", 10));
    start(cards, 3);
    TForm3& labels = *m_program.windows().form3();
    const std::pair<const char*, std::function<void()>> commands[] {
        {"Print",
            [&] {
                dialogs().next = PrintChoice {};
                test::chooseMenuEntry(form().findChild<QAction*>(QStringLiteral("Print1")));
            }},
        {"Print Card",
            [&] { test::clickButton(form().findChild<QToolButton*>(QStringLiteral("SpeedButton9"))); }},
        {"Print Address Book",
            [&] { test::chooseMenuEntry(form().findChild<QAction*>(QStringLiteral("PrintAddressBook1"))); }},
        {"label dialog",
            [&] {
                labels.prepare(LabelStock::Envelope, "Dora\r\n3 Oak Ave");
                test::clickButton(labels.findChild<QPushButton*>(QStringLiteral("BitBtn3")));
            }},
    };
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        // Straight to the printer, as the reference.
        dialogs().previewFirst = false;
        printer().jobs.clear();
        command();
        ASSERT_EQ(printer().jobs.size(), 1u);
        const test::RecordingDevice::Job direct = printer().jobs[0];

        dialogs().previewFirst = true;
        dialogs().printFromPreview = false;
        dialogs().previewed.clear();
        printer().jobs.clear();
        form().showCardNumber(5);
        command();
        EXPECT_EQ(dialogs().previewed, std::vector<std::size_t> {direct.pages.size()});
        EXPECT_TRUE(printer().jobs.empty()) << "closing the preview prints nothing";
        EXPECT_TRUE(boxes().empty());
        // The card shown as the command leaves it: the one before, or the
        // first after the address book.
        EXPECT_EQ(form().cards().CurrentCard, name == std::string("Print Address Book") ? 1 : 5);

        dialogs().printFromPreview = true;
        command();
        ASSERT_EQ(printer().jobs.size(), 1u);
        EXPECT_EQ(printer().jobs[0].title, direct.title);
        EXPECT_EQ(printer().jobs[0].pages, direct.pages);
        EXPECT_TRUE(printer().jobs[0].ended);
    }
    dialogs().previewFirst = false;
}

} // namespace
} // namespace quillbox
