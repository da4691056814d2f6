// SPDX-License-Identifier: GPL-3.0-or-later
// The print and printer set-up dialogs on the program's one printer.
#pragma once

#include "platform/dialogs.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace quillbox {

class QtPrinter;

/// Printer, range by card number (All, or From and To as typed, limited to
/// 0..maxPage), copies and collate; no selection and no print-to-file.
class PrintDialog final : public QDialog {
    Q_OBJECT
public:
    PrintDialog(QtPrinter& printer, int maxPage, const PrintChoice& choice, QWidget* parent = nullptr);
    /// The range, copies and collation chosen.
    PrintChoice choice() const;
    /// Makes the printer chosen the printer's current one.
    void apply();

private:
    QtPrinter& m_printer;
    QComboBox* m_printerBox = nullptr;
    QRadioButton* m_allButton = nullptr;
    QRadioButton* m_rangeButton = nullptr;
    QSpinBox* m_fromBox = nullptr;
    QSpinBox* m_toBox = nullptr;
    QSpinBox* m_copiesBox = nullptr;
    QCheckBox* m_collateBox = nullptr;
};

/// Printer, paper and orientation, and whether jobs are previewed first.
class PrinterSetupDialog final : public QDialog {
    Q_OBJECT
public:
    explicit PrinterSetupDialog(QtPrinter& printer, bool preview = false, QWidget* parent = nullptr);
    /// Makes the choices the printer's.
    void apply();
    /// "Preview before printing" as ticked.
    bool previewBeforePrinting() const;

private:
    QtPrinter& m_printer;
    QComboBox* m_printerBox = nullptr;
    QComboBox* m_paperBox = nullptr;
    QRadioButton* m_portraitButton = nullptr;
    QRadioButton* m_landscapeButton = nullptr;
    QCheckBox* m_previewBox = nullptr;
};

class QtPrinterDialogs final : public PrinterDialogs {
public:
    explicit QtPrinterDialogs(QtPrinter& printer)
        : m_printer(printer)
    {
    }
    bool choosePrint(QWidget* parent, int maxPage, PrintChoice& choice) override;
    bool setupPrinter(QWidget* parent) override;
    bool previewBeforePrinting() const override { return m_preview; }
    /// The program's own preview (PrintPreview) of `job`.
    bool preview(QWidget* parent, const RecordedJob& job) override;

private:
    QtPrinter& m_printer;
    bool m_preview = false;
};

} // namespace quillbox
