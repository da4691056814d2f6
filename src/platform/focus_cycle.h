// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed keyboard order: Tab and Shift+Tab cycle through a list of widgets
// in the window, whatever the widgets' own order of creation or their focus
// proxies would give.
#pragma once

#include <vector>

class QWidget;

namespace quillbox {

/// Makes Tab move the focus from each widget of `order` to the next one and
/// Shift+Tab to the previous one, wrapping at either end. A widget that is
/// hidden or disabled at the time is passed over. The widgets must share a
/// window and outlive nothing of each other's (they are watched, not
/// owned).
void cycleFocusOnTab(const std::vector<QWidget*>& order);

} // namespace quillbox
