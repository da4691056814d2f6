// SPDX-License-Identifier: GPL-3.0-or-later
// A multi-line text box with the contract of the classic edit control that
// the program's code relies on: text as Windows-1252 bytes with CR LF line
// breaks, positions counted in that text (a line break counts two), a
// length limit that counts the same way, a modification flag the program
// clears by setting the text, and line counts after word wrap.
#pragma once

#include "platform/help_topic.h"

#include <QTextEdit>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox {

class CardMemo : public QTextEdit {
    Q_OBJECT
public:
    explicit CardMemo(QWidget* parent = nullptr);

    /// The text as bytes, lines joined by CR LF.
    std::string text() const;
    /// Replaces the text (CR LF, lone CR and lone LF each break a line) and
    /// clears the modification flag. Not limited by maxLength().
    void setText(std::string_view bytes);
    /// Length of text() in bytes.
    int textLength() const;

    bool modified() const;
    void setModified(bool on);

    /// Typing, Enter, paste, drop and input-method text are limited to this
    /// many characters of text() (a line break counts two); 0 means no limit.
    /// A keystroke that does not fit is refused with a beep; longer inserted
    /// text is cut to fit, never inside a line break.
    int maxLength() const noexcept { return m_maxLength; }
    void setMaxLength(int n) noexcept { m_maxLength = n; }

    /// Selection in text() positions. A position between the CR and the LF
    /// of a line break counts as before the break for the start and after it
    /// for the end; positions are clamped to the text.
    int selStart() const;
    int selLength() const;
    void setSelection(int start, int length);

    /// Number of display lines after word wrap at the box's width; a final
    /// empty line is not counted; an empty box has 0.
    int lineCount() const;
    /// The display lines, without line-break characters. A soft break uses
    /// no character; blanks before it stay at the end of the upper line.
    std::vector<std::string> displayLines() const;

    /// Clipboard operations on the selection / at the caret. Paste obeys
    /// maxLength() and turns characters outside Windows-1252 into '?'.
    void cutToClipboard();
    void copyToClipboard();
    void pasteFromClipboard();

    /// Help topic for F1 on this box, kept in the dynamic property
    /// "helpContext" where the window's F1 handler finds it on the focus
    /// widget (the box does not open help itself). Setting the property
    /// directly is the same as setHelpContext().
    HelpTopic helpContext() const;
    void setHelpContext(HelpTopic topic);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    /// Inserts `text` at the caret, replacing the selection, cut to the room
    /// left under maxLength(). Returns false when nothing fitted.
    bool insertLimited(const QString& text);
    /// Characters of text() that the selection would leave room for.
    int room() const;
    /// The document's characters with a paragraph separator between blocks:
    /// index i is document position i.
    QString rawText() const;
    int textPosition(int documentPosition) const;
    int documentPosition(int textPosition, bool roundUp) const;
    /// Makes sure the document is laid out at the box's current width,
    /// also before the box is first shown.
    void ensureLaidOut() const;

    int m_maxLength = 0;
};

} // namespace quillbox
