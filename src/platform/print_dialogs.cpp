// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print_dialogs.h"

#include "platform/print_preview.h"
#include "platform/printer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quillbox {

namespace {

template<typename Widget> Widget* named(Widget* widget, const char* name, const QString& accessibleName)
{
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(accessibleName);
    return widget;
}

/// The printers to choose from, the current one selected; in PDF mode one
/// fixed entry that says where jobs go.
QComboBox* makePrinterBox(QWidget* parent, QtPrinter& printer)
{
    auto* box = named(new QComboBox(parent), "printerBox", PrintDialog::tr("Printer"));
    const QStringList names = QPrinterInfo::availablePrinterNames();
    if (names.isEmpty()) {
        box->addItem(PrintDialog::tr("No printer installed: PDF files in %1")
                         .arg(QDir::toNativeSeparators(printer.pdfDirectory())));
        box->setEnabled(false);
        return box;
    }
    box->addItems(names);
    box->setCurrentIndex(std::max<qsizetype>(0, names.indexOf(printer.printerName())));
    return box;
}

QDialogButtonBox* makeButtons(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

void choosePrinter(QtPrinter& printer, const QComboBox* box)
{
    if (box->isEnabled() && box->currentText() != printer.printerName())
        printer.selectPrinter(box->currentText());
}

} // namespace

PrintDialog::PrintDialog(QtPrinter& printer, int maxPage, const PrintChoice& choice, QWidget* parent)
    : QDialog(parent)
    , m_printer(printer)
{
    setObjectName(QStringLiteral("PrintDialog1"));
    setWindowTitle(tr("Print"));
    auto* layout = new QVBoxLayout(this);

    auto* printerRow = new QFormLayout;
    m_printerBox = makePrinterBox(this, printer);
    printerRow->addRow(tr("&Printer:"), m_printerBox);
    layout->addLayout(printerRow);

    auto* range = new QGroupBox(tr("Print range"), this);
    auto* rangeLayout = new QVBoxLayout(range);
    // Read as shown in every language; what the choice means is its
    // description.
    const QString all = tr("&All");
    const QString pages = tr("Pa&ges");
    m_allButton = named(new QRadioButton(all, range), "allButton", QString(all).remove(u'&'));
    m_allButton->setAccessibleDescription(tr("All cards"));
    m_rangeButton = named(new QRadioButton(pages, range), "rangeButton", QString(pages).remove(u'&'));
    m_rangeButton->setAccessibleDescription(tr("Cards"));
    // The range as typed, within the limits: a bad one is the caller's to refuse.
    m_fromBox = named(new QSpinBox(range), "fromBox", tr("From card"));
    m_toBox = named(new QSpinBox(range), "toBox", tr("To card"));
    for (QSpinBox* box : {m_fromBox, m_toBox})
        box->setRange(0, std::max(maxPage, 0));
    m_fromBox->setValue(choice.from);
    m_toBox->setValue(choice.to);
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(m_rangeButton);
    auto* fromLabel = new QLabel(tr("&From:"), range);
    fromLabel->setBuddy(m_fromBox);
    auto* toLabel = new QLabel(tr("&To:"), range);
    toLabel->setBuddy(m_toBox);
    rangeRow->addWidget(fromLabel);
    rangeRow->addWidget(m_fromBox);
    rangeRow->addWidget(toLabel);
    rangeRow->addWidget(m_toBox);
    rangeLayout->addWidget(m_allButton);
    rangeLayout->addLayout(rangeRow);
    (choice.pageRange ? m_rangeButton : m_allButton)->setChecked(true);
    for (QSpinBox* box : {m_fromBox, m_toBox})
        connect(box, &QSpinBox::valueChanged, m_rangeButton, [this] { m_rangeButton->setChecked(true); });
    layout->addWidget(range);

    auto* copies = new QFormLayout;
    m_copiesBox = named(new QSpinBox(this), "copiesBox", tr("Copies"));
    m_copiesBox->setRange(1, 999);
    m_copiesBox->setValue(std::max(choice.copies, 1));
    copies->addRow(tr("&Copies:"), m_copiesBox);
    m_collateBox = named(new QCheckBox(tr("C&ollate"), this), "collateBox", tr("Collate"));
    m_collateBox->setChecked(choice.collate);
    copies->addRow(QString(), m_collateBox);
    layout->addLayout(copies);

    layout->addWidget(makeButtons(this));
}

PrintChoice PrintDialog::choice() const
{
    return {m_rangeButton->isChecked(), m_fromBox->value(), m_toBox->value(), m_copiesBox->value(),
        m_collateBox->isChecked()};
}

void PrintDialog::apply()
{
    choosePrinter(m_printer, m_printerBox);
}

PrinterSetupDialog::PrinterSetupDialog(QtPrinter& printer, bool preview, QWidget* parent)
    : QDialog(parent)
    , m_printer(printer)
{
    setObjectName(QStringLiteral("PrinterSetupDialog1"));
    setWindowTitle(tr("Print Setup"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_printerBox = makePrinterBox(this, printer);
    form->addRow(tr("&Printer:"), m_printerBox);

    m_paperBox = named(new QComboBox(this), "paperBox", tr("Paper size"));
    const QPageSize::PageSizeId current = printer.printer().pageLayout().pageSize().id();
    for (const QPageSize::PageSizeId id : {QPageSize::Letter, QPageSize::Legal, QPageSize::Executive,
             QPageSize::A4, QPageSize::A5, QPageSize::B5, QPageSize::Envelope10, QPageSize::EnvelopeDL,
             QPageSize::EnvelopeC5, QPageSize::EnvelopeMonarch}) {
        m_paperBox->addItem(QPageSize::name(id), static_cast<int>(id));
        if (id == current)
            m_paperBox->setCurrentIndex(m_paperBox->count() - 1);
    }
    form->addRow(tr("Paper si&ze:"), m_paperBox);
    layout->addLayout(form);

    auto* orientation = new QGroupBox(tr("Orientation"), this);
    auto* orientationLayout = new QHBoxLayout(orientation);
    m_portraitButton
        = named(new QRadioButton(tr("P&ortrait"), orientation), "portraitButton", tr("Portrait"));
    m_landscapeButton
        = named(new QRadioButton(tr("&Landscape"), orientation), "landscapeButton", tr("Landscape"));
    orientationLayout->addWidget(m_portraitButton);
    orientationLayout->addWidget(m_landscapeButton);
    (printer.printer().pageLayout().orientation() == QPageLayout::Landscape ? m_landscapeButton
                                                                            : m_portraitButton)
        ->setChecked(true);
    layout->addWidget(orientation);
    m_previewBox = named(
        new QCheckBox(tr("Pre&view before printing"), this), "previewBox", tr("Preview before printing"));
    m_previewBox->setAccessibleDescription(
        tr("Every job shows its pages first; nothing prints until Print is chosen there"));
    m_previewBox->setChecked(preview);
    layout->addWidget(m_previewBox);
    layout->addWidget(makeButtons(this));
}

bool PrinterSetupDialog::previewBeforePrinting() const
{
    return m_previewBox->isChecked();
}

void PrinterSetupDialog::apply()
{
    choosePrinter(m_printer, m_printerBox);
    QPrinter& printer = m_printer.printer();
    printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(m_paperBox->currentData().toInt())));
    printer.setPageOrientation(
        m_landscapeButton->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool QtPrinterDialogs::choosePrint(QWidget* parent, int maxPage, PrintChoice& choice)
{
    PrintDialog dialog(m_printer, maxPage, choice, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.apply();
    choice = dialog.choice();
    return true;
}

bool QtPrinterDialogs::setupPrinter(QWidget* parent)
{
    PrinterSetupDialog dialog(m_printer, m_preview, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.apply();
    m_preview = dialog.previewBeforePrinting();
    return true;
}

bool QtPrinterDialogs::preview(QWidget* parent, const RecordedJob& job)
{
    PrintPreview dialog(m_printer, job, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace quillbox
