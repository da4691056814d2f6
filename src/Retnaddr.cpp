// SPDX-License-Identifier: GPL-3.0-or-later
#include "Retnaddr.h"

#include "app_context.h"
#include "platform/card_memo.h"
#include "platform/core_text.h"
#include "platform/help_topic.h"
#include "platform/message_box.h"
#include "platform/screen_metrics.h"
#include "platform/text_codec.h"
#include "window_util.h"

#include <QToolButton>
#include <string>

namespace quillbox {

namespace {

constexpr const char* Instructions = "Enter up to four lines of Return Address \r\n"
                                     "information. If you enter more than four \r\n"
                                     "lines only the first four will be used.";

CardMemo* makeMemo(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* memo = new CardMemo(parent);
    memo->setObjectName(QLatin1String(name));
    memo->setGeometry(geometry);
    memo->setFont(fontByHeight(QStringLiteral("Arial"), -13, true));
    memo->setLineWrapMode(QTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return memo;
}

} // namespace

TForm5::TForm5(AppContext& app, QWidget* parent)
    : QDialog(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("Enter Return Address"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setHelpTopic(*this, HelpReturnAddress);
    resize(350, 198);

    Memo1 = makeMemo(this, "Memo1", QRect(32, 24, 265, 57));
    Memo1->setText(Instructions);
    Memo1->setEnabled(false);
    Memo1->setAccessibleName(tr("Instructions"));
    // Navy on the button face, also as a disabled box.
    QPalette instructions = Memo1->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        instructions.setColor(group, QPalette::Base, instructions.color(group, QPalette::Button));
        instructions.setColor(group, QPalette::Text, QColor(0, 0, 128));
    }
    Memo1->setPalette(instructions);

    Memo2 = makeMemo(this, "Memo2", QRect(32, 96, 265, 89));
    Memo2->setMaxLength(0);
    Memo2->setAccessibleName(tr("Return address"));
    Memo2->setHelpContext(HelpReturnAddress);

    SpeedButton1 = makePictureButton(
        this, "SpeedButton1", QRect(312, 24, 25, 25), QStringLiteral("retnaddr_exit"), tr("Exit"));
    SpeedButton1->setToolTip(tr("Exit"));
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm5::SpeedButton1Click);
}

void TForm5::showEvent(QShowEvent* event)
{
    centreOnScreen(*this);
    FormActivate();
    QDialog::showEvent(event);
    Memo2->setFocus();
}

void TForm5::FormActivate()
{
    const auto& lines = m_app.ReturnAddressLines;
    Memo2->setText(lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n" + lines[3]);
}

void TForm5::SpeedButton1Click()
{
    const std::vector<std::string> shown = Memo2->displayLines();
    for (std::size_t i = 0; i < m_app.ReturnAddressLines.size(); ++i)
        m_app.ReturnAddressLines[i] = i < shown.size() ? shown[i] : std::string();

    const SettingsWrite written = m_app.settingsFile().writeReturnAddress(m_app.ReturnAddressLines);
    if (!written.ok) {
        errorBox(*m_app.services.messages, this, coreText(written.message));
        return;
    }
    accept();
}

} // namespace quillbox
