#include "core/vcard.h"

#include "core/ascii.h"
#include "core/cp1252.h"
#include "core/utf8.h"

#include <algorithm>
#include <cctype>

namespace quillbox::vcard {

namespace {

constexpr std::size_t FoldWidth = 75;

// A CR left at a line's end by a CR LF file is a blank here too.
std::string_view trimmed(std::string_view s)
{
    return quillbox::trimmed(s, " \t\r");
}

std::string upper(std::string_view s)
{
    return asciiUpper(s);
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

void appendProperty(std::string& out, std::string_view name, std::string_view value)
{
    std::string line(name);
    line += ':';
    line += value;
    out += foldLine(line);
}

bool emailLocalChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c))
        || std::string_view("!#$%&'*+/=?^_`{|}~.-").find(c) != std::string_view::npos;
}

// ---------------------------------------------------------------------------
// Reading

struct LogicalLine {
    int lineNumber = 0;
    std::string text;
};

/// Position of the first `c` outside double quotes, or npos.
std::size_t findUnquoted(std::string_view s, char c)
{
    bool quoted = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"')
            quoted = !quoted;
        else if (s[i] == c && !quoted)
            return i;
    }
    return std::string_view::npos;
}

bool isQuotedPrintable(std::string_view line)
{
    const std::size_t colon = findUnquoted(line, ':');
    const std::string head = upper(line.substr(0, colon));
    return head.find("QUOTED-PRINTABLE") != std::string::npos;
}

/// Physical lines joined into content lines: a line that begins with a
/// blank continues the one before (folding), and so does the line after a
/// quoted-printable value that ends in '=' (a soft line break).
std::vector<LogicalLine> unfold(std::string_view bytes)
{
    std::vector<LogicalLine> lines;
    bool softBreak = false;
    int number = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        if (softBreak && !lines.empty()) {
            lines.back().text += line;
        } else if (!line.empty() && (line.front() == ' ' || line.front() == '\t') && !lines.empty()) {
            lines.back().text += line.substr(1);
        } else if (trimmed(line).empty()) {
            softBreak = false;
            continue;
        } else {
            lines.push_back({number, std::string(line)});
        }
        std::string& text = lines.back().text;
        softBreak = !text.empty() && text.back() == '=' && isQuotedPrintable(text);
        if (softBreak)
            text.pop_back();
    }
    return lines;
}

std::string decodeQuotedPrintable(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '=' && i + 2 < s.size()) {
            const int hi = hexDigit(s[i + 1]);
            const int lo = hexDigit(s[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

/// Splits at each `separator` not escaped by a backslash; escapes stay.
std::vector<std::string_view> splitUnescaped(std::string_view s, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\') {
            ++i;
        } else if (s[i] == separator) {
            parts.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(s.substr(start));
    return parts;
}

std::string unescapeText(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char next = s[++i];
            out += (next == 'n' || next == 'N') ? '\n' : next;
        } else {
            out += s[i];
        }
    }
    return out;
}

struct Property {
    std::string name;
    std::string encoding;
    std::string charset;
    std::string rawValue;
};

bool parseProperty(std::string_view line, Property& property)
{
    const std::size_t colon = findUnquoted(line, ':');
    if (colon == std::string_view::npos)
        return false;
    const std::string_view head = line.substr(0, colon);
    property.rawValue = std::string(line.substr(colon + 1));

    std::size_t semicolon = findUnquoted(head, ';');
    std::string_view name = head.substr(0, semicolon);
    if (const std::size_t dot = name.find('.'); dot != std::string_view::npos)
        name.remove_prefix(dot + 1); // a group prefix, "item1.ADR"
    property.name = upper(trimmed(name));

    std::string_view params
        = semicolon == std::string_view::npos ? std::string_view() : head.substr(semicolon + 1);
    while (!params.empty()) {
        semicolon = findUnquoted(params, ';');
        const std::string_view param = params.substr(0, semicolon);
        params = semicolon == std::string_view::npos ? std::string_view() : params.substr(semicolon + 1);
        const std::size_t equals = param.find('=');
        std::string key
            = equals == std::string_view::npos ? std::string() : upper(trimmed(param.substr(0, equals)));
        std::string value
            = upper(trimmed(equals == std::string_view::npos ? param : param.substr(equals + 1)));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        // vCard 2.1 names encodings bare: "TEL;CELL;QUOTED-PRINTABLE:".
        if (key.empty()
            && (value == "QUOTED-PRINTABLE" || value == "BASE64" || value == "B" || value == "8BIT"))
            key = "ENCODING";
        if (key == "ENCODING")
            property.encoding = value;
        else if (key == "CHARSET")
            property.charset = value;
    }
    return true;
}

/// One raw value part decoded to UTF-8, escapes still in place.
std::string decodePart(const Property& property, std::string_view raw)
{
    std::string bytes
        = property.encoding == "QUOTED-PRINTABLE" ? decodeQuotedPrintable(raw) : std::string(raw);
    const std::string& charset = property.charset;
    if (charset == "ISO-8859-1" || charset == "LATIN1" || charset == "ISO_8859-1" || charset == "US-ASCII")
        return utf8::fromLatin1(bytes);
    if (charset == "WINDOWS-1252" || charset == "CP1252")
        return cp1252::toUtf8(bytes);
    return cp1252::unknownToUtf8(bytes);
}

std::string textValue(const Property& property)
{
    return unescapeText(decodePart(property, property.rawValue));
}

/// A structured value (N, ADR): components split at ';', values at ','.
std::vector<std::vector<std::string>> structuredValue(const Property& property)
{
    std::vector<std::vector<std::string>> components;
    for (const std::string_view component : splitUnescaped(property.rawValue, ';')) {
        std::vector<std::string> values;
        for (const std::string_view value : splitUnescaped(component, ',')) {
            std::string text(trimmed(unescapeText(decodePart(property, value))));
            if (!text.empty())
                values.push_back(std::move(text));
        }
        components.push_back(std::move(values));
    }
    return components;
}

std::string joined(const std::vector<std::string>& values, std::string_view separator)
{
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += separator;
        out += values[i];
    }
    return out;
}

void addLines(std::vector<std::string>& lines, std::string_view text)
{
    for (const std::string_view line : splitLines(text)) {
        const std::string_view t = trimmed(line);
        if (!t.empty())
            lines.emplace_back(t);
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Writing

std::string escapeText(std::string_view value)
{
    std::string out;
    out.reserve(value.size() + value.size() / 8);
    for (const char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case ',':
            out += "\\,";
            break;
        case ';':
            out += "\\;";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string foldLine(std::string_view line)
{
    std::string out;
    out.reserve(line.size() + 3 * (line.size() / (FoldWidth - 1) + 1));
    std::size_t width = FoldWidth;
    while (line.size() > width) {
        std::size_t cut = width;
        // Never between the bytes of one UTF-8 sequence.
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out += line.substr(0, cut);
        out += "\r\n ";
        line.remove_prefix(cut);
        width = FoldWidth - 1; // the leading blank takes one octet
    }
    out += line;
    out += "\r\n";
    return out;
}

bool isEmailAddress(std::string_view line)
{
    const std::string_view s = trimmed(line);
    const std::size_t at = s.find('@');
    if (at == std::string_view::npos || at == 0 || s.find('@', at + 1) != std::string_view::npos)
        return false;
    if (!std::all_of(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(at), emailLocalChar))
        return false;
    const std::string_view domain = s.substr(at + 1);
    if (domain.empty() || domain.front() == '.' || domain.back() == '.' || domain.front() == '-'
        || domain.find('.') == std::string_view::npos || domain.find("..") != std::string_view::npos)
        return false;
    return std::all_of(domain.begin(), domain.end(),
        [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-'; });
}

bool isTelephoneNumber(std::string_view line)
{
    const std::string_view s = trimmed(line);
    int digits = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '+' && i == 0)
            continue;
        else if (std::string_view(" -()./").find(c) == std::string_view::npos)
            return false;
    }
    return digits >= 6 && digits <= 20;
}

std::string writeCard(std::string_view text)
{
    const std::vector<std::string_view> lines = splitLines(text);
    const std::string_view title = lines.front();

    std::string out = "BEGIN:VCARD\r\nVERSION:4.0\r\n";
    appendProperty(out, "FN", escapeText(title));

    const std::size_t comma = title.find(',');
    const std::string_view family = trimmed(title.substr(0, comma));
    const std::string_view given
        = comma == std::string_view::npos ? std::string_view() : trimmed(title.substr(comma + 1));
    if (comma != std::string_view::npos && !family.empty() && !given.empty()
        && given.find(',') == std::string_view::npos)
        appendProperty(out, "N", escapeText(family) + ';' + escapeText(given) + ";;;");
    else
        appendProperty(out, "N", escapeText(title) + ";;;;");

    for (const std::string_view line : lines) {
        if (isEmailAddress(line))
            appendProperty(out, "EMAIL", escapeText(trimmed(line)));
        else if (isTelephoneNumber(line))
            appendProperty(out, "TEL", escapeText(trimmed(line)));
    }
    appendProperty(out, "NOTE", escapeText(text));
    out += "END:VCARD\r\n";
    return out;
}

// ---------------------------------------------------------------------------
// Reading

ReadResult read(std::string_view bytes)
{
    ReadResult result;
    bytes = utf8::withoutByteOrderMark(bytes);
    const auto fail = [&result](int line, std::string reason) {
        result.ok = false;
        result.errorLine = line;
        result.error = std::move(reason);
        result.contacts.clear();
        return result;
    };

    bool inside = false;
    int beginLine = 0;
    Contact contact;
    for (const LogicalLine& line : unfold(bytes)) {
        Property property;
        if (!parseProperty(line.text, property))
            return fail(line.lineNumber, "a line without a colon");
        const std::string value = upper(trimmed(property.rawValue));
        if (property.name == "BEGIN" && value == "VCARD") {
            if (inside)
                return fail(line.lineNumber, "a vCard begins inside another");
            inside = true;
            beginLine = line.lineNumber;
            contact = Contact();
            continue;
        }
        if (!inside)
            return fail(line.lineNumber, "text outside a vCard");
        if (property.name == "END" && value == "VCARD") {
            inside = false;
            result.contacts.push_back(std::move(contact));
            continue;
        }
        if (property.encoding == "BASE64" || property.encoding == "B")
            continue;

        if (property.name == "FN") {
            contact.formattedName = trimmed(textValue(property));
        } else if (property.name == "N") {
            contact.name.clear();
            for (const auto& values : structuredValue(property))
                contact.name.push_back(joined(values, " "));
        } else if (property.name == "ADR") {
            contact.addresses.push_back(structuredValue(property));
        } else if (property.name == "TEL") {
            std::string number(trimmed(textValue(property)));
            // vCard 4.0 may give the number as a URI.
            if (upper(number.substr(0, 4)) == "TEL:")
                number.erase(0, 4);
            if (!number.empty())
                contact.phones.push_back(std::move(number));
        } else if (property.name == "EMAIL") {
            std::string address(trimmed(textValue(property)));
            if (!address.empty())
                contact.emails.push_back(std::move(address));
        } else if (property.name == "NOTE") {
            std::string note = textValue(property);
            std::erase(note, '\r');
            if (!contact.note.empty() && !note.empty())
                contact.note += '\n';
            contact.note += note;
        }
    }
    if (inside)
        return fail(beginLine, "the vCard that begins here has no END:VCARD");
    if (result.contacts.empty())
        return fail(1, "no vCard found (no BEGIN:VCARD)");
    return result;
}

std::string cardText(const Contact& contact)
{
    std::string title = contact.formattedName;
    if (title.empty() && !contact.name.empty()) {
        const std::string family = contact.name.size() > 0 ? contact.name[0] : std::string();
        const std::string given = contact.name.size() > 1 ? contact.name[1] : std::string();
        title = family.empty() || given.empty() ? family + given : family + ", " + given;
    }
    // The note as this program writes it: the whole card, title first.
    if (!contact.note.empty() && trimmed(splitLines(contact.note).front()) == trimmed(title))
        return contact.note;

    std::vector<std::string> lines {title};
    for (const auto& address : contact.addresses) {
        const auto component = [&address](std::size_t i) {
            return i < address.size() ? address[i] : std::vector<std::string>();
        };
        for (std::size_t i : {0u, 1u, 2u}) {
            for (const auto& value : component(i))
                addLines(lines, value);
        }
        std::string place = joined(component(3), ", ");
        const std::string region = joined(component(4), ", ");
        const std::string code = joined(component(5), " ");
        if (!region.empty())
            place += (place.empty() ? "" : ", ") + region;
        if (!code.empty())
            place += (place.empty() ? "" : " ") + code;
        addLines(lines, place);
        addLines(lines, joined(component(6), ", "));
    }
    lines.insert(lines.end(), contact.phones.begin(), contact.phones.end());
    lines.insert(lines.end(), contact.emails.begin(), contact.emails.end());
    std::string text = joined(lines, "\n");
    if (!contact.note.empty())
        text += "\n" + contact.note;
    return text;
}

} // namespace quillbox::vcard
