#include "platform/print_dialogs.h"

#include "platform/printer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
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
        box->addItem(PrintDialog::tr("No printer installed: PDF files in the start directory"));
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
{
    setObjectName(QStringLiteral("PrintDialog1"));
    setWindowTitle(tr("Print"));
    auto* layout = new QVBoxLayout(this);

    auto* printerRow = new QFormLayout;
    printerBox = makePrinterBox(this, printer);
    printerRow->addRow(tr("&Printer:"), printerBox);
    layout->addLayout(printerRow);

    auto* range = new QGroupBox(tr("Print range"), this);
    auto* rangeLayout = new QVBoxLayout(range);
    allButton = named(new QRadioButton(tr("&All"), range), "allButton", tr("All cards"));
    rangeButton = named(new QRadioButton(tr("Pa&ges"), range), "rangeButton", tr("Cards"));
    // The range as typed, within the limits: a bad one is the caller's to refuse.
    fromBox = named(new QSpinBox(range), "fromBox", tr("From card"));
    toBox = named(new QSpinBox(range), "toBox", tr("To card"));
    for (QSpinBox* box : {fromBox, toBox})
        box->setRange(0, std::max(maxPage, 0));
    fromBox->setValue(choice.from);
    toBox->setValue(choice.to);
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(rangeButton);
    auto* fromLabel = new QLabel(tr("&From:"), range);
    fromLabel->setBuddy(fromBox);
    auto* toLabel = new QLabel(tr("&To:"), range);
    toLabel->setBuddy(toBox);
    rangeRow->addWidget(fromLabel);
    rangeRow->addWidget(fromBox);
    rangeRow->addWidget(toLabel);
    rangeRow->addWidget(toBox);
    rangeLayout->addWidget(allButton);
    rangeLayout->addLayout(rangeRow);
    (choice.pageRange ? rangeButton : allButton)->setChecked(true);
    for (QSpinBox* box : {fromBox, toBox})
        connect(box, &QSpinBox::valueChanged, rangeButton, [this] { rangeButton->setChecked(true); });
    layout->addWidget(range);

    auto* copies = new QFormLayout;
    copiesBox = named(new QSpinBox(this), "copiesBox", tr("Copies"));
    copiesBox->setRange(1, 999);
    copiesBox->setValue(std::max(choice.copies, 1));
    copies->addRow(tr("&Copies:"), copiesBox);
    collateBox = named(new QCheckBox(tr("C&ollate"), this), "collateBox", tr("Collate"));
    collateBox->setChecked(choice.collate);
    copies->addRow(QString(), collateBox);
    layout->addLayout(copies);

    layout->addWidget(makeButtons(this));
}

PrintChoice PrintDialog::choice() const
{
    return {rangeButton->isChecked(), fromBox->value(), toBox->value(), copiesBox->value(),
        collateBox->isChecked()};
}

QString PrintDialog::printerName() const
{
    return printerBox->isEnabled() ? printerBox->currentText() : QString();
}

PrinterSetupDialog::PrinterSetupDialog(QtPrinter& printer, QWidget* parent)
    : QDialog(parent)
    , m_printer(printer)
{
    setObjectName(QStringLiteral("PrinterSetupDialog1"));
    setWindowTitle(tr("Print Setup"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    printerBox = makePrinterBox(this, printer);
    form->addRow(tr("&Printer:"), printerBox);

    paperBox = named(new QComboBox(this), "paperBox", tr("Paper size"));
    const QPageSize::PageSizeId current = printer.printer().pageLayout().pageSize().id();
    for (const QPageSize::PageSizeId id : {QPageSize::Letter, QPageSize::Legal, QPageSize::Executive,
             QPageSize::A4, QPageSize::A5, QPageSize::B5, QPageSize::Envelope10, QPageSize::EnvelopeDL,
             QPageSize::EnvelopeC5, QPageSize::EnvelopeMonarch}) {
        paperBox->addItem(QPageSize::name(id), static_cast<int>(id));
        if (id == current)
            paperBox->setCurrentIndex(paperBox->count() - 1);
    }
    form->addRow(tr("Paper si&ze:"), paperBox);
    layout->addLayout(form);

    auto* orientation = new QGroupBox(tr("Orientation"), this);
    auto* orientationLayout = new QHBoxLayout(orientation);
    portraitButton = named(new QRadioButton(tr("P&ortrait"), orientation), "portraitButton", tr("Portrait"));
    landscapeButton
        = named(new QRadioButton(tr("&Landscape"), orientation), "landscapeButton", tr("Landscape"));
    orientationLayout->addWidget(portraitButton);
    orientationLayout->addWidget(landscapeButton);
    (printer.printer().pageLayout().orientation() == QPageLayout::Landscape ? landscapeButton
                                                                            : portraitButton)
        ->setChecked(true);
    layout->addWidget(orientation);
    layout->addWidget(makeButtons(this));
}

void PrinterSetupDialog::apply()
{
    choosePrinter(m_printer, printerBox);
    QPrinter& printer = m_printer.printer();
    printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(paperBox->currentData().toInt())));
    printer.setPageOrientation(landscapeButton->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool QtPrinterDialogs::choosePrint(QWidget* parent, int maxPage, PrintChoice& choice)
{
    PrintDialog dialog(m_printer, maxPage, choice, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choosePrinter(m_printer, dialog.printerBox);
    choice = dialog.choice();
    return true;
}

bool QtPrinterDialogs::setupPrinter(QWidget* parent)
{
    PrinterSetupDialog dialog(m_printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.apply();
    return true;
}

} // namespace quillbox
