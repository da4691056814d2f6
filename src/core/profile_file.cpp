#include "core/profile_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quillbox {

namespace {

bool isProfileSpace(char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

bool isLineEnd(char c) noexcept
{
    return c == '\r' || c == '\n';
}

std::string_view trim(std::string_view s) noexcept
{
    while (!s.empty() && isProfileSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isProfileSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

char asciiLower(char c) noexcept
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b) noexcept
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return asciiLower(x) == asciiLower(y);
    });
}

std::string systemReason(int error)
{
    return std::generic_category().message(error);
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
        // A UTF-8 byte order mark (as some editors save) would otherwise
        // hide the first section header.
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF")
            m_pos = 3;
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

/// Reads a whole regular file and its mode. Returns the error number on
/// failure (ENOENT when it does not exist, EISDIR for a directory).
int readWholeFile(const std::string& path, std::string& bytes, mode_t* mode = nullptr)
{
    // O_NONBLOCK keeps a FIFO in the settings file's place from hanging us.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    struct stat st { };
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    }
    if (mode)
        *mode = st.st_mode;
    bytes.clear();
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() + 4096); // the file grew meanwhile
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return error;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    ::close(fd);
    return 0;
}

int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return 0;
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

std::string updatedText(
    std::string_view text, std::string_view section, std::string_view key, std::string_view value)
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
        const std::size_t lineEnd = firstLineEndLength(text, end);
        out.append(text.substr(0, end + lineEnd));
        if (lineEnd == 0)
            out.append("\r\n");
        out.append(key).append("=").append(value).append("\r\n");
        out.append(text.substr(end + lineEnd));
    } else {
        out.append(text);
        if (!out.empty() && !isLineEnd(out.back()))
            out.append("\r\n");
        out.append("[").append(section).append("]\r\n");
        out.append(key).append("=").append(value).append("\r\n");
    }
    return out;
}

std::string directoryOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string fileNameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

/// The file a write must replace: a symbolic link's target, so the link
/// survives; otherwise the path itself.
std::string replacementTarget(const std::string& path)
{
    struct stat st { };
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            std::string target(resolved);
            std::free(resolved);
            return target;
        }
    }
    return path;
}

/// Replaces `target` with `bytes` through a temporary file beside it.
/// No fsync: the rename alone already guarantees that a crash of this
/// process leaves either the old or the new file, which is all settings
/// need; surviving a power cut is not worth a disk flush on every resize.
int replaceFile(const std::string& target, std::string_view bytes, std::optional<mode_t> keepMode)
{
    static std::atomic<unsigned> counter = 0;
    const std::string stem
        = directoryOf(target) + "/." + fileNameOf(target) + ".tmp-" + std::to_string(::getpid()) + "-";
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = stem + std::to_string(counter++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;
    int error = writeAll(fd, bytes);
    if (error == 0 && keepMode && ::fchmod(fd, *keepMode) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temp.c_str());
    return error;
}

} // namespace

std::string GetPrivateProfileString(
    std::string_view section, std::string_view key, std::string_view fallback, const std::string& path)
{
    section = trim(section);
    key = trim(key);
    std::string text;
    if (readWholeFile(path, text) == 0) {
        const std::string_view view(text);
        if (const KeyLocation where = locate(view, section, key); where.keyFound) {
            const Line line = where.keyLine;
            return cutToMax(unquote(parseLine(view.substr(line.begin, line.end - line.begin)).value));
        }
    }
    while (!fallback.empty() && fallback.back() == ' ')
        fallback.remove_suffix(1);
    return cutToMax(fallback);
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
        const std::string_view section = trim(entry.section);
        const std::string_view key = trim(entry.key);
        // Names that would break the line structure cannot be written safely.
        if (section.empty() || key.empty() || section.find_first_of("]\r\n") != std::string_view::npos
            || key.find_first_of("=\r\n") != std::string_view::npos || key.front() == ';'
            || key.front() == '[')
            return {false, systemReason(EINVAL)};
    }

    const std::string target = replacementTarget(path);
    std::string old;
    mode_t mode = 0;
    std::optional<mode_t> keepMode;
    const int readError = readWholeFile(target, old, &mode);
    if (readError == 0) {
        // Replacing by rename would succeed on a read-only file; honour the
        // file's own protection the way an in-place write would.
        if (::access(target.c_str(), W_OK) != 0)
            return {false, systemReason(errno)};
        keepMode = mode & 07777;
    } else if (readError != ENOENT) {
        return {false, systemReason(readError)};
    }

    std::string text = old;
    for (const ProfileEntry& entry : entries) {
        // A line break (or a NUL, where the C interface would stop) inside the
        // value would split the line and plant a stray key or section.
        const std::string_view value
            = entry.value.substr(0, entry.value.find_first_of(std::string_view("\r\n\0", 3)));
        text = updatedText(text, trim(entry.section), trim(entry.key), value);
    }
    if (readError == 0 && text == old)
        return {};
    if (const int error = replaceFile(target, text, keepMode); error != 0)
        return {false, systemReason(error)};
    return {};
}

} // namespace quillbox
