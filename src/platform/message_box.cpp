// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/message_box.h"

#include "core/version.h"
#include "platform/help_viewer.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace quillbox {

namespace {

/// Opens a help topic when F1 reaches the box.
class F1Help final : public QObject {
public:
    F1Help(HelpViewer* help, HelpTopic context)
        : m_help(help)
        , m_context(context)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1
            && static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            m_help->showContext(qobject_cast<QWidget*>(watched), m_context);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    HelpViewer* m_help;
    HelpTopic m_context;
};

QMessageBox::Icon qtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Error:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// The program writes its line breaks as CR LF; the box wants LF.
QString displayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Runs a box whose buttons stand left to right in the order given and
// returns the index of the one pressed (Escape and the close box press the
// escape button).
int runBox(HelpViewer* help, QWidget* parent, const QString& title, const QString& text, MsgIcon icon,
    const QStringList& labels, int defaultIndex, int escapeIndex, HelpTopic helpContext)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    box.setIcon(qtIcon(icon));

    // One role for all: QDialogButtonBox sorts buttons by role following the
    // desktop's conventions, which would undo the program's order; action
    // buttons keep the order they were added in under every layout.
    std::vector<QPushButton*> buttons;
    for (const QString& label : labels)
        buttons.push_back(box.addButton(label, QMessageBox::ActionRole));
    if (buttons.empty())
        buttons.push_back(box.addButton(QMessageBox::Ok));
    const auto pick = [&buttons](int i) { return buttons[i >= 0 && i < int(buttons.size()) ? i : 0]; };
    box.setDefaultButton(pick(defaultIndex));
    box.setEscapeButton(pick(escapeIndex));

    // F1 as a key the box itself handles (buttons pass it on): a window
    // shortcut would depend on the box having become the active window.
    F1Help f1(help, helpContext);
    if (help != nullptr && helpContext != HelpNone)
        box.installEventFilter(&f1);

    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i] == clicked)
            return int(i);
    }
    return escapeIndex;
}

struct ButtonDef {
    MsgButton button;
    const char* label;
};

// Left to right, with the classic box's labels and access keys.
constexpr ButtonDef kButtons[] = {
    {MsgYes, QT_TRANSLATE_NOOP("MessageBox", "&Yes")},
    {MsgNo, QT_TRANSLATE_NOOP("MessageBox", "&No")},
    {MsgOK, QT_TRANSLATE_NOOP("MessageBox", "OK")},
    {MsgAbort, QT_TRANSLATE_NOOP("MessageBox", "&Abort")},
};

} // namespace

MsgButton QtMessageBoxes::ask(const MessageRequest& request)
{
    unsigned set = request.buttons & (MsgYes | MsgNo | MsgOK | MsgAbort);
    if (set == 0)
        set = MsgOK;

    QStringList labels;
    std::vector<MsgButton> shown;
    int defaultIndex = 0;
    int escapeIndex = 0;
    const MsgButton wantedDefault = (set & MsgOK) ? MsgOK : MsgYes;
    const MsgButton wantedEscape = (set & MsgNo) ? MsgNo : MsgOK;
    for (const ButtonDef& def : kButtons) {
        if ((set & def.button) == 0)
            continue;
        if (def.button == wantedDefault)
            defaultIndex = int(shown.size());
        if (def.button == wantedEscape)
            escapeIndex = int(shown.size());
        labels.push_back(QCoreApplication::translate("MessageBox", def.label));
        shown.push_back(def.button);
    }
    // Neither No nor OK present (Yes and Abort alone): the close box answers
    // the last button rather than nothing.
    if ((set & (MsgNo | MsgOK)) == 0)
        escapeIndex = int(shown.size()) - 1;

    const int i = runBox(m_help, request.parent, request.title, request.text, request.icon, labels,
        defaultIndex, escapeIndex, request.helpContext);
    return shown[std::size_t(i)];
}

int QtMessageBoxes::choose(const ChoiceRequest& request)
{
    return runBox(m_help, request.parent, request.title, request.text, request.icon, request.buttons,
        request.defaultIndex, request.escapeIndex, request.helpContext);
}

QString applicationTitle()
{
    return QStringLiteral("Quillbox v %1").arg(QLatin1String(QuillboxVersion));
}

MsgButton warningBox(
    MessageBoxes& boxes, QWidget* parent, const QString& text, unsigned buttons, HelpTopic helpContext)
{
    MessageRequest request;
    request.parent = parent;
    request.title = QCoreApplication::translate("MessageBox", "Warning");
    request.text = text;
    request.icon = MsgIcon::Warning;
    request.buttons = buttons;
    request.helpContext = helpContext;
    return boxes.ask(request);
}

void errorBox(MessageBoxes& boxes, QWidget* parent, const QString& text, HelpTopic helpContext)
{
    MessageRequest request;
    request.parent = parent;
    request.title = applicationTitle();
    request.text = text + QLatin1Char('.');
    request.icon = MsgIcon::Error;
    request.buttons = MsgOK;
    request.helpContext = helpContext;
    boxes.ask(request);
}

} // namespace quillbox
