// State shared by all windows of one program run, and the windows
// themselves (each created once and only shown and hidden after).
#pragma once

#include "core/settings.h"
#include "platform/dialogs.h"
#include "platform/services.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace quillbox {
class CardWindow;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TAboutBox1;

struct AppContext {
    /// The directory current at start; the card file and the settings file
    /// live there. Never changed.
    std::string StartDirectory;
    /// True until every window exists; settings writes are skipped meanwhile.
    bool StartingUp = false;
    /// True when another window had the card file open at start: this run
    /// never saves the cards.
    bool ReadOnly = false;
    /// The main window's frame as start-up placed it; the search window is
    /// placed from it whenever it is made.
    std::optional<WindowPlacement> MainPlacementAtStart;
    /// The return address as last kept, lines 1..4.
    std::array<std::string, 4> ReturnAddressLines;
    Services services;
    /// The print dialog's last choices, kept until the program ends.
    PrintChoice printChoice;

    TForm1* Form1 = nullptr;
    /// The main window as the other windows see it; set with Form1.
    CardWindow* cardWindow = nullptr;
    /// The other windows, null until first asked for through the functions
    /// below, which make all of them then. Most runs open few of them, and
    /// the first card comes up sooner without them.
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    TForm5* Form5 = nullptr;
    TAboutBox1* AboutBox1 = nullptr;
    /// Makes the other windows; set by the start-up, cleared once run.
    std::function<void()> makeOtherWindows;

    TForm2* form2() { return otherWindows(), Form2; }
    TForm3* form3() { return otherWindows(), Form3; }
    TForm4* form4() { return otherWindows(), Form4; }
    TForm5* form5() { return otherWindows(), Form5; }
    TAboutBox1* aboutBox1() { return otherWindows(), AboutBox1; }

    SettingsFile settingsFile() const { return SettingsFile(StartDirectory); }

private:
    void otherWindows()
    {
        if (makeOtherWindows)
            std::exchange(makeOtherWindows, nullptr)();
    }
};

} // namespace quillbox
