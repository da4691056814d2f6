// SPDX-License-Identifier: GPL-3.0-or-later
// The no-printer path end to end: with no printing system to reach, every
// print command writes a PDF into the start directory and says where; the
// text in those PDFs stands where the layout puts it.
#include "Main.h"
#include "PrintLab.h"
#include "core/posix_file.h"
#include "platform/card_memo.h"
#include "platform/print_dialogs.h"
#include "platform/print_preview.h"
#include "platform/printer.h"
#include "print_check.h"
#include "support/modal.h"
#include "ui_test_util.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <cerrno>
#include <filesystem>
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
        m_program.startWith(cards(), 1);
        m_program.messages().clear();
    }
    virtual std::vector<std::string> cards() const
    {
        return {"Able Baker\r\n12 Elm St\r\n", "baker & sons\r\nMill Lane\r\n", "Charlie\r\n"};
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

TEST_F(NoPrinter, PrintDialogNamesTheDirectoryThePdfsGoTo)
{
    PrintDialog dialog(*m_printer, 3, PrintChoice {});
    const auto* printers = test::child<QComboBox>(dialog, "printerBox");
    ASSERT_NE(printers, nullptr);
    EXPECT_FALSE(printers->isEnabled());
    EXPECT_EQ(printers->currentText(),
        QStringLiteral("No printer installed: PDF files in %1")
            .arg(QDir::toNativeSeparators(QString::fromStdString(m_program.dir().str()))));
}

TEST_F(NoPrinter, EveryCommandLeavesAPdfNamedAfterItsJobAndSaysWhere)
{
    test::clickButton(test::child<QToolButton>(form(), "SpeedButton9"));
    expectToldAbout(file("Printing Able Baker.pdf"));
    const qint64 firstSize = QFileInfo(file("Printing Able Baker.pdf")).size();
    test::clickButton(test::child<QToolButton>(form(), "SpeedButton9"));
    expectToldAbout(file("Printing Able Baker (2).pdf"));
    EXPECT_EQ(QFileInfo(file("Printing Able Baker.pdf")).size(), firstSize);

    m_program.fakes().printDialogs.next = PrintChoice {};
    test::chooseMenuEntry(test::child<QAction>(form(), "Print1"));
    expectToldAbout(file("Quillbox Print.pdf"));

    test::chooseMenuEntry(test::child<QAction>(form(), "PrintAddressBook1"));
    expectToldAbout(file("Printing Address Book.pdf"));

    // The label dialog's jobs carry the last title.
    TForm3& labels = *m_program.windows().form3();
    labels.prepare(LabelStock::Envelope, "Dora\r\n3 Oak Ave");
    labels.show();
    test::clickButton(test::child<QPushButton>(labels, "BitBtn3"));
    expectToldAbout(file("Printing Address Book (2).pdf"));
    labels.reject();
    EXPECT_EQ(m_program.messages().asked.size(), 5u);
}

TEST_F(NoPrinter, CardPageTextStandsWhereTheLayoutPutsIt)
{
    test::chooseMenuEntry(test::child<QAction>(form(), "PrintAddressBook1"));
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
    TForm3& labels = *m_program.windows().form3();
    labels.prepare(LabelStock::Envelope, "Dora Label\r\n3 Oak Ave");
    labels.show();
    test::child<QRadioButton>(labels, "RadioButton2")->click();
    test::child<QLineEdit>(labels, "Edit1")->setText(QStringLiteral("2"));
    test::child<QLineEdit>(labels, "Edit2")->setText(QStringLiteral("2"));
    test::clickButton(test::child<QPushButton>(labels, "BitBtn3"));
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
    test::clickButton(test::child<QToolButton>(form(), "SpeedButton9"));
    ASSERT_EQ(m_program.messages().asked.size(), 1u);
    EXPECT_EQ(m_program.messages().asked[0].icon, MsgIcon::Error);
    EXPECT_TRUE(m_program.messages().asked[0].text.contains(QStringLiteral("plain/sub")));
    m_program.app().services.printer = m_printer.get();
}

TEST_F(NoPrinter, ADanglingLinkAtTheNextNameIsPassedOver)
{
    const std::filesystem::path link = m_program.dir().file("Printing Able Baker.pdf");
    std::filesystem::create_symlink(m_program.dir().file("nowhere.pdf"), link);
    test::clickButton(test::child<QToolButton>(form(), "SpeedButton9"));
    expectToldAbout(file("Printing Able Baker (2).pdf"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_FALSE(m_program.dir().exists("nowhere.pdf")) << "nothing is written through the link";
}

/// Ten-line cards, twelve of them (three pages of the address book), and
/// one of sixty lines. Each line is a word and its number, then a group of
/// descenders and parentheses that a clipped line bottom would cut.
class TallCards : public NoPrinter {
protected:
    std::vector<std::string> cards() const override
    {
        std::vector<std::string> out;
        for (char initial = 'A'; initial < 'A' + 12; ++initial) {
            std::string card;
            for (int line = 1; line <= 10; ++line)
                card += std::string(2, initial) + std::to_string(line) + " (gjpqy)\r\n";
            out.push_back(card);
        }
        std::string sixty;
        for (int line = 1; line < 60; ++line)
            sixty += "z\r\n";
        out.push_back(sixty + "End");
        return out;
    }
    /// The top of a word, in points, from the paper's top.
    double top(const std::vector<test::PdfWord>& words, int page, const char* text)
    {
        const test::PdfWord w = test::findWord(words, page, QString::fromLatin1(text));
        EXPECT_FALSE(w.box.isNull()) << "no word " << text << " on page " << page;
        return w.box.top();
    }
};

// Arial's cell (ascent plus descent) is 2288/2048 of its em: at 300 dpi a
// 10-point em of 42 pixels has a cell of 47, a 14-point em of 58 one of 65.
TEST_F(TallCards, LinesStepByTheFontsCellOnPaper)
{
    TForm3& labels = *m_program.windows().form3();
    const auto label = [&](LabelStock stock) {
        return [&labels, stock] {
            labels.prepare(LabelStock::Envelope, "AA1\r\nAA2\r\nAA3\r\nAA4");
            labels.show();
            (stock == LabelStock::Envelope             ? test::child<QRadioButton>(labels, "RadioButton1")
                    : stock == LabelStock::Labels1x263 ? test::child<QRadioButton>(labels, "RadioButton2")
                                                       : test::child<QRadioButton>(labels, "RadioButton3"))
                ->click();
            test::clickButton(test::child<QPushButton>(labels, "BitBtn3"));
            labels.reject();
        };
    };
    struct Case {
        const char* name;
        std::function<void()> print;
        const char* pdf;
        const char* last; ///< the line whose top is `lines` steps below AA1's
        int lines;
        double stepPoints;
    };
    const Case cases[] = {
        {"address book, six lines to the inch",
            [&] { test::chooseMenuEntry(test::child<QAction>(form(), "PrintAddressBook1")); },
            "Printing Address Book.pdf", "AA10", 9, 12.0},
        {"Print Card, five lines to the inch",
            [&] { test::clickButton(test::child<QToolButton>(form(), "SpeedButton9")); },
            "Printing AA1 (gjpqy).pdf", "AA10", 9, 14.4},
        {"envelope at 14 points", label(LabelStock::Envelope), "Printing AA1 (gjpqy) (2).pdf", "AA4", 3,
            65 * 72.0 / 300},
        {"1 x 2.63 inch label at 10 points", label(LabelStock::Labels1x263), "Printing AA1 (gjpqy) (3).pdf",
            "AA4", 3, 47 * 72.0 / 300},
        {"1.33 x 4 inch label at 14 points", label(LabelStock::Labels133x4), "Printing AA1 (gjpqy) (4).pdf",
            "AA4", 3, 65 * 72.0 / 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.print();
        const auto words = test::pdfWords(file(c.pdf));
        EXPECT_NEAR(top(words, 1, c.last) - top(words, 1, "AA1"), c.lines * c.stepPoints, 0.5);
    }
}

TEST_F(TallCards, TheLastLineOfACardIsWholeAndItsSeparatorOneSlotBelow)
{
    test::chooseMenuEntry(test::child<QAction>(form(), "PrintAddressBook1"));
    const QString pdf = file("Printing Address Book.pdf");
    const auto words = test::pdfWords(pdf);
    EXPECT_NEAR(top(words, 1, "----------") - top(words, 1, "AA10"), 12.0, 0.5);
    // The sixty-line card starts page 4 and keeps its sixtieth line.
    EXPECT_EQ(test::pdfPageCount(pdf), 4);
    EXPECT_NEAR(top(words, 4, "End") - top(words, 4, "z"), 59 * 12.0, 0.5);

    // Descenders of a card's last line are not cut at its rectangle's
    // bottom: it inks as tall as the card's first line.
    const test::GreyPage page = test::renderPage(pdf, 1, 300);
    const CardPageLayout layout = cardPageLayout(m_printer->values(), CardPageKind::AddressBook);
    const auto lineInk = [&](int slot) {
        const QPointF top = paperPoint(layout.leftMargin, layout.topMargin + slot * layout.lineHeight) / 72.0;
        const QPointF bottom
            = paperPoint(layout.columnRight, layout.topMargin + (slot + 1) * layout.lineHeight + 4) / 72.0;
        // From 3 pixels below the slot's top, below the line above's lowest
        // descender and above this line's tallest glyph.
        return page.inkBox(QRectF(top + QPointF(-0.02, 3.0 / 300), bottom));
    };
    const QRectF first = lineInk(0);
    const QRectF tenth = lineInk(9);
    ASSERT_FALSE(first.isNull() || tenth.isNull());
    EXPECT_NEAR(tenth.height(), first.height(), 1.5 / 300);
    EXPECT_NEAR(tenth.top() - first.top(), 9 * layout.lineHeight / 300.0, 1.5 / 300);
}

TEST_F(TallCards, PreviewShowsThePagesThePdfGetsAndPrintsThemFromThere)
{
    // The measures a preview lays pages out by are those of the PDF job.
    const DeviceValues before = m_printer->values();
    ASSERT_TRUE(m_printer->beginDoc());
    EXPECT_EQ(m_printer->values(), before);
    ASSERT_TRUE(m_printer->endDoc());
    QFile::remove(QString::fromStdString(m_printer->outputFile()));

    test::chooseMenuEntry(form().findChild<QAction*>(QStringLiteral("PrintAddressBook1")));
    const auto direct = test::pdfWords(file("Printing Address Book.pdf"));
    ASSERT_TRUE(QFile::remove(file("Printing Address Book.pdf")));
    m_program.messages().clear();

    // Ticked in the real Print Setup, and kept there.
    QtPrinterDialogs dialogs(*m_printer);
    m_program.app().services.printDialogs = &dialogs;
    test::onNextModal([](QWidget* modal) {
        auto* setup = qobject_cast<PrinterSetupDialog*>(modal);
        ASSERT_NE(setup, nullptr);
        setup->findChild<QCheckBox*>(QStringLiteral("previewBox"))->setChecked(true);
        setup->accept();
    });
    test::chooseMenuEntry(form().findChild<QAction*>(QStringLiteral("PrintSetup1")));
    ASSERT_TRUE(dialogs.previewBeforePrinting());
    test::onNextModal([](QWidget* modal) {
        EXPECT_TRUE(modal->findChild<QCheckBox*>(QStringLiteral("previewBox"))->isChecked());
        qobject_cast<QDialog*>(modal)->reject();
    });
    test::chooseMenuEntry(form().findChild<QAction*>(QStringLiteral("PrintSetup1")));
    ASSERT_TRUE(dialogs.previewBeforePrinting());

    // Closed: nothing printed, nothing said.
    test::onNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    test::chooseMenuEntry(form().findChild<QAction*>(QStringLiteral("PrintAddressBook1")));
    EXPECT_FALSE(QFileInfo::exists(file("Printing Address Book.pdf")));
    EXPECT_TRUE(m_program.messages().asked.empty());

    // Paged through, zoomed, printed from the preview.
    int pages = 0;
    test::onNextModal([&pages](QWidget* modal) {
        auto* preview = qobject_cast<PrintPreview*>(modal);
        ASSERT_NE(preview, nullptr);
        pages = preview->pageCount();
        preview->findChild<QPushButton*>(QStringLiteral("nextButton"))->click();
        EXPECT_EQ(preview->currentPage(), 2);
        preview->findChild<QPushButton*>(QStringLiteral("lastButton"))->click();
        EXPECT_EQ(preview->currentPage(), pages);
        const double fitted = preview->zoom();
        preview->findChild<QPushButton*>(QStringLiteral("zoomInButton"))->click();
        EXPECT_GT(preview->zoom(), fitted);
        preview->printButton()->click();
    });
    test::chooseMenuEntry(form().findChild<QAction*>(QStringLiteral("PrintAddressBook1")));
    m_program.app().services.printDialogs = &m_program.fakes().printDialogs;
    const QString pdf = file("Printing Address Book.pdf");
    expectToldAbout(pdf);
    EXPECT_EQ(pages, 4);
    EXPECT_EQ(test::pdfPageCount(pdf), pages);
    const auto previewed = test::pdfWords(pdf);
    ASSERT_EQ(previewed.size(), direct.size());
    for (std::size_t i = 0; i < direct.size(); ++i) {
        EXPECT_EQ(previewed[i].page, direct[i].page);
        EXPECT_EQ(previewed[i].text, direct[i].text);
        EXPECT_EQ(previewed[i].box, direct[i].box) << direct[i].text.toStdString();
    }
}

/// Names in the start directory that are neither the card file nor a link
/// the test made: PDFs and temporaries alike.
std::vector<std::string> leftovers(const test::TempDir& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        if (name.find(".pdf") != std::string::npos)
            names.push_back(name);
    }
    return names;
}

TEST_F(TallCards, AFailedWriteIsReportedWithItsReasonAndLeavesNoFile)
{
    struct Case {
        const char* name;
        posix::Operation op;
        int error;
        bool addressBook; ///< the multi-page job, else Print Card
    };
    const Case cases[] = {
        {"disk full while writing a card", posix::Operation::Write, ENOSPC, false},
        {"sync fails for the address book", posix::Operation::Sync, EIO, true},
        {"the rename into place fails", posix::Operation::Rename, EACCES, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_program.messages().clear();
        posix::setFaultInjector(
            [&c](posix::Operation op, const std::string&) { return op == c.op ? c.error : 0; });
        if (c.addressBook)
            test::chooseMenuEntry(test::child<QAction>(form(), "PrintAddressBook1"));
        else
            test::clickButton(test::child<QToolButton>(form(), "SpeedButton9"));
        posix::setFaultInjector({});
        ASSERT_EQ(m_program.messages().asked.size(), 1u);
        const MessageRequest& box = m_program.messages().asked[0];
        EXPECT_EQ(box.icon, MsgIcon::Error);
        EXPECT_TRUE(box.text.contains(QString::fromStdString(posix::describe(c.error))))
            << box.text.toStdString();
        EXPECT_TRUE(leftovers(m_program.dir()).empty());
    }
}

} // namespace
} // namespace quillbox
