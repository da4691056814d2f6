// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for GUI tests: a whole program on a temporary directory with a
// card file of the test's making, and clicks on the real widgets.
#pragma once

#include "program.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"

#include <QObject>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class QAbstractButton;
class QAction;
class QTabBar;

namespace quillbox {
class TForm1;
}

namespace quillbox::test {

/// The bytes of a card file holding `texts` as records, in the order given
/// (each text as it stands; no CR LF is added).
std::string cardFileBytes(const std::vector<std::string>& texts);

/// `count` cards "Card 001" .. with an address line each, sorted.
std::vector<std::string> numberedCards(int count);

/// A settings file that takes the path of a start with settings: window at
/// 100,100 of 465 by 338, the design font, and the given last card.
std::string settingsWithLastCard(int lastCard);

/// A program run on its own temporary directory with the fakes as
/// services. Write the files first, then start(); the windows exist (hidden)
/// after start(), and show() shows the main window as the program does.
class TestProgram {
public:
    TestProgram();
    ~TestProgram();

    /// Writes quillbox.db with `texts` as its records.
    void writeCards(const std::vector<std::string>& texts);
    /// Writes quillbox.ini with `text` (CR LF line breaks as given).
    void writeSettings(const std::string& text);

    /// Runs the start-up sequence on the directory. Boxes shown during it
    /// are recorded in messages().
    void start();
    /// start(), then shows the main window (its first activation runs).
    void startAndShow();
    /// Writes `cards` and settingsWithLastCard(`lastCard`), then
    /// startAndShow().
    void startWith(const std::vector<std::string>& cards, int lastCard);

    TForm1& main() const;
    AppContext& app() const { return m_program->app(); }
    WindowRegistry& windows() const { return m_program->windows(); }
    Program& program() const { return *m_program; }
    FakeMessageBoxes& messages() { return m_fakes.messages; }
    FakeServices& fakes() { return m_fakes; }
    const TempDir& dir() const { return m_dir; }

    /// Closes the main window as the Exit command does.
    void close();

    /// Answers message boxes with `boxes` instead of the fake (call before
    /// start()); for tests that must act while a box is up.
    void useMessageBoxes(MessageBoxes* boxes) { m_messagesOverride = boxes; }
    /// Prints on `printer` instead of the recording one (call before start()).
    void usePrinter(PrintDevice* printer) { m_printerOverride = printer; }

private:
    TempDir m_dir;
    FakeServices m_fakes;
    MessageBoxes* m_messagesOverride = nullptr;
    PrintDevice* m_printerOverride = nullptr;
    std::unique_ptr<Program> m_program;
};

/// The child of `parent` named `name` (its objectName); null, with a test
/// failure, when there is none.
template<typename Widget> Widget* child(const QObject& parent, const char* name)
{
    auto* found = parent.findChild<Widget*>(QLatin1String(name));
    if (!found)
        ADD_FAILURE() << "no child named " << name;
    return found;
}

/// Clicks tab `index` of a tab strip with the mouse, at the tab's centre.
void clickTab(QTabBar* bar, int index);
/// Clicks a button with the left mouse button.
void clickButton(QAbstractButton* button);
/// Triggers a menu entry as choosing it would (nothing happens when it is
/// disabled or its drop-down is).
void chooseMenuEntry(QAction* action);
/// Types `text` into the focused widget of `widget`'s window.
void typeText(QWidget* widget, const QString& text);

} // namespace quillbox::test
