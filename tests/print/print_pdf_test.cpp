// The no-printer path end to end: with no printing system to reach, every
// print command writes a PDF into the start directory and says where; the
// text in those PDFs stands where the layout puts it.
#include "Main.h"
#include "PrintLab.h"
#include "platform/card_memo.h"
#include "platform/printer.h"
#include "print_check.h"
#include "ui_test_util.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace quillbox {
namespace {

using test::TestProgram;

class NoPrinter : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_printer = std::make_unique<QtPrinter>(QString::fromStdString(m_program.dir().str()));
        ASSERT_FALSE(m_printer->hasPrinters()) << "these tests need a printing system without printers";
        m_program.usePrinter(m_printer.get());
        m_program.startWith(
            {"Able Baker\r\n12 Elm St\r\n", "baker & sons\r\nMill Lane\r\n", "Charlie\r\n"}, 1);
        m_program.messages().clear();
    }
    TForm1& form() { return m_program.main(); }
    QString file(const char* name)
    {
        return QDir(QString::fromStdString(m_program.dir().str())).filePath(QString::fromUtf8(name));
    }
    /// The text of the last box, which must name `path`.
    void expectToldAbout(const QString& path)
    {
        ASSERT_FALSE(m_program.messages().asked.empty());
        const MessageRequest& box = m_program.messages().asked.back();
        EXPECT_EQ(box.icon, MsgIcon::Information);
        EXPECT_TRUE(box.text.contains(path)) << box.text.toStdString();
        EXPECT_TRUE(QFileInfo(path).size() > 0) << path.toStdString();
    }
    /// Points on the paper of a device pixel of the printable area.
    QPointF paperPoint(int x, int y)
    {
        const QPointF origin = m_printer->printer().pageLayout().paintRect(QPageLayout::Point).topLeft();
        const DeviceValues d = m_printer->values();
        return origin + QPointF(x * 72.0 / d.logPixelsX, y * 72.0 / d.logPixelsY);
    }
    void expectWordAt(const std::vector<test::PdfWord>& words, int page, const QString& text, QPointF at)
    {
        const test::PdfWord w = test::findWord(words, page, text);
        ASSERT_FALSE(w.box.isNull()) << "no word " << text.toStdString() << " on page " << page;
        // Left edges meet within a point and a half; a top within the
        // glyph's side bearing and the font's own ascent rounding.
        EXPECT_NEAR(w.box.left(), at.x(), 1.5) << text.toStdString();
        EXPECT_NEAR(w.box.top(), at.y(), 2.0) << text.toStdString();
    }

    TestProgram m_program;
    std::unique_ptr<QtPrinter> m_printer;
};

TEST_F(NoPrinter, EveryCommandLeavesAPdfNamedAfterItsJobAndSaysWhere)
{
    test::clickButton(form().SpeedButton9);
    expectToldAbout(file("Printing Able Baker.pdf"));
    const qint64 firstSize = QFileInfo(file("Printing Able Baker.pdf")).size();
    test::clickButton(form().SpeedButton9);
    expectToldAbout(file("Printing Able Baker (2).pdf"));
    EXPECT_EQ(QFileInfo(file("Printing Able Baker.pdf")).size(), firstSize);

    m_program.fakes().printDialogs.next = PrintChoice {};
    test::chooseMenuEntry(form().Print1);
    expectToldAbout(file("Quillbox Print.pdf"));

    test::chooseMenuEntry(form().PrintAddressBook1);
    expectToldAbout(file("Printing Address Book.pdf"));

    // The label dialog's jobs carry the last title.
    TForm3& labels = *m_program.app().form3();
    labels.prepare(LabelStock::Envelope, "Dora\r\n3 Oak Ave");
    labels.show();
    test::clickButton(labels.BitBtn3);
    expectToldAbout(file("Printing Address Book (2).pdf"));
    labels.reject();
    EXPECT_EQ(m_program.messages().asked.size(), 5u);
}

TEST_F(NoPrinter, CardPageTextStandsWhereTheLayoutPutsIt)
{
    test::chooseMenuEntry(form().PrintAddressBook1);
    const auto words = test::pdfWords(file("Printing Address Book.pdf"));
    const DeviceValues d = m_printer->values();
    ASSERT_EQ(d.logPixelsX, 300);
    ASSERT_EQ(d.logPixelsY, 300);
    const CardPageLayout layout = cardPageLayout(d, CardPageKind::AddressBook);
    expectWordAt(words, 1, QStringLiteral("A"), paperPoint(layout.columnRight, layout.topMargin));
    expectWordAt(words, 1, QStringLiteral("Page"), paperPoint(layout.leftMargin, layout.topMargin / 2));
    expectWordAt(words, 1, QStringLiteral("Able"), paperPoint(layout.leftMargin, layout.topMargin));
    expectWordAt(
        words, 1, QStringLiteral("12"), paperPoint(layout.leftMargin, layout.topMargin + layout.lineHeight));
    // Card 1 has two lines: its separator, then card 2 with its ampersand.
    expectWordAt(words, 1, QStringLiteral("baker"),
        paperPoint(layout.leftMargin, layout.topMargin + 3 * layout.lineHeight));
    EXPECT_FALSE(test::findWord(words, 1, QStringLiteral("&")).box.isNull())
        << "an ampersand prints as itself";
    const test::PdfWord address = test::findWord(words, 1, QStringLiteral("Address"));
    const test::PdfWord list = test::findWord(words, 1, QStringLiteral("List"));
    ASSERT_FALSE(address.box.isNull() || list.box.isNull());
    EXPECT_NEAR((address.box.left() + list.box.right()) / 2, paperPoint(d.horzRes / 2, 0).x(), 1.5);
    EXPECT_NEAR(address.box.top(), paperPoint(0, layout.topMargin / 2).y(), 2.0);
    EXPECT_EQ(test::pdfPageCount(file("Printing Address Book.pdf")), 1);
}

TEST_F(NoPrinter, LabelTextStandsInItsRectangle)
{
    TForm3& labels = *m_program.app().form3();
    labels.prepare(LabelStock::Envelope, "Dora Label\r\n3 Oak Ave");
    labels.show();
    labels.RadioButton2->click();
    labels.Edit1->setText(QStringLiteral("2"));
    labels.Edit2->setText(QStringLiteral("2"));
    test::clickButton(labels.BitBtn3);
    labels.reject();
    const auto words = test::pdfWords(file("Quillbox.pdf"));
    const PrintRect rect = labelRect(LabelStock::Labels1x263, m_printer->values(), 2, 2);
    expectWordAt(words, 1, QStringLiteral("Dora"), paperPoint(rect.left, rect.top));
    const test::PdfWord oak = test::findWord(words, 1, QStringLiteral("3"));
    ASSERT_FALSE(oak.box.isNull());
    EXPECT_GT(oak.box.top(), paperPoint(0, rect.top).y() + 5);
}

TEST_F(NoPrinter, AnUnwritableDirectoryIsReportedNotPrinted)
{
    // A directory below a plain file cannot exist, whoever runs the test.
    m_program.dir().write("plain", "x");
    QtPrinter blocked(QString::fromStdString(m_program.dir().str()) + QStringLiteral("/plain/sub"));
    m_program.app().services.printer = &blocked;
    test::clickButton(form().SpeedButton9);
    ASSERT_EQ(m_program.messages().asked.size(), 1u);
    EXPECT_EQ(m_program.messages().asked[0].icon, MsgIcon::Error);
    EXPECT_TRUE(m_program.messages().asked[0].text.contains(QStringLiteral("plain/sub")));
    m_program.app().services.printer = m_printer.get();
}

} // namespace
} // namespace quillbox
