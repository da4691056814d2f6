// Profile (INI) files, one key at a time, with the read and write semantics
// of the private-profile functions the settings were designed around.
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
