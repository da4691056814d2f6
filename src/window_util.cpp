// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_util.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QToolButton>

namespace quillbox {

ToolPicture readToolPicture(const QString& name)
{
    const QString path = QStringLiteral(":/resources/pictures/") + name;
    const QString disabled = path + QStringLiteral("_disabled.xpm");
    return ToolPicture {
        QImage(path + QStringLiteral(".xpm")), QFile::exists(disabled) ? QImage(disabled) : QImage()};
}

QIcon toolIcon(const ToolPicture& picture)
{
    QIcon icon;
    if (picture.normal.isNull())
        return icon;
    icon.addPixmap(QPixmap::fromImage(picture.normal), QIcon::Normal);
    if (!picture.disabled.isNull())
        icon.addPixmap(QPixmap::fromImage(picture.disabled), QIcon::Disabled);
    return icon;
}

QToolButton* makePictureButton(QWidget* parent, const char* name, const QRect& geometry,
    const QString& picture, const QString& accessibleName)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setIcon(toolIcon(readToolPicture(picture)));
    button->setIconSize(QSize(16, 16));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(accessibleName);
    return button;
}

QIcon programIcon()
{
    QIcon icon(QStringLiteral(":/resources/quillbox.svg"));
    icon.addFile(QStringLiteral(":/resources/pictures/quillbox_32.png"));
    icon.addFile(QStringLiteral(":/resources/pictures/quillbox_48.png"));
    return icon;
}

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), window.size());
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace quillbox
