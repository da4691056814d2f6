#include "Aboutbox.h"
#include "platform/help_window.h"
#include "ui_test_util.h"

#include <QApplication>
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
    test::TestProgram m_program;
};

TEST_F(AboutBox, ShowsTheProgramsNameAndIcon)
{
    EXPECT_EQ(box().ProductName->text(), QStringLiteral("Quillbox 2.0"));
    EXPECT_TRUE(box().ProductName->font().bold());
    EXPECT_EQ(box().Comments->text(), QStringLiteral("for Windows"));
    EXPECT_GT(box().Comments->y(), box().ProductName->y());
    EXPECT_FALSE(box().ProgramIcon->pixmap().isNull());
    EXPECT_EQ(box().OKButton->text(), QStringLiteral("&OK"));
    EXPECT_EQ(box().minimumSize(), box().maximumSize());
}

TEST_F(AboutBox, OkClosesTheModalBox)
{
    QTimer::singleShot(0, [this] {
        ASSERT_EQ(QApplication::activeModalWidget(), &box());
        test::clickButton(box().OKButton);
    });
    EXPECT_EQ(box().exec(), QDialog::Accepted);
    EXPECT_FALSE(box().isVisible());
}

TEST_F(AboutBox, F1OpensHelpContextSix)
{
    QObject* filter = installContextHelp(m_program.fakes().help);
    box().show();
    QTest::keyClick(box().OKButton, Qt::Key_F1);
    QTest::keyClick(&box(), Qt::Key_F1);
    delete filter;
    box().hide();
    EXPECT_EQ(m_program.fakes().help.contexts, (std::vector<int> {6, 6}));
}

} // namespace
} // namespace quillbox
