// SPDX-License-Identifier: GPL-3.0-or-later
// The label and envelope dialog: the text to print, the stock, the label's
// row and column, the print font and the printer set-up.
#pragma once

#include "core/print_layout.h"

#include <QDialog>
#include <QFont>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace quillbox {
struct AppContext;
class CardMemo;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(AppContext& app, QWidget* parent = nullptr);

    /// What the commands do: select `stock` as a click would (its handler
    /// runs only when the choice changes), put `text` in the text box, and
    /// show the dialog modally until it closes.
    void openFor(LabelStock stock, const std::string& text);
    /// The first two steps of openFor(), without showing the dialog.
    void prepare(LabelStock stock, const std::string& text);
    /// The print font: the job uses its face and point size only.
    const QFont& printFont() const noexcept { return m_printFont; }

public Q_SLOTS:
    void FormActivate();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void ScrollBar1Change();
    void ScrollBar2Change();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QFont m_printFont;

    CardMemo* Memo1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr; ///< envelope
    QCheckBox* CheckBox1 = nullptr; ///< return address
    QRadioButton* RadioButton2 = nullptr; ///< 1 x 2.63 inch labels
    QRadioButton* RadioButton3 = nullptr; ///< 1.33 x 4 inch labels
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr; ///< row
    QScrollBar* ScrollBar1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr; ///< column
    QScrollBar* ScrollBar2 = nullptr;
    QPushButton* BitBtn1 = nullptr; ///< Font
    QPushButton* BitBtn2 = nullptr; ///< Setup
    QPushButton* BitBtn3 = nullptr; ///< Print
    QPushButton* BitBtn4 = nullptr; ///< Cancel

    void createControls();
    /// The text to print: the selection whole, or else the box's first 499
    /// characters, after which nothing is selected and the caret is at the
    /// start.
    std::string printText();
    void setStockRanges(int rows, int columns, int points);

    AppContext& m_app;
};

} // namespace quillbox
