#include "Aboutbox.h"

#include "core/version.h"
#include "platform/help_topic.h"
#include "platform/screen_metrics.h"
#include "window_util.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace quillbox {

namespace {

/// Three index cards standing in a box, drawn when the program's vector
/// icon cannot be rendered (no SVG support installed).
QPixmap drawnIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0, 0, 0));
    const QColor cards[] = {QColor(255, 255, 224), QColor(224, 255, 255), QColor(255, 255, 255)};
    for (int i = 0; i < 3; ++i) {
        const QRect card(4 + i * 4, 4 + i * 3, 20, 16);
        p.fillRect(card, cards[i]);
        p.drawRect(card);
        p.setPen(QColor(0, 0, 160));
        p.drawLine(card.left() + 3, card.top() + 4, card.right() - 3, card.top() + 4);
        p.setPen(QColor(0, 0, 0));
    }
    const QRect box(2, 18, 28, 12);
    p.fillRect(box, QColor(128, 64, 0));
    p.drawRect(box);
    p.fillRect(QRect(12, 22, 8, 3), QColor(255, 215, 0));
    return pixmap;
}

QPixmap programIcon()
{
    const QPixmap fromSvg = QIcon(QStringLiteral(":/quillbox.svg")).pixmap(32, 32);
    return fromSvg.isNull() ? drawnIcon() : fromSvg;
}

} // namespace

TAboutBox1::TAboutBox1(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox1"));
    setWindowTitle(tr("About Quillbox"));
    setModal(true);
    // A fixed dialog border: no resizing, no context-help button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setProperty("helpContext", HelpSearch);
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
    ProgramIcon->setPixmap(programIcon());
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
    OKButton->setProperty("helpContext", HelpSearch);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox1::showEvent(QShowEvent* event)
{
    centreOnScreen(*this);
    QDialog::showEvent(event);
}

} // namespace quillbox
