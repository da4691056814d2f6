// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the vCard and CSV readers, in pieces whose sizes
// the input chooses, and to the import as the command runs it, and checks
// that no input crashes them, that reading in pieces agrees with reading
// whole, and that a card exported as a vCard or a CSV row imports back as
// the same card.
#include "core/card_box.h"
#include "core/card_export.h"
#include "core/csv.h"
#include "core/utf8.h"
#include "core/vcard.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace quillbox;

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "import invariant broken: %s\n", what);
        std::abort();
    }
}

/// Pieces of `bytes` cut at sizes taken from `seed`.
std::vector<std::string_view> pieces(std::string_view bytes, std::uint8_t seed)
{
    std::vector<std::string_view> out;
    std::size_t size = 1 + seed % 7;
    while (!bytes.empty()) {
        const std::size_t n = std::min(size, bytes.size());
        out.push_back(bytes.substr(0, n));
        bytes.remove_prefix(n);
        size = size * 3 % 17 + 1;
    }
    return out;
}

void readVCards(std::string_view bytes, std::uint8_t seed)
{
    const vcard::ReadResult whole = vcard::read(bytes);
    std::vector<std::string> cards;
    vcard::Reader reader([&cards](vcard::Contact&& contact) { cards.push_back(vcard::cardText(contact)); });
    for (const std::string_view piece : pieces(bytes, seed))
        reader.feed(piece);
    reader.finish();
    check(reader.status().ok == whole.ok, "pieces and whole agree on success");
    if (!whole.ok) {
        check(reader.status().errorLine == whole.errorLine, "pieces and whole agree on the line");
        check(whole.errorLine >= 1, "a failure names a line");
        return;
    }
    check(cards.size() == whole.contacts.size(), "pieces and whole read as many cards");
    for (std::size_t i = 0; i < cards.size(); ++i) {
        check(cards[i] == vcard::cardText(whole.contacts[i]), "pieces and whole read the same card");
        check(cards[i].empty() || cards[i].front() != '\n', "no card begins with an empty line");
        // What was read writes out as a vCard that reads back.
        check(vcard::read(vcard::writeCard(cards[i])).ok, "a read card writes readably");
    }
}

void readCsv(std::string_view bytes, std::uint8_t seed)
{
    const csv::ReadResult whole = csv::read(bytes);
    std::vector<csv::Row> rows;
    csv::Reader reader([&rows](csv::Row&& row) { rows.push_back(std::move(row)); });
    for (const std::string_view piece : pieces(bytes, seed))
        reader.feed(piece);
    reader.finish();
    check(reader.status().ok == whole.ok, "pieces and whole agree on success");
    if (!whole.ok) {
        check(reader.status().errorLine == whole.errorLine, "pieces and whole agree on the line");
        return;
    }
    check(rows == whole.rows, "pieces and whole read the same rows");
    for (const csv::Row& row : rows) {
        for (const std::string& field : row)
            check(utf8::isValid(field), "fields come out as UTF-8");
    }
}

/// `bytes` as a card text could be: valid UTF-8, no NUL or CR, short.
std::string asCardText(std::string_view bytes)
{
    std::string text;
    std::size_t i = 0;
    while (i < bytes.size() && text.size() < 1500) {
        const utf8::Decoded d = utf8::decode(bytes.substr(i));
        if (d.valid && d.c != 0 && d.c != '\r')
            text.append(bytes.substr(i, d.length));
        i += d.length;
    }
    return text;
}

void roundTrip(std::string_view bytes)
{
    const std::string text = asCardText(bytes);
    const vcard::ReadResult read = vcard::read(vcard::writeCard(text));
    check(read.ok && read.contacts.size() == 1, "an exported card reads as one vCard");
    check(vcard::cardText(read.contacts.front()) == text, "an exported card reads back byte for byte");

    const std::string title = text.substr(0, text.find('\n'));
    const csv::ReadResult rows = csv::read(csv::writeRow({"Title", "Card"}) + csv::writeRow({title, text}));
    check(rows.ok && rows.rows.size() == 2, "an exported CSV reads as two rows");
    check(rows.rows[1] == csv::Row({title, text}), "an exported row reads back byte for byte");
}

/// Any input through the import as the command reads it (the format told
/// by the content); each card it gives, stored, exported in both formats
/// and imported again, is the same card.
void importAndRoundTrip(std::string_view bytes)
{
    const ImportParse parse = parseImport(bytes, std::nullopt);
    if (!parse.ok) {
        check(parse.texts.empty(), "a failed import gives no cards");
        return;
    }
    check(parse.texts.size() <= MaxCards, "an import keeps at most MaxCards texts");
    for (const std::string& text : parse.texts) {
        const ImportedText imported = importedText(text);
        if (imported.text.empty())
            continue;
        const std::string stored = storedCardText(imported.text);
        for (const CardFormat format : {CardFormat::VCard, CardFormat::Csv}) {
            const ImportParse again = parseImport(exportCards({stored}, format), format);
            check(again.ok, "an exported card imports");
            auto box = std::make_unique<CardBox>();
            const ImportCounts counts = addImportedCards(*box, again);
            check(counts.added == 1 && box->collection().card(1) == stored,
                "an exported card imports byte for byte");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 4) {
    case 0:
        readVCards(bytes, data[0]);
        break;
    case 1:
        readCsv(bytes, data[0]);
        break;
    case 2:
        roundTrip(bytes);
        break;
    default:
        importAndRoundTrip(bytes);
        break;
    }
    return 0;
}
