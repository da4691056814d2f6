// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_codec.h"

#include <gtest/gtest.h>

using namespace quillbox;

TEST(TextCodec, AllBytesRoundTripThroughQString)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const QString text = toQString(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(fromQString(text), all);
}

// A path crosses into a QString and back with every byte, UTF-8 or not
// (a directory named in Latin-1 must stay usable).
TEST(TextCodec, PathsRoundTripByteForByte)
{
    for (const std::string& path : {std::string("/home/jos\xC3\xA9/cards"), std::string("/tmp/dir\xE9"),
             std::string("a\xFF\xFE\x80z"), std::string("\xE2\x82"), std::string("\xF0\x9F\x98\x80 ok")})
        EXPECT_EQ(pathBytes(pathText(path)), path) << path;
    EXPECT_EQ(pathText("/home/jos\xC3\xA9"), QString::fromUtf8("/home/jos\xC3\xA9"));
    EXPECT_EQ(pathBytes(QString::fromUtf8("/home/jos\xC3\xA9")), "/home/jos\xC3\xA9");
}

TEST(TextCodec, OutsideCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(fromQString(QString::fromUtf8("Z\xC3\xBCrich \xE4\xB8\xAD\xF0\x9F\x98\x80")), "Z\xFCrich ??");
    EXPECT_EQ(representableOnly(QString::fromUtf8("\xE2\x82\xAC \xF0\x9F\x98\x80")),
        QString::fromUtf8("\xE2\x82\xAC ?"));
}
