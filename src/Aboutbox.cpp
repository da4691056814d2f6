// SPDX-License-Identifier: GPL-3.0-or-later
#include "Aboutbox.h"

#include "core/version.h"
#include "platform/help_topic.h"
#include "platform/screen_metrics.h"
#include "window_util.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace quillbox {

TAboutBox1::TAboutBox1(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox1"));
    setWindowTitle(tr("About Quillbox"));
    setModal(true);
    // A fixed dialog border: no resizing, no context-help button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setHelpTopic(*this, HelpSearch);
    setFont(fontByHeight(QStringLiteral("MS Sans Serif"), -11));
    setFixedSize(298, 166);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setGeometry(8, 8, 281, 113);

    ProgramIcon = new QLabel(panel);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(8, 8, 65, 57);
    ProgramIcon->setAlignment(Qt::AlignCenter);
    ProgramIcon->setPixmap(programIcon().pixmap(32, 32));
    ProgramIcon->setAccessibleName(tr("Quillbox icon"));

    ProductName = new QLabel(tr("Quillbox %1").arg(QLatin1String(QuillboxVersion)), panel);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(16);
    ProductName->setFont(bold);
    ProductName->setGeometry(88, 16, 177, 20);

    Comments = new QLabel(tr("for Windows"), panel);
    Comments->setObjectName(QStringLiteral("Comments"));
    Comments->setGeometry(88, 40, 177, 16);

    OKButton = new QPushButton(tr("&OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setAccessibleName(tr("OK"));
    OKButton->setGeometry(111, 132, 75, 25);
    OKButton->setDefault(true);
    setHelpTopic(*OKButton, HelpSearch);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox1::showEvent(QShowEvent* event)
{
    centreOnScreen(*this);
    QDialog::showEvent(event);
}

} // namespace quillbox
