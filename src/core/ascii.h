// SPDX-License-Identifier: GPL-3.0-or-later
// Small rules for reading text formats, shared by every reader in the core:
// blanks at the ends, hex digits, ASCII case. Nothing here knows a code page.
#pragma once

#include <string>
#include <string_view>

namespace quillbox {

/// Blank and tab, the blanks of vCard, CSV and the card texts.
inline constexpr std::string_view Blanks = " \t";

/// `text` without any of the characters of `blanks` at either end.
std::string_view trimmed(std::string_view text, std::string_view blanks = Blanks) noexcept;

/// Value of hex digit `c` (0-9, a-f, A-F), or -1 for any other character.
int hexDigit(char c) noexcept;

/// 'A'..'Z' made 'a'..'z' (and the reverse); every other byte unchanged,
/// whatever the locale.
char asciiLower(char c) noexcept;
std::string asciiLower(std::string_view text);
std::string asciiUpper(std::string_view text);

/// True when `a` and `b` are equal with ASCII letters compared in either case.
bool equalsNoCase(std::string_view a, std::string_view b) noexcept;

} // namespace quillbox
