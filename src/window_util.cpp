#include "window_util.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QToolButton>

namespace quillbox {

QIcon twoStatePicture(const QString& resource)
{
    const QPixmap both(resource);
    QIcon icon;
    if (both.isNull())
        return icon;
    const int half = both.width() / 2;
    icon.addPixmap(both.copy(0, 0, half, both.height()), QIcon::Normal);
    icon.addPixmap(both.copy(half, 0, half, both.height()), QIcon::Disabled);
    return icon;
}

QToolButton* makePictureButton(QWidget* parent, const char* name, const QRect& geometry,
    const QString& resource, const QString& accessibleName)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setIcon(twoStatePicture(resource));
    button->setIconSize(QSize(16, 16));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(accessibleName);
    return button;
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
