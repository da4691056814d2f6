// SPDX-License-Identifier: GPL-3.0-or-later
// Where printed things go: the card pages of a listing or an address book,
// a single card, envelopes and the two label stocks. Positions are device
// pixels of the printable area. Rounding is to the nearest integer with
// halves to the even neighbour; integer division drops the fraction.
#pragma once

#include "core/print_device.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox {

/// Characters of a text a printing buffer takes (500 with the NUL).
constexpr std::size_t PrintBufferChars = 499;
/// Line slots in the body of a card page.
constexpr int LineSlotsPerPage = 55;

/// The face every printed card page uses.
inline constexpr std::string_view PrintFace = "Arial";

enum class CardPageKind {
    Listing, ///< the Print command: margins of 3/4 inch, "Quillbox File"
    AddressBook, ///< margins of 1/2 inch, "Address List"
};

struct CardPageLayout {
    int topMargin = 0;
    int leftMargin = 0;
    int lineHeight = 0; ///< one line slot: six to the inch
    int columnRight = 0; ///< page width - 2 x left margin
    int bodyCell = 0; ///< cell height of the card text font
    int pageWidth = 0;
    std::string headerTitle;

    friend bool operator==(const CardPageLayout&, const CardPageLayout&) = default;
};

CardPageLayout cardPageLayout(const DeviceValues& device, CardPageKind kind);

/// A card as the card view shows it while it prints.
struct CardToPrint {
    std::string text; ///< the card box's text (cut to PrintBufferChars when drawn)
    int lineCount = 0; ///< the box's display lines after word wrap
    std::string firstDisplayLine;
};

/// The page letter for a page whose first card shows `firstDisplayLine`:
/// its first character, a to z upper-cased; "#" when the line is empty.
char pageLetter(std::string_view firstDisplayLine) noexcept;

/// Lays out cards `first` to `last` one below another, each in as many line
/// slots as it has lines plus one for its separator. A card moves whole to
/// a new page when the page holds a card already and its lines would pass
/// slot 55; every page starts with its header. `card(k)` is called once per
/// card, in ascending order. Returns one list of drawing steps per page;
/// none for an empty range.
std::vector<PageOps> composeCardPages(
    const CardPageLayout& layout, int first, int last, const std::function<CardToPrint(int)>& card);

/// The order in which `pageCount` pages go out as sheets: collated, every
/// page in turn once per copy (1,2,3,1,2,3); not collated, each page as
/// many times in a row as there are copies (1,1,2,2,3,3). Page indexes
/// count from 0; copies below 1 count as 1.
std::vector<int> sheetOrder(int pageCount, int copies, bool collate);

struct CardJob {
    std::string title;
    CardPageKind kind = CardPageKind::Listing;
    int first = 1;
    int last = 0;
    int copies = 1;
    bool collate = false;
};

/// Runs a whole card page job on `device`: sets the title, begins, reads the
/// device values, lays the cards out (calling `card` per card), sends the
/// sheets and ends. False when the device failed; nothing more is drawn
/// then and device.lastError() says why.
bool printCardJob(PrintDevice& device, const CardJob& job, const std::function<CardToPrint(int)>& card);

/// Print Card: one page titled `title` with `text` (cut to
/// PrintBufferChars) one inch in from every side, in a cell of a fifth of
/// an inch. False when the device failed (device.lastError()).
bool printSingleCard(PrintDevice& device, std::string title, std::string_view text);

/// True when a page range names cards: 1 <= from <= to <= cardCount.
bool validPrintRange(int from, int to, int cardCount) noexcept;

/// Print Card: one inch in from every side of the printable area, and the
/// cell height of its font, a fifth of an inch.
PrintRect printCardRect(const DeviceValues& device) noexcept;
int printCardCell(const DeviceValues& device) noexcept;

/// The stocks of the label and envelope dialog, in its order.
enum class LabelStock { Envelope, Labels1x263, Labels133x4 };

struct StockRange {
    int columns = 0; ///< columns 1..columns
    int rows = 0; ///< rows 1..rows
    int presetPoints = 0; ///< print size the stock's choice sets
};
StockRange stockRange(LabelStock stock) noexcept;

/// True when row and column name a label of the stock (always false for
/// the envelope, which has none).
bool labelPositionValid(LabelStock stock, int row, int column) noexcept;

/// The text rectangle of the label at `row`, `column` (from 1), placed
/// from the centre of the printable area. The envelope has no label: its
/// address rectangle is returned for it.
PrintRect labelRect(LabelStock stock, const DeviceValues& device, int row, int column) noexcept;

/// The envelope's return address corner (the upper left quarter, a quarter
/// inch in from the top and left) and its address (the lower right quarter).
PrintRect envelopeReturnRect(const DeviceValues& device) noexcept;
PrintRect envelopeAddressRect(const DeviceValues& device) noexcept;

/// The return address as it is drawn: the four lines joined by LF CR.
std::string returnAddressText(const std::array<std::string, 4>& lines);

/// One press of the label dialog's Print: an envelope or one label.
struct LabelJob {
    LabelStock stock = LabelStock::Envelope;
    int row = 1; ///< labels only
    int column = 1; ///< labels only
    std::string face; ///< the print font's face and size; style stays regular
    int points = 14;
    /// Envelopes only: drawn at 10 points in the upper left corner when
    /// true. The text is never cut.
    bool withReturnAddress = false;
    std::string returnAddress;
};

/// Begins a one-page job under the device's current title, draws the job's
/// return address (envelopes) and then `printText()`, asked for once the
/// job has begun, into the stock's rectangle, and ends. The caller checks
/// the label position first. False when the device failed.
bool printLabelJob(PrintDevice& device, const LabelJob& job, const std::function<std::string()>& printText);

} // namespace quillbox
