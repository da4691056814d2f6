#include "core/card_export.h"

#include "core/ascii.h"
#include "core/cp1252.h"
#include "core/csv.h"
#include "core/utf8.h"
#include "core/vcard.h"

#include <algorithm>
#include <iterator>
#include <memory>

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

ImportParse parseCsvImport(std::string_view bytes)
{
    ImportParse parse;
    const std::string text = cp1252::unknownToUtf8(bytes);
    csv::ReadResult read = csv::read(text);
    if (!read.ok)
        return {false, read.errorLine, read.error, {}};
    if (read.rows.empty())
        return {false, 1, "the file is empty", {}};

    const csv::Row& header = read.rows.front();
    const bool ownHeader = header.size() == 2 && asciiLower(trimmed(header[0])) == "title"
        && asciiLower(trimmed(header[1])) == "card";
    for (std::size_t r = 1; r < read.rows.size(); ++r) {
        const csv::Row& row = read.rows[r];
        if (ownHeader) {
            parse.texts.push_back(row.size() > 1 ? row[1] : row.front());
            continue;
        }
        std::string card;
        for (const std::string& field : row) {
            const std::string_view value = trimmed(field);
            if (value.empty())
                continue;
            if (!card.empty())
                card += '\n';
            card += value;
        }
        parse.texts.push_back(std::move(card));
    }
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

ImportParse parseImport(std::string_view bytes, CardFormat format)
{
    switch (format) {
    case CardFormat::VCard: {
        const vcard::ReadResult read = vcard::read(bytes);
        if (!read.ok)
            return {false, read.errorLine, read.error, {}};
        ImportParse parse;
        parse.texts.reserve(read.contacts.size());
        for (const vcard::Contact& contact : read.contacts)
            parse.texts.push_back(vcard::cardText(contact));
        return parse;
    }
    case CardFormat::Csv:
        return parseCsvImport(bytes);
    case CardFormat::Text:
        break;
    }
    return {false, 0, "plain text cannot be imported; use vcard or csv", {}};
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
    for (const std::string& utf8Text : texts) {
        const ImportedText imported = importedText(utf8Text);
        if (imported.text.empty())
            continue;
        if (!box.addCard(imported.text)) {
            ++counts.notAdded;
            continue;
        }
        ++counts.added;
        counts.cut += imported.cut ? 1 : 0;
        counts.replaced += imported.replaced;
    }
    return counts;
}

std::string describeImport(const ImportCounts& counts)
{
    return "Cards added: " + std::to_string(counts.added) + "\n" + "Cards cut to "
        + std::to_string(MaxTypedChars) + " characters: " + std::to_string(counts.cut) + "\n"
        + "Characters replaced by \"?\": " + std::to_string(counts.replaced) + "\n"
        + "Cards not added, the card file being full (" + std::to_string(MaxCards)
        + " cards): " + std::to_string(counts.notAdded) + "\n";
}

TransferResult exportCardFile(CardFile& file, CardFormat format)
{
    auto cards = std::make_unique<CardCollection>();
    const CardFileLoad load = file.LoadCardFile(*cards);
    if (!load.present) {
        return {false,
            load.error.empty() ? "there is no card file " + file.cardFilePath()
                               : "the card file " + file.cardFilePath() + " cannot be read: " + load.error,
            0};
    }
    const std::vector<std::string> texts = allCardTexts(*cards, file.heldBackTexts());
    return {true, exportCards(texts, format), static_cast<int>(texts.size())};
}

TransferResult importIntoCardFile(CardFile& file, CardFormat format, std::string_view bytes)
{
    const ImportParse parse = parseImport(bytes, format);
    if (!parse.ok) {
        const std::string where = parse.errorLine > 0 ? "line " + std::to_string(parse.errorLine) + ": " : "";
        return {false, where + parse.error, 0};
    }

    auto box = std::make_unique<CardBox>();
    const CardFileLoad load = file.LoadCardFile(box->collection());
    if (!load.present && !load.error.empty())
        return {false, "the card file " + file.cardFilePath() + " cannot be read: " + load.error, 0};
    if (load.damagedEnd) {
        return {false,
            "the end of the card file " + file.cardFilePath()
                + " is damaged; open it in Quillbox and check its last card first",
            0};
    }

    const ImportCounts counts = addImportedCards(*box, parse.texts);
    if (counts.added > 0) {
        const CardFileSave saved = file.SaveCardFile(box->cards());
        if (!saved.ok)
            return {false, saved.error, 0};
    }
    return {true, describeImport(counts), counts.added};
}

} // namespace quillbox
