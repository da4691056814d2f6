// SPDX-License-Identifier: GPL-3.0-or-later
// Number parsing and rounding rules shared by the settings and printing.
#pragma once

#include <cstdint>
#include <string_view>

namespace quillbox {

/// A settings integer: "0x"/"0X" and hex digits when the value is longer
/// than two characters; otherwise leading blanks, an optional sign, and
/// decimal digits or "$" and hex digits. Hex digits are a 32-bit pattern
/// (up to FFFFFFFF, so "0xFFFFFFFF" is -1; a sign before "$" negates that
/// pattern); decimal values must lie in the int32 range. Anything else
/// ("0x" or "$" alone, "-0x10", an empty value, trailing junk or blanks, a
/// value beyond 32 bits) gives `fallback`.
std::int32_t parseSettingsInt(std::string_view value, std::int32_t fallback) noexcept;

/// The runtime library's Val as the label dialog uses it: skip leading
/// blanks, an optional sign and decimal digits, or "$" and hex digits; stop
/// at the first character that does not fit; no digits give 0. Decimal and
/// hex digits alike are a magnitude that saturates at the int32 limits
/// instead of overflowing.
std::int32_t valPrefix(std::string_view text) noexcept;

/// Round to nearest, exact halves to the even neighbour (std::nearbyint in
/// the default rounding mode). NaN gives 0; values beyond the int64 range
/// saturate.
std::int64_t roundHalfEven(double x) noexcept;

/// a * b / c with the intermediate in 64 bits, rounded half away from zero;
/// -1 when c is 0 or the result lies outside +-(2^31 - 1).
std::int32_t mulDiv(std::int32_t a, std::int32_t b, std::int32_t c) noexcept;

} // namespace quillbox
