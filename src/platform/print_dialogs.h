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
    PrintChoice choice() const;
    /// The printer chosen; empty in PDF mode.
    QString printerName() const;

    QComboBox* printerBox = nullptr;
    QRadioButton* allButton = nullptr;
    QRadioButton* rangeButton = nullptr;
    QSpinBox* fromBox = nullptr;
    QSpinBox* toBox = nullptr;
    QSpinBox* copiesBox = nullptr;
    QCheckBox* collateBox = nullptr;
};

/// Printer, paper and orientation.
class PrinterSetupDialog final : public QDialog {
    Q_OBJECT
public:
    explicit PrinterSetupDialog(QtPrinter& printer, QWidget* parent = nullptr);
    /// Makes the choices the printer's.
    void apply();

    QComboBox* printerBox = nullptr;
    QComboBox* paperBox = nullptr;
    QRadioButton* portraitButton = nullptr;
    QRadioButton* landscapeButton = nullptr;

private:
    QtPrinter& m_printer;
};

class QtPrinterDialogs final : public PrinterDialogs {
public:
    explicit QtPrinterDialogs(QtPrinter& printer)
        : m_printer(printer)
    {
    }
    bool choosePrint(QWidget* parent, int maxPage, PrintChoice& choice) override;
    bool setupPrinter(QWidget* parent) override;

private:
    QtPrinter& m_printer;
};

} // namespace quillbox
