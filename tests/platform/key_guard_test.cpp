// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/card_memo.h"
#include "platform/key_guard.h"
#include "platform/text_codec.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace quillbox {
namespace {

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char16_t* text;
    bool types; // whether the text reaches the box
};

const KeyCase keyCases[] = {
    {"Plain", Qt::Key_N, Qt::NoModifier, u"n", true},
    {"Shifted", Qt::Key_N, Qt::ShiftModifier, u"N", true},
    {"AltLetter", Qt::Key_N, Qt::AltModifier, u"n", false},
    {"AltShiftLetter", Qt::Key_N, Qt::AltModifier | Qt::ShiftModifier, u"N", false},
    {"AltDigit", Qt::Key_2, Qt::AltModifier, u"2", false},
    {"CtrlLetterWithText", Qt::Key_N, Qt::ControlModifier, u"n", false},
    {"MetaLetter", Qt::Key_N, Qt::MetaModifier, u"n", false},
    // AltGr as Windows reports it (Ctrl+Alt) and as X11 layouts may (group
    // switch): the third level still types.
    {"AltGrAsCtrlAlt", Qt::Key_At, Qt::ControlModifier | Qt::AltModifier, u"@", true},
    {"AltGrAsGroupSwitch", Qt::Key_E, Qt::GroupSwitchModifier | Qt::AltModifier, u"\u20ac", true},
    {"KeypadDigit", Qt::Key_5, Qt::KeypadModifier, u"5", true},
};

/// Sends one key press and release with the given text, as a keyboard would.
void press(QWidget* box, const KeyCase& c)
{
    const QString text = QString::fromUtf16(c.text);
    QTest::sendKeyEvent(QTest::Press, box, c.key, text, c.modifiers);
    QTest::sendKeyEvent(QTest::Release, box, c.key, text, c.modifiers);
}

TEST(CommandKeys, RecognisedByTheirModifiers)
{
    for (const KeyCase& c : keyCases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromUtf16(c.text));
        EXPECT_EQ(isCommandKeyWithText(event), !c.types) << c.name;
    }
    const QKeyEvent noText(QEvent::KeyPress, Qt::Key_Left, Qt::AltModifier);
    EXPECT_FALSE(isCommandKeyWithText(noText));
}

/// Each kind of text box, guarded on its own: its text, and a way to select
/// all of it.
struct Box {
    const char* kind;
    std::function<QWidget*()> make;
    std::function<QString(QWidget*)> text;
    std::function<void(QWidget*, const QString&)> setSelected;
};

const Box boxes[] = {
    {"CardMemo", [] { return new CardMemo; },
        [](QWidget* w) { return toQString(static_cast<CardMemo*>(w)->text()); },
        [](QWidget* w, const QString& t) {
            auto* memo = static_cast<CardMemo*>(w);
            memo->setText(fromQString(t));
            memo->setSelection(0, int(t.size()));
        }},
    {"LineEdit", [] { return new QLineEdit; }, [](QWidget* w) { return static_cast<QLineEdit*>(w)->text(); },
        [](QWidget* w, const QString& t) {
            auto* edit = static_cast<QLineEdit*>(w);
            edit->setText(t);
            edit->selectAll();
        }},
    {"PlainTextEdit", [] { return new QPlainTextEdit; },
        [](QWidget* w) { return static_cast<QPlainTextEdit*>(w)->toPlainText(); },
        [](QWidget* w, const QString& t) {
            auto* edit = static_cast<QPlainTextEdit*>(w);
            edit->setPlainText(t);
            edit->selectAll();
        }},
};

TEST(TypingGuard, CommandKeysNeverTypeIntoATextBox)
{
    for (const Box& b : boxes) {
        for (const KeyCase& c : keyCases) {
            std::unique_ptr<QWidget> box(b.make());
            installTypingGuard(box.get());
            b.setSelected(box.get(), QStringLiteral("found"));
            press(box.get(), c);
            const QString expected = c.types ? QString::fromUtf16(c.text) : QStringLiteral("found");
            EXPECT_EQ(b.text(box.get()), expected) << b.kind << " " << c.name;
        }
    }
}

TEST(TypingGuard, EditCommandsStillWork)
{
    QLineEdit edit;
    installTypingGuard(&edit);
    edit.setText(QStringLiteral("Smith"));
    edit.selectAll();
    QApplication::clipboard()->clear();
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Smith"));
    edit.setCursorPosition(0);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit.selectedText(), QStringLiteral("Smith"));
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(edit.text().isEmpty());
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("Smith"));
}

TEST(TypingGuard, AnUnusedCombinationGoesOnToTheWindow)
{
    // The window still hears of the key, as it would of any key the box
    // does not use.
    struct Window : QWidget {
        int heard = 0;
        void keyPressEvent(QKeyEvent* e) override
        {
            if (e->key() == Qt::Key_N && e->modifiers() == Qt::AltModifier && e->text().isEmpty())
                ++heard;
        }
    } window;
    auto* edit = new QLineEdit(&window);
    installTypingGuard(&window);
    installTypingGuard(edit);
    QTest::keyClick(edit, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(window.heard, 1);
    EXPECT_TRUE(edit->text().isEmpty());
}

TEST(TypingGuard, InstalledOnceOnTheApplication)
{
    installTypingGuard(qApp);
    installTypingGuard(qApp);
    QLineEdit edit;
    QTest::keyClick(&edit, Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(edit.text().isEmpty());
    QTest::keyClick(&edit, Qt::Key_Q);
    EXPECT_EQ(edit.text(), QStringLiteral("q"));
    EXPECT_EQ(qApp->findChildren<QObject*>(QStringLiteral("quillboxTypingGuard"), Qt::FindDirectChildrenOnly)
                  .size(),
        1);
}

} // namespace
} // namespace quillbox
