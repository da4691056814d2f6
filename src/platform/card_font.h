// SPDX-License-Identifier: GPL-3.0-or-later
// The card box's font between the settings' CardFont and Qt.
#pragma once

#include "core/settings.h"

#include <QColor>
#include <QFont>

namespace quillbox {

struct FontChoice;

/// The QFont that draws `font`: its face by character height, its style
/// and pitch.
QFont qfontFromCardFont(const CardFont& font);
/// The text colour `font.color` stands for; a system colour is the palette's
/// window-text colour.
QColor cardFontColor(const CardFont& font);
/// Pixel height of a point size on this screen, as the classic font height
/// (negative: character height without internal leading).
int heightForSize(int points);
/// `current` changed to what the font dialog chose: face, size (from the
/// pixel size when the choice has no point size), height and style; the
/// colour only when another was chosen, so that a system colour keeps
/// following the theme.
CardFont cardFontFromChoice(const CardFont& current, const FontChoice& chosen);

} // namespace quillbox
