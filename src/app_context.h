// SPDX-License-Identifier: GPL-3.0-or-later
// The state every window of one program run shares. It names no window: a
// window that needs the main window gets the CardWindow interface, and only
// start-up and the main window know the windows themselves
// (window_registry.h).
#pragma once

#include "core/settings.h"
#include "platform/dialogs.h"
#include "platform/services.h"

#include <array>
#include <optional>
#include <string>

namespace quillbox {

struct AppContext {
    /// The directory current at start; the card file and the settings file
    /// live there. Never changed.
    std::string StartDirectory;
    /// True until the main window exists; settings writes are skipped
    /// meanwhile.
    bool StartingUp = false;
    /// True when another window had the card file open at start: this run
    /// never saves the cards.
    bool readOnly = false;
    /// The main window's frame as start-up placed it; the search window is
    /// placed from it whenever it is made.
    std::optional<WindowPlacement> mainPlacementAtStart;
    /// The return address as last kept, lines 1..4.
    std::array<std::string, 4> ReturnAddressLines;
    Services services;
    /// The print dialog's last choices, kept until the program ends.
    PrintChoice printChoice;

    SettingsFile settingsFile() const { return SettingsFile(StartDirectory); }
};

} // namespace quillbox
