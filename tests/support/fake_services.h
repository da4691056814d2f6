// SPDX-License-Identifier: GPL-3.0-or-later
// Fakes for what a person would answer: message boxes, the font and folder
// choosers, and the help viewer. Each records what it was asked.
#pragma once

#include "platform/dialogs.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "platform/services.h"
#include "support/recording_device.h"

#include <deque>
#include <optional>
#include <vector>

namespace quillbox::test {

/// Answers boxes from a queue; with the queue empty it answers what Escape
/// would (No when present, else OK; a choice box its escape index).
class FakeMessageBoxes final : public MessageBoxes {
public:
    MsgButton ask(const MessageRequest& request) override;
    int choose(const ChoiceRequest& request) override;

    /// Queues the answer for the next ask().
    void answer(MsgButton button) { m_answers.push_back(button); }
    /// Queues the answer for the next choose().
    void answerChoice(int index) { m_choices.push_back(index); }

    std::vector<MessageRequest> asked;
    std::vector<ChoiceRequest> chosen;
    /// Texts of every box shown, in order (ask and choose alike).
    std::vector<QString> texts() const;
    void clear();

private:
    std::deque<MsgButton> m_answers;
    std::deque<int> m_choices;
};

class FakeFontChooser final : public FontChooser {
public:
    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) override;
    /// What the next chooseFont() returns; nullopt means Cancel.
    std::optional<FontChoice> next;
    std::vector<FontChoice> offered;
};

class FakeFolderChooser final : public FolderChooser {
public:
    std::optional<QString> chooseFolder(
        QWidget* parent, const QString& title, const QString& startIn) override;
    std::optional<QString> next;
    int calls = 0;
};

class FakeHelpViewer final : public HelpViewer {
public:
    void showIndex(QWidget* owner) override;
    void showContext(QWidget* owner, HelpTopic context) override;
    int indexShown = 0;
    std::vector<int> contexts;
};

/// Answers the print dialog with `next` (nullopt cancels) and counts the
/// set-up dialogs.
class FakePrinterDialogs final : public PrinterDialogs {
public:
    bool choosePrint(QWidget* parent, int maxPage, PrintChoice& choice) override;
    bool setupPrinter(QWidget* parent) override;
    std::optional<PrintChoice> next;
    /// What each print dialog was opened with: its highest card number and
    /// the choices it showed.
    std::vector<std::pair<int, PrintChoice>> offered;
    bool previewBeforePrinting() const override { return previewFirst; }
    bool preview(QWidget* parent, const RecordedJob& job) override;
    bool confirmSetup = true;
    int setups = 0;
    /// "Preview before printing" as Print Setup left it.
    bool previewFirst = false;
    /// The preview's answer: Print (true) or Close.
    bool printFromPreview = true;
    /// The page count of each job previewed.
    std::vector<std::size_t> previewed;
};

/// All the fakes, wired into one Services, with a recording printer.
struct FakeServices {
    FakeMessageBoxes messages;
    FakeFontChooser fonts;
    FakeFolderChooser folders;
    FakeHelpViewer help;
    RecordingDevice printer;
    FakePrinterDialogs printDialogs;
    Services services() { return Services {&messages, &help, &fonts, &folders, &printer, &printDialogs}; }
};

} // namespace quillbox::test
