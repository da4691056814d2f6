// SPDX-License-Identifier: GPL-3.0-or-later
// Reading an import into card texts: vCard or CSV, decided by the format
// named or by the content, read as a stream so that memory stays small
// whatever the input, and CSV of mail programs mapped to the card layout.
#pragma once

#include "core/card_format.h"
#include "core/csv.h"
#include "core/read_status.h"

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox {

/// The format the content of an input's first bytes shows: vCard when the
/// first text (after a byte-order mark and blank lines) is BEGIN:VCARD, in
/// any case; CSV otherwise.
CardFormat formatOfContent(std::string_view firstBytes);

/// The card text (UTF-8, LF between lines) a CSV row becomes under
/// `header`:
/// - this program's own header "Title,Card": the Card field as it stands;
/// - the headers of Outlook, Google Contacts (current and older) and
///   Thunderbird exports: the card layout of a vCard (name, company line,
///   address lines, labelled numbers, e-mail addresses, birthday, web
///   page, groups, notes), bookkeeping columns and empty ones left out;
/// - any other header: a line "Header: value" for each non-empty field in
///   header order, except that the first column whose header contains
///   "name" (any case) gives the first line without a label; with no such
///   column, the first non-empty value does.
class CsvCardMapping {
public:
    explicit CsvCardMapping(const csv::Row& header);
    ~CsvCardMapping();
    CsvCardMapping(const CsvCardMapping&) = delete;
    CsvCardMapping& operator=(const CsvCardMapping&) = delete;

    /// True for the header "Title,Card".
    bool ownHeader() const;
    /// True for a mail program's header.
    bool knownHeader() const;
    std::string cardText(const csv::Row& row) const;

private:
    struct Columns;
    std::unique_ptr<Columns> m;
};

/// An import read in pieces of any size into card texts.
class ImportReader {
public:
    /// The most card texts kept: the card file holds no more cards.
    static constexpr std::size_t MaxTexts = 2000;
    /// A card text is kept to this many bytes, more than a card holds.
    static constexpr std::size_t MaxTextBytes = 2048;

    /// `named`: the format the user named, checked against the content;
    /// nullopt to decide by the content alone. Text cannot be imported.
    explicit ImportReader(std::optional<CardFormat> named);
    ~ImportReader();
    ImportReader(const ImportReader&) = delete;
    ImportReader& operator=(const ImportReader&) = delete;

    /// The next bytes of the input. False once the reading has stopped.
    bool feed(std::string_view bytes);
    /// The end of the input. False when the reading stopped: then
    /// status() says where and why, and nothing is to be
    /// added. Content of the other format than the one named stops it
    /// with a message naming the right one.
    bool finish();

    const ReadStatus& status() const;

    /// The cards read, UTF-8 with LF between lines, each cut to
    /// MaxTextBytes (on a character's boundary), at most MaxTexts of them.
    const std::vector<std::string>& texts() const;
    /// Cards read beyond MaxTexts.
    int textsBeyond() const;
    /// Rows of a "Title,Card" file whose Card field is empty.
    int emptyCards() const;
    /// vCard properties skipped, by name.
    const std::map<std::string, int>& notCarried() const;

private:
    struct State;
    std::unique_ptr<State> m;
};

/// "3 photos, 2 X-ANDROID-CUSTOM": the kinds not carried, in name order;
/// empty for none.
std::string describeNotCarried(const std::map<std::string, int>& counts);

} // namespace quillbox
