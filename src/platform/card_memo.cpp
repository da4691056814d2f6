// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/card_memo.h"

#include "platform/text_codec.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <climits>

namespace quillbox {

namespace {

constexpr QChar kParagraph = QChar::ParagraphSeparator;
constexpr QChar kLine = QChar::LineSeparator;

bool isBreak(QChar c)
{
    return c == kParagraph || c == kLine;
}

// Every form of line break becomes '\n', which QTextCursor turns into a new
// paragraph; characters the code page lacks become '?'. NUL is dropped: the
// card texts end at the first one.
QString enteringText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            out += u'\n';
        } else if (isBreak(c)) {
            out += u'\n';
        } else if (c != QChar(0)) {
            out += c;
        }
    }
    return representableOnly(out);
}

// Length in text() characters: a line break counts two.
int textUnits(const QString& entering)
{
    return int(entering.size() + entering.count(u'\n'));
}

// The longest start of `entering` that fits `room`; a line break that does
// not fit whole ends it.
QString fitted(const QString& entering, int room)
{
    int used = 0;
    qsizetype n = 0;
    for (; n < entering.size(); ++n) {
        const int cost = entering.at(n) == u'\n' ? 2 : 1;
        if (used + cost > room)
            break;
        used += cost;
    }
    return entering.left(n);
}

} // namespace

CardMemo::CardMemo(QWidget* parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    // Words wider than the box break between characters, as in the classic
    // edit control.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The classic memo leaves Tab to the dialog for moving the focus.
    setTabChangesFocus(true);
    setHelpTopic(*this, HelpNone);
}

HelpTopic CardMemo::helpContext() const
{
    return static_cast<HelpTopic>(property("helpContext").toInt());
}

void CardMemo::setHelpContext(HelpTopic topic)
{
    setHelpTopic(*this, topic);
}

QString CardMemo::rawText() const
{
    QString raw;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        if (b != document()->begin())
            raw += kParagraph;
        raw += b.text();
    }
    return raw;
}

std::string CardMemo::text() const
{
    QString raw = rawText();
    raw.replace(kParagraph, QStringLiteral("\r\n"));
    raw.replace(kLine, QStringLiteral("\r\n"));
    return fromQString(raw);
}

void CardMemo::setText(std::string_view bytes)
{
    std::string lines;
    lines.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            lines += '\n';
        } else {
            lines += c;
        }
    }
    setPlainText(toQString(lines));
    document()->setModified(false);
}

int CardMemo::textLength() const
{
    const QString raw = rawText();
    int n = 0;
    for (const QChar c : raw)
        n += isBreak(c) ? 2 : 1;
    return n;
}

bool CardMemo::modified() const
{
    return document()->isModified();
}

void CardMemo::setModified(bool on)
{
    document()->setModified(on);
}

int CardMemo::textPosition(int documentPos) const
{
    const QString raw = rawText();
    const int end = std::clamp(documentPos, 0, int(raw.size()));
    int pos = 0;
    for (int i = 0; i < end; ++i)
        pos += isBreak(raw.at(i)) ? 2 : 1;
    return pos;
}

int CardMemo::documentPosition(int textPos, bool roundUp) const
{
    const QString raw = rawText();
    int pos = 0;
    for (int i = 0; i < raw.size(); ++i) {
        if (pos >= textPos)
            return i;
        const int width = isBreak(raw.at(i)) ? 2 : 1;
        if (pos + width > textPos)
            return roundUp ? i + 1 : i; // between CR and LF
        pos += width;
    }
    return int(raw.size());
}

int CardMemo::selStart() const
{
    return textPosition(textCursor().selectionStart());
}

int CardMemo::selLength() const
{
    const QTextCursor c = textCursor();
    return textPosition(c.selectionEnd()) - textPosition(c.selectionStart());
}

void CardMemo::setSelection(int start, int length)
{
    const int total = textLength();
    const int from = std::clamp(start, 0, total);
    const int to = std::clamp(from + std::max(length, 0), from, total);
    QTextCursor c = textCursor();
    const int docFrom = documentPosition(from, false);
    c.setPosition(docFrom);
    c.setPosition(length > 0 ? documentPosition(to, true) : docFrom, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void CardMemo::ensureLaidOut() const
{
    if (!isVisible() && lineWrapMode() == QTextEdit::WidgetWidth) {
        // A hidden box lays its document out only when shown; until then the
        // document has no width. Give it the viewport's, as showing would.
        if (testAttribute(Qt::WA_PendingResizeEvent)) {
            QResizeEvent resize(size(), QSize());
            QCoreApplication::sendEvent(const_cast<CardMemo*>(this), &resize);
        }
        const qreal width = viewport()->width();
        if (document()->textWidth() != width)
            document()->setTextWidth(width);
    }
    // Finishes any layout still pending.
    document()->documentLayout()->documentSize();
}

int CardMemo::lineCount() const
{
    ensureLaidOut();
    int lines = 0;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        lines += b.layout() != nullptr ? std::max(b.layout()->lineCount(), 1) : 1;
    // The empty line after a final line break, or of an empty box, is no line.
    if (document()->lastBlock().text().isEmpty())
        --lines;
    return lines;
}

std::vector<std::string> CardMemo::displayLines() const
{
    ensureLaidOut();
    std::vector<std::string> lines;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        const QString blockText = b.text();
        if (!b.next().isValid() && blockText.isEmpty())
            break;
        const QTextLayout* layout = b.layout();
        if (layout == nullptr || layout->lineCount() == 0) {
            lines.push_back(fromQString(blockText));
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            QString piece = blockText.mid(line.textStart(), line.textLength());
            piece.remove(kLine);
            lines.push_back(fromQString(piece));
        }
    }
    return lines;
}

void CardMemo::cutToClipboard()
{
    cut();
}

void CardMemo::copyToClipboard()
{
    copy();
}

void CardMemo::pasteFromClipboard()
{
    paste();
}

int CardMemo::room() const
{
    if (m_maxLength <= 0)
        return INT_MAX;
    const int kept = textLength() - selLength();
    return std::max(0, m_maxLength - kept);
}

bool CardMemo::insertLimited(const QString& text)
{
    const QString entering = enteringText(text);
    const QString fit = fitted(entering, room());
    if (fit.size() < entering.size())
        QApplication::beep();
    if (fit.isEmpty())
        return entering.isEmpty();
    QTextCursor c = textCursor();
    c.insertText(fit);
    setTextCursor(c);
    ensureCursorVisible();
    return true;
}

void CardMemo::keyPressEvent(QKeyEvent* event)
{
    if (isReadOnly()) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
        // Shift+Enter too makes a plain paragraph: a soft line break inside
        // a paragraph would be a line break that text() cannot hold apart.
        event->accept();
        if (room() < 2) {
            QApplication::beep();
            return;
        }
        QTextCursor c = textCursor();
        c.insertBlock();
        setTextCursor(c);
        ensureCursorVisible();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && (typed.at(0).isPrint() || typed.at(0).isSurrogate())) {
        const QString entering = enteringText(typed);
        if (textUnits(entering) > room()) {
            event->accept();
            QApplication::beep();
            return;
        }
        if (entering != typed) {
            QKeyEvent replaced(event->type(), event->key(), event->modifiers(), entering,
                event->isAutoRepeat(), event->count());
            QTextEdit::keyPressEvent(&replaced);
            event->setAccepted(replaced.isAccepted());
            return;
        }
    }
    QTextEdit::keyPressEvent(event);
}

void CardMemo::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (isReadOnly() || commit.isEmpty()) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    const QString entering = enteringText(commit);
    const QString fit = fitted(entering, room());
    if (fit.size() < entering.size())
        QApplication::beep();
    if (fit == commit) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent replaced(event->preeditString(), event->attributes());
    replaced.setCommitString(fit, event->replacementStart(), event->replacementLength());
    QTextEdit::inputMethodEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

bool CardMemo::canInsertFromMimeData(const QMimeData* source) const
{
    return source != nullptr && source->hasText();
}

void CardMemo::insertFromMimeData(const QMimeData* source)
{
    if (source == nullptr || !source->hasText() || isReadOnly())
        return;
    insertLimited(source->text());
}

QMimeData* CardMemo::createMimeDataFromSelection() const
{
    QString selected = textCursor().selectedText();
    selected.replace(kParagraph, QLatin1Char('\n'));
    selected.replace(kLine, QLatin1Char('\n'));
    auto* mime = new QMimeData;
    mime->setText(selected);
    return mime;
}

} // namespace quillbox
