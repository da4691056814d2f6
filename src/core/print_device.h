// SPDX-License-Identifier: GPL-3.0-or-later
// The printer as the printing commands see it: one device for the life of
// the program, drawing in device pixels of the printable area (origin at
// its top-left corner). Texts are Windows-1252 bytes.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillbox {

struct PrintRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const PrintRect&, const PrintRect&) = default;
};

/// A drawing font: face and either a size in points (the pixel height then
/// follows the device's vertical dots per inch) or, when `points` is 0, a
/// character cell height in pixels, internal leading included. The style
/// is always regular.
struct PrintFont {
    std::string face;
    int points = 0;
    int cellHeight = 0;

    static PrintFont ofPoints(std::string face, int points) { return {std::move(face), points, 0}; }
    static PrintFont ofCell(std::string face, int pixels) { return {std::move(face), 0, pixels}; }
    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

/// Horizontal alignment of textOut; y is always the top of the text.
enum class TextAlign { Left, Center };

/// Device values, read once a job has begun.
struct DeviceValues {
    int horzRes = 0; ///< printable width in pixels
    int vertRes = 0; ///< printable height in pixels
    int logPixelsX = 0; ///< dots per inch across
    int logPixelsY = 0; ///< dots per inch down

    friend bool operator==(const DeviceValues&, const DeviceValues&) = default;
};

class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    /// The title of later jobs; it stays until set again (empty at first).
    virtual void setTitle(std::string title) = 0;
    virtual const std::string& title() const = 0;

    /// Begins a job on its first page. False when the printing system
    /// refused it; lastError() then says why and nothing else is done.
    virtual bool beginDoc() = 0;
    /// Ends the current page and begins the next.
    virtual void newPage() = 0;
    /// Ends the job. False when it could not be completed (lastError()).
    virtual bool endDoc() = 0;
    /// The system's reason for the last failure, as the user should read
    /// it, without a final full stop.
    virtual std::string lastError() const = 0;
    /// The file the last ended job was written to when no printer is
    /// installed (a path in the platform's encoding); empty when it went to
    /// a printer.
    virtual std::string outputFile() const = 0;
    /// What the user should know about the last job that ended well, as a
    /// sentence without its final full stop ("... waits in the queue"), or
    /// an empty string when there is nothing to tell.
    virtual std::string jobNote() const { return {}; }

    /// Valid between beginDoc() and endDoc().
    virtual DeviceValues values() const = 0;

    virtual void setFont(const PrintFont& font) = 0;
    virtual void setAlign(TextAlign align) = 0;
    /// One line of text with its top at y, at x as the alignment says.
    virtual void textOut(int x, int y, std::string_view text) = 0;
    /// A text laid out by layoutWordBreak() in `rect`, clipped to it, its
    /// lines one cell height of the current font apart (the cell asked for,
    /// or for a size in points the face's ascent plus descent at that size,
    /// rounded once). Every character draws as it stands: no accelerator
    /// marks, no tab stops.
    virtual void drawText(const PrintRect& rect, std::string_view text) = 0;
};

/// One drawing step of a page, kept so that a page can be output again for
/// uncollated copies.
struct PrintOp {
    enum class Kind { Font, Align, TextOut, DrawText };
    Kind kind = Kind::TextOut;
    PrintFont font;
    TextAlign align = TextAlign::Left;
    PrintRect rect; ///< DrawText's rectangle; TextOut's point is (left, top)
    std::string text;

    friend bool operator==(const PrintOp&, const PrintOp&) = default;
};

using PageOps = std::vector<PrintOp>;

/// Draws the steps on `device`, in order.
void play(PrintDevice& device, const PageOps& page);

} // namespace quillbox
