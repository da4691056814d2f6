// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbers.h"

#include "core/ascii.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace quillbox {

namespace {

/// Hex digits as a 32-bit pattern: the whole of `digits` must be hex and
/// fit in 32 bits.
bool parseHex32(std::string_view digits, std::uint32_t& out) noexcept
{
    if (digits.empty())
        return false;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int d = hexDigit(c);
        if (d < 0)
            return false;
        value = value * 16 + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFu)
            return false;
    }
    out = static_cast<std::uint32_t>(value);
    return true;
}

/// Moves `i` past leading blanks and one optional sign; returns whether the
/// sign was a minus.
bool skipBlanksAndSign(std::string_view text, std::size_t& i) noexcept
{
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        return text[i++] == '-';
    return false;
}

std::int32_t fromPattern(std::uint32_t bits) noexcept
{
    return static_cast<std::int32_t>(bits);
}

} // namespace

std::int32_t parseSettingsInt(std::string_view value, std::int32_t fallback) noexcept
{
    std::uint32_t bits = 0;
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X'))
        return parseHex32(value.substr(2), bits) ? fromPattern(bits) : fallback;

    std::size_t i = 0;
    const bool negative = skipBlanksAndSign(value, i);
    if (i < value.size() && value[i] == '$') {
        if (!parseHex32(value.substr(i + 1), bits))
            return fallback;
        // A hex value is a 32-bit pattern; its sign flips it as a 32-bit value.
        return fromPattern(negative ? 0u - bits : bits);
    }
    if (i == value.size())
        return fallback;
    std::int64_t magnitude = 0;
    for (; i < value.size(); ++i) {
        if (value[i] < '0' || value[i] > '9')
            return fallback;
        magnitude = magnitude * 10 + (value[i] - '0');
        if (magnitude > std::int64_t {1} << 31)
            return fallback;
    }
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<std::int32_t>::max())
        return fallback;
    return static_cast<std::int32_t>(result);
}

std::int32_t valPrefix(std::string_view text) noexcept
{
    constexpr std::int64_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t MinMagnitude = Max + 1;

    std::size_t i = 0;
    const bool negative = skipBlanksAndSign(text, i);
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    }
    // Magnitudes only grow; stopping the count just past the int32 range
    // keeps the arithmetic in bounds and saturates the result.
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int d = hexDigit(text[i]);
        if (d < 0 || d >= base)
            break;
        magnitude = std::min<std::int64_t>(magnitude * base + d, MinMagnitude);
    }
    if (negative)
        return static_cast<std::int32_t>(-magnitude);
    return static_cast<std::int32_t>(std::min(magnitude, Max));
}

std::int64_t roundHalfEven(double x) noexcept
{
    if (std::isnan(x))
        return 0;
    // Beyond 2^63 the conversion would be undefined; such inputs saturate.
    constexpr double Limit = 9223372036854775808.0;
    if (x >= Limit)
        return std::numeric_limits<std::int64_t>::max();
    if (x < -Limit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::nearbyint(x));
}

std::int32_t mulDiv(std::int32_t a, std::int32_t b, std::int32_t c) noexcept
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t {a} * b;
    const bool negative = (product < 0) != (c < 0);
    // |a*b| is at most 2^62 and |c| at most 2^31, so the sum stays well inside 64 bits.
    const std::uint64_t num
        = product < 0 ? 0u - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
    const std::uint64_t den = c < 0 ? 0u - static_cast<std::uint64_t>(static_cast<std::int64_t>(c))
                                    : static_cast<std::uint64_t>(c);
    const std::uint64_t quotient = (num + den / 2) / den;
    // Like the platform's MulDiv, a result outside +-(2^31 - 1) is an overflow.
    if (quotient > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
        return -1;
    const auto q = static_cast<std::int32_t>(quotient);
    return negative ? -q : q;
}

} // namespace quillbox
