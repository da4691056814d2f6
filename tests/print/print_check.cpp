// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_check.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace quillbox::test {

ToolRun runTool(const QString& program, const QStringList& arguments, int seconds)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted(5000)) {
        run.output = process.errorString();
        return run;
    }
    process.waitForFinished(seconds * 1000);
    run.output = QString::fromLocal8Bit(process.readAll());
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

std::vector<PdfWord> pdfWords(const QString& pdf)
{
    std::vector<PdfWord> words;
    const ToolRun run
        = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    int page = 0;
    for (const QString& line : run.output.split(u'\n')) {
        if (line.contains(QStringLiteral("<page ")))
            ++page;
        const auto m = word.match(line);
        if (!m.hasMatch())
            continue;
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        QString text = m.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.push_back({page, text, QRectF(topLeft, bottomRight)});
    }
    return words;
}

PdfWord findWord(const std::vector<PdfWord>& words, int page, const QString& text)
{
    for (const PdfWord& w : words) {
        if (w.page == page && w.text == text)
            return w;
    }
    return {};
}

int pdfPageCount(const QString& pdf)
{
    const ToolRun run = runTool(QStringLiteral("pdfinfo"), {pdf});
    static const QRegularExpression pages(QStringLiteral(R"(Pages:\s+(\d+))"));
    const auto m = pages.match(run.output);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QRectF GreyPage::inkBox(const QRectF& window) const
{
    const int x0 = std::max(0, static_cast<int>(window.left() * dpi));
    const int y0 = std::max(0, static_cast<int>(window.top() * dpi));
    const int x1 = std::min(width, static_cast<int>(window.right() * dpi));
    const int y1 = std::min(height, static_cast<int>(window.bottom() * dpi));
    int left = x1, top = y1, right = -1, bottom = -1;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (dark(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return {};
    return QRectF(QPointF(double(left) / dpi, double(top) / dpi),
        QPointF(double(right + 1) / dpi, double(bottom + 1) / dpi));
}

GreyPage renderPage(const QString& pdf, int page, int dpi)
{
    GreyPage out;
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    const QString number = QString::number(page);
    runTool(QStringLiteral("pdftoppm"),
        {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), number,
            QStringLiteral("-l"), number, QStringLiteral("-singlefile"), pdf, base});
    QFile file(base + QStringLiteral(".pgm"));
    if (!file.open(QIODevice::ReadOnly))
        return out;
    const QByteArray data = file.readAll();
    // "P5" width height maxval, each followed by white space, then the bytes.
    QList<QByteArray> fields;
    qsizetype i = 0;
    while (fields.size() < 4 && i < data.size()) {
        while (i < data.size() && std::isspace(static_cast<unsigned char>(data[i])))
            ++i;
        const qsizetype start = i;
        while (i < data.size() && !std::isspace(static_cast<unsigned char>(data[i])))
            ++i;
        fields.append(data.mid(start, i - start));
    }
    ++i;
    if (fields.size() < 4 || fields[0] != "P5")
        return out;
    out.width = fields[1].toInt();
    out.height = fields[2].toInt();
    out.dpi = dpi;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData() + i);
    out.pixels.assign(bytes, bytes + std::min<qsizetype>(data.size() - i, qsizetype(out.width) * out.height));
    out.pixels.resize(static_cast<std::size_t>(out.width) * out.height, 255);
    return out;
}

} // namespace quillbox::test
