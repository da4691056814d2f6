// Profile (INI) files, one key at a time, with the read and write semantics
// of the private-profile functions the settings were designed around.
#pragma once

#include <string>
#include <string_view>

namespace quillbox {

/// Longest value a read returns: the program reads with 1024-byte buffers.
inline constexpr std::size_t ProfileValueMax = 1023;

/// Value of `key` in `section` of the file at `path`, or `fallback` (its
/// trailing blanks removed) when the file, section or key is missing.
/// Names match case-insensitively, blanks around keys and values are
/// dropped, one pair of surrounding quotes is removed, the first of
/// duplicate sections and keys wins, the value is cut at ProfileValueMax.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view fallback, const std::string& path);

struct ProfileWrite {
    bool ok = true;
    /// The system's reason when ok is false.
    std::string error;
};

/// Sets `key` in `section` to `value`: replaces the first matching key in
/// place, adds a new key after the last entry of its section, or a new
/// section at the end of the file; every other line is kept; line ends are
/// CR LF. Creates the file when missing. Writes through a temporary file
/// and a rename, so the file is never left half-written.
ProfileWrite WritePrivateProfileString(std::string_view section, std::string_view key,
                                       std::string_view value, const std::string& path);

}  // namespace quillbox
