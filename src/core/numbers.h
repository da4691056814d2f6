// Number parsing and rounding rules shared by the settings and printing.
#pragma once

#include <cstdint>
#include <string_view>

namespace quillbox {

/// A settings integer: "0x"/"0X" and hex digits when the value is longer
/// than two characters; otherwise decimal with an optional sign, or "$" and
/// hex digits. Anything else (including an empty value, trailing junk or a
/// value outside 32 bits) gives `fallback`.
std::int32_t parseSettingsInt(std::string_view value, std::int32_t fallback) noexcept;

/// The runtime library's Val as the label dialog uses it: skip leading
/// blanks, an optional sign and decimal digits, or "$" and hex digits; stop
/// at the first character that does not fit; no digits give 0. Saturates
/// instead of overflowing.
std::int32_t valPrefix(std::string_view text) noexcept;

/// Round to nearest, exact halves to the even neighbour.
std::int64_t roundHalfEven(double x) noexcept;

/// a * b / c with the intermediate in 64 bits, rounded half away from zero;
/// -1 when c is 0.
std::int32_t mulDiv(std::int32_t a, std::int32_t b, std::int32_t c) noexcept;

}  // namespace quillbox
