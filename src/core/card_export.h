// SPDX-License-Identifier: GPL-3.0-or-later
// Cards in and out of the card file: export as vCard, CSV or plain text,
// and import of vCard and CSV files made here or by phones, mail programs
// and spreadsheets.
#pragma once

#include "core/card_box.h"
#include "core/card_file.h"
#include "core/card_format.h"
#include "core/card_table.h"
#include "core/read_status.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox {

/// The line of ten hyphens that separates cards in the text export.
inline constexpr std::string_view CardSeparator = "----------";

/// "vcard", "csv" or "text", in any case; nullopt for anything else.
std::optional<CardFormat> cardFormatNamed(std::string_view name);

/// A card text as the exports give it: UTF-8, LF between lines, without
/// its final line break. CR LF, a lone CR and a lone LF all end a line.
std::string exportedText(std::string_view cardText);

/// Every text in `cardTexts` (Windows-1252 card texts) in `format`:
/// vCard 4.0 (one vCard per card, CR LF), CSV with the header row
/// "Title,Card" and one row per card (line breaks inside the text as LF),
/// or plain text with the cards separated by a line of ten hyphens.
std::string exportCards(const std::vector<std::string>& cardTexts, CardFormat format);

/// The texts of cards 1..CardCount, then `heldBack` (the texts of records
/// held back beyond the box's capacity), so that an export leaves nothing out.
std::vector<std::string> allCardTexts(const CardCollection& cards, std::vector<std::string> heldBack);

struct ImportParse : ReadStatus {
    /// One UTF-8 text per card, LF between lines, at most MaxCards of them
    /// (see ImportReader).
    std::vector<std::string> texts;
    /// Cards read beyond MaxCards.
    int beyond = 0;
    /// Rows of a "Title,Card" file whose Card field is empty.
    int emptyCards = 0;
    /// vCard properties skipped, by name.
    std::map<std::string, int> notCarried;
};

/// Reads `bytes` as a vCard file (any of 2.1, 3.0, 4.0) or a CSV file, in
/// the card layout (see ImportReader and CsvCardMapping). `format` is the
/// format the user named, checked against the content (a vCard named as
/// CSV, or the reverse, fails naming the right one); nullopt decides by the
/// content. The text format cannot be imported.
ImportParse parseImport(std::string_view bytes, std::optional<CardFormat> format);

/// The same for the file at `path` ("-" for standard input), read as a
/// stream: memory stays small whatever the file holds. A file that cannot
/// be opened or read fails with the system's reason and errorLine 0.
ImportParse readImportFile(const std::string& path, std::optional<CardFormat> format);

struct ImportedText {
    /// Windows-1252 text with CR LF between lines and no line break at its
    /// end, not yet cut; empty when the card has no text at all. The card
    /// box stores it by its own rule (storedCardText).
    std::string text;
    /// Longer than a card holds (MaxTypedChars): storing it cuts it.
    bool cut = false;
    /// Characters the code page lacks, each made '?' (NUL included).
    int replaced = 0;
};

/// A UTF-8 text made ready to file as a card: line breaks made CR LF,
/// line breaks at its end dropped, converted to Windows-1252.
ImportedText importedText(std::string_view utf8Text);

struct ImportCounts {
    int added = 0;
    int cut = 0;
    int replaced = 0;
    /// Cards not added because the box was full.
    int notAdded = 0;
    /// Cards not added because a card of the same text was in the box.
    int duplicates = 0;
    /// Rows of a "Title,Card" file with an empty Card field.
    int emptyCards = 0;
    /// vCard properties skipped, by name.
    std::map<std::string, int> notCarried;
    /// The first card added (its text as stored), empty when none was.
    std::string firstAdded;
};

/// Files each text (UTF-8), as importedText() makes it, into `box` in order
/// through CardBox::addCard; empty texts are skipped, and so is a text
/// whose stored form equals a card already in the box (counted as a
/// duplicate). Cut and replacement counts cover the added cards.
ImportCounts addImportedCards(CardBox& box, const std::vector<std::string>& texts);
/// The same for a parsed import, whose cards beyond MaxCards count as not
/// added and whose other counts are carried over.
ImportCounts addImportedCards(CardBox& box, const ImportParse& parse);

/// What an import did, one count a line ("Already in the card file: 12",
/// "Not carried: 3 photos, 2 X-ANDROID-CUSTOM" ...).
std::string describeImport(const ImportCounts& counts);

struct TransferResult {
    bool ok = true;
    /// On success: the exported bytes (export) or what was done (import).
    /// On failure: why nothing was done.
    std::string text;
    int cards = 0;
    /// After an import's save: where the previous card file was kept, and
    /// what could not be confirmed after the cards were saved (see
    /// CardFileSave); empty when there is nothing to say.
    std::string backup;
    std::string unconfirmed;
};

/// The cards of `file` (the collection and any held-back records) in
/// `format`. Fails, naming the file and the reason, when the card file is
/// missing or cannot be read.
TransferResult exportCardFile(CardFile& file, CardFormat format);

/// Adds the cards of `bytes` to `file` and saves it as the window does
/// (crash-safe, with its backup). Changes nothing, and says why, when the
/// input cannot be parsed (with its line), when the card file exists but
/// cannot be read or has a damaged end, or when the save fails. Saves only
/// when a card was added.
TransferResult importIntoCardFile(CardFile& file, CardFormat format, std::string_view bytes);
/// The same for an import already read.
TransferResult importIntoCardFile(CardFile& file, const ImportParse& parse);

} // namespace quillbox
