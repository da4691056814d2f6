// SPDX-License-Identifier: GPL-3.0-or-later
// Small pieces the windows build themselves from.
#pragma once

#include <QImage>
#include <QString>

class QIcon;
class QRect;
class QToolButton;
class QWidget;

namespace quillbox {

/// A tool button's picture: its normal look and, where it has one, the look
/// it takes when disabled (else the style greys the normal one).
struct ToolPicture {
    QImage normal;
    QImage disabled;
};

/// Reads tool picture `name` from the resources: pictures/`name`.xpm and,
/// when there is one, pictures/`name`_disabled.xpm. Null images for
/// pictures that are missing. Images, not pixmaps: any thread may read them.
ToolPicture readToolPicture(const QString& name);

/// An icon with the picture's looks; empty when the normal look is null.
QIcon toolIcon(const ToolPicture& picture);

/// A tool button at `geometry` showing tool picture `picture` at 16 by 16,
/// never taking the focus, named `name` and `accessibleName` (for screen
/// readers).
QToolButton* makePictureButton(QWidget* parent, const char* name, const QRect& geometry,
    const QString& picture, const QString& accessibleName);

/// The program's icon: the vector drawing, with the 32 and 48 pixel
/// pictures that stand in where Qt has no SVG support installed.
QIcon programIcon();

/// Moves `window` so that a frame of its size stands centred in the primary
/// screen's available area. Does nothing when there is no screen.
void centreOnScreen(QWidget& window);

} // namespace quillbox
