// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry for every Qt test executable: one QApplication on the
// offscreen platform for the whole run.
#include "platform/screen_metrics.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quillbox::installFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
