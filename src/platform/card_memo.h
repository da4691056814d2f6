// A multi-line text box with the contract of the classic edit control that
// the program's code relies on: text as Windows-1252 bytes with CR LF line
// breaks, positions counted in that text (a line break counts two), a
// length limit that counts the same way, a modification flag the program
// clears by setting the text, and line counts after word wrap.
#pragma once

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

    /// Typing and pasting are limited to this many characters of text()
    /// (a line break counts two); 0 means no limit.
    int maxLength() const noexcept { return m_maxLength; }
    void setMaxLength(int n) noexcept { m_maxLength = n; }

    /// Selection in text() positions.
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

    /// Help topic for F1 on this box.
    int helpContext() const noexcept { return m_helpContext; }
    void setHelpContext(int c) noexcept { m_helpContext = c; }

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

    int m_maxLength = 0;
    int m_helpContext = 0;
};

}  // namespace quillbox
