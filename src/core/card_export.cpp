// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/card_export.h"

#include "core/ascii.h"
#include "core/contact_import.h"
#include "core/cp1252.h"
#include "core/csv.h"
#include "core/posix_file.h"
#include "core/utf8.h"
#include "core/vcard.h"

#include <algorithm>
#include <fcntl.h>
#include <iterator>
#include <memory>
#include <unordered_set>

namespace quillbox {

namespace {

/// Every CR LF, lone CR and lone LF made `lineBreak`.
std::string normalisedBreaks(std::string_view text, std::string_view lineBreak)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += lineBreak;
        } else if (text[i] == '\n') {
            out += lineBreak;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string_view firstLine(std::string_view text)
{
    return text.substr(0, text.find('\n'));
}

/// An import reader's outcome as a parse.
ImportParse parseOf(ImportReader& reader)
{
    ImportParse parse;
    if (!reader.status().ok) {
        static_cast<ReadStatus&>(parse) = reader.status();
        return parse;
    }
    parse.texts = reader.texts();
    parse.beyond = reader.textsBeyond();
    parse.emptyCards = reader.emptyCards();
    parse.notCarried = reader.notCarried();
    return parse;
}

// A read that failed before any line: the reason stands alone, with no line.
ImportParse failedRead(std::string reason)
{
    ImportParse parse;
    parse.fail(0, std::move(reason));
    return parse;
}

} // namespace

std::optional<CardFormat> cardFormatNamed(std::string_view name)
{
    const std::string lower = asciiLower(name);
    if (lower == "vcard")
        return CardFormat::VCard;
    if (lower == "csv")
        return CardFormat::Csv;
    if (lower == "text")
        return CardFormat::Text;
    return std::nullopt;
}

std::string exportedText(std::string_view cardText)
{
    std::string text = normalisedBreaks(cp1252::toUtf8(cardText), "\n");
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

std::string exportCards(const std::vector<std::string>& cardTexts, CardFormat format)
{
    std::string out;
    out.reserve(cardTexts.size() * 400);
    if (format == CardFormat::Csv)
        out += csv::writeRow({"Title", "Card"});
    for (std::size_t i = 0; i < cardTexts.size(); ++i) {
        std::string text = exportedText(cardTexts[i]);
        switch (format) {
        case CardFormat::VCard:
            out += vcard::writeCard(text);
            break;
        case CardFormat::Csv:
            out += csv::writeRow({std::string(firstLine(text)), text});
            break;
        case CardFormat::Text:
            if (i > 0) {
                out += CardSeparator;
                out += '\n';
            }
            out += text;
            out += '\n';
            break;
        }
    }
    return out;
}

std::vector<std::string> allCardTexts(const CardCollection& cards, std::vector<std::string> heldBack)
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(cards.CardCount) + heldBack.size());
    for (int i = 1; i <= cards.CardCount; ++i)
        texts.emplace_back(cards.card(i));
    std::move(heldBack.begin(), heldBack.end(), std::back_inserter(texts));
    return texts;
}

ImportParse parseImport(std::string_view bytes, std::optional<CardFormat> format)
{
    ImportReader reader(format);
    reader.feed(bytes);
    reader.finish();
    return parseOf(reader);
}

ImportParse readImportFile(const std::string& path, std::optional<CardFormat> format)
{
    posix::Fd opened;
    int fd = 0; // "-": standard input
    if (path != "-") {
        if (const int e = posix::openFile(path, O_RDONLY, opened))
            return failedRead(posix::describeFailure("cannot open", path, e));
        fd = opened.get();
    }
    ImportReader reader(format);
    std::string chunk;
    for (;;) {
        if (const int e = posix::readSome(fd, chunk, 64 * 1024))
            return failedRead(
                posix::describeFailure("cannot read", path == "-" ? "standard input" : path, e));
        if (chunk.empty() || !reader.feed(chunk))
            break;
    }
    reader.finish();
    return parseOf(reader);
}

ImportedText importedText(std::string_view utf8Text)
{
    ImportedText imported;
    std::string text = normalisedBreaks(utf8Text, "\r\n");
    while (text.ends_with("\r\n"))
        text.resize(text.size() - 2);

    const auto questionMarks = [](std::string_view s) { return std::count(s.begin(), s.end(), '?'); };
    const auto before = questionMarks(text);
    text = cp1252::fromUtf8(text);
    // A NUL would end the card text where it stands.
    std::replace(text.begin(), text.end(), '\0', '?');
    imported.replaced = static_cast<int>(questionMarks(text) - before);
    imported.cut = text.size() > MaxTypedChars;
    imported.text = std::move(text);
    return imported;
}

ImportCounts addImportedCards(CardBox& box, const std::vector<std::string>& texts)
{
    ImportCounts counts;
    std::unordered_set<std::string> present;
    for (int i = 1; i <= box.count(); ++i)
        present.emplace(box.collection().card(i));
    for (const std::string& utf8Text : texts) {
        const ImportedText imported = importedText(utf8Text);
        if (imported.text.empty())
            continue;
        std::string stored = storedCardText(imported.text);
        if (present.contains(stored)) {
            ++counts.duplicates;
            continue;
        }
        if (!box.addCard(imported.text)) {
            ++counts.notAdded;
            continue;
        }
        if (counts.added == 0)
            counts.firstAdded = stored;
        present.insert(std::move(stored));
        ++counts.added;
        counts.cut += imported.cut ? 1 : 0;
        counts.replaced += imported.replaced;
    }
    return counts;
}

ImportCounts addImportedCards(CardBox& box, const ImportParse& parse)
{
    ImportCounts counts = addImportedCards(box, parse.texts);
    counts.notAdded += parse.beyond;
    counts.emptyCards = parse.emptyCards;
    counts.notCarried = parse.notCarried;
    return counts;
}

std::string describeImport(const ImportCounts& counts)
{
    std::string text = "Cards added: " + std::to_string(counts.added) + "\n" + "Cards cut to "
        + std::to_string(MaxTypedChars) + " characters: " + std::to_string(counts.cut) + "\n"
        + "Characters replaced by \"?\": " + std::to_string(counts.replaced) + "\n"
        + "Cards not added, the card file being full (" + std::to_string(MaxCards)
        + " cards): " + std::to_string(counts.notAdded) + "\n"
        + "Already in the card file: " + std::to_string(counts.duplicates) + "\n";
    if (counts.emptyCards > 0)
        text += "Rows with an empty Card field, not added: " + std::to_string(counts.emptyCards) + "\n";
    if (!counts.notCarried.empty())
        text += "Not carried: " + describeNotCarried(counts.notCarried) + "\n";
    return text;
}

TransferResult exportCardFile(CardFile& file, CardFormat format)
{
    auto cards = std::make_unique<CardCollection>();
    const CardFileLoad load = file.LoadCardFile(*cards);
    if (!load.present) {
        return {false,
            load.error.empty() ? "there is no card file " + file.cardFilePath()
                               : "the card file " + file.cardFilePath() + " cannot be read: " + load.error,
            0, {}, {}};
    }
    const std::vector<std::string> texts = allCardTexts(*cards, file.heldBackTexts());
    return {true, exportCards(texts, format), static_cast<int>(texts.size()), {}, {}};
}

TransferResult importIntoCardFile(CardFile& file, CardFormat format, std::string_view bytes)
{
    return importIntoCardFile(file, parseImport(bytes, format));
}

TransferResult importIntoCardFile(CardFile& file, const ImportParse& parse)
{
    if (!parse.ok) {
        const std::string where = parse.errorLine > 0 ? "line " + std::to_string(parse.errorLine) + ": " : "";
        return {false, where + parse.error, 0, {}, {}};
    }

    auto box = std::make_unique<CardBox>();
    const CardFileLoad load = file.LoadCardFile(box->collection());
    if (!load.present && !load.error.empty())
        return {false, "the card file " + file.cardFilePath() + " cannot be read: " + load.error, 0, {}, {}};
    if (load.damagedEnd) {
        return {false,
            "the end of the card file " + file.cardFilePath()
                + " is damaged; open it in Quillbox and check its last card first",
            0, {}, {}};
    }

    const ImportCounts counts = addImportedCards(*box, parse);
    if (counts.added > 0) {
        const CardFileSave saved = file.SaveCardFile(box->cards());
        if (!saved.ok)
            return {false, saved.error, 0, {}, {}};
        return {true, describeImport(counts), counts.added, saved.backup, saved.unconfirmed};
    }
    return {true, describeImport(counts), counts.added, {}, {}};
}

} // namespace quillbox
