// SPDX-License-Identifier: GPL-3.0-or-later
// Profile (INI) files with the read and write semantics of the
// private-profile functions the settings were designed around: a parsed
// file value, and the one-key functions as thin wrappers around it.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quillbox {

/// Longest value a read returns: the program reads with 1024-byte buffers.
inline constexpr std::size_t ProfileValueMax = 1023;

/// Value of `key` in `section` of the file at `path`, or `fallback` (its
/// trailing blanks removed) when the file, section or key is missing or the
/// file cannot be read.
/// Names match case-insensitively (ASCII) and blanks around them are
/// ignored. A line ends at CR, LF or any run of them; lines starting with
/// ';' are comments; a line without '=' is not a key. The value is trimmed
/// of tab, LF, VT, FF, CR, blank and 0x1A, loses one pair of surrounding
/// matching quotes (" or ') and is cut at ProfileValueMax bytes. `Key=`
/// reads as the empty string. The first of duplicate sections and keys wins.
/// Bytes are returned as they are in the file (Windows-1252).
std::string GetPrivateProfileString(
    std::string_view section, std::string_view key, std::string_view fallback, const std::string& path);

struct ProfileWrite {
    bool ok = true;
    /// The system's reason when ok is false.
    std::string error;
};

/// Sets `key` in `section` to `value`: replaces the first matching key's line
/// in place (keeping the key's spelling from the file), adds a new key after
/// the last entry of its section, or a new section at the end of the file
/// (`[Section]` CR LF `key=value` CR LF, no blank line before it). Every
/// other byte of the file is kept; new lines end in CR LF. A value is cut at
/// its first CR, LF or NUL so that it stays one line. Creates the file when
/// missing (its directory must exist). Writes through a temporary file in
/// the same directory and a rename, so the file is never left half-written;
/// keeps the file's permission bits and writes through a symbolic link to
/// its target. A write that changes nothing leaves the file untouched.
/// Fails (ok false, the system's reason in `error`) when the file or its
/// directory cannot be written, the path is a directory or the parent is
/// missing, or when a name would break the file's lines (an empty section or
/// key, ']' or a line break in the section, '=' or a line break in the key,
/// a key starting with ';' or '['); the file is then unchanged.
ProfileWrite WritePrivateProfileString(
    std::string_view section, std::string_view key, std::string_view value, const std::string& path);

/// A profile file's contents, read once and changed key by key, then
/// written back whole. Keeps every byte it was not asked to change.
///
/// Files with a byte-order mark are text in that encoding: UTF-16 (either
/// byte order) is read and written as UTF-16, UTF-8 as UTF-8; values cross
/// as Windows-1252 bytes either way (characters the code page lacks read as
/// '?'). Files without a mark are Windows-1252 bytes. New lines take the
/// line end the file already uses (its first one), CR LF in a file without.
class ProfileFile {
public:
    /// An empty file.
    ProfileFile() = default;
    /// The file held in `bytes`.
    explicit ProfileFile(std::string_view bytes);

    /// Reads the file at `path` (through symbolic links); a missing file
    /// reads as an empty one. 0, or the errno of a failed read (ENOENT is
    /// never returned; EISDIR for a directory, posix::ENOTREGULAR for
    /// anything else that is not a regular file). On failure the value is
    /// an empty file.
    int load(const std::string& path);

    /// As GetPrivateProfileString reads it.
    std::string get(std::string_view section, std::string_view key, std::string_view fallback) const;

    /// As WritePrivateProfileString changes it; false (and no change) for a
    /// name that would break the file's lines.
    bool set(std::string_view section, std::string_view key, std::string_view value);

    /// The file's bytes, in its own encoding.
    std::string bytes() const;

    /// Writes the value to `path` as WritePrivateProfileString does: through
    /// a link to its target, through a temporary file and a rename (or,
    /// where the directory refuses the temporary file but the file itself
    /// may be written, rewritten in place), keeping the file's permission
    /// bits; nothing at all when the bytes are those loaded. 0 or an errno.
    int save(const std::string& path) const;

private:
    enum class Encoding { Ansi, Utf8, Utf16LittleEndian, Utf16BigEndian };

    /// Names and values as the working text holds them.
    std::string toText(std::string_view ansi) const;
    std::string fromText(std::string_view text) const;

    Encoding m_encoding = Encoding::Ansi;
    /// The file's text: Windows-1252 bytes for an Ansi file, UTF-8 for the
    /// others (lone UTF-16 surrogates kept as their three-byte forms).
    std::string m_text;
    /// A UTF-16 file's odd last byte, kept for the write.
    std::string m_oddByte;
    std::string m_lineEnd = "\r\n";
    /// The bytes as loaded, so an unchanged file is not rewritten.
    std::string m_loaded;
    bool m_existed = false;
};

struct ProfileEntry {
    std::string_view section;
    std::string_view key;
    std::string_view value;
};

/// Several WritePrivateProfileString calls at the cost of one: the file is
/// read once, the entries are applied in order, and the result (the same
/// bytes as writing them one by one) replaces the file once. All or
/// nothing: on failure (or an invalid name in any entry) the file is
/// unchanged.
ProfileWrite WritePrivateProfileStrings(std::span<const ProfileEntry> entries, const std::string& path);

} // namespace quillbox
