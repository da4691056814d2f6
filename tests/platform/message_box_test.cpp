// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/message_box.h"
#include "support/fake_services.h"
#include "support/modal.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>

using namespace quillbox;
using quillbox::test::onNextModal;

namespace {

// What the box looked like when it was up.
struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttonsLeftToRight;
    QString defaultButton;
};

QStringList buttonsLeftToRight(QMessageBox* box)
{
    QList<QAbstractButton*> buttons = box->buttons();
    std::sort(buttons.begin(), buttons.end(), [box](QAbstractButton* a, QAbstractButton* b) {
        return a->mapTo(box, QPoint(0, 0)).x() < b->mapTo(box, QPoint(0, 0)).x();
    });
    QStringList texts;
    for (QAbstractButton* b : buttons)
        texts.push_back(b->text());
    return texts;
}

// Records the box, then sends `key` to it.
void inspectThenPress(Seen& seen, Qt::Key key)
{
    onNextModal([&seen, key](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttonsLeftToRight = buttonsLeftToRight(box);
        if (auto* def = box->defaultButton())
            seen.defaultButton = def->text();
        QTest::keyClick(box, key);
    });
}

} // namespace

struct AskCase {
    const char* name;
    unsigned buttons;
    QStringList order;
    QString defaultButton;
    MsgButton onEscape;
    MsgButton onEnter;
};

/// Prints the case by its name in test listings.
void PrintTo(const AskCase& c, std::ostream* os)
{
    *os << c.name;
}

class MessageBoxAsk : public ::testing::TestWithParam<AskCase> { };

TEST_P(MessageBoxAsk, OrderDefaultAndEscape)
{
    const AskCase& c = GetParam();
    QtMessageBoxes boxes;
    MessageRequest request;
    request.title = QStringLiteral("Warning");
    request.text = QStringLiteral("Text");
    request.buttons = c.buttons;

    Seen seen;
    inspectThenPress(seen, Qt::Key_Escape);
    EXPECT_EQ(boxes.ask(request), c.onEscape);
    EXPECT_EQ(seen.buttonsLeftToRight, c.order);
    EXPECT_EQ(seen.defaultButton, c.defaultButton);

    inspectThenPress(seen, Qt::Key_Return);
    EXPECT_EQ(boxes.ask(request), c.onEnter);
}

INSTANTIATE_TEST_SUITE_P(Buttons, MessageBoxAsk,
    ::testing::Values(AskCase {"Ok", MsgOK, {QStringLiteral("OK")}, QStringLiteral("OK"), MsgOK, MsgOK},
        AskCase {"YesNo", MsgYes | MsgNo, {QStringLiteral("&Yes"), QStringLiteral("&No")},
            QStringLiteral("&Yes"), MsgNo, MsgYes},
        AskCase {"OkAbort", MsgOK | MsgAbort, {QStringLiteral("OK"), QStringLiteral("&Abort")},
            QStringLiteral("OK"), MsgOK, MsgOK},
        AskCase {"AllFour", MsgYes | MsgNo | MsgOK | MsgAbort,
            {QStringLiteral("&Yes"), QStringLiteral("&No"), QStringLiteral("OK"), QStringLiteral("&Abort")},
            QStringLiteral("OK"), MsgNo, MsgOK}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MessageBox, WarningBoxShowsTitleIconAndLineBreaks)
{
    QtMessageBoxes boxes;
    Seen seen;
    inspectThenPress(seen, Qt::Key_Return);
    warningBox(boxes, nullptr, QStringLiteral("First line.\r\nSecond line."), MsgOK, HelpNewCard);
    EXPECT_EQ(seen.title, QStringLiteral("Warning"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.text, QStringLiteral("First line.\nSecond line."));
}

TEST(MessageBox, ErrorBoxAddsFullStopUnderApplicationTitle)
{
    QtMessageBoxes boxes;
    Seen seen;
    inspectThenPress(seen, Qt::Key_Escape);
    errorBox(boxes, nullptr, QStringLiteral("Unable to write to /x/quillbox.ini"));
    EXPECT_EQ(seen.title, QStringLiteral("Quillbox v 2.0"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.text, QStringLiteral("Unable to write to /x/quillbox.ini."));
    EXPECT_EQ(seen.buttonsLeftToRight, QStringList {QStringLiteral("OK")});
}

TEST(MessageBox, CloseBoxAnswersLikeEscape)
{
    QtMessageBoxes boxes;
    onNextModal([](QWidget* w) { w->close(); });
    EXPECT_EQ(warningBox(boxes, nullptr, QStringLiteral("Delete?"), MsgYes | MsgNo, HelpDelete), MsgNo);
}

TEST(MessageBox, F1OpensTheHelpContext)
{
    test::FakeHelpViewer help;
    QtMessageBoxes boxes(&help);
    onNextModal([](QWidget* box) {
        QTest::keyClick(box, Qt::Key_F1);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    warningBox(
        boxes, nullptr, QStringLiteral("You are not currently entering a card."), MsgOK, HelpNotEntering);
    EXPECT_EQ(help.contexts, std::vector<int> {18});
}

TEST(MessageBox, ChooseKeepsButtonOrderAndIndexes)
{
    QtMessageBoxes boxes;
    ChoiceRequest request;
    request.title = QStringLiteral("Save");
    request.text = QStringLiteral("Could not save.");
    request.buttons = {QStringLiteral("Retry"), QStringLiteral("Discard"), QStringLiteral("Cancel")};
    request.defaultIndex = 0;
    request.escapeIndex = 2;

    QStringList order;
    onNextModal([&order](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        order = buttonsLeftToRight(box);
        box->buttons().at(1)->click();
    });
    EXPECT_EQ(boxes.choose(request), 1);
    EXPECT_EQ(order, request.buttons);

    onNextModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(boxes.choose(request), 2);
}
