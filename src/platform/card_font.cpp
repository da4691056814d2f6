// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/card_font.h"

#include "core/numbers.h"
#include "platform/dialogs.h"
#include "platform/screen_metrics.h"
#include "platform/text_codec.h"

#include <QApplication>
#include <QPalette>

namespace quillbox {

QFont qfontFromCardFont(const CardFont& f)
{
    QFont font = fontByHeight(toQString(f.name), f.height, f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeout);
    switch (f.pitch) {
    case FontPitch::Fixed:
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
        break;
    case FontPitch::Variable:
        font.setFixedPitch(false);
        break;
    case FontPitch::Default:
        break;
    }
    return font;
}

QColor cardFontColor(const CardFont& font)
{
    if (font.color & SystemColorFlag)
        return QApplication::palette().color(QPalette::WindowText);
    const auto v = static_cast<std::uint32_t>(font.color);
    return QColor(
        static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

int heightForSize(int points)
{
    return -mulDiv(points, screenPixelsPerInch(), 72);
}

CardFont cardFontFromChoice(const CardFont& current, const FontChoice& chosen)
{
    CardFont f = current;
    f.name = fromQString(chosen.font.family());
    int points = chosen.font.pointSize();
    if (points <= 0 && chosen.font.pixelSize() > 0)
        points = mulDiv(chosen.font.pixelSize(), 72, screenPixelsPerInch());
    if (points > 0)
        f.size = points;
    f.height = heightForSize(f.size);
    f.bold = chosen.font.bold();
    f.italic = chosen.font.italic();
    f.underline = chosen.font.underline();
    f.strikeout = chosen.font.strikeOut();
    const QColor& c = chosen.color;
    if (c.isValid() && c != cardFontColor(current)) {
        f.color = static_cast<std::int32_t>(static_cast<std::uint32_t>(c.red())
            | (static_cast<std::uint32_t>(c.green()) << 8) | (static_cast<std::uint32_t>(c.blue()) << 16));
    }
    return f;
}

} // namespace quillbox
