// SPDX-License-Identifier: GPL-3.0-or-later
// Tool pictures: one file per look, read the same way by every window.
#include "window_util.h"

#include <QDir>
#include <QIcon>
#include <gtest/gtest.h>

namespace quillbox {
namespace {

TEST(ToolPicture, EveryPictureIsSixteenSquareAndSoIsItsDisabledLook)
{
    const QStringList files
        = QDir(QStringLiteral(":/resources/pictures")).entryList({QStringLiteral("*.xpm")});
    ASSERT_GE(files.size(), 15);
    int withDisabledLook = 0;
    for (QString name : files) {
        if (name.endsWith(QStringLiteral("_disabled.xpm")))
            continue;
        name.chop(4);
        const ToolPicture picture = readToolPicture(name);
        EXPECT_EQ(picture.normal.size(), QSize(16, 16)) << name.toStdString();
        if (!picture.disabled.isNull()) {
            ++withDisabledLook;
            EXPECT_EQ(picture.disabled.size(), QSize(16, 16)) << name.toStdString();
            EXPECT_NE(picture.disabled, picture.normal) << name.toStdString();
        }
    }
    // All but the envelope have a look of their own when disabled.
    EXPECT_EQ(withDisabledLook, files.size() / 2);
}

TEST(ToolPicture, TheIconShowsTheDisabledLookOrNoneWhenMissing)
{
    const ToolPicture close = readToolPicture(QStringLiteral("list_close"));
    ASSERT_FALSE(close.disabled.isNull());
    const QIcon icon = toolIcon(close);
    EXPECT_EQ(icon.pixmap(16, 16, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32),
        close.disabled.convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
        close.normal.convertToFormat(QImage::Format_ARGB32));

    EXPECT_TRUE(readToolPicture(QStringLiteral("envelope")).disabled.isNull());
    EXPECT_TRUE(toolIcon(readToolPicture(QStringLiteral("no_such_picture"))).isNull());
}

} // namespace
} // namespace quillbox
