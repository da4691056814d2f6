// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help_topic.h"
#include "platform/help_window.h"
#include "platform/message_box.h"
#include "support/fake_services.h"
#include "support/modal.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <QWindow>
#include <gtest/gtest.h>
#include <ostream>

namespace quillbox {
namespace {

QString readResource(const QString& qrcUrl)
{
    QFile file(QUrl(qrcUrl).path().prepend(QLatin1Char(':')));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString resourcePath(const QString& qrcUrl)
{
    return QStringLiteral(":") + QUrl(qrcUrl).path();
}

// Every help context the program hands out: the main window (1), the
// message boxes and the about box (6, 13 to 19), the return address dialog
// (20) and the card list (21).
struct Topic {
    const char* name;
    HelpTopic number;
};

/// Prints the topic by its name in test listings.
void PrintTo(const Topic& t, std::ostream* os)
{
    *os << t.name << " (" << int(t.number) << ")";
}

class HelpContextTopic : public ::testing::TestWithParam<Topic> { };

TEST_P(HelpContextTopic, HasItsOwnPageLinkingBackToTheIndex)
{
    const QString page = helpPageFor(HelpTopic(GetParam().number));
    ASSERT_NE(page, helpIndexPage()) << "context " << GetParam().number << " falls back to the index";
    ASSERT_TRUE(QFile::exists(resourcePath(page))) << page.toStdString();
    const QString html = readResource(page);
    EXPECT_TRUE(html.contains(QStringLiteral("href=\"index.html\""))) << page.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << page.toStdString();
    // And the index leads to it.
    const QString file = QUrl(page).fileName();
    EXPECT_TRUE(readResource(helpIndexPage()).contains(QStringLiteral("href=\"") + file))
        << file.toStdString() << " is not in the index";
}

INSTANTIATE_TEST_SUITE_P(ProgramContexts, HelpContextTopic,
    ::testing::Values(Topic {"MainWindow", HelpMainWindow}, Topic {"Search", HelpSearch},
        Topic {"CardFile", HelpCardFile}, Topic {"PrintCards", HelpPrintCards}, Topic {"Delete", HelpDelete},
        Topic {"MaxRecords", HelpMaxRecords}, Topic {"NewCard", HelpNewCard},
        Topic {"NotEntering", HelpNotEntering}, Topic {"Labels", HelpLabels},
        Topic {"ReturnAddress", HelpReturnAddress}, Topic {"CardList", HelpCardList}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(HelpPages, EveryLinkAndAnchorResolves)
{
    const QDir dir(QStringLiteral(":/resources/help"));
    const QStringList pages = dir.entryList({QStringLiteral("*.html")});
    ASSERT_GE(pages.size(), 12);
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    for (const QString& page : pages) {
        const QString html = readResource(QStringLiteral("qrc:/resources/help/") + page);
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            const QString file = target.section(QLatin1Char('#'), 0, 0);
            const QString anchor = target.section(QLatin1Char('#'), 1);
            const QString targetFile = file.isEmpty() ? page : file;
            ASSERT_TRUE(dir.exists(targetFile)) << page.toStdString() << " -> " << target.toStdString();
            if (!anchor.isEmpty()) {
                const QString targetHtml = readResource(QStringLiteral("qrc:/resources/help/") + targetFile);
                EXPECT_TRUE(targetHtml.contains(QStringLiteral("id=\"%1\"").arg(anchor)))
                    << page.toStdString() << " -> " << target.toStdString();
            }
        }
    }
}

TEST(HelpPages, MessagesAreQuotedAsTheProgramShowsThem)
{
    struct Case {
        int context;
        const char* text;
    };
    const Case cases[] = {
        {6, "The specified string was not found."},
        {13, "Quillbox file not present. Program will run without a current file"},
        {14, "Bad page parameters in the print dialog."},
        {15, "Are you sure you want to delete this card:"},
        {16, "The maximum number of records for this file has been reached."},
        {17, "There is no data in the card to add. Continue edit?"},
        {18, "You are not currently entering a card."},
        {19, "Illegal row and/or column selections."},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(readResource(helpPageFor(HelpTopic(c.context))).contains(QLatin1String(c.text)))
            << "context " << c.context << ": " << c.text;
    }
}

TEST(HelpPages, UnknownContextsGiveTheIndex)
{
    for (const int context : {0, -1, 2, 999})
        EXPECT_EQ(helpPageFor(HelpTopic(context)), helpIndexPage()) << context;
}

TEST(HelpWindow, ShowsTopicsAndWalksBackAndForward)
{
    HelpWindow help;
    help.showContext(nullptr, HelpTopic(15));
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.currentPage().fileName(), QStringLiteral("delete.html"));
    EXPECT_FALSE(help.backButton()->isEnabled());
    EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("Deleting a Card")));

    help.showContext(nullptr, HelpTopic(1));
    EXPECT_EQ(help.currentPage().fileName(), QStringLiteral("main.html"));
    ASSERT_TRUE(help.backButton()->isEnabled());
    QTest::mouseClick(help.backButton(), Qt::LeftButton);
    EXPECT_EQ(help.currentPage().fileName(), QStringLiteral("delete.html"));
    ASSERT_TRUE(help.forwardButton()->isEnabled());
    QTest::mouseClick(help.forwardButton(), Qt::LeftButton);
    EXPECT_EQ(help.currentPage().fileName(), QStringLiteral("main.html"));

    QTest::mouseClick(help.indexButton(), Qt::LeftButton);
    EXPECT_EQ(help.currentPage().fileName(), QStringLiteral("index.html"));
    help.showIndex(nullptr);
    EXPECT_EQ(help.currentPage().fileName(), QStringLiteral("index.html"));
    help.showContext(nullptr, HelpTopic(4711));
    EXPECT_EQ(help.currentPage().fileName(), QStringLiteral("index.html"));
}

// The help window answers the mouse and the keyboard while a modal box of
// the program is up, as a help engine of its own would, both when it was
// opened from the box and when it was open before the box came.
TEST(HelpWindow, StaysUsableWhileABoxIsModal)
{
    for (const bool openedFromTheBox : {true, false}) {
        HelpWindow help;
        QWidget owner;
        owner.show();
        if (!openedFromTheBox)
            help.showContext(&owner, HelpTopic(1));
        QtMessageBoxes boxes(&help);
        bool sawIndex = false, sawBack = false, sawTyping = false, boxWasModal = false;
        test::onNextModal([&](QWidget* box) {
            boxWasModal = box->isModal() && box->windowModality() == Qt::ApplicationModal;
            if (openedFromTheBox)
                QTest::keyClick(box, Qt::Key_F1);
            else
                help.showContext(box, HelpTopic(15));
            QApplication::processEvents();
            // Clicks and keys through the window system, which drops them
            // for a window that a modal box blocks.
            QWindow* window = help.windowHandle();
            auto clickOn = [&](QWidget* button) {
                QTest::mouseClick(window, Qt::LeftButton, {}, button->mapTo(&help, button->rect().center()));
            };
            clickOn(help.indexButton());
            sawIndex = help.currentPage().fileName() == QStringLiteral("index.html");
            clickOn(help.backButton());
            sawBack = help.currentPage().fileName() != QStringLiteral("index.html");
            help.resize(300, 160);
            QApplication::processEvents();
            help.browser()->setFocus();
            QTest::keyClick(window, Qt::Key_PageDown);
            sawTyping = help.browser()->verticalScrollBar()->value() > 0;
            QTest::keyClick(box, Qt::Key_Escape);
        });
        warningBox(boxes, &owner, QStringLiteral("Quillbox file not present."), MsgOK, HelpCardFile);
        EXPECT_TRUE(boxWasModal);
        EXPECT_TRUE(sawIndex) << "opened from the box: " << openedFromTheBox;
        EXPECT_TRUE(sawBack) << "opened from the box: " << openedFromTheBox;
        EXPECT_TRUE(sawTyping) << "opened from the box: " << openedFromTheBox;
        // With the box gone the window belongs to no other window.
        QApplication::processEvents();
        ASSERT_NE(help.windowHandle(), nullptr);
        EXPECT_EQ(help.windowHandle()->transientParent(), nullptr);
        EXPECT_TRUE(help.isVisible());
    }
}

class ContextHelpKey : public ::testing::Test {
protected:
    void SetUp() override { m_filter = installContextHelp(m_help); }
    void TearDown() override { delete m_filter; }
    test::FakeHelpViewer m_help;
    QObject* m_filter = nullptr;
};

TEST_F(ContextHelpKey, F1OpensTheNearestContextUpToTheWindow)
{
    QWidget window;
    window.setProperty("helpContext", 1);
    auto* panel = new QWidget(&window);
    panel->setProperty("helpContext", 6);
    auto* inPanel = new QLineEdit(panel);
    auto* outside = new QLineEdit(&window);

    QTest::keyClick(inPanel, Qt::Key_F1);
    QTest::keyClick(outside, Qt::Key_F1);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(m_help.contexts, (std::vector<int> {6, 1, 1}));
}

TEST_F(ContextHelpKey, AnOwnerTopicDoesNotReachIntoAnotherWindow)
{
    QWidget owner;
    owner.setProperty("helpContext", 1);
    auto* dialog = new QWidget(&owner, Qt::Window);
    auto* box = new QLineEdit(dialog);
    QTest::keyClick(box, Qt::Key_F1);
    EXPECT_TRUE(m_help.contexts.empty());
    EXPECT_EQ(helpContextOf(box), 0);
}

TEST_F(ContextHelpKey, OtherKeysAndModifiedF1PassThrough)
{
    QWidget window;
    window.setProperty("helpContext", 1);
    auto* box = new QLineEdit(&window);
    QTest::keyClick(box, Qt::Key_F2);
    QTest::keyClick(box, Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClicks(box, QStringLiteral("ab"));
    EXPECT_TRUE(m_help.contexts.empty());
    EXPECT_EQ(box->text(), QStringLiteral("ab"));
}

} // namespace
} // namespace quillbox
