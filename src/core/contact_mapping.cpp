// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/contact_mapping.h"

#include "core/card_box.h"
#include "core/card_export.h"
#include "core/cp1252.h"
#include "core/vcard.h"

#include <algorithm>

namespace quillbox::mapping {

namespace {

std::string upper(std::string_view s)
{
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string> splitAt(std::string_view s, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i < s.size() && s[i] == '"')
            quoted = !quoted;
        if (i == s.size() || (s[i] == separator && !quoted)) {
            parts.emplace_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

/// The properties vcard::propertiesOf() writes for a card.
bool isMappedName(std::string_view name)
{
    for (const std::string_view mapped : {"FN", "N", "TITLE", "ORG", "ADR", "TEL", "EMAIL", "BDAY", "URL",
             "NICKNAME", "CATEGORIES", "NOTE", "X-QUILLBOX-CARD"}) {
        if (name == mapped)
            return true;
    }
    return false;
}

/// UTF-8 text lines as card lines.
std::vector<std::string> asCardLines(std::string_view utf8)
{
    std::vector<std::string> lines;
    std::string text = cp1252::fromUtf8(utf8);
    std::replace(text.begin(), text.end(), '\0', '?');
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

/// A title no property gives, so that a property read on its own is laid
/// out under it and not made the title.
constexpr std::string_view Placeholder = "Quillbox placeholder title";

vcard::Contact readAlone(std::string_view unfoldedLines, bool withTitle)
{
    std::string single = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    if (withTitle)
        single += "FN:" + std::string(Placeholder) + "\r\n";
    single.append(unfoldedLines);
    single += "END:VCARD\r\n";
    vcard::ReadResult read = vcard::read(single);
    return read.ok && !read.contacts.empty() ? std::move(read.contacts.front()) : vcard::Contact {};
}

/// The lines cardLayout() gives below the placeholder title.
std::vector<std::string> laidOutBelowTitle(const vcard::Contact& contact)
{
    std::vector<std::string> lines = asCardLines(vcard::cardLayout(contact));
    if (!lines.empty())
        lines.erase(lines.begin());
    return lines;
}

/// The card lines one property shows, laid out by the mapping so that they
/// are exactly what an import of the property gives; for a telephone
/// number also its bare value, the form a card may hold it in.
void cardLinesOf(ContentLine& line, std::string_view unfolded)
{
    const std::string one = std::string(unfolded) + "\r\n";
    if (line.name == "X-QUILLBOX-CARD" || line.name == "TITLE" || line.name == "ORG")
        return; // the whole card, made again from it; the company line below
    if (line.name == "N") {
        const std::vector<std::string> lines = asCardLines(vcard::cardLayout(readAlone(one, false)));
        line.cardLines.assign(lines.begin(), lines.begin() + std::min<std::ptrdiff_t>(1, std::ssize(lines)));
        return;
    }
    const vcard::Contact contact = readAlone(one, line.name != "FN");
    if (line.name == "FN")
        line.cardLines = asCardLines(contact.formattedName);
    else if (line.name == "NOTE")
        line.cardLines = contact.note.empty() ? std::vector<std::string>() : asCardLines(contact.note);
    else
        line.cardLines = laidOutBelowTitle(contact);
    if (line.name == "TEL" && !contact.phones.empty())
        line.bareLines = asCardLines(contact.phones.front().value);
}

/// "TEL;CELL": the name and the kinds its parameters give, whatever the
/// version's spelling ("TYPE=cell,voice", "CELL").
std::string keyOf(const std::string& name, std::string_view params)
{
    std::vector<std::string> kinds;
    for (const std::string& param : splitAt(params, ';')) {
        const std::string p = upper(trimmed(param));
        const std::size_t equals = p.find('=');
        const std::string key = equals == std::string::npos ? std::string() : p.substr(0, equals);
        const std::string value = equals == std::string::npos ? p : p.substr(equals + 1);
        if (key == "TYPE"
            || (key.empty() && value != "QUOTED-PRINTABLE" && value != "BASE64" && value != "8BIT")) {
            for (std::string kind : splitAt(value, ',')) {
                kind.erase(std::remove(kind.begin(), kind.end(), '"'), kind.end());
                if (!kind.empty() && kind != "PREF")
                    kinds.push_back(kind);
            }
        }
    }
    std::sort(kinds.begin(), kinds.end());
    std::string out = name;
    for (const std::string& kind : kinds)
        out += ';' + kind;
    return out;
}

} // namespace

std::string vcardOf(std::string_view card, std::string_view uid)
{
    std::string out = vcard::writeCard(exportedText(card));
    const std::string_view version = "VERSION:4.0\r\n";
    const std::size_t at = out.find(version);
    out.insert(at == std::string::npos ? 0 : at + version.size(), "UID:" + std::string(uid) + "\r\n");
    return out;
}

CardIn cardOf(std::string_view vcf)
{
    CardIn in;
    const vcard::ReadResult read = vcard::read(vcf);
    if (!read.ok) {
        in.error = "line " + std::to_string(read.errorLine) + ": " + read.error;
        return in;
    }
    const ImportedText imported = importedText(vcard::cardText(read.contacts.front()));
    if (imported.text.empty()) {
        in.error = "the contact has no text";
        return in;
    }
    in.ok = true;
    in.text = storedCardText(imported.text);
    in.fits = !imported.cut;
    return in;
}

bool fitsOnCard(std::string_view card)
{
    if (card.ends_with("\r\n"))
        card.remove_suffix(2);
    return card.size() <= MaxTypedChars;
}

std::vector<ContentLine> contentLines(std::string_view vcf)
{
    std::vector<ContentLine> lines;
    std::vector<std::string> unfolded;
    bool softBreak = false;
    bool inside = false;
    std::size_t start = 0;
    while (start < vcf.size()) {
        std::size_t end = vcf.find('\n', start);
        end = end == std::string_view::npos ? vcf.size() : end + 1;
        const std::string_view physical = vcf.substr(start, end - start);
        start = end;
        std::string_view text = physical;
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.remove_suffix(1);
        const bool continues = !lines.empty()
            && (softBreak || (!text.empty() && (text.front() == ' ' || text.front() == '\t')));
        if (continues) {
            lines.back().raw += physical;
            unfolded.back() += softBreak ? text : text.substr(1);
        } else {
            if (trimmed(text).empty())
                continue;
            if (!inside && upper(trimmed(text)) != "BEGIN:VCARD")
                continue;
            inside = true;
            lines.push_back({std::string(physical), {}, {}, false, {}, {}});
            unfolded.emplace_back(text);
        }
        const std::string& u = unfolded.back();
        softBreak = !u.empty() && u.back() == '='
            && upper(u.substr(0, u.find(':'))).find("QUOTED-PRINTABLE") != std::string::npos;
        if (softBreak)
            unfolded.back().pop_back();
        if (!continues && upper(trimmed(text)) == "END:VCARD")
            break;
    }
    bool hasFn = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& u = unfolded[i];
        std::size_t colon = std::string::npos;
        bool quoted = false;
        for (std::size_t j = 0; j < u.size(); ++j) {
            if (u[j] == '"')
                quoted = !quoted;
            else if (u[j] == ':' && !quoted) {
                colon = j;
                break;
            }
        }
        const std::string_view head = std::string_view(u).substr(0, colon);
        const std::size_t semicolon = head.find(';');
        std::string_view name = head.substr(0, semicolon);
        if (const std::size_t dot = name.find('.'); dot != std::string_view::npos)
            name.remove_prefix(dot + 1);
        ContentLine& line = lines[i];
        line.name = upper(trimmed(name));
        line.key = keyOf(
            line.name, semicolon == std::string_view::npos ? std::string_view() : head.substr(semicolon + 1));
        line.mapped = colon != std::string::npos && isMappedName(line.name);
        hasFn = hasFn || (line.mapped && line.name == "FN");
        if (line.mapped)
            cardLinesOf(line, u);
    }
    // TITLE and ORG make one company line together; the first of them owns it.
    std::string company;
    ContentLine* owner = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].mapped && (lines[i].name == "TITLE" || lines[i].name == "ORG")) {
            company += unfolded[i] + "\r\n";
            if (!owner || (owner->name == "TITLE" && lines[i].name == "ORG"))
                owner = &lines[i];
        }
    }
    if (owner)
        owner->cardLines = laidOutBelowTitle(readAlone(company, true));
    // With an FN the title comes from it: N then shows nothing of its own.
    if (hasFn) {
        for (ContentLine& line : lines) {
            if (line.name == "N")
                line.cardLines.clear();
        }
    }
    return lines;
}

std::string rewriteMapped(std::string_view oldVcf, std::string_view card, std::string_view uid)
{
    const std::vector<ContentLine> old = contentLines(oldVcf);
    const std::vector<ContentLine> fresh = contentLines(vcardOf(card, uid));
    const auto ended = [](std::string raw) {
        if (!raw.ends_with('\n'))
            raw += "\r\n";
        return raw;
    };
    const bool oldHasUid
        = std::any_of(old.begin(), old.end(), [](const ContentLine& l) { return l.name == "UID"; });
    std::vector<bool> used(old.size(), false);
    std::string block;
    bool titleKept = false;
    for (const ContentLine& line : fresh) {
        if (line.name == "UID" && !oldHasUid)
            block += line.raw;
        if (!line.mapped)
            continue;
        std::size_t keep = old.size();
        for (std::size_t i = 0; i < old.size() && keep == old.size(); ++i) {
            if (used[i] || !old[i].mapped || old[i].name != line.name)
                continue;
            // The title decides the name: N is kept exactly when FN is. What
            // shows no lines of its own (the whole card) is made again.
            if (line.name == "N" ? titleKept : !line.cardLines.empty() && old[i].cardLines == line.cardLines)
                keep = i;
        }
        if (keep < old.size()) {
            used[keep] = true;
            titleKept = titleKept || line.name == "FN";
            block += ended(old[keep].raw);
        } else {
            block += line.raw;
        }
    }
    std::string out;
    bool placed = false;
    for (const ContentLine& line : old) {
        if ((line.mapped || line.name == "END") && !placed) {
            out += block;
            placed = true;
        }
        if (!line.mapped)
            out += ended(line.raw);
    }
    if (!placed)
        out += block;
    return out;
}

} // namespace quillbox::mapping
