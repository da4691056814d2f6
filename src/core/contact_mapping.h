// SPDX-License-Identifier: GPL-3.0-or-later
// What sync needs of the card <-> vCard mapping, and nothing more: a card
// as a vCard, a vCard as a card, and which lines of a card each mapped
// property of a vCard owns. The mapping itself lives in vcard and
// card_export; this is the one place sync reaches it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillbox::mapping {

/// The vCard (UTF-8, CR LF) that the stored card text `card` (Windows-1252,
/// CR LF, ending in CR LF) goes out as, with UID `uid`.
std::string vcardOf(std::string_view card, std::string_view uid);

/// A contact as a card.
struct CardIn {
    /// False when `vcf` is not a readable vCard; error says why.
    bool ok = false;
    std::string error;
    /// The stored card text (Windows-1252, CR LF, ending in CR LF).
    std::string text;
    /// False when the contact's text runs over what a card holds; `text`
    /// is then cut and must not become a card.
    bool fits = true;
};
CardIn cardOf(std::string_view vcf);

/// True when a stored card text fits on a card (at most the characters a
/// card may hold, its closing line break aside).
bool fitsOnCard(std::string_view card);

/// One content line of a vCard as its file holds it.
struct ContentLine {
    /// The bytes in the file: folded continuation lines and line end
    /// included.
    std::string raw;
    /// The property name, upper case, without a group.
    std::string name;
    /// What pairs a changed property with its earlier version: the name
    /// and its type list, sorted and upper case ("TEL;CELL").
    std::string key;
    /// A property the card maps: rewritten from the card when the card
    /// changes, and merged into the card when the contact changes.
    bool mapped = false;
    /// The card lines (Windows-1252, no line ends) the property owns, as an
    /// import lays it out; empty for properties that are not mapped and for
    /// those that own no line of their own (X-QUILLBOX-CARD; N beside an
    /// FN; of TITLE and ORG, which share the company line, the second).
    std::vector<std::string> cardLines;
    /// For a telephone number, the bare number: a card may hold it so.
    std::vector<std::string> bareLines;
};

/// The content lines of the first vCard in `vcf`, BEGIN and END included;
/// empty when there is none.
std::vector<ContentLine> contentLines(std::string_view vcf);

/// `oldVcf` with the properties the card maps replaced by those of
/// `card`, every other line kept as it was. A mapped property whose
/// card lines are unchanged keeps its old bytes, so letters the card
/// shows as "?" survive. `uid` is used only when `oldVcf` has no UID.
std::string rewriteMapped(std::string_view oldVcf, std::string_view card, std::string_view uid);

} // namespace quillbox::mapping
