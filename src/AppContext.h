// State shared by all windows of one program run, and the windows
// themselves (each created once at start and only shown and hidden after).
#pragma once

#include "core/settings.h"
#include "platform/services.h"

#include <array>
#include <string>

namespace quillbox {
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
    /// The return address as last kept, lines 1..4.
    std::array<std::string, 4> ReturnAddressLines;
    Services services;

    TForm1* Form1 = nullptr;
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    TForm5* Form5 = nullptr;
    TAboutBox1* AboutBox1 = nullptr;

    SettingsFile settingsFile() const { return SettingsFile(StartDirectory); }
};

}  // namespace quillbox
