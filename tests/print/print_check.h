// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the end-to-end printing tests: command-line tools, the words
// of a PDF with their boxes, and pages rendered to grey pixels.
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

namespace quillbox::test {

struct ToolRun {
    int exitCode = -1;
    QString output; ///< standard output and error together
};

/// Runs `program` with `arguments`, waiting at most `seconds`.
ToolRun runTool(const QString& program, const QStringList& arguments, int seconds = 60);

/// A word of a PDF page as `pdftotext -bbox` reports it, in points from the
/// paper's top-left corner.
struct PdfWord {
    int page = 0; ///< from 1
    QString text;
    QRectF box;
};
std::vector<PdfWord> pdfWords(const QString& pdf);
/// The first word on `page` equal to `text`; a null box when there is none.
PdfWord findWord(const std::vector<PdfWord>& words, int page, const QString& text);

/// Number of pages of a PDF (pdfinfo), 0 when it cannot be read.
int pdfPageCount(const QString& pdf);

/// One page rendered in grey at `dpi` dots per inch.
struct GreyPage {
    int width = 0;
    int height = 0;
    int dpi = 0;
    std::vector<unsigned char> pixels;

    bool dark(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x] < 128; }
    /// The bounding box, in inches from the paper's top-left corner, of the
    /// dark pixels inside `window` (inches); a null rectangle when none.
    QRectF inkBox(const QRectF& window) const;
};
GreyPage renderPage(const QString& pdf, int page, int dpi);

} // namespace quillbox::test
