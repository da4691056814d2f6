// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printer.h"

#include "core/numbers.h"
#include "core/posix_file.h"
#include "core/print_recorder.h"
#include "core/text_layout.h"
#include "platform/core_text.h"
#include "platform/text_codec.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cerrno>
#include <cups/cups.h>

namespace quillbox {

namespace {

/// The translation context of the printer's messages.
struct PrinterTexts {
    Q_DECLARE_TR_FUNCTIONS(PrinterTexts)
};

/// The file name a job title gives: characters a file name cannot hold
/// become blanks; an empty title gives "Quillbox".
QString fileNameFor(const std::string& title)
{
    QString name = toQString(title);
    for (QChar& c : name) {
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20)
            c = u' ';
    }
    name = name.trimmed();
    return name.isEmpty() ? QStringLiteral("Quillbox") : name;
}

/// Tabs draw as one blank: the device expands no tab stops, and Qt would.
QString drawable(std::string_view bytes)
{
    QString text = toQString(bytes);
    text.replace(u'\t', u' ');
    return text;
}

QPageSize localePaper()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

} // namespace

QtPrinter::QtPrinter(QString pdfDirectory)
    : m_pdfDirectory(std::move(pdfDirectory))
{
}

void QtPrinter::ensurePrinter() const
{
    if (m_printer)
        return;
    // Asking the printing system for its printers takes a while: it is done
    // when printing is first wanted, not at start.
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QString name = QPrinterInfo::defaultPrinterName();
    if (name.isEmpty()) {
        const QStringList names = QPrinterInfo::availablePrinterNames();
        if (!names.isEmpty())
            name = names.first();
    }
    if (!name.isEmpty() && usePrinter(name))
        return;
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setResolution(300);
    m_printer->setPageSize(localePaper());
}

QtPrinter::~QtPrinter()
{
    if (m_painter.isActive())
        m_painter.end();
}

QString QtPrinter::printerName() const
{
    ensurePrinter();
    return m_hasPrinters ? m_printer->printerName() : QString();
}

bool QtPrinter::hasPrinters() const
{
    ensurePrinter();
    return m_hasPrinters;
}

QPrinter& QtPrinter::printer()
{
    ensurePrinter();
    return *m_printer;
}

bool QtPrinter::selectPrinter(const QString& name)
{
    ensurePrinter();
    return usePrinter(name);
}

bool QtPrinter::usePrinter(const QString& name) const
{
    if (QPrinterInfo::printerInfo(name).isNull())
        return false;
    m_printer->setOutputFormat(QPrinter::NativeFormat);
    m_printer->setPrinterName(name);
    m_hasPrinters = true;
    return true;
}

void QtPrinter::setTitle(std::string title)
{
    m_title = std::move(title);
}

bool QtPrinter::fail(const QString& reason)
{
    m_error = fromQString(reason);
    return false;
}

bool QtPrinter::savePdf(const QByteArray& bytes)
{
    const std::string directory = pathBytes(m_pdfDirectory);
    const QString base = fileNameFor(m_title);
    const auto nameFor = [&](int n) {
        return posix::joinPath(directory,
            pathBytes(
                n == 1 ? base + QStringLiteral(".pdf") : QStringLiteral("%1 (%2).pdf").arg(base).arg(n)));
    };
    const auto failWith = [this](std::string_view what, const std::string& path, int error) {
        return fail(coreText(posix::describeFailure(what, path, error)));
    };
    posix::Fd fd;
    std::string temporary;
    if (const int e = posix::createTemporary(nameFor(1), fd, temporary))
        return failWith("Cannot write", nameFor(1), e);
    if (const int e = posix::writeAndSync(fd, std::string_view(bytes.constData(), bytes.size()))) {
        posix::removeFile(temporary);
        return failWith("Cannot write", nameFor(1), e);
    }
    // Renamed to a name nothing holds: an earlier file, or a link that
    // dangles, is never written through or replaced.
    for (int n = 1; n < 100000; ++n) {
        const std::string target = nameFor(n);
        const int e = posix::renameNoReplace(temporary, target);
        if (e == EEXIST)
            continue;
        if (e != 0) {
            posix::removeFile(temporary);
            return failWith("Cannot write", target, e);
        }
        if (const int synced = posix::syncDirectory(directory)) {
            posix::removeFile(target);
            return failWith("Cannot write", target, synced);
        }
        m_outputFile = target;
        return true;
    }
    posix::removeFile(temporary);
    return fail(PrinterTexts::tr("No free file name for %1 in %2")
                    .arg(base, QDir::toNativeSeparators(m_pdfDirectory)));
}

bool QtPrinter::queueAcceptsJobs()
{
    // CUPS names a queue without the instance Qt appends after a slash.
    const QByteArray queue = m_printer->printerName().section(u'/', 0, 0).toLocal8Bit();
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
        queue.constData());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[]
        = {"printer-is-accepting-jobs", "printer-state", "printer-state-message", "printer-state-reasons"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
        static_cast<int>(std::size(wanted)), nullptr, wanted);
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    if (!response || cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        ippDelete(response);
        return fail(PrinterTexts::tr("The printer %1 is not available: %2")
                        .arg(m_printer->printerName(), QString::fromLocal8Bit(cupsLastErrorString())));
    }
    ipp_attribute_t* accepting = ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    ipp_attribute_t* state = ippFindAttribute(response, "printer-state", IPP_TAG_ENUM);
    ipp_attribute_t* message = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT);
    const bool refuses = accepting && !ippGetBoolean(accepting, 0);
    const bool stopped = state && ippGetInteger(state, 0) == IPP_PSTATE_STOPPED;
    QString why = message ? QString::fromUtf8(ippGetString(message, 0, nullptr)) : QString();
    if (why.isEmpty()) {
        if (ipp_attribute_t* reasons = ippFindAttribute(response, "printer-state-reasons", IPP_TAG_KEYWORD))
            why = QString::fromUtf8(ippGetString(reasons, 0, nullptr));
    }
    ippDelete(response);
    if (refuses) {
        return fail(
            PrinterTexts::tr("The printer %1 does not accept jobs: %2")
                .arg(m_printer->printerName(), why.isEmpty() ? PrinterTexts::tr("rejecting jobs") : why));
    }
    // A stopped queue takes jobs and holds them: no error, but worth saying.
    if (stopped) {
        m_note = fromQString(PrinterTexts::tr(
            "The printer %1 is stopped. The job waits in its queue until the printer is started again")
                                 .arg(m_printer->printerName()));
    }
    return true;
}

QPagedPaintDevice& QtPrinter::device() const
{
    if (m_previewTarget)
        return *m_previewTarget;
    if (m_pdfWriter)
        return *m_pdfWriter;
    return *m_printer;
}

bool QtPrinter::beginDoc()
{
    m_error.clear();
    m_outputFile.clear();
    m_note.clear();
    ensurePrinter();
    if (m_open)
        return fail(PrinterTexts::tr("A print job is already open"));
    m_printer->setDocName(toQString(m_title));
    m_printer->setCreator(QStringLiteral("Quillbox"));
    if (!m_hasPrinters) {
        // Drawn into memory, at the printer's resolution and page layout,
        // and written out whole at the end: a write error then has its
        // reason, and no part of a page is left behind.
        m_pdfBytes = std::make_unique<QBuffer>();
        m_pdfBytes->open(QIODevice::WriteOnly);
        m_pdfWriter = std::make_unique<QPdfWriter>(m_pdfBytes.get());
        m_pdfWriter->setResolution(m_printer->resolution());
        m_pdfWriter->setPageLayout(m_printer->pageLayout());
        m_pdfWriter->setTitle(toQString(m_title));
        m_pdfWriter->setCreator(QStringLiteral("Quillbox"));
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(m_printer->printerName());
        if (info.isNull())
            return fail(PrinterTexts::tr("The printer %1 is not available").arg(m_printer->printerName()));
        if (!queueAcceptsJobs())
            return false;
        m_printer->setOutputFileName(QString());
    }
    if (!m_painter.begin(&device())) {
        const bool toPdf = m_pdfWriter != nullptr;
        m_pdfWriter.reset();
        m_pdfBytes.reset();
        if (toPdf)
            return fail(PrinterTexts::tr("Cannot begin a PDF file"));
        return fail(PrinterTexts::tr("The printer %1 refused the job").arg(m_printer->printerName()));
    }
    m_open = true;
    m_align = TextAlign::Left;
    setFont(PrintFont::ofPoints("Arial", 10));
    return true;
}

void QtPrinter::newPage()
{
    if (m_open && !device().newPage() && m_error.empty())
        m_error = fromQString(
            PrinterTexts::tr("The printer %1 refused a new page").arg(m_printer->printerName()));
}

bool QtPrinter::endDoc()
{
    if (!m_open)
        return fail(PrinterTexts::tr("No print job is open"));
    m_open = false;
    m_painter.end();
    if (m_pdfWriter) {
        m_pdfWriter.reset();
        const std::unique_ptr<QBuffer> bytes = std::move(m_pdfBytes);
        if (!m_error.empty())
            return false;
        return savePdf(bytes->data());
    }
    if (!m_error.empty())
        return false;
    // Qt hands the job to CUPS at the painter's end and keeps no answer;
    // the thread's last CUPS status is that answer.
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        m_note.clear();
        return fail(PrinterTexts::tr("The printer %1 refused the job: %2")
                        .arg(m_printer->printerName(), QString::fromLocal8Bit(cupsLastErrorString())));
    }
    if (m_printer->printerState() == QPrinter::Error || m_printer->printerState() == QPrinter::Aborted)
        return fail(
            PrinterTexts::tr("The printer %1 could not complete the job").arg(m_printer->printerName()));
    return true;
}

void QtPrinter::paintPreview(QPrinter& target, const RecordedJob& job)
{
    ensurePrinter();
    if (m_open || !m_painter.begin(&target))
        return;
    m_previewTarget = &target;
    m_open = true;
    m_align = TextAlign::Left;
    setFont(PrintFont::ofPoints("Arial", 10));
    for (std::size_t i = 0; i < job.pages().size(); ++i) {
        if (i > 0)
            target.newPage();
        play(*this, job.pages()[i]);
    }
    m_painter.end();
    m_open = false;
    m_previewTarget = nullptr;
}

DeviceValues QtPrinter::values() const
{
    ensurePrinter();
    const QPagedPaintDevice& d = device();
    return {d.width(), d.height(), d.logicalDpiX(), d.logicalDpiY()};
}

void QtPrinter::setFont(const PrintFont& font)
{
    ensurePrinter();
    QFont qfont(QFont::substitute(toQString(font.face)));
    qfont.setKerning(false);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping));
    // The face's cell (ascent plus descent, internal leading included) per
    // pixel of em, measured once at a size where rounding does not matter.
    QFont probe = qfont;
    probe.setPixelSize(1000);
    const QFontMetricsF probeMetrics(probe, &device());
    const double cellPerEm = (probeMetrics.ascent() + probeMetrics.descent()) / 1000.0;
    if (font.points > 0) {
        // Points on paper: the em height follows the vertical resolution.
        const int em = std::max(1, mulDiv(font.points, device().logicalDpiY(), 72));
        qfont.setPixelSize(em);
        m_cell = std::max(1, static_cast<int>(roundHalfEven(em * cellPerEm)));
    } else {
        // A cell height includes the internal leading, which Qt's pixel size
        // leaves out: scale by the face's own cell-to-em ratio. Lines then
        // step by the cell asked for, not by Qt's separately rounded ascent
        // and descent, which may add a pixel per line.
        qfont.setPixelSize(std::max(1, static_cast<int>(roundHalfEven(font.cellHeight / cellPerEm))));
        m_cell = std::max(1, font.cellHeight);
    }
    m_font = qfont;
    if (m_open)
        m_painter.setFont(m_font);
}

void QtPrinter::setAlign(TextAlign align)
{
    m_align = align;
}

void QtPrinter::textOut(int x, int y, std::string_view text)
{
    if (!m_open)
        return;
    const QString line = drawable(text);
    const QFontMetrics metrics(m_font, &device());
    if (m_align == TextAlign::Center)
        x -= metrics.horizontalAdvance(line) / 2;
    m_painter.drawText(QPoint(x, y + metrics.ascent()), line);
}

void QtPrinter::drawText(const PrintRect& rect, std::string_view text)
{
    if (!m_open)
        return;
    const QFontMetrics metrics(m_font, &device());
    const auto measure = [&](std::string_view run) { return metrics.horizontalAdvance(drawable(run)); };
    const auto lines = layoutWordBreak(text, rect.right - rect.left, rect.bottom - rect.top, m_cell, measure);
    m_painter.save();
    m_painter.setClipRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
    for (const LaidLine& line : lines) {
        m_painter.drawText(QPoint(rect.left, rect.top + line.top + metrics.ascent()),
            drawable(text.substr(line.start, line.length)));
    }
    m_painter.restore();
}

} // namespace quillbox
