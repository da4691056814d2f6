// SPDX-License-Identifier: GPL-3.0-or-later
// The one UTF-8 codec: code points to bytes and back, and well-formedness.
// It knows no code page; cp1252 converts card texts through it.
#pragma once

#include <string>
#include <string_view>

namespace quillbox::utf8 {

/// The byte-order mark some programs put at the start of UTF-8 text.
inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

/// `text` without a leading byte-order mark.
inline std::string_view withoutByteOrderMark(std::string_view text) noexcept
{
    return text.starts_with(ByteOrderMark) ? text.substr(ByteOrderMark.size()) : text;
}

/// Appends code point `c` in UTF-8. A surrogate keeps its three-byte form,
/// so that a lone one read from a file can be written back unchanged.
void append(std::string& out, char32_t c);

/// One UTF-8 sequence read at the start of `bytes` (which must not be empty).
struct Decoded {
    char32_t c = 0;
    /// Bytes the sequence took. A malformed one takes its lead byte and the
    /// continuation bytes that fit, so the byte that stopped it starts the next.
    std::size_t length = 1;
    /// False for a stray or impossible lead byte, a truncated sequence, an
    /// overlong form, a surrogate, or a code point above U+10FFFF.
    bool valid = false;
};
Decoded decode(std::string_view bytes) noexcept;

/// True when `bytes` is well-formed UTF-8 (no overlong forms, surrogates or
/// code points above U+10FFFF).
bool isValid(std::string_view bytes) noexcept;

/// Latin-1 (ISO-8859-1) bytes as UTF-8.
std::string fromLatin1(std::string_view bytes);

} // namespace quillbox::utf8
