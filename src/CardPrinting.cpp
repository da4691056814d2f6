#include "CardPrinting.h"

#include "Main.h"
#include "PrintLab.h"
#include "core/card_box.h"
#include "platform/card_memo.h"
#include "platform/message_box.h"
#include "platform/text_codec.h"

#include <QFile>

namespace quillbox {

namespace {

constexpr int PrintingHelpContext = 14;

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

void printCardListing(CardWindow& window, AppContext& app)
{
    if (!app.services.printDialogs || !app.services.printer)
        return;
    // Showing the cards refills the card box: keep what was typed first.
    window.storePendingEdit();
    const int count = window.cardBox().count();
    PrintChoice choice = app.printChoice;
    if (!app.services.printDialogs->choosePrint(&window.mainWidget(), count, choice))
        return;
    app.printChoice = choice;

    CardJob job {"Quillbox Print", CardPageKind::Listing, 1, count, choice.copies, choice.collate};
    if (choice.pageRange) {
        if (!validPrintRange(choice.from, choice.to, count)) {
            if (app.services.messages) {
                warningBox(*app.services.messages, &window.mainWidget(),
                    QStringLiteral("Bad page parameters in the print dialog."), MsgOK, PrintingHelpContext);
            }
            return;
        }
        job.first = choice.from;
        job.last = choice.to;
    }
    const int remembered = window.cardBox().current();
    const bool ok = printCards(window, *app.services.printer, job);
    if (remembered >= 1 && remembered <= window.cardBox().count())
        window.showCardNumber(remembered);
    reportPrintJob(app, &window.mainWidget(), ok);
}

void printShownCard(CardWindow& window, AppContext& app)
{
    if (!app.services.printer)
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
    const bool ok = printSingleCard(*app.services.printer, "Printing " + name, text);
    reportPrintJob(app, &window.mainWidget(), ok);
}

void setUpPrinter(AppContext& app, QWidget* parent)
{
    if (app.services.printDialogs)
        app.services.printDialogs->setupPrinter(parent);
}

void printAddressBook(CardWindow& window, AppContext& app)
{
    if (!app.services.printer)
        return;
    window.storePendingEdit();
    const CardJob job {"Printing Address Book", CardPageKind::AddressBook, 1, window.cardBox().count()};
    const bool ok = printCards(window, *app.services.printer, job);
    if (window.cardBox().count() > 0)
        window.showCardNumber(1);
    reportPrintJob(app, &window.mainWidget(), ok);
}

void openLabelDialog(CardWindow& window, AppContext& app, LabelStock stock, bool withCardText)
{
    std::string text;
    if (withCardText) {
        // What the box holds now, an edit not yet stored included.
        const CardMemo& memo = window.cardMemo();
        text = memo.text();
        if (memo.selLength() >= 1)
            text = text.substr(
                static_cast<std::size_t>(memo.selStart()), static_cast<std::size_t>(memo.selLength()));
    }
    if (TForm3* dialog = app.form3())
        dialog->openFor(stock, text);
}

void reportPrintJob(AppContext& app, QWidget* parent, bool ok)
{
    if (!app.services.messages || !app.services.printer)
        return;
    const PrintDevice& printer = *app.services.printer;
    if (!ok) {
        errorBox(*app.services.messages, parent,
            QStringLiteral("The print job could not be completed: %1").arg(toQString(printer.lastError())),
            PrintingHelpContext);
        return;
    }
    const std::string file = printer.outputFile();
    const std::string note = printer.jobNote();
    if (file.empty() && note.empty())
        return;
    MessageRequest request;
    request.parent = parent;
    request.title = applicationTitle();
    request.text = file.empty() ? toQString(note) + u'.'
                                : QStringLiteral("No printer is installed. The job was saved as %1")
                                      .arg(QFile::decodeName(QByteArray::fromStdString(file)));
    request.icon = MsgIcon::Information;
    request.buttons = MsgOK;
    request.helpContext = PrintingHelpContext;
    app.services.messages->ask(request);
}

// The main window's printing handlers.

void TForm1::Print1Click()
{
    printCardListing(*this, m_app);
}

void TForm1::Setup1Click()
{
    setUpPrinter(m_app, this);
}

void TForm1::PrintEnvelope1Click()
{
    if (!refusedWhileEnteringNewCard())
        openLabelDialog(*this, m_app, LabelStock::Envelope, true);
}

void TForm1::PrintLabel1Click()
{
    openLabelDialog(*this, m_app, LabelStock::Labels133x4, true);
}

void TForm1::PrintAddressBook1Click()
{
    printAddressBook(*this, m_app);
}

void TForm1::PrintCard1Click()
{
    printShownCard(*this, m_app);
}

void TForm1::PrintaLabel1Click()
{
    openLabelDialog(*this, m_app, LabelStock::Labels133x4, false);
}

void TForm1::PrintanEnvelope1Click()
{
    openLabelDialog(*this, m_app, LabelStock::Envelope, false);
}

} // namespace quillbox
