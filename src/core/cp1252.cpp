// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cp1252.h"

#include "core/utf8.h"

#include <array>

namespace quillbox::cp1252 {

namespace {

// 0x80..0x9F; the rest of the code page equals Latin-1. The five unassigned
// bytes keep their own value as C1 controls so that no byte is lost.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

// Byte for `c`, or -1 when the code page has none.
int byteFor(char32_t c) noexcept
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == c)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace

char16_t toUnicode(unsigned char b) noexcept
{
    if (b >= 0x80 && b < 0xA0)
        return kHigh[b - 0x80];
    return static_cast<char16_t>(b);
}

unsigned char fromUnicode(char32_t c) noexcept
{
    const int b = byteFor(c);
    return b < 0 ? static_cast<unsigned char>('?') : static_cast<unsigned char>(b);
}

std::u16string toUtf16(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    for (const char ch : bytes)
        out += toUnicode(static_cast<unsigned char>(ch));
    return out;
}

std::string fromUtf16(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00
            && text[i + 1] <= 0xDFFF) {
            // One character outside the code page, one '?'.
            ++i;
            out += '?';
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            out += '?';
        } else {
            out += static_cast<char>(fromUnicode(c));
        }
    }
    return out;
}

std::string toUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes)
        utf8::append(out, toUnicode(static_cast<unsigned char>(ch)));
    return out;
}

std::string fromUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        // A malformed sequence counts once; the byte that stopped it starts
        // the next.
        const utf8::Decoded d = utf8::decode(text);
        out += d.valid ? static_cast<char>(fromUnicode(d.c)) : '?';
        text.remove_prefix(d.length);
    }
    return out;
}

std::string unknownToUtf8(std::string_view bytes)
{
    if (utf8::isValid(bytes))
        return std::string(bytes);
    return toUtf8(bytes);
}

} // namespace quillbox::cp1252
