// SPDX-License-Identifier: GPL-3.0-or-later
// Print Address Book of the 2000-card sample to a PDF file, against the
// floor of QTextDocument::print of the same 2000 texts to a PDF at the same
// resolution; and the time from the command to the first page of its
// print preview on screen.
#include "Main.h"
#include "bench_support.h"
#include "core/print_recorder.h"
#include "platform/print_preview.h"
#include "platform/printer.h"
#include "platform/text_codec.h"
#include "printing/card_printing.h"
#include "program.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace quillbox;

constexpr int Dpi = 300;

/// No printing system to reach: jobs go to PDF files, as on a machine
/// without printers, whatever queues this machine has.
void withoutPrinters()
{
    qputenv("CUPS_SERVER", "127.0.0.1:9");
}

void removePdfs(const std::string& dir)
{
    for (const QString& name : QDir(QString::fromStdString(dir)).entryList({QStringLiteral("*.pdf")}))
        QFile::remove(QDir(QString::fromStdString(dir)).filePath(name));
}

void BM_PrintAddressBook_2000ToPdf(benchmark::State& state)
{
    withoutPrinters();
    bench::SampleCardDir dir;
    if (!dir.readyFor(state))
        return;
    QtPrinter printer(QString::fromStdString(dir.path()));
    Services services = bench::silentServices();
    services.printer = &printer;
    Program program(dir.path(), services);
    TForm1& form = *program.windows().Form1;
    for (auto _ : state) {
        printAddressBook(form, program.app().services);
        state.PauseTiming();
        removePdfs(dir.path());
        state.ResumeTiming();
    }
    state.counters["cards"] = form.cards().CardCount;
}
BENCHMARK(BM_PrintAddressBook_2000ToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

/// Print Setup with "Preview before printing" ticked; the preview comes up,
/// draws its first page on screen and is closed.
class PreviewThenClose final : public PrinterDialogs {
public:
    explicit PreviewThenClose(QtPrinter& printer)
        : m_printer(printer)
    {
    }
    bool choosePrint(QWidget*, int, PrintChoice&) override { return false; }
    bool setupPrinter(QWidget*) override { return false; }
    bool previewBeforePrinting() const override { return true; }
    bool preview(QWidget* parent, const RecordedJob& job) override
    {
        PrintPreview preview(m_printer, job, parent);
        preview.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(preview.grab());
        pages = preview.pageCount();
        return false;
    }
    int pages = 0;

private:
    QtPrinter& m_printer;
};

void BM_PreviewAddressBook_2000_FirstPage(benchmark::State& state)
{
    withoutPrinters();
    bench::SampleCardDir dir;
    if (!dir.readyFor(state))
        return;
    QtPrinter printer(QString::fromStdString(dir.path()));
    PreviewThenClose dialogs(printer);
    Services services = bench::silentServices();
    services.printer = &printer;
    services.printDialogs = &dialogs;
    Program program(dir.path(), services);
    TForm1& form = *program.windows().Form1;
    for (auto _ : state)
        printAddressBook(form, program.app().services);
    state.counters["cards"] = form.cards().CardCount;
    state.counters["pages"] = dialogs.pages;
}
BENCHMARK(BM_PreviewAddressBook_2000_FirstPage)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Floor_TextDocumentPrint_2000ToPdf(benchmark::State& state)
{
    withoutPrinters();
    bench::SampleCardDir dir;
    if (!dir.readyFor(state))
        return;
    std::vector<QString> texts;
    {
        Program program(dir.path(), bench::silentServices());
        const CardCollection& cards = program.windows().Form1->cards();
        for (int i = 1; i <= cards.CardCount; ++i)
            texts.push_back(toQString(cards.card(i)));
    }
    const QString path = QDir(QString::fromStdString(dir.path())).filePath(QStringLiteral("floor.pdf"));
    for (auto _ : state) {
        QString all;
        for (const QString& text : texts)
            all += text;
        QTextDocument document;
        document.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
        document.setPlainText(all);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(Dpi);
        printer.setOutputFileName(path);
        document.print(&printer);
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
    }
    state.counters["cards"] = static_cast<double>(texts.size());
}
BENCHMARK(BM_Floor_TextDocumentPrint_2000ToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
