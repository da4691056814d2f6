// UTF-8 checks and conversions for text that comes from other programs.
#pragma once

#include <string>
#include <string_view>

namespace quillbox::utf8 {

/// True when `bytes` is well-formed UTF-8 (no overlong forms, surrogates or
/// code points above U+10FFFF).
bool isValid(std::string_view bytes) noexcept;

/// Latin-1 (ISO-8859-1) bytes as UTF-8.
std::string fromLatin1(std::string_view bytes);

/// `bytes` as UTF-8: unchanged when they already are, else read as
/// Windows-1252, which is what other programs write when they do not say.
std::string fromUnknown(std::string_view bytes);

} // namespace quillbox::utf8
