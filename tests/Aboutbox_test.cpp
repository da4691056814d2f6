// SPDX-License-Identifier: GPL-3.0-or-later
#include "Aboutbox.h"
#include "platform/help_window.h"
#include "ui_test_util.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace quillbox {
namespace {

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_program.writeCards({"Able\r\n"});
        m_program.startAndShow();
    }
    TAboutBox1& box() { return *m_program.windows().aboutBox1(); }
    QLabel* label(const char* name) { return test::child<QLabel>(box(), name); }
    QPushButton* okButton() { return test::child<QPushButton>(box(), "OKButton"); }
    test::TestProgram m_program;
};

TEST_F(AboutBox, ShowsTheProgramsNameAndIcon)
{
    EXPECT_EQ(label("ProductName")->text(), QStringLiteral("Quillbox 2.0"));
    EXPECT_TRUE(label("ProductName")->font().bold());
    EXPECT_EQ(label("Comments")->text(), QStringLiteral("for Windows"));
    EXPECT_GT(label("Comments")->y(), label("ProductName")->y());
    EXPECT_EQ(okButton()->text(), QStringLiteral("&OK"));
    EXPECT_EQ(box().minimumSize(), box().maximumSize());
}

// Regression: the box looked for its icon under a name the resources do not
// have and always showed a picture drawn in its stead.
TEST_F(AboutBox, ShowsTheMainWindowsIcon)
{
    const QImage shown
        = label("ProgramIcon")->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_FALSE(shown.isNull());
    // The 32 pixel picture, or the vector drawing at that size where Qt
    // renders it instead (premultiplied, as a pixmap holds it).
    const QImage picture = QImage(QStringLiteral(":/resources/pictures/quillbox_32.png"));
    ASSERT_FALSE(picture.isNull());
    const QImage drawing = QIcon(QStringLiteral(":/resources/quillbox.svg")).pixmap(32, 32).toImage();
    EXPECT_TRUE(shown == picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        || (!drawing.isNull() && shown == drawing.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
}

TEST_F(AboutBox, OkClosesTheModalBox)
{
    QTimer::singleShot(0, [this] {
        ASSERT_EQ(QApplication::activeModalWidget(), &box());
        test::clickButton(okButton());
    });
    EXPECT_EQ(box().exec(), QDialog::Accepted);
    EXPECT_FALSE(box().isVisible());
}

TEST_F(AboutBox, F1OpensHelpContextSix)
{
    QObject* filter = installContextHelp(m_program.fakes().help);
    box().show();
    QTest::keyClick(okButton(), Qt::Key_F1);
    QTest::keyClick(&box(), Qt::Key_F1);
    delete filter;
    box().hide();
    EXPECT_EQ(m_program.fakes().help.contexts, (std::vector<int> {6, 6}));
}

} // namespace
} // namespace quillbox
