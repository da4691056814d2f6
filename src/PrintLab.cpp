// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintLab.h"

#include "app_context.h"
#include "core/numbers.h"
#include "platform/card_memo.h"
#include "platform/dialogs.h"
#include "platform/help_topic.h"
#include "platform/message_box.h"
#include "platform/screen_metrics.h"
#include "platform/text_codec.h"
#include "printing/card_printing.h"
#include "window_util.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace quillbox {

namespace {

template<typename Widget>
Widget* place(Widget* widget, const char* name, const QRect& geometry, const QString& accessibleName)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    widget->setAccessibleName(accessibleName);
    return widget;
}

QScrollBar* makeScrollBar(
    QWidget* parent, const char* name, const QRect& geometry, const QString& accessibleName)
{
    auto* bar = place(new QScrollBar(Qt::Horizontal, parent), name, geometry, accessibleName);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

LabelStock chosenStock(const QRadioButton* envelope, const QRadioButton* small)
{
    if (envelope->isChecked())
        return LabelStock::Envelope;
    return small->isChecked() ? LabelStock::Labels1x263 : LabelStock::Labels133x4;
}

} // namespace

TForm3::TForm3(AppContext& app, QWidget* parent)
    : QDialog(parent)
    , m_app(app)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Print Label or Envelope"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setHelpTopic(*this, HelpLabels);
    setModal(true);
    setFixedSize(427, 233);
    // The dialog font its controls were placed for; the application's font
    // (the main window's, a size larger) cuts their captions.
    setFont(fontByHeight(QStringLiteral("MS Sans Serif"), -11));
    createControls();
    m_printFont = QFont(QStringLiteral("Arial"));
    m_printFont.setPointSize(14);
}

void TForm3::createControls()
{
    Memo1 = place(new CardMemo(this), "Memo1", QRect(8, 16, 217, 169), tr("Text to print"));
    Memo1->setFont(fontByHeight(QStringLiteral("Arial"), -12));
    QPalette black = Memo1->palette();
    black.setColor(QPalette::Text, Qt::black);
    Memo1->setPalette(black);
    Memo1->setLineWrapMode(QTextEdit::WidgetWidth);
    Memo1->setMaxLength(0);
    Memo1->setHelpContext(HelpLabels);

    GroupBox1 = place(new QGroupBox(tr("Label or Envelope"), this), "GroupBox1", QRect(232, 8, 193, 105),
        tr("Label or Envelope"));
    RadioButton1 = place(
        new QRadioButton(tr("Envelope"), GroupBox1), "RadioButton1", QRect(16, 24, 70, 17), tr("Envelope"));
    CheckBox1 = place(new QCheckBox(tr("Return Address"), GroupBox1), "CheckBox1", QRect(88, 24, 100, 17),
        tr("Return Address"));
    // Read as shown; what a stock is goes in the description.
    RadioButton2 = place(new QRadioButton(tr("1\" x 2.63\" (Avery 5260)"), GroupBox1), "RadioButton2",
        QRect(16, 48, 170, 17), tr("1\" x 2.63\" (Avery 5260)"));
    RadioButton2->setAccessibleDescription(tr("1 by 2.63 inch labels, Avery 5260"));
    RadioButton3 = place(new QRadioButton(tr("1.33\" x 4\" (Avery 5262)"), GroupBox1), "RadioButton3",
        QRect(16, 72, 170, 17), tr("1.33\" x 4\" (Avery 5262)"));
    RadioButton3->setAccessibleDescription(tr("1.33 by 4 inch labels, Avery 5262"));

    GroupBox2 = place(new QGroupBox(tr("Label"), this), "GroupBox2", QRect(232, 120, 193, 65), tr("Label"));
    Label1 = place(new QLabel(tr("Row"), GroupBox2), "Label1", QRect(16, 24, 30, 13), tr("Row"));
    Edit1 = place(
        new QLineEdit(QStringLiteral("1"), GroupBox2), "Edit1", QRect(48, 20, 33, 21), QStringLiteral("Row"));
    ScrollBar1 = makeScrollBar(GroupBox2, "ScrollBar1", QRect(43, 45, 41, 13), tr("Row scroll bar"));
    Label2 = place(new QLabel(tr("Column"), GroupBox2), "Label2", QRect(96, 24, 38, 13), tr("Column"));
    Edit2
        = place(new QLineEdit(QStringLiteral("1"), GroupBox2), "Edit2", QRect(136, 20, 33, 21), tr("Column"));
    ScrollBar2 = makeScrollBar(GroupBox2, "ScrollBar2", QRect(132, 45, 41, 13), tr("Column scroll bar"));
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);

    const struct {
        QPushButton*& button;
        const char* name;
        const char* caption;
        const char* picture;
        const char* accessibleName;
        int left;
        void (TForm3::*handler)();
    } buttons[] {
        {BitBtn1, "BitBtn1", QT_TR_NOOP("&Font"), "labels_font", QT_TR_NOOP("Font"), 44,
            &TForm3::BitBtn1Click},
        {BitBtn2, "BitBtn2", QT_TR_NOOP("&Setup"), "labels_setup", QT_TR_NOOP("Setup"), 132,
            &TForm3::BitBtn2Click},
        {BitBtn3, "BitBtn3", QT_TR_NOOP("&Print"), "labels_print", QT_TR_NOOP("Print"), 220,
            &TForm3::BitBtn3Click},
        {BitBtn4, "BitBtn4", QT_TR_NOOP("&Cancel"), "labels_cancel", QT_TR_NOOP("Cancel"), 308,
            &TForm3::BitBtn4Click},
    };
    for (const auto& b : buttons) {
        b.button
            = place(new QPushButton(toolIcon(readToolPicture(QLatin1String(b.picture))), tr(b.caption), this),
                b.name, QRect(b.left, 200, 75, 25), tr(b.accessibleName));
        b.button->setAutoDefault(false);
        connect(b.button, &QPushButton::clicked, this, b.handler);
    }

    // A choice's handler runs when it is turned on, by a click or by a
    // command; turning on a choice already on runs nothing.
    const std::pair<QRadioButton*, void (TForm3::*)()> choices[] {
        {RadioButton1, &TForm3::RadioButton1Click},
        {RadioButton2, &TForm3::RadioButton2Click},
        {RadioButton3, &TForm3::RadioButton3Click},
    };
    for (const auto& [radio, handler] : choices) {
        connect(radio, &QRadioButton::toggled, this, [this, handler = handler](bool on) {
            if (on)
                (this->*handler)();
        });
    }
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TForm3::ScrollBar1Change);
    connect(ScrollBar2, &QScrollBar::valueChanged, this, &TForm3::ScrollBar2Change);
}

void TForm3::prepare(LabelStock stock, const std::string& text)
{
    // In the dialog's order; setting one choice on turns the others off.
    const std::pair<QRadioButton*, LabelStock> choices[] {
        {RadioButton1, LabelStock::Envelope},
        {RadioButton2, LabelStock::Labels1x263},
        {RadioButton3, LabelStock::Labels133x4},
    };
    for (const auto& [radio, which] : choices) {
        if (which == stock)
            radio->setChecked(true);
    }
    Memo1->setText(text);
}

void TForm3::openFor(LabelStock stock, const std::string& text)
{
    prepare(stock, text);
    exec();
}

void TForm3::showEvent(QShowEvent* event)
{
    centreOnScreen(*this);
    FormActivate();
    QDialog::showEvent(event);
    Memo1->setFocus();
}

void TForm3::FormActivate()
{
    m_printFont = QFont(QStringLiteral("Arial"));
    m_printFont.setPointSize(14);
    Memo1->setFocus();
}

void TForm3::RadioButton1Click()
{
    m_printFont.setPointSize(stockRange(LabelStock::Envelope).presetPoints);
}

void TForm3::setStockRanges(int rows, int columns, int points)
{
    // Each bound in turn, as the handlers set them: the position follows
    // the range, and every actual move of it rewrites its box.
    ScrollBar1->setMinimum(1);
    ScrollBar1->setMaximum(rows);
    ScrollBar1->setValue(1);
    ScrollBar2->setMinimum(1);
    ScrollBar2->setMaximum(columns);
    ScrollBar2->setValue(1);
    m_printFont.setPointSize(points);
}

void TForm3::RadioButton2Click()
{
    const StockRange range = stockRange(LabelStock::Labels1x263);
    setStockRanges(range.rows, range.columns, range.presetPoints);
}

void TForm3::RadioButton3Click()
{
    const StockRange range = stockRange(LabelStock::Labels133x4);
    setStockRanges(range.rows, range.columns, range.presetPoints);
}

void TForm3::ScrollBar1Change()
{
    Edit1->setText(QString::number(ScrollBar1->value()));
}

void TForm3::ScrollBar2Change()
{
    Edit2->setText(QString::number(ScrollBar2->value()));
}

void TForm3::BitBtn1Click()
{
    if (FontChooser* chooser = m_app.services.fonts) {
        if (const std::optional<FontChoice> chosen
            = chooser->chooseFont(this, {m_printFont, QColor(Qt::black)}))
            m_printFont = chosen->font;
    }
    // The box shows the print font's face and style in its own size and colour.
    QFont shown = Memo1->font();
    shown.setFamily(m_printFont.family());
    shown.setBold(m_printFont.bold());
    shown.setItalic(m_printFont.italic());
    shown.setUnderline(m_printFont.underline());
    shown.setStrikeOut(m_printFont.strikeOut());
    Memo1->setFont(shown);
}

void TForm3::BitBtn2Click()
{
    setUpPrinter(m_app.services, this);
}

std::string TForm3::printText()
{
    const std::string text = Memo1->text();
    if (Memo1->selLength() >= 1)
        return text.substr(
            static_cast<std::size_t>(Memo1->selStart()), static_cast<std::size_t>(Memo1->selLength()));
    Memo1->setSelection(0, static_cast<int>(text.size()));
    const std::string taken = text.substr(0, PrintBufferChars);
    Memo1->setSelection(0, 0);
    return taken;
}

void TForm3::BitBtn3Click()
{
    if (!RadioButton1->isChecked() && !RadioButton2->isChecked() && !RadioButton3->isChecked())
        return;
    PrintDevice* printer = m_app.services.printer;
    LabelJob job;
    job.stock = chosenStock(RadioButton1, RadioButton2);
    if (job.stock != LabelStock::Envelope) {
        job.row = valPrefix(fromQString(Edit1->text()));
        job.column = valPrefix(fromQString(Edit2->text()));
        if (!labelPositionValid(job.stock, job.row, job.column)) {
            if (m_app.services.messages) {
                warningBox(*m_app.services.messages, this, tr("Illegal row and/or column selections."), MsgOK,
                    job.stock == LabelStock::Labels1x263 ? HelpLabels : HelpNone);
            }
            return;
        }
    }
    if (!printer)
        return;
    job.face = fromQString(m_printFont.family());
    job.points = m_printFont.pointSize() > 0 ? m_printFont.pointSize() : 14;
    job.withReturnAddress = job.stock == LabelStock::Envelope && CheckBox1->isChecked();
    if (job.withReturnAddress)
        job.returnAddress = returnAddressText(m_app.ReturnAddressLines);
    runPrintJob(m_app.services, this, [this, &job](PrintDevice& device) {
        return printLabelJob(device, job, [this] { return printText(); });
    });
}

void TForm3::BitBtn4Click()
{
    reject();
}

} // namespace quillbox
