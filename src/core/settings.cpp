// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings.h"

#include "core/numbers.h"
#include "core/posix_file.h"
#include "core/profile_file.h"

#include <string_view>
#include <sys/stat.h>
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

int readInt(const ProfileFile& file, std::string_view section, std::string_view key, int fallback)
{
    return parseSettingsInt(file.get(section, key, ""), fallback);
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
    m_path = posix::joinPath(startDirectory, SettingsFileName);
}

int SettingsFile::readTop() const
{
    return readInt(loaded(), PositionSection, "Top", NoSettingsTop);
}

const ProfileFile& SettingsFile::loaded() const
{
    // Start-up asks for Top and then for everything: one read serves both,
    // unless the file has changed in between.
    struct stat now { };
    const bool exists = posix::fileStatus(m_path, now) == 0;
    const bool same = exists && m_loadedStatus && now.st_ino == m_loadedStatus->st_ino
        && now.st_dev == m_loadedStatus->st_dev && now.st_size == m_loadedStatus->st_size
        && now.st_mtim.tv_sec == m_loadedStatus->st_mtim.tv_sec
        && now.st_mtim.tv_nsec == m_loadedStatus->st_mtim.tv_nsec;
    if (!same) {
        m_loaded.load(m_path);
        m_loadedStatus.reset();
        if (exists)
            m_loadedStatus = now;
    }
    return m_loaded;
}

StoredSettings SettingsFile::read(const WindowPlacement& current, const CardFont& currentFont) const
{
    const ProfileFile& file = loaded();
    StoredSettings stored;
    WindowPlacement& placement = stored.placement;
    placement.top = readInt(file, PositionSection, "Top", current.top);
    placement.left = readInt(file, PositionSection, "Left", current.left);
    placement.height = readInt(file, PositionSection, "Height", current.height);
    placement.width = readInt(file, PositionSection, "Width", current.width);

    CardFont& font = stored.font;
    font = currentFont;
    font.color = readInt(file, FontSection, "Color", currentFont.color);
    // An empty face name would leave the font to chance; keep the current one.
    if (std::string name = file.get(FontSection, "Name", currentFont.name); !name.empty())
        font.name = std::move(name);
    const std::string pitch = file.get(FontSection, "Pitch", "");
    if (pitch == PitchDefaultWord)
        font.pitch = FontPitch::Default;
    else if (pitch == PitchFixedWord)
        font.pitch = FontPitch::Fixed;
    else if (pitch == PitchVariableWord)
        font.pitch = FontPitch::Variable;
    const int size = readInt(file, FontSection, "Size", currentFont.size);
    if (size >= CardFontSizeMin && size <= CardFontSizeMax)
        font.size = size;
    if (file.get(FontSection, "Style1", "") == "fsbold")
        font.bold = true;
    if (file.get(FontSection, "Style2", "") == "fsitalic")
        font.italic = true;
    if (file.get(FontSection, "Style3", "") == "fsunderline")
        font.underline = true;
    if (file.get(FontSection, "Style4", "") == "fsstrikeout")
        font.strikeout = true;

    stored.lastCard = readInt(file, ParamsSection, "LastCard", 1);
    stored.returnAddress = readReturnAddress(file);
    return stored;
}

std::array<std::string, 4> SettingsFile::readReturnAddress() const
{
    return readReturnAddress(loaded());
}

std::array<std::string, 4> SettingsFile::readReturnAddress(const ProfileFile& file)
{
    std::array<std::string, 4> lines;
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = file.get(ReturnAddressSection, ReturnAddressKeys[i], "");
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
    m_loadedStatus.reset();
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
    m_loadedStatus.reset();
    return writeEntries(
        *this, std::array<Entry, 1> {{{ParamsSection, "LastCard", std::to_string(lastCard)}}});
}

SettingsWrite SettingsFile::writeReturnAddress(const std::array<std::string, 4>& lines) const
{
    m_loadedStatus.reset();
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
