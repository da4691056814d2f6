// Windows-1252, the code page of card texts, settings values and printed
// text. The only place where bytes and Unicode meet.
#pragma once

#include <string>
#include <string_view>

namespace quillbox::cp1252 {

/// Unicode code point of byte `b`. The five bytes the code page leaves
/// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the
/// same value, so all 256 bytes round-trip.
char16_t toUnicode(unsigned char b) noexcept;

/// Byte for code point `c`, or '?' when the code page has none.
unsigned char fromUnicode(char32_t c) noexcept;

/// Whole-string conversions. fromUtf16 turns a surrogate pair into one '?'
/// (one character outside the code page), and a lone surrogate into '?'.
std::u16string toUtf16(std::string_view bytes);
std::string fromUtf16(std::u16string_view text);

/// UTF-8 conversions, for settings files saved as UTF-8.
std::string toUtf8(std::string_view bytes);
std::string fromUtf8(std::string_view utf8);

} // namespace quillbox::cp1252
