// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/utf8.h"

namespace quillbox::utf8 {

void append(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

Decoded decode(std::string_view bytes) noexcept
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80)
        return {lead, 1, true};
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
        return {lead, 1, false};
    }
    std::size_t j = 1;
    int got = 0;
    while (got < extra && j < bytes.size() && (static_cast<unsigned char>(bytes[j]) & 0xC0) == 0x80) {
        c = (c << 6) | (static_cast<unsigned char>(bytes[j]) & 0x3F);
        ++j;
        ++got;
    }
    const bool valid = got == extra && c >= min && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
    return {c, j, valid};
}

bool isValid(std::string_view bytes) noexcept
{
    while (!bytes.empty()) {
        const Decoded d = decode(bytes);
        if (!d.valid)
            return false;
        bytes.remove_prefix(d.length);
    }
    return true;
}

std::string fromLatin1(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

} // namespace quillbox::utf8
