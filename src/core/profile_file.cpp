// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profile_file.h"

#include "core/ascii.h"
#include "core/cp1252.h"
#include "core/posix_file.h"
#include "core/utf8.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>

namespace quillbox {

namespace {

/// What the profile functions take for blanks around names and values.
constexpr std::string_view ProfileSpaces = " \t\n\v\f\r\x1a";

bool isLineEnd(char c) noexcept
{
    return c == '\r' || c == '\n';
}

std::string_view trim(std::string_view s) noexcept
{
    return trimmed(s, ProfileSpaces);
}

/// One line of the file: its text without the line end, and where the next
/// line starts (past the whole run of CR and LF).
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Blank;
    std::string_view name; ///< section or key name, trimmed
    std::string_view value; ///< key value, trimmed
};

/// Walks a file's text line by line; blank lines vanish into line-end runs.
class LineReader {
public:
    explicit LineReader(std::string_view text)
        : m_text(text)
    {
    }

    std::optional<Line> next() noexcept
    {
        if (m_pos >= m_text.size())
            return std::nullopt;
        Line line;
        line.begin = m_pos;
        std::size_t i = m_pos;
        while (i < m_text.size() && !isLineEnd(m_text[i]))
            ++i;
        line.end = i;
        while (i < m_text.size() && isLineEnd(m_text[i]))
            ++i;
        line.next = i;
        m_pos = i;
        return line;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

ParsedLine parseLine(std::string_view text) noexcept
{
    ParsedLine parsed;
    const std::string_view content = trim(text);
    if (content.empty())
        return parsed;
    if (content.front() == ';') {
        parsed.kind = LineKind::Comment;
        return parsed;
    }
    if (content.front() == '[') {
        const auto close = content.find(']');
        if (close != std::string_view::npos) {
            parsed.kind = LineKind::Section;
            parsed.name = trim(content.substr(1, close - 1));
            return parsed;
        }
        // No closing bracket: not a section header; it may still be a key.
    }
    const auto equals = content.find('=');
    if (equals == std::string_view::npos) {
        parsed.kind = LineKind::Other;
        return parsed;
    }
    parsed.kind = LineKind::Key;
    parsed.name = trim(content.substr(0, equals));
    parsed.value = trim(content.substr(equals + 1));
    return parsed;
}

std::string_view unquote(std::string_view value) noexcept
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string cutToMax(std::string_view value)
{
    return std::string(value.substr(0, ProfileValueMax));
}

/// Where to insert or replace, found in one pass over the file.
struct KeyLocation {
    bool sectionFound = false;
    bool keyFound = false;
    Line keyLine; ///< the first matching key's line
    Line lastEntry; ///< the section header, or its last non-blank, non-comment line
};

KeyLocation locate(std::string_view text, std::string_view section, std::string_view key)
{
    KeyLocation where;
    bool inSection = false;
    LineReader reader(text);
    while (const auto line = reader.next()) {
        const ParsedLine parsed = parseLine(text.substr(line->begin, line->end - line->begin));
        if (parsed.kind == LineKind::Section) {
            if (inSection)
                break; // only the first of duplicate sections counts
            if (equalsNoCase(parsed.name, section)) {
                inSection = true;
                where.sectionFound = true;
                where.lastEntry = *line;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (parsed.kind == LineKind::Key && equalsNoCase(parsed.name, key)) {
            where.keyFound = true;
            where.keyLine = *line;
            return where;
        }
        if (parsed.kind == LineKind::Key || parsed.kind == LineKind::Other)
            where.lastEntry = *line;
    }
    return where;
}

/// Length of the first line end (CR LF, CR or LF) at `pos`.
std::size_t firstLineEndLength(std::string_view text, std::size_t pos) noexcept
{
    if (pos >= text.size() || !isLineEnd(text[pos]))
        return 0;
    return (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
}

std::string updatedText(std::string_view text, std::string_view section, std::string_view key,
    std::string_view value, std::string_view lineEnd)
{
    const KeyLocation where = locate(text, section, key);
    std::string out;
    out.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    if (where.keyFound) {
        // Keep the key as the file spells it; only the value changes.
        const ParsedLine parsed
            = parseLine(text.substr(where.keyLine.begin, where.keyLine.end - where.keyLine.begin));
        out.append(text.substr(0, where.keyLine.begin));
        out.append(parsed.name).append("=").append(value);
        out.append(text.substr(where.keyLine.end));
    } else if (where.sectionFound) {
        const std::size_t end = where.lastEntry.end;
        const std::size_t endLength = firstLineEndLength(text, end);
        out.append(text.substr(0, end + endLength));
        if (endLength == 0)
            out.append(lineEnd);
        out.append(key).append("=").append(value).append(lineEnd);
        out.append(text.substr(end + endLength));
    } else {
        out.append(text);
        if (!out.empty() && !isLineEnd(out.back()))
            out.append(lineEnd);
        out.append("[").append(section).append("]").append(lineEnd);
        out.append(key).append("=").append(value).append(lineEnd);
    }
    return out;
}

/// Names that would break the file's lines cannot be written safely.
bool validNames(std::string_view section, std::string_view key) noexcept
{
    return !section.empty() && !key.empty() && section.find_first_of("]\r\n") == std::string_view::npos
        && key.find_first_of("=\r\n") == std::string_view::npos && key.front() != ';' && key.front() != '[';
}

/// UTF-16 code units to UTF-8; a lone surrogate keeps its three-byte form
/// so that the file's every unit comes back at the write.
std::string utf16ToText(std::string_view bytes, bool bigEndian)
{
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[2 * i]);
        const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    const std::size_t n = bytes.size() / 2;
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < n; ++i) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(++i) - 0xDC00);
        utf8::append(out, c);
    }
    return out;
}

/// The reverse of utf16ToText. The text holds only what that made and what
/// toUtf8 adds, all well formed; a stray byte would become U+FFFD.
std::string textToUtf16(std::string_view text, bool bigEndian)
{
    std::string out;
    out.reserve(text.size() * 2);
    const auto put = [&](char32_t u) {
        const auto hi = static_cast<char>(u >> 8);
        const auto lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    while (!text.empty()) {
        const utf8::Decoded d = utf8::decode(text);
        text.remove_prefix(d.length);
        // A lone surrogate is a unit of the file that utf16ToText kept.
        const bool surrogate = d.length == 3 && d.c >= 0xD800 && d.c <= 0xDFFF;
        const char32_t c = d.valid || surrogate ? d.c : 0xFFFD;
        if (c >= 0x10000) {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put(c);
        }
    }
    return out;
}

/// The line end a file uses: its first one, or CR LF when it has none.
std::string firstLineEnd(std::string_view text)
{
    const auto at = text.find_first_of("\r\n");
    if (at == std::string_view::npos)
        return "\r\n";
    if (text[at] == '\n')
        return "\n";
    return at + 1 < text.size() && text[at + 1] == '\n' ? "\r\n" : "\r";
}

/// Replaces `target` with `bytes` through a temporary file beside it.
/// No fsync: the rename alone already guarantees that a crash of this
/// process leaves either the old or the new file, which is all settings
/// need; surviving a power cut is not worth a disk flush on every resize.
int replaceFile(const std::string& target, std::string_view bytes, const struct stat* keep)
{
    posix::Fd fd;
    std::string temp;
    if (const int e = posix::createTemporary(target, fd, temp))
        return e;
    int error = posix::writeAll(fd.get(), bytes);
    if (error == 0 && keep)
        error = posix::copyAccess(fd.get(), *keep);
    if (const int c = fd.close(); error == 0)
        error = c;
    if (error == 0)
        error = posix::renameFile(temp, target);
    if (error != 0)
        posix::removeFile(temp);
    return error;
}

/// Rewrites `target` in place, as the platform's own functions do: for a
/// writable file in a directory that refuses new files. The space is
/// claimed first, so a full disk fails before a byte changes.
int rewriteInPlace(const std::string& target, std::string_view bytes)
{
    posix::Fd fd;
    if (const int e = posix::openFile(target, O_WRONLY, fd))
        return e;
    if (const int e = posix::claimSpace(fd.get(), static_cast<off_t>(bytes.size())))
        return e;
    int error = posix::writeAll(fd.get(), bytes);
    if (error == 0)
        error = posix::truncateFile(fd.get(), static_cast<off_t>(bytes.size()));
    if (error == 0)
        error = posix::syncFile(fd.get());
    if (const int c = fd.close(); error == 0)
        error = c;
    return error;
}

} // namespace

ProfileFile::ProfileFile(std::string_view bytes)
    : m_loaded(bytes)
{
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        const bool bigEndian = bytes[0] == '\xFE';
        m_encoding = bigEndian ? Encoding::Utf16BigEndian : Encoding::Utf16LittleEndian;
        const std::string_view units = bytes.substr(2);
        m_text = utf16ToText(units.substr(0, units.size() & ~std::size_t {1}), bigEndian);
        m_oddByte = units.substr(units.size() & ~std::size_t {1});
    } else if (bytes.starts_with(utf8::ByteOrderMark)) {
        m_encoding = Encoding::Utf8;
        m_text = bytes.substr(utf8::ByteOrderMark.size());
    } else {
        m_text = bytes;
    }
    m_lineEnd = firstLineEnd(m_text);
}

int ProfileFile::load(const std::string& path)
{
    std::string bytes;
    const int e = posix::readFile(path, bytes);
    *this = ProfileFile(e == 0 ? std::string_view(bytes) : std::string_view());
    m_existed = e == 0;
    return e == ENOENT ? 0 : e;
}

std::string ProfileFile::toText(std::string_view ansi) const
{
    return m_encoding == Encoding::Ansi ? std::string(ansi) : cp1252::toUtf8(ansi);
}

std::string ProfileFile::fromText(std::string_view text) const
{
    return m_encoding == Encoding::Ansi ? std::string(text) : cp1252::fromUtf8(text);
}

std::string ProfileFile::get(std::string_view section, std::string_view key, std::string_view fallback) const
{
    const std::string sectionText = toText(trim(section));
    const std::string keyText = toText(trim(key));
    const std::string_view view(m_text);
    if (const KeyLocation where = locate(view, sectionText, keyText); where.keyFound) {
        const Line line = where.keyLine;
        return cutToMax(fromText(unquote(parseLine(view.substr(line.begin, line.end - line.begin)).value)));
    }
    while (!fallback.empty() && fallback.back() == ' ')
        fallback.remove_suffix(1);
    return cutToMax(fallback);
}

bool ProfileFile::set(std::string_view section, std::string_view key, std::string_view value)
{
    section = trim(section);
    key = trim(key);
    if (!validNames(section, key))
        return false;
    // A line break (or a NUL, where the C interface would stop) inside the
    // value would split the line and plant a stray key or section.
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    m_text = updatedText(m_text, toText(section), toText(key), toText(value), m_lineEnd);
    return true;
}

std::string ProfileFile::bytes() const
{
    switch (m_encoding) {
    case Encoding::Ansi:
        break;
    case Encoding::Utf8:
        return std::string(utf8::ByteOrderMark) + m_text;
    case Encoding::Utf16LittleEndian:
        return "\xFF\xFE" + textToUtf16(m_text, false) + m_oddByte;
    case Encoding::Utf16BigEndian:
        return "\xFE\xFF" + textToUtf16(m_text, true) + m_oddByte;
    }
    return m_text;
}

int ProfileFile::save(const std::string& path) const
{
    const std::string target = posix::followLinks(path);
    struct stat st { };
    const int statError = posix::fileStatus(target, st);
    const bool exists = statError == 0;
    if (!exists && statError != ENOENT)
        return statError;
    if (exists) {
        if (S_ISDIR(st.st_mode))
            return EISDIR;
        if (!S_ISREG(st.st_mode))
            return posix::ENOTREGULAR;
        // Replacing by rename would succeed on a read-only file; honour the
        // file's own protection the way an in-place write would.
        if (const int e = posix::mayWrite(target))
            return e;
    }
    const std::string out = bytes();
    if (exists && m_existed && out == m_loaded)
        return 0;
    const int error = replaceFile(target, out, exists ? &st : nullptr);
    if (exists && (error == EACCES || error == EPERM))
        return rewriteInPlace(target, out);
    return error;
}

std::string GetPrivateProfileString(
    std::string_view section, std::string_view key, std::string_view fallback, const std::string& path)
{
    ProfileFile file;
    file.load(path);
    return file.get(section, key, fallback);
}

ProfileWrite WritePrivateProfileString(
    std::string_view section, std::string_view key, std::string_view value, const std::string& path)
{
    const ProfileEntry entry {section, key, value};
    return WritePrivateProfileStrings(std::span(&entry, 1), path);
}

ProfileWrite WritePrivateProfileStrings(std::span<const ProfileEntry> entries, const std::string& path)
{
    for (const ProfileEntry& entry : entries) {
        if (!validNames(trim(entry.section), trim(entry.key)))
            return {false, posix::describe(EINVAL)};
    }
    ProfileFile file;
    posix::RefusedLink refused;
    const std::string target = posix::followLinks(path, &refused);
    if (!refused.link.empty())
        return {false, posix::describeRefusedLink(refused)};
    if (const int e = file.load(target))
        return {false, posix::describe(e)};
    for (const ProfileEntry& entry : entries)
        file.set(entry.section, entry.key, entry.value);
    if (const int e = file.save(path))
        return {false, posix::describe(e)};
    return {};
}

} // namespace quillbox
