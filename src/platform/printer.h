// The program's one printer: QPrinter and QPainter on the system's printers
// through Qt's CUPS support, or PDF files when no printer is installed.
#pragma once

#include "core/print_device.h"

#include <QFont>
#include <QPainter>
#include <QString>
#include <memory>

class QPrinter;

namespace quillbox {

class QtPrinter final : public PrintDevice {
public:
    /// Starts on the system's default printer. With no printer installed,
    /// every job goes to a new PDF file in `pdfDirectory` named after the
    /// job, at 300 dots per inch on the locale's default paper.
    explicit QtPrinter(QString pdfDirectory);
    ~QtPrinter() override;

    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    /// False when no printer was installed at start: jobs go to PDF files.
    bool hasPrinters() const;
    /// The name of the current printer; empty in PDF mode.
    QString printerName() const;
    /// Makes the named system printer the current one, keeping paper and
    /// orientation where it offers them. False when there is no such printer.
    bool selectPrinter(const QString& name);
    /// The QPrinter the dialogs set up (paper, orientation).
    QPrinter& printer();

    void setTitle(std::string title) override;
    const std::string& title() const override { return m_title; }
    bool beginDoc() override;
    void newPage() override;
    bool endDoc() override;
    std::string lastError() const override { return m_error; }
    std::string outputFile() const override { return m_outputFile; }
    DeviceValues values() const override;
    void setFont(const PrintFont& font) override;
    void setAlign(TextAlign align) override;
    void textOut(int x, int y, std::string_view text) override;
    void drawText(const PrintRect& rect, std::string_view text) override;

private:
    /// A new file name in the PDF directory for the current title, or an
    /// empty string with m_error set.
    QString claimPdfFile();
    bool fail(const QString& reason);
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
    QString m_claimedFile;
    QFont m_font;
    TextAlign m_align = TextAlign::Left;
};

} // namespace quillbox
