#include "platform/screen_metrics.h"

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

void installFontSubstitutions()
{
    const QString sans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("System"), sans);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

QFont fontByHeight(const QString& face, int height, bool bold)
{
    // The family keeps the program's own name; substitution finds the face.
    QFont font(face);
    font.setBold(bold);
    // Everything the program draws is Windows-1252, which every face it
    // names covers; skipping fallback merging spares a font-list query per
    // font at start.
    font.setStyleStrategy(QFont::NoFontMerging);
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
