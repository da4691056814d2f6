#include "core/cp1252.h"

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

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
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
        appendUtf8(out, toUnicode(static_cast<unsigned char>(ch)));
    return out;
}

std::string fromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        int extra = 0;
        char32_t c = 0;
        char32_t min = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            c = lead & 0x1F;
            min = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            c = lead & 0x0F;
            min = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            c = lead & 0x07;
            min = 0x10000;
        } else {
            // A stray continuation byte or an impossible lead: one bad sequence.
            out += '?';
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        int got = 0;
        while (got < extra && j < utf8.size() && (static_cast<unsigned char>(utf8[j]) & 0xC0) == 0x80) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[j]) & 0x3F);
            ++j;
            ++got;
        }
        if (got < extra || c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            // A truncated, overlong or out-of-range sequence counts once; the
            // byte that stopped it starts the next sequence.
            out += '?';
        } else {
            out += static_cast<char>(fromUnicode(c));
        }
        i = j;
    }
    return out;
}

} // namespace quillbox::cp1252
