// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/card_printing.h"

#include "card_window.h"
#include "core/card_box.h"
#include "core/print_layout.h"
#include "core/print_recorder.h"
#include "platform/card_memo.h"
#include "platform/dialogs.h"
#include "platform/help_topic.h"
#include "platform/message_box.h"
#include "platform/services.h"
#include "platform/text_codec.h"

#include <QCoreApplication>

namespace quillbox {

namespace {

/// The translation context of these texts.
struct PrintingTexts {
    Q_DECLARE_TR_FUNCTIONS(PrintingTexts)
};

/// Shows card k as the view does while it prints, and reads what the card
/// box shows of it.
CardToPrint showForPrint(CardWindow& window, int k)
{
    window.showCardNumber(k);
    CardMemo& memo = window.cardMemo();
    const std::vector<std::string> lines = memo.displayLines();
    return {memo.text(), memo.lineCount(), lines.empty() ? std::string() : lines.front()};
}

bool printCards(CardWindow& window, PrintDevice& printer, const CardJob& job)
{
    return printCardJob(printer, job, [&window](int k) { return showForPrint(window, k); });
}

} // namespace

void printCardListing(CardWindow& window, const Services& services, PrintChoice& kept)
{
    if (!services.printDialogs || !services.printer)
        return;
    // Showing the cards refills the card box: keep what was typed first.
    window.storePendingEdit();
    const int count = window.cardBox().count();
    PrintChoice choice = kept;
    if (!services.printDialogs->choosePrint(&window.mainWidget(), count, choice))
        return;
    kept = choice;

    CardJob job {"Quillbox Print", CardPageKind::Listing, 1, count, choice.copies, choice.collate};
    if (choice.pageRange) {
        if (!validPrintRange(choice.from, choice.to, count)) {
            if (services.messages) {
                warningBox(*services.messages, &window.mainWidget(),
                    PrintingTexts::tr("Bad page parameters in the print dialog."), MsgOK, HelpPrintCards);
            }
            return;
        }
        job.first = choice.from;
        job.last = choice.to;
    }
    const int remembered = window.cardBox().current();
    runPrintJob(services, &window.mainWidget(), [&](PrintDevice& printer) {
        const bool ok = printCards(window, printer, job);
        // Back before a preview shows, which leaves the command here.
        if (remembered >= 1 && remembered <= window.cardBox().count())
            window.showCardNumber(remembered);
        return ok;
    });
}

void printShownCard(CardWindow& window, const Services& services)
{
    if (!services.printer)
        return;
    const CardBox& box = window.cardBox();
    const std::string text = window.cardMemo().text();
    std::string name;
    if (box.current() > 0) {
        name = box.firstline(box.current(), false);
    } else {
        // A new card has no number yet: its title is the box's first line.
        name = cardFirstLine(text, false);
    }
    runPrintJob(services, &window.mainWidget(),
        [&](PrintDevice& printer) { return printSingleCard(printer, "Printing " + name, text); });
}

void setUpPrinter(const Services& services, QWidget* parent)
{
    if (services.printDialogs)
        services.printDialogs->setupPrinter(parent);
}

void printAddressBook(CardWindow& window, const Services& services)
{
    if (!services.printer)
        return;
    window.storePendingEdit();
    const CardJob job {"Printing Address Book", CardPageKind::AddressBook, 1, window.cardBox().count()};
    runPrintJob(services, &window.mainWidget(), [&](PrintDevice& printer) {
        const bool ok = printCards(window, printer, job);
        if (window.cardBox().count() > 0)
            window.showCardNumber(1);
        return ok;
    });
}

std::string labelText(const CardMemo& memo)
{
    const std::string text = memo.text();
    if (memo.selLength() < 1)
        return text;
    return text.substr(static_cast<std::size_t>(memo.selStart()), static_cast<std::size_t>(memo.selLength()));
}

void reportPrintJob(const Services& services, QWidget* parent, bool ok)
{
    if (!services.messages || !services.printer)
        return;
    const PrintDevice& printer = *services.printer;
    if (!ok) {
        errorBox(*services.messages, parent,
            PrintingTexts::tr("The print job could not be completed: %1").arg(toQString(printer.lastError())),
            HelpPrintCards);
        return;
    }
    const std::string file = printer.outputFile();
    const std::string note = printer.jobNote();
    if (file.empty() && note.empty())
        return;
    MessageRequest request;
    request.parent = parent;
    request.title = applicationTitle();
    request.text = file.empty()
        ? toQString(note) + u'.'
        : PrintingTexts::tr("No printer is installed. The job was saved as %1").arg(pathText(file));
    request.icon = MsgIcon::Information;
    request.buttons = MsgOK;
    request.helpContext = HelpPrintCards;
    services.messages->ask(request);
}

bool runPrintJob(const Services& services, QWidget* parent, const std::function<bool(PrintDevice&)>& job)
{
    if (!services.printer)
        return false;
    PrintDevice& printer = *services.printer;
    PrinterDialogs* dialogs = services.printDialogs;
    if (!dialogs || !dialogs->previewBeforePrinting()) {
        const bool ok = job(printer);
        reportPrintJob(services, parent, ok);
        return ok;
    }
    // Drawn against the printer's own measures, so the preview has the
    // pages, and the places on them, that the printer gets.
    RecordedJob recorded(printer.values(), printer.title());
    job(recorded);
    if (!dialogs->preview(parent, recorded))
        return false;
    const bool ok = printRecorded(printer, recorded);
    reportPrintJob(services, parent, ok);
    return ok;
}

} // namespace quillbox
