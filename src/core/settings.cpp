#include "core/settings.h"

#include "core/numbers.h"
#include "core/profile_file.h"

#include <string_view>
#include <utility>

namespace quillbox {

namespace {

constexpr std::string_view PositionSection = "Position";
constexpr std::string_view FontSection = "Font";
constexpr std::string_view ParamsSection = "Params";
constexpr std::string_view ReturnAddressSection = "Return Address";
constexpr std::array<std::string_view, 4> ReturnAddressKeys = {"Line 1", "Line 2", "Line 3", "Line 4"};

constexpr std::string_view PitchDefaultWord = "fpdefault";
constexpr std::string_view PitchFixedWord = "fpfixed";
constexpr std::string_view PitchVariableWord = "fpvariable";

int readInt(const std::string& path, std::string_view section, std::string_view key, int fallback)
{
    return parseSettingsInt(GetPrivateProfileString(section, key, "", path), fallback);
}

std::string_view pitchWord(FontPitch pitch)
{
    switch (pitch) {
    case FontPitch::Fixed:
        return PitchFixedWord;
    case FontPitch::Variable:
        return PitchVariableWord;
    case FontPitch::Default:
        break;
    }
    return PitchDefaultWord;
}

bool isTrimmedByRead(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a';
}

/// A text value as it must be written to read back unchanged: the read
/// trims blanks and drops one pair of surrounding quotes, so such values
/// get a pair of quotes of their own. Only the first line of the text is
/// kept; the file holds one line per key.
std::string textValue(std::string_view text)
{
    text = text.substr(0, text.find_first_of(std::string_view("\r\n\0", 3)));
    const bool quoted
        = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
    if (!text.empty() && (quoted || isTrimmedByRead(text.front()) || isTrimmedByRead(text.back())))
        return "\"" + std::string(text) + "\"";
    return std::string(text);
}

struct Entry {
    std::string_view section;
    std::string_view key;
    std::string value;
};

} // namespace

CardFont designCardFont(int pixelsPerInch)
{
    CardFont font;
    font.name = "System";
    font.size = 10;
    font.height = -mulDiv(font.size, pixelsPerInch, 72);
    font.color = WindowTextColor;
    font.pitch = FontPitch::Default;
    return font;
}

SettingsFile::SettingsFile(const std::string& startDirectory)
{
    if (startDirectory.empty() || startDirectory.back() == '/')
        m_path = startDirectory + SettingsFileName;
    else
        m_path = startDirectory + '/' + SettingsFileName;
}

int SettingsFile::readTop() const
{
    return readInt(m_path, PositionSection, "Top", NoSettingsTop);
}

StoredSettings SettingsFile::read(const WindowPlacement& current, const CardFont& currentFont) const
{
    StoredSettings stored;
    WindowPlacement& placement = stored.placement;
    placement.top = readInt(m_path, PositionSection, "Top", current.top);
    placement.left = readInt(m_path, PositionSection, "Left", current.left);
    placement.height = readInt(m_path, PositionSection, "Height", current.height);
    placement.width = readInt(m_path, PositionSection, "Width", current.width);

    CardFont& font = stored.font;
    font = currentFont;
    font.color = readInt(m_path, FontSection, "Color", currentFont.color);
    // An empty face name would leave the font to chance; keep the current one.
    if (std::string name = GetPrivateProfileString(FontSection, "Name", currentFont.name, m_path);
        !name.empty())
        font.name = std::move(name);
    const std::string pitch = GetPrivateProfileString(FontSection, "Pitch", "", m_path);
    if (pitch == PitchDefaultWord)
        font.pitch = FontPitch::Default;
    else if (pitch == PitchFixedWord)
        font.pitch = FontPitch::Fixed;
    else if (pitch == PitchVariableWord)
        font.pitch = FontPitch::Variable;
    const int size = readInt(m_path, FontSection, "Size", currentFont.size);
    if (size >= CardFontSizeMin && size <= CardFontSizeMax)
        font.size = size;
    if (GetPrivateProfileString(FontSection, "Style1", "", m_path) == "fsbold")
        font.bold = true;
    if (GetPrivateProfileString(FontSection, "Style2", "", m_path) == "fsitalic")
        font.italic = true;
    if (GetPrivateProfileString(FontSection, "Style3", "", m_path) == "fsunderline")
        font.underline = true;
    if (GetPrivateProfileString(FontSection, "Style4", "", m_path) == "fsstrikeout")
        font.strikeout = true;

    stored.lastCard = readInt(m_path, ParamsSection, "LastCard", 1);
    stored.returnAddress = readReturnAddress();
    return stored;
}

std::array<std::string, 4> SettingsFile::readReturnAddress() const
{
    std::array<std::string, 4> lines;
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = GetPrivateProfileString(ReturnAddressSection, ReturnAddressKeys[i], "", m_path);
    return lines;
}

namespace {

template<std::size_t N>
SettingsWrite writeEntries(const SettingsFile& file, const std::array<Entry, N>& entries)
{
    // One read and one replacement of the file for all keys: per-key
    // replacements cost a file-system round trip each, too slow for a write
    // on every resize step, and a failure cannot leave half the keys new.
    std::array<ProfileEntry, N> profileEntries;
    for (std::size_t i = 0; i < N; ++i)
        profileEntries[i] = {entries[i].section, entries[i].key, entries[i].value};
    const ProfileWrite written = WritePrivateProfileStrings(profileEntries, file.path());
    if (!written.ok)
        return {false, file.unableToWriteMessage(), written.error};
    return {};
}

} // namespace

SettingsWrite SettingsFile::writeinifile(
    const WindowPlacement& placement, const CardFont& font, int lastCard) const
{
    const std::array<Entry, 14> entries = {{
        {PositionSection, "Top", std::to_string(placement.top)},
        {PositionSection, "Left", std::to_string(placement.left)},
        {PositionSection, "Height", std::to_string(placement.height)},
        {PositionSection, "Width", std::to_string(placement.width)},
        {FontSection, "Color", std::to_string(font.color)},
        {FontSection, "Height", std::to_string(font.height)},
        {FontSection, "Name", textValue(font.name)},
        {FontSection, "Pitch", std::string(pitchWord(font.pitch))},
        {FontSection, "Size", std::to_string(font.size)},
        {FontSection, "Style1", font.bold ? "fsbold" : ""},
        {FontSection, "Style2", font.italic ? "fsitalic" : ""},
        {FontSection, "Style3", font.underline ? "fsunderline" : ""},
        {FontSection, "Style4", font.strikeout ? "fsstrikeout" : ""},
        {ParamsSection, "LastCard", std::to_string(lastCard)},
    }};
    return writeEntries(*this, entries);
}

SettingsWrite SettingsFile::writeLastCard(int lastCard) const
{
    return writeEntries(
        *this, std::array<Entry, 1> {{{ParamsSection, "LastCard", std::to_string(lastCard)}}});
}

SettingsWrite SettingsFile::writeReturnAddress(const std::array<std::string, 4>& lines) const
{
    std::array<Entry, 4> entries;
    for (std::size_t i = 0; i < lines.size(); ++i)
        entries[i] = {ReturnAddressSection, ReturnAddressKeys[i], textValue(lines[i])};
    return writeEntries(*this, entries);
}

std::string SettingsFile::unableToWriteMessage() const
{
    return "Unable to write to " + m_path;
}

} // namespace quillbox
