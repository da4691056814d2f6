// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes: the program's warnings and errors, behind an interface so
// that tests can answer them and read what was asked.
#pragma once

#include "platform/help_topic.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace quillbox {

class HelpViewer;

/// Buttons of a standard box; shown left to right in this order.
enum MsgButton : unsigned {
    MsgYes = 1u << 0,
    MsgNo = 1u << 1,
    MsgOK = 1u << 2,
    MsgAbort = 1u << 3,
};

enum class MsgIcon { Warning, Error, Question, Information };

struct MessageRequest {
    QWidget* parent = nullptr;
    QString title;
    /// The text as the program has it; "\r\n" breaks a line.
    QString text;
    MsgIcon icon = MsgIcon::Warning;
    /// A set of MsgButton. Default button: OK when present, else Yes.
    /// Escape: No when present, else OK.
    unsigned buttons = MsgOK;
    /// Help topic that F1 opens.
    HelpTopic helpContext = HelpNone;
};

/// A box with buttons of the program's own wording (the save-failure
/// choice at close, for instance).
struct ChoiceRequest {
    QWidget* parent = nullptr;
    QString title;
    QString text;
    MsgIcon icon = MsgIcon::Warning;
    QStringList buttons;
    int defaultIndex = 0;
    /// Index answered by Escape and by the close box.
    int escapeIndex = 0;
    HelpTopic helpContext = HelpNone;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    /// Shows a modal box and returns the MsgButton pressed.
    virtual MsgButton ask(const MessageRequest& request) = 0;
    /// Shows a modal box and returns the index of the button pressed.
    virtual int choose(const ChoiceRequest& request) = 0;
};

/// Real boxes on QMessageBox; F1 opens the request's help topic.
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(HelpViewer* help = nullptr)
        : m_help(help)
    {
    }
    MsgButton ask(const MessageRequest& request) override;
    int choose(const ChoiceRequest& request) override;

private:
    HelpViewer* m_help;
};

/// The application title, "Quillbox v " and the version, which titles
/// error boxes and the main window.
QString applicationTitle();

/// A warning box titled "Warning" with the exclamation icon.
MsgButton warningBox(
    MessageBoxes& boxes, QWidget* parent, const QString& text, unsigned buttons, HelpTopic helpContext);
/// The application's error box: titled with the application title, error
/// icon, OK, the text followed by a full stop.
void errorBox(MessageBoxes& boxes, QWidget* parent, const QString& text, HelpTopic helpContext = HelpNone);

} // namespace quillbox
