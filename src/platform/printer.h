// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one printer: QPrinter and QPainter on the system's printers
// through Qt's CUPS support, or PDF files when no printer is installed.
// A job on a printer is checked with CUPS itself before it begins (the
// queue must accept jobs) and after it ends (the queue's answer), since Qt
// reports neither.
#pragma once

#include "core/print_device.h"

#include <QFont>
#include <QPainter>
#include <QString>
#include <memory>

class QBuffer;
class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace quillbox {

class RecordedJob;

class QtPrinter final : public PrintDevice {
public:
    /// Starts on the system's default printer. With no printer installed,
    /// every job goes to a new PDF file in `pdfDirectory` named after the
    /// job ("Title.pdf", else "Title (2).pdf" and so on: any entry already
    /// there, a dangling link included, is passed over), at 300 dots per
    /// inch on the locale's default paper. The file appears whole or not
    /// at all: it is written beside its name, synced and then renamed into
    /// place, never over an existing entry.
    explicit QtPrinter(QString pdfDirectory);
    ~QtPrinter() override;

    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    /// False when no printer was installed at start: jobs go to PDF files.
    bool hasPrinters() const;
    /// Where jobs go as PDF files when there is no printer.
    const QString& pdfDirectory() const { return m_pdfDirectory; }
    /// The name of the current printer; empty in PDF mode.
    QString printerName() const;
    /// Makes the named system printer the current one, keeping paper and
    /// orientation where it offers them. False when there is no such printer.
    bool selectPrinter(const QString& name);
    /// The QPrinter the dialogs set up (paper, orientation).
    QPrinter& printer();
    /// Draws every page of `job` on `target`, the printer a print preview
    /// hands out while it collects pages, with the same drawing as a job.
    void paintPreview(QPrinter& target, const RecordedJob& job);

    void setTitle(std::string title) override;
    const std::string& title() const override { return m_title; }
    bool beginDoc() override;
    void newPage() override;
    bool endDoc() override;
    std::string lastError() const override { return m_error; }
    std::string outputFile() const override { return m_outputFile; }
    std::string jobNote() const override { return m_note; }
    DeviceValues values() const override;
    void setFont(const PrintFont& font) override;
    void setAlign(TextAlign align) override;
    void textOut(int x, int y, std::string_view text) override;
    void drawText(const PrintRect& rect, std::string_view text) override;

private:
    /// Puts the finished PDF's bytes under the first free name for the
    /// current title; false with m_error set when it could not.
    bool savePdf(const QByteArray& bytes);
    /// Asks CUPS whether the current queue takes jobs; false with m_error
    /// set when it refuses them. Notes a stopped queue in m_note.
    bool queueAcceptsJobs();
    bool fail(const QString& reason);
    /// The device being drawn on: the PDF writer during a PDF job, else
    /// the QPrinter.
    QPagedPaintDevice& device() const;
    /// Makes the QPrinter on first use: the default printer, else PDF.
    void ensurePrinter() const;
    bool usePrinter(const QString& name) const;

    mutable std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QString m_pdfDirectory;
    mutable bool m_hasPrinters = false;
    bool m_open = false;
    std::string m_title;
    std::string m_error;
    std::string m_outputFile;
    std::string m_note;
    std::unique_ptr<QBuffer> m_pdfBytes;
    std::unique_ptr<QPdfWriter> m_pdfWriter;
    QPrinter* m_previewTarget = nullptr;
    QFont m_font;
    /// The cell height of m_font in pixels: the step between laid lines.
    int m_cell = 1;
    TextAlign m_align = TextAlign::Left;
};

} // namespace quillbox
