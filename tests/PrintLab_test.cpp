// SPDX-License-Identifier: GPL-3.0-or-later
#include "Main.h"
#include "PrintLab.h"
#include "platform/card_memo.h"
#include "ui_test_util.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace quillbox {
namespace {

using test::TestProgram;

class LabelDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_program.startWith({"Able\r\n", "Baker Street Irregulars\r\n221B Baker St\r\nLondon\r\n"}, 2);
        m_program.messages().clear();
    }
    TForm1& form() { return m_program.main(); }
    TForm3& dialog() { return *m_program.windows().form3(); }
    test::RecordingDevice& printer() { return m_program.fakes().printer; }
    /// Opens the dialog as the commands do, but modeless so the test can act.
    void open(LabelStock stock, const std::string& text)
    {
        dialog().prepare(stock, text);
        dialog().show();
        QApplication::processEvents();
    }
    void print() { test::clickButton(test::child<QPushButton>(dialog(), "BitBtn3")); }
    /// The last job's steps.
    std::vector<std::string> lastJob()
    {
        std::vector<std::string> out;
        for (const PrintOp& op : printer().jobs.back().pages.at(0))
            out.push_back(test::describe(op));
        return out;
    }
    /// Runs a command that shows the dialog modally; the dialog is closed as
    /// soon as it is up, and `whileOpen` sees it first.
    void runCommand(QAction* action, std::function<void()> whileOpen = {})
    {
        QTimer::singleShot(0, [&] {
            if (whileOpen)
                whileOpen();
            dialog().reject();
        });
        test::chooseMenuEntry(action);
    }

    TestProgram m_program;
};

TEST_F(LabelDialog, ControlsStandWhereDesigned)
{
    TForm3& d = dialog();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Print Label or Envelope"));
    EXPECT_EQ(d.size(), QSize(427, 233));
    const struct {
        QWidget* widget;
        QRect geometry;
    } rows[] {
        {test::child<CardMemo>(d, "Memo1"), {8, 16, 217, 169}},
        {test::child<QGroupBox>(d, "GroupBox1"), {232, 8, 193, 105}},
        {test::child<QGroupBox>(d, "GroupBox2"), {232, 120, 193, 65}},
        {test::child<QLineEdit>(d, "Edit1"), {48, 20, 33, 21}},
        {test::child<QLineEdit>(d, "Edit2"), {136, 20, 33, 21}},
        {test::child<QScrollBar>(d, "ScrollBar1"), {43, 45, 41, 13}},
        {test::child<QScrollBar>(d, "ScrollBar2"), {132, 45, 41, 13}},
        {test::child<QPushButton>(d, "BitBtn1"), {44, 200, 75, 25}},
        {test::child<QPushButton>(d, "BitBtn2"), {132, 200, 75, 25}},
        {test::child<QPushButton>(d, "BitBtn3"), {220, 200, 75, 25}},
        {test::child<QPushButton>(d, "BitBtn4"), {308, 200, 75, 25}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.widget->geometry(), row.geometry) << row.widget->objectName().toStdString();
        EXPECT_FALSE(row.widget->accessibleName().isEmpty()) << row.widget->objectName().toStdString();
    }
    EXPECT_EQ(test::child<QRadioButton>(d, "RadioButton1")->pos(), QPoint(16, 24));
    EXPECT_EQ(test::child<QCheckBox>(d, "CheckBox1")->pos(), QPoint(88, 24));
    EXPECT_EQ(test::child<QRadioButton>(d, "RadioButton2")->pos(), QPoint(16, 48));
    EXPECT_EQ(test::child<QRadioButton>(d, "RadioButton3")->pos(), QPoint(16, 72));
    EXPECT_EQ(
        test::child<QRadioButton>(d, "RadioButton2")->text(), QStringLiteral("1\" x 2.63\" (Avery 5260)"));
    EXPECT_EQ(
        test::child<QRadioButton>(d, "RadioButton3")->text(), QStringLiteral("1.33\" x 4\" (Avery 5262)"));
    for (QPushButton* button :
        {test::child<QPushButton>(d, "BitBtn1"), test::child<QPushButton>(d, "BitBtn2"),
            test::child<QPushButton>(d, "BitBtn3"), test::child<QPushButton>(d, "BitBtn4")})
        EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
    EXPECT_FALSE(test::child<QRadioButton>(d, "RadioButton1")->isChecked()
        || test::child<QRadioButton>(d, "RadioButton2")->isChecked()
        || test::child<QRadioButton>(d, "RadioButton3")->isChecked());
    EXPECT_EQ(test::child<QLineEdit>(d, "Edit1")->text(), QStringLiteral("1"));
    EXPECT_EQ(test::child<QScrollBar>(d, "ScrollBar1")->minimum(), 0);
    EXPECT_EQ(test::child<QScrollBar>(d, "ScrollBar1")->maximum(), 100);
    EXPECT_EQ(test::child<QScrollBar>(d, "ScrollBar1")->value(), 0);
}

TEST_F(LabelDialog, CommandsChooseTheStockAndTheText)
{
    test::child<CardMemo>(form(), "Memo1")->setSelection(0, 5);
    runCommand(test::child<QAction>(form(), "PrintLabel1"), [&] {
        EXPECT_TRUE(dialog().isVisible());
        EXPECT_TRUE(test::child<QRadioButton>(dialog(), "RadioButton3")->isChecked());
        EXPECT_EQ(test::child<CardMemo>(dialog(), "Memo1")->text(), "Baker");
    });
    test::child<CardMemo>(form(), "Memo1")->setSelection(0, 0);
    runCommand(test::child<QAction>(form(), "PrintEnvelope1"), [&] {
        EXPECT_TRUE(test::child<QRadioButton>(dialog(), "RadioButton1")->isChecked());
        EXPECT_EQ(test::child<CardMemo>(dialog(), "Memo1")->text(),
            "Baker Street Irregulars\r\n221B Baker St\r\nLondon\r\n");
    });
    runCommand(test::child<QAction>(form(), "PrintaLabel1"), [&] {
        EXPECT_TRUE(test::child<QRadioButton>(dialog(), "RadioButton3")->isChecked());
        EXPECT_EQ(test::child<CardMemo>(dialog(), "Memo1")->text(), "");
    });
    runCommand(test::child<QAction>(form(), "PrintanEnvelope1"), [&] {
        EXPECT_TRUE(test::child<QRadioButton>(dialog(), "RadioButton1")->isChecked());
        EXPECT_EQ(test::child<CardMemo>(dialog(), "Memo1")->text(), "");
        EXPECT_EQ(dialog().printFont().family(), QStringLiteral("Arial"));
        EXPECT_EQ(dialog().printFont().pointSize(), 14);
    });
}

TEST_F(LabelDialog, EnvelopeButtonRefusesWhileANewCardIsEntered)
{
    test::chooseMenuEntry(test::child<QAction>(form(), "Add1"));
    m_program.messages().clear();
    test::clickButton(test::child<QToolButton>(form(), "SpeedButton10"));
    EXPECT_EQ(m_program.messages().asked.size(), 1u);
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(LabelDialog, StockChoicesSetRangesPositionsBoxesAndSizes)
{
    open(LabelStock::Envelope, "x");
    test::child<QLineEdit>(dialog(), "Edit1")->setText(QStringLiteral("7"));
    test::child<QRadioButton>(dialog(), "RadioButton2")->click();
    EXPECT_EQ(test::child<QScrollBar>(dialog(), "ScrollBar1")->minimum(), 1);
    EXPECT_EQ(test::child<QScrollBar>(dialog(), "ScrollBar1")->maximum(), 10);
    EXPECT_EQ(test::child<QScrollBar>(dialog(), "ScrollBar2")->maximum(), 3);
    // The position moved from 0 to 1 and rewrote the box typed into.
    EXPECT_EQ(test::child<QLineEdit>(dialog(), "Edit1")->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog().printFont().pointSize(), 10);

    test::child<QScrollBar>(dialog(), "ScrollBar1")->setValue(5);
    test::child<QScrollBar>(dialog(), "ScrollBar2")->setValue(3);
    EXPECT_EQ(test::child<QLineEdit>(dialog(), "Edit1")->text(), QStringLiteral("5"));
    EXPECT_EQ(test::child<QLineEdit>(dialog(), "Edit2")->text(), QStringLiteral("3"));

    test::child<QRadioButton>(dialog(), "RadioButton3")->click();
    EXPECT_EQ(test::child<QScrollBar>(dialog(), "ScrollBar1")->maximum(), 7);
    EXPECT_EQ(test::child<QScrollBar>(dialog(), "ScrollBar2")->maximum(), 2);
    EXPECT_EQ(test::child<QLineEdit>(dialog(), "Edit1")->text(), QStringLiteral("1"));
    EXPECT_EQ(test::child<QLineEdit>(dialog(), "Edit2")->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog().printFont().pointSize(), 14);

    // Re-opening with the stock still chosen keeps the row.
    test::child<QScrollBar>(dialog(), "ScrollBar1")->setValue(4);
    dialog().reject();
    open(LabelStock::Labels133x4, "x");
    EXPECT_EQ(test::child<QLineEdit>(dialog(), "Edit1")->text(), QStringLiteral("4"));
    dialog().reject();
}

TEST_F(LabelDialog, EnvelopeWithReturnAddressToThePixel)
{
    m_program.app().ReturnAddressLines = {"Ann Smith", "", "1 Elm St", "Springfield"};
    printer().setTitle("Printing Able");
    open(LabelStock::Envelope, "Bob Jones\r\n2 Oak Ave");
    test::child<QCheckBox>(dialog(), "CheckBox1")->setChecked(true);
    print();
    ASSERT_EQ(printer().jobs.size(), 1u);
    EXPECT_EQ(printer().jobs[0].title, "Printing Able");
    EXPECT_EQ(lastJob(),
        (std::vector<std::string> {"font Arial 10pt",
            "draw 75,75,1200,1575: Ann Smith\n\r\n\r1 Elm St\n\rSpringfield", "font Arial 14pt",
            "draw 1200,1575,2400,3150: Bob Jones\r\n2 Oak Ave"}));
    EXPECT_TRUE(dialog().isVisible());

    test::child<QCheckBox>(dialog(), "CheckBox1")->setChecked(false);
    print();
    ASSERT_EQ(printer().jobs.size(), 2u);
    EXPECT_EQ(lastJob(),
        (std::vector<std::string> {"font Arial 14pt", "draw 1200,1575,2400,3150: Bob Jones\r\n2 Oak Ave"}));
    dialog().reject();
}

struct LabelCase {
    const char* name;
    LabelStock stock;
    DeviceValues device;
    const char* row;
    const char* column;
    const char* drawn; // empty: refused
    int helpContext;
};

void PrintTo(const LabelCase& c, std::ostream* os)
{
    *os << c.name;
}

class LabelPrinting : public LabelDialog, public ::testing::WithParamInterface<LabelCase> { };

TEST_P(LabelPrinting, PrintsAtTheLabelOrWarns)
{
    const LabelCase& c = GetParam();
    printer().device = c.device;
    // Opened on the envelope, the stock picked in the dialog as a user does.
    open(LabelStock::Envelope, "Text");
    (c.stock == LabelStock::Labels1x263 ? test::child<QRadioButton>(dialog(), "RadioButton2")
                                        : test::child<QRadioButton>(dialog(), "RadioButton3"))
        ->click();
    test::child<QLineEdit>(dialog(), "Edit1")->setText(QString::fromLatin1(c.row));
    test::child<QLineEdit>(dialog(), "Edit2")->setText(QString::fromLatin1(c.column));
    print();
    if (*c.drawn) {
        ASSERT_EQ(printer().jobs.size(), 1u);
        EXPECT_EQ(lastJob().at(1), c.drawn);
        EXPECT_EQ(
            lastJob().at(0), c.stock == LabelStock::Labels1x263 ? "font Arial 10pt" : "font Arial 14pt");
        EXPECT_TRUE(m_program.messages().asked.empty());
    } else {
        EXPECT_TRUE(printer().log.empty());
        ASSERT_EQ(m_program.messages().asked.size(), 1u);
        EXPECT_EQ(
            m_program.messages().asked[0].text, QStringLiteral("Illegal row and/or column selections."));
        EXPECT_EQ(m_program.messages().asked[0].title, QStringLiteral("Warning"));
        EXPECT_EQ(m_program.messages().asked[0].helpContext, c.helpContext);
    }
    EXPECT_TRUE(dialog().isVisible());
    dialog().reject();
}

constexpr DeviceValues Device300 {2400, 3150, 300, 300};
constexpr DeviceValues Device400 {3200, 4200, 400, 400};
constexpr LabelStock Small = LabelStock::Labels1x263;
constexpr LabelStock Large = LabelStock::Labels133x4;

INSTANTIATE_TEST_SUITE_P(Cases, LabelPrinting,
    ::testing::Values(LabelCase {"Small_R1C1", Small, Device300, "1", "1", "draw 45,135,795,405: Text", 0},
        LabelCase {"Small_R5C2", Small, Device300, "5", "2", "draw 894,1335,1644,1605: Text", 0},
        LabelCase {"Small_R10C3", Small, Device300, "10", "3", "draw 1743,2835,2493,3105: Text", 0},
        LabelCase {"Large_R1C1", Large, Device400, "1", "1", "draw 25,310,1545,770: Text", 0},
        LabelCase {"Large_R4C1", Large, Device400, "4", "1", "draw 25,1906,1545,2366: Text", 0},
        LabelCase {"Large_R7C2", Large, Device400, "7", "2", "draw 1725,3502,3245,3962: Text", 0},
        LabelCase {"RowThirdReadsThree", Small, Device300, "3rd", "1", "draw 45,735,795,1005: Text", 0},
        LabelCase {"LeadingBlank", Small, Device300, " 2", "1", "draw 45,435,795,705: Text", 0},
        LabelCase {"HexRowSmall", Small, Device300, "$A", "1", "draw 45,2835,795,3105: Text", 0},
        LabelCase {"HexRowLarge", Large, Device400, "$A", "1", "", 0},
        LabelCase {"RowZeroSmall", Small, Device300, "0", "1", "", 19},
        LabelCase {"RowElevenSmall", Small, Device300, "11", "1", "", 19},
        LabelCase {"ColumnFourSmall", Small, Device300, "1", "4", "", 19},
        LabelCase {"EmptyRowSmall", Small, Device300, "", "1", "", 19},
        LabelCase {"NoDigitsSmall", Small, Device300, "x", "1", "", 19},
        LabelCase {"RowEightLarge", Large, Device400, "8", "1", "", 0},
        LabelCase {"ColumnThreeLarge", Large, Device400, "1", "3", "", 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(LabelDialog, PrintTextIsTheSelectionOrTheFirst499Characters)
{
    open(LabelStock::Envelope, "Bob Jones\r\n2 Oak Ave");
    test::child<CardMemo>(dialog(), "Memo1")->setSelection(4, 5);
    print();
    EXPECT_EQ(printer().texts(0, 0).back(), "Jones");
    EXPECT_EQ(test::child<CardMemo>(dialog(), "Memo1")->selStart(), 4);
    EXPECT_EQ(test::child<CardMemo>(dialog(), "Memo1")->selLength(), 5);

    const std::string long600(600, 'x');
    test::child<CardMemo>(dialog(), "Memo1")->setText(long600);
    test::child<CardMemo>(dialog(), "Memo1")->setSelection(100, 0);
    print();
    EXPECT_EQ(printer().texts(1, 0).back(), std::string(499, 'x'));
    EXPECT_EQ(test::child<CardMemo>(dialog(), "Memo1")->selStart(), 0);
    EXPECT_EQ(test::child<CardMemo>(dialog(), "Memo1")->selLength(), 0);

    // A selection beyond the buffer's size is printed whole.
    test::child<CardMemo>(dialog(), "Memo1")->setSelection(0, 600);
    print();
    EXPECT_EQ(printer().texts(2, 0).back(), long600);
    dialog().reject();
}

TEST_F(LabelDialog, LongReturnAddressIsPrintedWhole)
{
    const std::string line(200, 'r');
    m_program.app().ReturnAddressLines = {line, line, line, line};
    open(LabelStock::Envelope, "To");
    test::child<QCheckBox>(dialog(), "CheckBox1")->setChecked(true);
    print();
    EXPECT_EQ(printer().texts(0, 0).front().size(), 4 * 200 + 6u);
    dialog().reject();
}

TEST_F(LabelDialog, FontReachesThePrinterByFaceAndSizeOnly)
{
    open(LabelStock::Envelope, "To");
    QFont chosen(QStringLiteral("Courier New"));
    chosen.setPointSize(20);
    chosen.setBold(true);
    m_program.fakes().fonts.next = FontChoice {chosen, QColor(Qt::black)};
    const int shownSize = test::child<CardMemo>(dialog(), "Memo1")->font().pixelSize();
    test::clickButton(test::child<QPushButton>(dialog(), "BitBtn1"));
    EXPECT_TRUE(test::child<CardMemo>(dialog(), "Memo1")->font().bold());
    EXPECT_EQ(test::child<CardMemo>(dialog(), "Memo1")->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(test::child<CardMemo>(dialog(), "Memo1")->font().pixelSize(), shownSize);
    print();
    EXPECT_EQ(lastJob().front(), "font Courier New 20pt");

    // The next opening resets the print font, not the box's look.
    dialog().reject();
    open(LabelStock::Envelope, "To");
    EXPECT_EQ(dialog().printFont().pointSize(), 14);
    EXPECT_FALSE(dialog().printFont().bold());
    EXPECT_TRUE(test::child<CardMemo>(dialog(), "Memo1")->font().bold());
    dialog().reject();
}

TEST_F(LabelDialog, SetupAndCancelButtons)
{
    open(LabelStock::Envelope, "To");
    test::clickButton(test::child<QPushButton>(dialog(), "BitBtn2"));
    EXPECT_EQ(m_program.fakes().printDialogs.setups, 1);
    EXPECT_TRUE(dialog().isVisible());
    test::clickButton(test::child<QPushButton>(dialog(), "BitBtn4"));
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(LabelDialog, EmptyTextStillSendsAJob)
{
    open(LabelStock::Labels133x4, "");
    print();
    ASSERT_EQ(printer().jobs.size(), 1u);
    EXPECT_TRUE(printer().jobs[0].ended);
    dialog().reject();
}

} // namespace
} // namespace quillbox
