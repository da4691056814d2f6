// The printing commands of the main window: Print, Print Card, Print Setup,
// Print Address Book and the four that open the label and envelope dialog.
// The window's handlers (defined with these functions) only call in here.
#pragma once

#include "core/print_layout.h"

class QWidget;

namespace quillbox {

struct AppContext;
class CardWindow;

/// Print: the print dialog (cards 0..count), the range check, then the
/// chosen cards as card pages in the chosen copies; the card shown before
/// is shown again afterwards. A pending edit is stored first.
void printCardListing(CardWindow& window, AppContext& app);
/// Print Card: the card box's text as it stands, alone on one page.
void printShownCard(CardWindow& window, AppContext& app);
/// Print Setup: the printer set-up dialog.
void setUpPrinter(AppContext& app, QWidget* parent);
/// Print Address Book: every card as card pages with narrow margins; card 1
/// is shown afterwards. A pending edit is stored first.
void printAddressBook(CardWindow& window, AppContext& app);

/// The envelope and label commands: select `stock` in the label dialog,
/// give it the card box's selected text (the whole text when nothing is
/// selected) or, when `withCardText` is false, an empty text, and show it.
void openLabelDialog(CardWindow& window, AppContext& app, LabelStock stock, bool withCardText);

/// After a job: an error box with the system's reason when `ok` is false;
/// when the job went to a file, where it went.
void reportPrintJob(AppContext& app, QWidget* parent, bool ok);

} // namespace quillbox
