// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_placement.h"

#include <climits>
#include <gtest/gtest.h>

namespace quillbox {
namespace {

// Two screens side by side: a 1024 by 768 primary with a 32-pixel panel at
// its top, and a 1280 by 1024 screen to its right.
ScreenLayout twoScreens()
{
    ScreenLayout layout;
    layout.primary = QRect(0, 32, 1024, 736);
    layout.available = {layout.primary, QRect(1024, 0, 1280, 1024)};
    layout.largestFrame = largestFrameFor(QSize(2304, 1024));
    return layout;
}

constexpr int Title = 20;

struct PlacementCase {
    const char* name;
    WindowPlacement stored; // top, left, height, width
    QRect expected;
};

void PrintTo(const PlacementCase& c, std::ostream* os)
{
    *os << c.name;
}

class PlaceFrame : public ::testing::TestWithParam<PlacementCase> { };

TEST_P(PlaceFrame, KeepsWhatCanBeReachedAndHeld)
{
    const PlacementCase& c = GetParam();
    EXPECT_EQ(placeFrame(c.stored, twoScreens(), Title), c.expected);
}

// The centred place on the primary area for a frame of w by h.
QRect centred(int w, int h)
{
    return QRect((1024 - w) / 2, std::max(32, 32 + (736 - h) / 2), w, h);
}

INSTANTIATE_TEST_SUITE_P(Stored, PlaceFrame,
    ::testing::Values(PlacementCase {"OnScreenAsRead", {100, 100, 338, 465}, QRect(100, 100, 465, 338)},
        PlacementCase {"SmallerThanTheDesignKept", {100, 100, 120, 200}, QRect(100, 100, 200, 120)},
        PlacementCase {"OnTheSecondScreen", {500, 1500, 338, 465}, QRect(1500, 500, 465, 338)},
        // Only the title bar's last pixels lie on a screen: still reachable.
        PlacementCase {"TitleBarJustOnTheLeftEdge", {100, -464, 338, 465}, QRect(-464, 100, 465, 338)},
        PlacementCase {"TitleBarJustAboveTheBottom", {1023, 1500, 338, 465}, QRect(1500, 1023, 465, 338)},
        // The body is on screen but the title bar is under the panel.
        PlacementCase {"TitleBarUnderThePanel", {-5, 100, 338, 465}, centred(465, 338)},
        PlacementCase {"FarAbove", {-2000, 5000, 338, 465}, centred(465, 338)},
        PlacementCase {"RightOfEveryScreen", {100, 2304, 338, 465}, centred(465, 338)},
        PlacementCase {"LeftOfEveryScreen", {100, -465, 338, 465}, centred(465, 338)},
        PlacementCase {"BelowTheShorterScreen", {800, 100, 338, 465}, centred(465, 338)},
        PlacementCase {"IntLimitsDoNotWrap", {INT_MAX, INT_MAX, 338, 465}, centred(465, 338)},
        PlacementCase {"NegativeIntLimits", {INT_MIN, INT_MIN, 338, 465}, centred(465, 338)},
        PlacementCase {"EdgeNearTheLimitWithHugeSize", {100, INT_MIN + 5, 338, INT_MAX}, centred(2320, 338)},
        PlacementCase {
            "HugeSizeClampedToTheDesktop", {100, 100, 16777215, 2147483647}, QRect(100, 100, 2320, 1040)},
        PlacementCase {"TallerThanThePrimaryKeepsTheTitleOnIt", {-3000, 0, 1000, 465}, centred(465, 1000)},
        PlacementCase {"ZeroAndNegativeSizesBecomeOnePixel", {100, 100, -5, 0}, QRect(100, 100, 1, 1)}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LargestFrame, TheDesktopPlusAFrameWithinTheProtocol)
{
    EXPECT_EQ(largestFrameFor(QSize(1024, 768)), QSize(1040, 784));
    EXPECT_EQ(largestFrameFor(QSize(40000, 70000)), QSize(32767, 32767));
    EXPECT_EQ(largestFrameFor(QSize()), QSize(15, 15));
}

TEST(CurrentScreens, DescribeTheScreensThereAre)
{
    const ScreenLayout now = currentScreens();
    ASSERT_FALSE(now.available.empty());
    EXPECT_FALSE(now.primary.isEmpty());
    EXPECT_GE(now.largestFrame.width(), now.primary.width());
    EXPECT_GE(now.largestFrame.height(), now.primary.height());
    // A placement on the primary screen stays where it is.
    const WindowPlacement onPrimary {now.primary.top() + 10, now.primary.left() + 10, 100, 150};
    EXPECT_EQ(reachablePlacement(onPrimary), onPrimary);
}

} // namespace
} // namespace quillbox
