// SPDX-License-Identifier: GPL-3.0-or-later
// The printing commands below the windows: Print, Print Card, Print Setup and
// Print Address Book on the program's printer, and what a job's outcome
// tells the user. They show cards through CardWindow and know no window
// class; each of the main window's print handlers is one call in here.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace quillbox {

class CardMemo;
class CardWindow;
class PrintDevice;
struct PrintChoice;
struct Services;

/// Print: the print dialog (cards 0..count, starting from `choice`, which
/// keeps what was chosen), the range check, then the chosen cards as card
/// pages in the chosen copies; the card shown before is shown again
/// afterwards. A pending edit is stored first. Does nothing without a
/// printer or print dialogs.
void printCardListing(CardWindow& window, const Services& services, PrintChoice& choice);
/// Print Card: the card box's text as it stands, alone on one page.
void printShownCard(CardWindow& window, const Services& services);
/// Print Setup: the printer set-up dialog over `parent`.
void setUpPrinter(const Services& services, QWidget* parent);
/// Print Address Book: every card as card pages with narrow margins; card 1
/// is shown afterwards. A pending edit is stored first.
void printAddressBook(CardWindow& window, const Services& services);

/// What the envelope and label commands hand the label dialog: the card
/// box's selected text, or its whole text (an edit not yet stored
/// included) when nothing is selected.
std::string labelText(const CardMemo& memo);

/// After a job on services.printer: an error box with the system's reason
/// when `ok` is false; when the job went to a file, a box naming it; any
/// note of the printer's (a stopped queue holds the job).
void reportPrintJob(const Services& services, QWidget* parent, bool ok);

/// Runs a job that draws on the device it is given, on services.printer,
/// and reports it. While Print Setup's "Preview before printing" is ticked,
/// the job is drawn once into a preview and sent from there, exactly as
/// shown, only when the user chooses Print; closing the preview prints
/// nothing and reports nothing. False when nothing was printed.
bool runPrintJob(const Services& services, QWidget* parent, const std::function<bool(PrintDevice&)>& job);

} // namespace quillbox
