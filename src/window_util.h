// Small pieces the windows build themselves from.
#pragma once

#include <QString>

class QIcon;
class QRect;
class QToolButton;
class QWidget;

namespace quillbox {

/// A tool-button picture from one image holding the normal look on its left
/// half and the disabled look on its right. An empty icon when the image
/// cannot be read.
QIcon twoStatePicture(const QString& resource);

/// A tool button at `geometry` showing the two-state picture
/// `resource` at 16 by 16, never taking the focus, named `name` and
/// `accessibleName` (for screen readers).
QToolButton* makePictureButton(QWidget* parent, const char* name, const QRect& geometry,
    const QString& resource, const QString& accessibleName);

/// Moves `window` so that a frame of its size stands centred in the primary
/// screen's available area. Does nothing when there is no screen.
void centreOnScreen(QWidget& window);

} // namespace quillbox
