// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screen_metrics.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quillbox {

QSize fullScreenClientArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return QSize(640, 480);
    return screen->availableGeometry().size();
}

void installFonts()
{
    const QString sans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("System"), sans);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    // Widgets without a font of their own (the menu bar, message boxes) draw
    // with the main window's face and size, which start-up loads anyway.
    QApplication::setFont(fontByHeight(QStringLiteral("System"), -13));
}

QFont fontByHeight(const QString& face, int height, bool bold)
{
    // Asked for by the face that draws it: a family the system lacks would
    // first cost a search of every installed font for a fallback.
    QFont font(QFont::substitute(face));
    font.setBold(bold);
    // Everything the program draws is Windows-1252, which every face it
    // names covers: skipping fallback merging spares a font-list query per
    // font at start, and plain Latin needs no shaping (the classic look has
    // no kerning either). Unhinted glyphs look the same at these sizes and
    // render in a third of the time, which shows at start.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping));
    font.setHintingPreference(QFont::PreferNoHinting);
    if (height < 0) {
        font.setPixelSize(-height);
        return font;
    }
    if (height == 0)
        return font;

    // A cell height: start from the pixel size the metrics scale suggests and
    // walk to the size whose cell is nearest, preferring the smaller on ties.
    font.setPixelSize(height);
    const int cell = QFontMetrics(font).height();
    int best = height;
    int bestDiff = std::abs(cell - height);
    if (cell > 0 && cell != height) {
        const int guess = std::max(1, static_cast<int>(std::lround(double(height) * height / cell)));
        for (int px = std::max(1, guess - 3); px <= guess + 3; ++px) {
            font.setPixelSize(px);
            const int diff = std::abs(QFontMetrics(font).height() - height);
            if (diff < bestDiff || (diff == bestDiff && px < best)) {
                best = px;
                bestDiff = diff;
            }
        }
    }
    font.setPixelSize(best);
    return font;
}

int screenPixelsPerInch()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return 96;
    const int dpi = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
    return dpi > 0 ? dpi : 96;
}

} // namespace quillbox
