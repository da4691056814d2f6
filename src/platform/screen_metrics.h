// SPDX-License-Identifier: GPL-3.0-or-later
// Screen metrics and the fonts the program names.
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

namespace quillbox {

/// Width and height of the client area of a full-screen window: the
/// primary screen's available geometry.
QSize fullScreenClientArea();

/// Maps the face names the program uses ("System", "MS Sans Serif",
/// "Arial", "Arial Narrow", "Courier New", "Times New Roman") to their
/// metric-compatible Liberation faces, and makes the main window's font the
/// application's. Call once after QApplication exists.
void installFonts();

/// A font by face and classic pixel height: negative is the character
/// height without internal leading, positive the cell height. The font's
/// family is the face that draws `face` (see installFonts), so callers
/// that must remember the program's own name keep it themselves.
QFont fontByHeight(const QString& face, int height, bool bold = false);

/// Dots per inch of the primary screen (96 when there is none).
int screenPixelsPerInch();

} // namespace quillbox
