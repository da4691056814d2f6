// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252, the code page of card texts, settings values and printed
// text, and its conversions to Unicode: to UTF-16 (for the windows, through
// platform/text_codec) and to UTF-8 (for files of other programs, through the
// utf8 codec). Paths are not card texts: they cross in platform/text_codec.
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

/// `bytes` as UTF-8: unchanged when they already are well-formed UTF-8, else
/// read as Windows-1252, which is what other programs write when they do
/// not say.
std::string unknownToUtf8(std::string_view bytes);

} // namespace quillbox::cp1252
