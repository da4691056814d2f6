// SPDX-License-Identifier: GPL-3.0-or-later
// How a reading stands, shared by every reader of imported text: still
// going, or stopped at a line for a reason the user is shown.
#pragma once

#include <string>
#include <utility>

namespace quillbox {

struct ReadStatus {
    bool ok = true;
    /// Once stopped: the line (from 1) where the fault lies, and what it is.
    int errorLine = 0;
    std::string error;

    /// Stops the reading. The first fault is the one kept: whatever follows
    /// it is only its echo.
    void fail(int line, std::string reason)
    {
        if (!ok)
            return;
        ok = false;
        errorLine = line;
        error = std::move(reason);
    }
};

} // namespace quillbox
