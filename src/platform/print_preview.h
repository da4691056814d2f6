// SPDX-License-Identifier: GPL-3.0-or-later
// The print preview: a job's pages, drawn once, shown as they will print,
// with page navigation, zoom, Print and Close. It has no page set-up of
// its own: printer, paper and orientation stay Print Setup's.
#pragma once

#include <QDialog>

class QLabel;
class QPrintPreviewWidget;
class QPushButton;

namespace quillbox {

class QtPrinter;
class RecordedJob;

class PrintPreview final : public QDialog {
    Q_OBJECT
public:
    /// Shows `job` at the current printer's paper size and orientation.
    /// exec() returns Accepted for Print and Rejected for Close.
    PrintPreview(QtPrinter& printer, const RecordedJob& job, QWidget* parent = nullptr);

    /// The pages collected so far (all of them once the preview is shown
    /// or refresh() has run) and the page in view, from 1.
    int pageCount() const;
    int currentPage() const;
    /// Collects the pages now, as showing the preview does.
    void refresh();
    /// Moves to page `page` (from 1, limited to the pages there are).
    void showPage(int page);
    /// The zoom factor, 1 at the page's printed size.
    double zoom() const;
    void zoomIn();
    void zoomOut();
    /// The whole page in view, as at opening.
    void fitPage();

    /// Print: the job goes to the printer as shown.
    QPushButton* printButton() const { return m_print; }

private:
    void updatePageLabel();

    QPrintPreviewWidget* m_view = nullptr;
    QLabel* m_pageLabel = nullptr;
    QPushButton* m_print = nullptr;
};

} // namespace quillbox
