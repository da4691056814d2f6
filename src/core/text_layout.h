// SPDX-License-Identifier: GPL-3.0-or-later
// Word-break layout of a text in a rectangle, as the printer's DrawText
// with word breaking does it. The device's text measurement is passed in,
// so the same rules hold on every device and in tests.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace quillbox {

/// Width in device pixels of a run of bytes in the current font. Must grow
/// (not strictly) as the run grows by characters at its end.
using MeasureText = std::function<int(std::string_view)>;

/// One line to draw: text.substr(start, length), its top `top` pixels
/// below the rectangle's top, at the rectangle's left edge.
struct LaidLine {
    std::size_t start = 0;
    std::size_t length = 0;
    int top = 0;

    friend bool operator==(const LaidLine&, const LaidLine&) = default;
};

/// Lays `text` out in a rectangle `width` by `height` pixels with lines
/// `lineHeight` apart:
/// - CR LF and LF CR are one line break each; a lone CR or LF is one.
/// - Within a line, breaks fall only at blanks (0x20), never at tabs or
///   hyphens: if the first character that does not fit is a blank the line
///   ends there, otherwise before the last blank that fits. One blank is
///   swallowed at each such break; further blanks begin the next line.
/// - A word wider than the rectangle is not broken: it stands alone on its
///   line, to be clipped at the right edge by the caller.
/// - Only lines whose top lies above the bottom edge are returned; the last
///   of them may cross the edge and is to be clipped there.
/// A height or line height of 0 or less gives no lines; a width of 0 or
/// less puts each word on a line of its own.
std::vector<LaidLine> layoutWordBreak(
    std::string_view text, int width, int height, int lineHeight, const MeasureText& measure);

} // namespace quillbox
