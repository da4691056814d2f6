#include "platform/printer.h"

#include "core/numbers.h"
#include "core/text_layout.h"
#include "platform/text_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace quillbox {

namespace {

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

QString QtPrinter::claimPdfFile()
{
    const QString base = fileNameFor(m_title);
    const QDir dir(m_pdfDirectory);
    for (int n = 1; n < 100000; ++n) {
        const QString name
            = n == 1 ? base + QStringLiteral(".pdf") : QStringLiteral("%1 (%2).pdf").arg(base).arg(n);
        const QString path = dir.absoluteFilePath(name);
        // Created here, new only: an earlier file of the same name is never
        // overwritten, and an unwritable directory shows its reason now.
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!QFileInfo::exists(path)) {
            fail(QStringLiteral("Cannot write %1: %2")
                     .arg(QDir::toNativeSeparators(path), file.errorString()));
            return {};
        }
    }
    fail(
        QStringLiteral("No free file name for %1 in %2").arg(base, QDir::toNativeSeparators(m_pdfDirectory)));
    return {};
}

bool QtPrinter::beginDoc()
{
    m_error.clear();
    m_outputFile.clear();
    m_claimedFile.clear();
    ensurePrinter();
    if (m_open)
        return fail(QStringLiteral("A print job is already open"));
    m_printer->setDocName(toQString(m_title));
    m_printer->setCreator(QStringLiteral("Quillbox"));
    if (!m_hasPrinters) {
        m_claimedFile = claimPdfFile();
        if (m_claimedFile.isEmpty())
            return false;
        m_printer->setOutputFileName(m_claimedFile);
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(m_printer->printerName());
        if (info.isNull())
            return fail(QStringLiteral("The printer %1 is not available").arg(m_printer->printerName()));
        m_printer->setOutputFileName(QString());
    }
    if (!m_painter.begin(m_printer.get())) {
        if (!m_claimedFile.isEmpty()) {
            QFile::remove(m_claimedFile);
            return fail(QStringLiteral("Cannot write %1").arg(QDir::toNativeSeparators(m_claimedFile)));
        }
        return fail(QStringLiteral("The printer %1 refused the job").arg(m_printer->printerName()));
    }
    m_open = true;
    m_align = TextAlign::Left;
    setFont(PrintFont::ofPoints("Arial", 10));
    return true;
}

void QtPrinter::newPage()
{
    if (m_open && !m_printer->newPage() && m_error.empty())
        m_error = "The printer refused a new page";
}

bool QtPrinter::endDoc()
{
    if (!m_open)
        return fail(QStringLiteral("No print job is open"));
    m_open = false;
    m_painter.end();
    if (!m_error.empty())
        return false;
    if (m_printer->printerState() == QPrinter::Error || m_printer->printerState() == QPrinter::Aborted)
        return fail(
            QStringLiteral("The printer %1 could not complete the job").arg(m_printer->printerName()));
    if (!m_claimedFile.isEmpty()) {
        if (QFileInfo(m_claimedFile).size() == 0)
            return fail(QStringLiteral("Cannot write %1").arg(QDir::toNativeSeparators(m_claimedFile)));
        m_outputFile = QFile::encodeName(m_claimedFile).toStdString();
    }
    return true;
}

DeviceValues QtPrinter::values() const
{
    ensurePrinter();
    return {m_printer->width(), m_printer->height(), m_printer->logicalDpiX(), m_printer->logicalDpiY()};
}

void QtPrinter::setFont(const PrintFont& font)
{
    ensurePrinter();
    QFont qfont(QFont::substitute(toQString(font.face)));
    qfont.setKerning(false);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping));
    if (font.points > 0) {
        // Points on paper: the em height follows the vertical resolution.
        qfont.setPixelSize(std::max(1, mulDiv(font.points, m_printer->logicalDpiY(), 72)));
    } else {
        // A cell height includes the internal leading, which Qt's pixel size
        // leaves out: scale by the face's own cell-to-em ratio.
        QFont probe = qfont;
        probe.setPixelSize(1000);
        const QFontMetricsF metrics(probe, m_printer.get());
        const double cell = metrics.ascent() + metrics.descent();
        qfont.setPixelSize(std::max(1, static_cast<int>(roundHalfEven(font.cellHeight * 1000.0 / cell))));
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
    const QFontMetrics metrics(m_font, m_printer.get());
    if (m_align == TextAlign::Center)
        x -= metrics.horizontalAdvance(line) / 2;
    m_painter.drawText(QPoint(x, y + metrics.ascent()), line);
}

void QtPrinter::drawText(const PrintRect& rect, std::string_view text)
{
    if (!m_open)
        return;
    const QFontMetrics metrics(m_font, m_printer.get());
    const auto measure = [&](std::string_view run) { return metrics.horizontalAdvance(drawable(run)); };
    const int lineHeight = metrics.ascent() + metrics.descent();
    const auto lines
        = layoutWordBreak(text, rect.right - rect.left, rect.bottom - rect.top, lineHeight, measure);
    m_painter.save();
    m_painter.setClipRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
    for (const LaidLine& line : lines) {
        m_painter.drawText(QPoint(rect.left, rect.top + line.top + metrics.ascent()),
            drawable(text.substr(line.start, line.length)));
    }
    m_painter.restore();
}

} // namespace quillbox
