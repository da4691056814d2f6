// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screen_metrics.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>

namespace quillbox {
namespace {

struct FaceCase {
    const char* name;
    const char* face;
    int height;
    bool bold;
    const char* drawnBy;
};

/// Prints the case by its name in test listings.
void PrintTo(const FaceCase& c, std::ostream* os)
{
    *os << c.name;
}

class FontByHeight : public ::testing::TestWithParam<FaceCase> { };

// The program's names come back as the face that draws them, so that Qt
// never searches the installed fonts for a family the system lacks.
TEST_P(FontByHeight, AsksForTheFaceThatDrawsIt)
{
    const FaceCase& c = GetParam();
    const QFont font = fontByHeight(QString::fromLatin1(c.face), c.height, c.bold);
    // Qt hands substitutes back in lower case; families match regardless.
    EXPECT_EQ(font.family().compare(QLatin1String(c.drawnBy), Qt::CaseInsensitive), 0)
        << font.family().toStdString();
    EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(c.drawnBy));
    EXPECT_EQ(font.bold(), c.bold);
    EXPECT_TRUE(font.styleStrategy() & QFont::NoFontMerging);
    EXPECT_TRUE(font.styleStrategy() & QFont::PreferNoShaping);
    EXPECT_EQ(font.pixelSize(), -c.height);
}

const FaceCase faceCases[] = {
    {"System", "System", -13, false, "Liberation Sans"},
    {"MsSansSerif", "MS Sans Serif", -11, false, "Liberation Sans"},
    {"ArialBold", "Arial", -8, true, "Liberation Sans"},
    {"ArialNarrow", "Arial Narrow", -11, false, "Liberation Sans Narrow"},
    {"CourierNew", "Courier New", -16, false, "Liberation Mono"},
    {"TimesNewRoman", "Times New Roman", -16, false, "Liberation Serif"},
    {"InstalledFaceKeepsItsName", "Liberation Serif", -12, false, "Liberation Serif"},
};
INSTANTIATE_TEST_SUITE_P(Faces, FontByHeight, ::testing::ValuesIn(faceCases),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(FontByHeightCell, PositiveHeightPicksTheNearestCell)
{
    for (int cell : {12, 16, 20, 30}) {
        const QFont font = fontByHeight(QStringLiteral("Arial"), cell);
        EXPECT_LE(std::abs(QFontMetrics(font).height() - cell), 1) << cell;
    }
}

TEST(InstallFonts, PlainWidgetsDrawWithTheMainWindowsFont)
{
    // The test entry has called installFonts().
    const QFont font = QApplication::font();
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(font.pixelSize(), 13);
}

} // namespace
} // namespace quillbox
