// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file quillbox.ini: typed keys, first-run defaults and the
// write order the main window uses.
#pragma once

#include "core/profile_file.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace quillbox {

inline constexpr const char* SettingsFileName = "quillbox.ini";
/// Position Top read with this default means "no settings yet".
inline constexpr int NoSettingsTop = -640;
/// Colour values: 0x00BBGGRR, or a system colour index with the top bit set.
inline constexpr std::int32_t SystemColorFlag = INT32_MIN;
/// The window-text system colour (index 8), written as -2147483640.
inline constexpr std::int32_t WindowTextColor = SystemColorFlag | 8;

/// Font sizes a read accepts; anything outside keeps the current size, so a
/// damaged file cannot ask for a zero, negative or gigantic card font.
inline constexpr int CardFontSizeMin = 1;
inline constexpr int CardFontSizeMax = 1638;

enum class FontPitch { Default, Fixed, Variable };

/// The card font as the settings describe it.
struct CardFont {
    std::string name;
    int size = 10; ///< points
    int height = -13; ///< pixels as the font reports it (negative: no internal leading)
    std::int32_t color = WindowTextColor;
    FontPitch pitch = FontPitch::Default;
    bool bold = false, italic = false, underline = false, strikeout = false;

    bool operator==(const CardFont&) const = default;
};

/// The design font of the card box: "System", 10 pt, height
/// -mulDiv(10, pixelsPerInch, 72) (-13 at 96 dpi), window-text colour,
/// default pitch, no style.
CardFont designCardFont(int pixelsPerInch = 96);

/// Outer frame of the main window in screen pixels.
struct WindowPlacement {
    int top = 0, left = 0, height = 0, width = 0;
    bool operator==(const WindowPlacement&) const = default;
};

/// What a start with settings reads, each missing or malformed key taking
/// the current value passed in.
struct StoredSettings {
    WindowPlacement placement;
    CardFont font;
    int lastCard = 1;
    std::array<std::string, 4> returnAddress;
};

struct SettingsWrite {
    bool ok = true;
    /// "Unable to write to <path>" when ok is false.
    std::string message;
    /// The system's reason, for logs and tests.
    std::string reason;
};

class SettingsFile {
public:
    /// The file is `startDirectory` joined with "quillbox.ini" by '/' (no
    /// doubled '/' at the root; the bare name for an empty directory).
    explicit SettingsFile(const std::string& startDirectory);

    const std::string& path() const noexcept { return m_path; }

    /// Position Top with the default NoSettingsTop.
    int readTop() const;

    /// Reads every key except Font Height, in the file's order, with the
    /// given current values as defaults; never fails. Styles are only added
    /// to the current ones, each word counting only under its own key; an
    /// unknown pitch word (case matters) leaves the pitch unchanged. An empty
    /// Name or a Size outside CardFontSizeMin..CardFontSizeMax keeps the
    /// current value. `font.height` stays as given: the caller derives it
    /// from the size for its screen. LastCard defaults to 1.
    StoredSettings read(const WindowPlacement& current, const CardFont& currentFont) const;

    /// Return Address Line 1..Line 4, empty when missing.
    std::array<std::string, 4> readReturnAddress() const;

    /// Writes Position Top, Left, Height, Width; Font Color, Height, Name,
    /// Pitch, Size, Style1..Style4 (an unset style as an empty value); Params
    /// LastCard: fourteen keys in this order, applied to the file as one
    /// replacement, so a failure leaves the file as it was and returns ok
    /// false with unableToWriteMessage() and the reason.
    /// Text values that the read would alter (surrounding blanks or quotes)
    /// are written in quotes so they read back unchanged; a line break cuts
    /// a text value.
    SettingsWrite writeinifile(const WindowPlacement& placement, const CardFont& font, int lastCard) const;

    /// Params LastCard alone, as written at close; fails like writeinifile.
    SettingsWrite writeLastCard(int lastCard) const;

    /// Return Address Line 1..Line 4, in order, text values as writeinifile
    /// writes them, all four in one replacement; fails like writeinifile.
    SettingsWrite writeReturnAddress(const std::array<std::string, 4>& lines) const;

    /// "Unable to write to <path>".
    std::string unableToWriteMessage() const;

private:
    /// The file as last read, read again when it has changed since.
    const ProfileFile& loaded() const;
    static std::array<std::string, 4> readReturnAddress(const ProfileFile& file);

    std::string m_path;
    mutable ProfileFile m_loaded;
    mutable std::optional<struct stat> m_loadedStatus;
};

} // namespace quillbox
