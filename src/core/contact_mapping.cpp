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

bool isMappedName(std::string_view name)
{
    return name == "FN" || name == "N" || name == "TEL" || name == "EMAIL" || name == "ADR" || name == "NOTE";
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

/// The card lines one property shows, read through the vCard reader so
/// that they are exactly what an import of the property gives.
std::vector<std::string> cardLinesOf(const std::string& name, std::string_view unfolded)
{
    std::string single = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    single.append(unfolded);
    single += "\r\nEND:VCARD\r\n";
    const vcard::ReadResult read = vcard::read(single);
    if (!read.ok || read.contacts.empty())
        return {};
    const vcard::Contact& contact = read.contacts.front();
    if (name == "FN")
        return asCardLines(contact.formattedName);
    if (name == "NOTE")
        return contact.note.empty() ? std::vector<std::string>() : asCardLines(contact.note);
    std::vector<std::string> lines = asCardLines(vcard::cardText(contact));
    if (name == "N")
        lines.resize(std::min<std::size_t>(lines.size(), 1));
    else if (!lines.empty())
        lines.erase(lines.begin()); // the empty title
    return lines;
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
    const vcard::Contact& contact = read.contacts.front();
    std::string text = vcard::cardText(contact);
    // A note that begins with the title as the card shows it holds the
    // whole card, also when the title has letters the card lacks.
    const std::string_view note = contact.note;
    if (!note.empty() && !contact.formattedName.empty()
        && cp1252::fromUtf8(note.substr(0, note.find('\n'))) == cp1252::fromUtf8(contact.formattedName))
        text = contact.note;
    const ImportedText imported = importedText(text);
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
            lines.push_back({std::string(physical), {}, {}, false, {}});
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
            line.cardLines = cardLinesOf(line.name, u);
    }
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
            // The title decides the name: N is kept exactly when FN is.
            if (line.name == "N" ? titleKept : old[i].cardLines == line.cardLines)
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
