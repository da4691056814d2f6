// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print_preview.h"

#include "core/print_recorder.h"
#include "platform/printer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace quillbox {

namespace {

/// A button whose accessible name is its caption as shown and whose
/// description says what it does.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& meaning)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(QString(caption).remove(u'&'));
    button->setAccessibleDescription(meaning);
    button->setAutoDefault(false);
    return button;
}

} // namespace

PrintPreview::PrintPreview(QtPrinter& printer, const RecordedJob& job, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PrintPreview"));
    setWindowTitle(tr("Print Preview"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_view = new QPrintPreviewWidget(&printer.printer(), this);
    m_view->setObjectName(QStringLiteral("previewView"));
    m_view->setAccessibleName(tr("Pages"));
    m_view->setAccessibleDescription(tr("The pages of the job as they will print"));
    m_view->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_view->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(m_view, &QPrintPreviewWidget::paintRequested, this,
        [&printer, &job](QPrinter* target) { printer.paintPreview(*target, job); });
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, &PrintPreview::updatePageLabel);

    QPushButton* first = makeButton(this, "firstButton", QStringLiteral("|<"), tr("First page"));
    QPushButton* previous = makeButton(this, "previousButton", QStringLiteral("<"), tr("Previous page"));
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_pageLabel->setAlignment(Qt::AlignCenter);
    QPushButton* next = makeButton(this, "nextButton", QStringLiteral(">"), tr("Next page"));
    QPushButton* last = makeButton(this, "lastButton", QStringLiteral(">|"), tr("Last page"));
    QPushButton* in = makeButton(this, "zoomInButton", tr("Zoom &In"), tr("Larger"));
    QPushButton* out = makeButton(this, "zoomOutButton", tr("Zoom &Out"), tr("Smaller"));
    QPushButton* whole = makeButton(this, "wholePageButton", tr("&Whole Page"), tr("The whole page in view"));
    m_print = makeButton(this, "printButton", tr("&Print"), tr("Print these pages as shown"));
    QPushButton* close = makeButton(this, "closeButton", tr("&Close"), tr("Close without printing"));
    first->setShortcut(Qt::Key_Home);
    previous->setShortcut(Qt::Key_PageUp);
    next->setShortcut(Qt::Key_PageDown);
    last->setShortcut(Qt::Key_End);

    connect(first, &QPushButton::clicked, this, [this] { showPage(1); });
    connect(previous, &QPushButton::clicked, this, [this] { showPage(currentPage() - 1); });
    connect(next, &QPushButton::clicked, this, [this] { showPage(currentPage() + 1); });
    connect(last, &QPushButton::clicked, this, [this] { showPage(pageCount()); });
    connect(in, &QPushButton::clicked, this, &PrintPreview::zoomIn);
    connect(out, &QPushButton::clicked, this, &PrintPreview::zoomOut);
    connect(whole, &QPushButton::clicked, this, &PrintPreview::fitPage);
    connect(m_print, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* bar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*> {first, previous, m_pageLabel, next, last})
        bar->addWidget(w);
    bar->addSpacing(12);
    for (QWidget* w : std::initializer_list<QWidget*> {in, out, whole})
        bar->addWidget(w);
    bar->addStretch();
    bar->addWidget(m_print);
    bar->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_view, 1);
    resize(640, 760);
    updatePageLabel();
}

int PrintPreview::pageCount() const
{
    return m_view->pageCount();
}

int PrintPreview::currentPage() const
{
    return m_view->currentPage();
}

void PrintPreview::refresh()
{
    m_view->updatePreview();
}

void PrintPreview::showPage(int page)
{
    m_view->setCurrentPage(std::clamp(page, 1, std::max(1, pageCount())));
    updatePageLabel();
}

double PrintPreview::zoom() const
{
    return m_view->zoomFactor();
}

void PrintPreview::zoomIn()
{
    m_view->zoomIn();
}

void PrintPreview::zoomOut()
{
    m_view->zoomOut();
}

void PrintPreview::fitPage()
{
    m_view->fitInView();
}

void PrintPreview::updatePageLabel()
{
    const QString text = tr("Page %1 of %2").arg(currentPage()).arg(pageCount());
    m_pageLabel->setText(text);
    m_pageLabel->setAccessibleName(text);
    m_pageLabel->setAccessibleDescription(tr("The page in view and the job's pages"));
}

} // namespace quillbox
