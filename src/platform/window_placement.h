// SPDX-License-Identifier: GPL-3.0-or-later
// Where a stored window placement may go on the screens there are now.
// Stored values are applied as read, with two exceptions that keep the
// program usable: a size the window system cannot hold, and a window whose
// title bar would lie on no screen.
#pragma once

#include "core/settings.h"

#include <QRect>
#include <QSize>
#include <vector>

namespace quillbox {

/// The screens as placement sees them.
struct ScreenLayout {
    /// Each screen's available area (without panels and docks).
    std::vector<QRect> available;
    /// The primary screen's available area.
    QRect primary;
    /// The largest outer size a window may have (see largestFrameFor).
    QSize largestFrame;
};

/// The largest outer window size for a desktop of `virtualDesktop` (all
/// screens together): the desktop plus a frame's thickness on each side,
/// as the classic window system bounds a window by its maximum tracking
/// size, and never beyond the 16-bit coordinates of the X protocol. A larger
/// window buys nothing that can be seen and costs a backing store that may
/// not fit in memory.
QSize largestFrameFor(const QSize& virtualDesktop);

/// The screens now; a 640 by 480 screen when there is none.
ScreenLayout currentScreens();

/// The height of a title bar, for deciding whether one can be reached
/// (the frame's own when the window is framed, else the style's).
int nominalTitleBarHeight();

/// The outer frame for `stored`: its width and height as stored, clamped
/// to 1..largestFrame; its position as stored unless no part of its title
/// bar (the top `titleBarHeight` pixels of the frame) lies on any screen's
/// available area. Such a frame is centred on the primary screen's
/// available area, size kept, but with its top never above that area's top,
/// so that the title bar can be reached. Any int values are safe.
QRect placeFrame(const WindowPlacement& stored, const ScreenLayout& screens, int titleBarHeight);

/// placeFrame() on the screens there are now with a nominal title bar, as a
/// placement.
WindowPlacement reachablePlacement(const WindowPlacement& stored);

} // namespace quillbox
