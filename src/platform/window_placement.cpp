// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cstdint>

namespace quillbox {

namespace {

// X window coordinates and sizes are 16-bit; a frame stays within them.
constexpr int ProtocolLimit = 32767;
// A sizing frame's thickness on each side, at the classic metrics.
constexpr int FrameThickness = 8;

int clampTo(std::int64_t value, int low, int high)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

} // namespace

QSize largestFrameFor(const QSize& virtualDesktop)
{
    const int w = clampTo(std::int64_t {virtualDesktop.width()} + 2 * FrameThickness, 1, ProtocolLimit);
    const int h = clampTo(std::int64_t {virtualDesktop.height()} + 2 * FrameThickness, 1, ProtocolLimit);
    return QSize(w, h);
}

ScreenLayout currentScreens()
{
    ScreenLayout layout;
    QRect desktop;
    for (const QScreen* screen : QGuiApplication::screens()) {
        layout.available.push_back(screen->availableGeometry());
        desktop = desktop.united(screen->geometry());
    }
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        layout.primary = primary->availableGeometry();
    if (layout.available.empty()) {
        layout.primary = QRect(0, 0, 640, 480);
        layout.available.push_back(layout.primary);
        desktop = layout.primary;
    }
    layout.largestFrame = largestFrameFor(desktop.size());
    return layout;
}

int nominalTitleBarHeight()
{
    const QStyle* style = QApplication::style();
    const int height = style ? style->pixelMetric(QStyle::PM_TitleBarHeight) : 0;
    return height > 0 ? height : 20;
}

QRect placeFrame(const WindowPlacement& stored, const ScreenLayout& screens, int titleBarHeight)
{
    const QSize largest = screens.largestFrame.isValid() ? screens.largestFrame : largestFrameFor(QSize());
    const int width = clampTo(stored.width, 1, largest.width());
    const int height = clampTo(stored.height, 1, largest.height());
    const int title = std::clamp(titleBarHeight, 1, height);

    // Compared in 64 bits: a stored edge near the int limits plus a size
    // must not wrap round onto a screen.
    const std::int64_t left = stored.left;
    const std::int64_t top = stored.top;
    bool reachable = false;
    for (const QRect& area : screens.available) {
        if (area.isEmpty())
            continue;
        const bool across = left < std::int64_t {area.right()} + 1 && left + width > area.left();
        const bool down = top < std::int64_t {area.bottom()} + 1 && top + title > area.top();
        if (across && down) {
            reachable = true;
            break;
        }
    }
    if (reachable)
        return QRect(static_cast<int>(left), static_cast<int>(top), width, height);

    const QRect area = screens.primary;
    const int centredLeft = area.left() + (area.width() - width) / 2;
    const int centredTop = std::max(area.top(), area.top() + (area.height() - height) / 2);
    return QRect(centredLeft, centredTop, width, height);
}

WindowPlacement reachablePlacement(const WindowPlacement& stored)
{
    const QRect frame = placeFrame(stored, currentScreens(), nominalTitleBarHeight());
    return WindowPlacement {frame.top(), frame.left(), frame.height(), frame.width()};
}

} // namespace quillbox
