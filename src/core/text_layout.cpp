// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_layout.h"

namespace quillbox {

namespace {

bool isBreak(char c) noexcept
{
    return c == '\r' || c == '\n';
}

/// Length of the line break at `i` (0 when there is none): CR LF and LF CR
/// pair up, a repeated CR or LF does not.
std::size_t breakLength(std::string_view text, std::size_t i) noexcept
{
    if (i >= text.size() || !isBreak(text[i]))
        return 0;
    if (i + 1 < text.size() && isBreak(text[i + 1]) && text[i + 1] != text[i])
        return 2;
    return 1;
}

/// Number of leading characters of `run` that fit in `width`. Widths grow
/// with the run, so a binary search over prefixes needs few measurements.
std::size_t fittingPrefix(std::string_view run, int width, const MeasureText& measure)
{
    if (measure(run) <= width)
        return run.size();
    std::size_t low = 0; // fits
    std::size_t high = run.size(); // does not fit
    while (high - low > 1) {
        const std::size_t mid = low + (high - low) / 2;
        if (measure(run.substr(0, mid)) <= width)
            low = mid;
        else
            high = mid;
    }
    return low;
}

} // namespace

std::vector<LaidLine> layoutWordBreak(
    std::string_view text, int width, int height, int lineHeight, const MeasureText& measure)
{
    std::vector<LaidLine> lines;
    if (height <= 0 || lineHeight <= 0)
        return lines;

    int top = 0;
    auto add = [&](std::size_t start, std::size_t length) {
        lines.push_back({start, length, top});
        top += lineHeight;
        return top < height;
    };

    std::size_t p = 0;
    while (true) {
        // The paragraph runs from p to the next line break.
        std::size_t end = p;
        while (end < text.size() && !isBreak(text[end]))
            ++end;

        do {
            const std::string_view rest = text.substr(p, end - p);
            const std::size_t fit = fittingPrefix(rest, width, measure);
            std::size_t lineEnd;
            std::size_t next;
            if (fit == rest.size()) {
                lineEnd = end;
                next = end;
            } else if (rest[fit] == ' ') {
                lineEnd = p + fit;
                next = lineEnd + 1;
            } else if (const std::size_t blank = rest.rfind(' ', fit); blank != std::string_view::npos) {
                lineEnd = p + blank;
                next = lineEnd + 1;
            } else {
                // A word wider than the rectangle stands alone, unbroken.
                const std::size_t wordEnd = rest.find(' ');
                lineEnd = wordEnd == std::string_view::npos ? end : p + wordEnd;
                next = lineEnd == end ? end : lineEnd + 1;
            }
            if (!add(p, lineEnd - p))
                return lines;
            p = next;
        } while (p < end);

        if (end == text.size())
            return lines;
        p = end + breakLength(text, end);
        // A break at the very end still leaves no further line to draw.
        if (p == text.size())
            return lines;
    }
}

} // namespace quillbox
