// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vcard.h"

#include "core/ascii.h"
#include "core/cp1252.h"
#include "core/utf8.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <iconv.h>

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

std::string lower(std::string_view s)
{
    return asciiLower(s);
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

bool emailLocalChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80
        || std::string_view("!#$%&'*+/=?^_`{|}~.-").find(c) != std::string_view::npos;
}

bool hasDigit(std::string_view s)
{
    return std::any_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// ---------------------------------------------------------------------------
// The labels of the card layout, shared by both directions.

constexpr std::string_view PlainPhoneLabel = "Tel. ";
constexpr std::string_view BirthdayLabel = "Birthday: ";
constexpr std::string_view WebLabel = "Web: ";
constexpr std::string_view NicknameLabel = "Nickname: ";
constexpr std::string_view GroupsLabel = "Groups: ";

struct PhoneLabel {
    std::string_view label;
    std::vector<std::string_view> types;
};

// Most specific first: the reader takes the first whose types a number has.
const std::vector<PhoneLabel>& phoneLabels()
{
    static const std::vector<PhoneLabel> labels {
        {"Work fax: ", {"work", "fax"}},
        {"Home fax: ", {"home", "fax"}},
        {"Fax: ", {"fax"}},
        {"Pager: ", {"pager"}},
        {"Mobile: ", {"cell"}},
        {"Work: ", {"work"}},
        {"Home: ", {"home"}},
    };
    return labels;
}

bool hasType(const std::vector<std::string>& types, std::string_view type)
{
    return std::find(types.begin(), types.end(), type) != types.end();
}

std::string phoneLine(const TypedValue& phone)
{
    std::vector<std::string> types = phone.types;
    for (std::string& type : types) {
        if (type == "mobile" || type == "iphone")
            type = "cell";
        if (type == "facsimile")
            type = "fax";
    }
    for (const PhoneLabel& label : phoneLabels()) {
        if (std::all_of(label.types.begin(), label.types.end(),
                [&types](std::string_view t) { return hasType(types, t); }))
            return std::string(label.label) + phone.value;
    }
    return std::string(PlainPhoneLabel) + phone.value;
}

/// A labelled telephone line's TYPE list and number, or false.
bool parsePhoneLine(std::string_view line, std::string& types, std::string_view& number)
{
    line = trimmed(line);
    if (line.starts_with(PlainPhoneLabel) && isTelephoneNumber(line.substr(PlainPhoneLabel.size()))) {
        types = "voice";
        number = trimmed(line.substr(PlainPhoneLabel.size()));
        return true;
    }
    for (const PhoneLabel& label : phoneLabels()) {
        if (line.starts_with(label.label) && isTelephoneNumber(line.substr(label.label.size()))) {
            types.clear();
            for (const std::string_view type : label.types)
                types += (types.empty() ? "" : ",") + std::string(type);
            if (label.types.size() == 1 && (label.types[0] == "work" || label.types[0] == "home"))
                types += ",voice";
            number = trimmed(line.substr(label.label.size()));
            return true;
        }
    }
    if (isTelephoneNumber(line)) {
        types.clear();
        number = line;
        return true;
    }
    return false;
}

bool isLabelledLine(std::string_view line)
{
    std::string types;
    std::string_view number;
    line = trimmed(line);
    return parsePhoneLine(line, types, number) || isEmailAddress(line) || line.starts_with(BirthdayLabel)
        || line.starts_with(WebLabel) || line.starts_with(NicknameLabel) || line.starts_with(GroupsLabel);
}

/// The postal code a line holds: a word of four to nine digits, a hyphen
/// allowed between them; empty when it holds none.
std::string_view postalCodeIn(std::string_view line)
{
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == ','))
            ++i;
        std::size_t end = i;
        while (end < line.size() && line[end] != ' ' && line[end] != ',')
            ++end;
        const std::string_view word = line.substr(i, end - i);
        int digits = 0;
        bool shape = !word.empty() && word.front() != '-' && word.back() != '-';
        for (const char c : word) {
            if (c >= '0' && c <= '9')
                ++digits;
            else if (c != '-')
                shape = false;
        }
        if (shape && digits >= 4 && digits <= 9 && std::count(word.begin(), word.end(), '-') <= 1)
            return word;
        i = end;
    }
    return {};
}

void appendProperty(std::string& out, const PropertyLine& property)
{
    std::string line = property.name;
    for (const auto& [name, value] : property.parameters) {
        line += ';';
        line += name;
        line += '=';
        // A TYPE list is separated by commas; any other value keeps its
        // commas inside quotes, and a label its escapes.
        if (name == "LABEL" || value.find_first_of(name == "TYPE" ? ":;" : ":;,") != std::string::npos)
            line += '"' + value + '"';
        else
            line += value;
    }
    line += ':';
    line += property.value;
    out += foldLine(line);
}

// ---------------------------------------------------------------------------
// Decoding values

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

int base64Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

std::string decodeBase64(std::string_view s)
{
    std::string out;
    unsigned bits = 0;
    int count = 0;
    for (const char c : s) {
        const int v = base64Value(c);
        if (v < 0)
            continue; // blanks, padding
        bits = (bits << 6) | static_cast<unsigned>(v);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out += static_cast<char>((bits >> count) & 0xFF);
        }
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

/// One content line's name and the parameters a card uses.
struct Property {
    std::string name;
    std::string encoding;
    std::string charset;
    std::vector<std::string> types;
    /// PREF's value (1 most preferred), 100 when absent; TYPE=PREF is 1.
    int pref = 100;
    std::string label;
    std::string value;
};

void parseHead(std::string_view head, Property& property)
{
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
        std::string_view rawValue
            = trimmed(equals == std::string_view::npos ? param : param.substr(equals + 1));
        if (rawValue.size() >= 2 && rawValue.front() == '"' && rawValue.back() == '"')
            rawValue = rawValue.substr(1, rawValue.size() - 2);
        const std::string value = upper(rawValue);
        // vCard 2.1 names encodings and types bare: "TEL;CELL;QUOTED-PRINTABLE:".
        if (key.empty()) {
            if (value == "QUOTED-PRINTABLE" || value == "BASE64" || value == "B" || value == "8BIT")
                key = "ENCODING";
            else
                key = "TYPE";
        }
        if (key == "ENCODING") {
            property.encoding = value;
        } else if (key == "CHARSET") {
            property.charset = value;
        } else if (key == "TYPE") {
            for (const std::string_view type : splitUnescaped(value, ',')) {
                std::string t = lower(trimmed(type));
                if (t == "pref")
                    property.pref = 1;
                else if (!t.empty())
                    property.types.push_back(std::move(t));
            }
        } else if (key == "PREF") {
            int pref = 0;
            for (const char c : value) {
                if (c < '0' || c > '9' || pref > 1000) {
                    pref = 100;
                    break;
                }
                pref = pref * 10 + (c - '0');
            }
            property.pref = pref;
        } else if (key == "LABEL") {
            property.label = unescapeText(rawValue);
        }
    }
}

/// Properties whose values become part of a card; the rest are skipped.
bool isCarried(const Property& property)
{
    static const std::vector<std::string_view> carried {"BEGIN", "END", "VERSION", "FN", "N", "ORG", "TITLE",
        "ADR", "TEL", "EMAIL", "BDAY", "URL", "NICKNAME", "CATEGORIES", "NOTE", "X-QUILLBOX-CARD"};
    return std::find(carried.begin(), carried.end(), property.name) != carried.end();
}

/// Properties that carry nothing a person reads, skipped without a word.
bool isBookkeeping(std::string_view name)
{
    static const std::vector<std::string_view> names {
        "PRODID", "REV", "UID", "KIND", "SOURCE", "CLIENTPIDMAP", "X-ABLABEL", "X-ABUID"};
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string withoutCarriageReturns(std::string s)
{
    std::erase(s, '\r');
    return s;
}

} // namespace

// ---------------------------------------------------------------------------
// The reader

struct Reader::State : ReadStatus {
    ContactHandler onContact;
    std::map<std::string, int> notCarried;

    // The physical line being read.
    int lineNumber = 0;
    bool atLineStart = true;
    bool pendingCr = false;
    char lastByte = 0;
    bool lineHasContent = false;
    bool softBreak = false;
    bool started = false;

    // The content line being read.
    bool active = false;
    int contentLine = 0;
    std::string head;
    bool headDone = false;
    bool quoted = false;
    bool keep = false;
    bool quotedPrintable = false;
    Property property;

    // The vCard being read.
    bool inside = false;
    int beginLine = 0;
    int fnPref = 1000;
    Contact contact;
    int contacts = 0;

    std::map<std::string, iconv_t> converters;
    /// The first bytes, until a byte-order mark can be told.
    std::string start;

    ~State() { closeConverters(); }

    void closeConverters()
    {
        for (auto& [name, cd] : converters) {
            if (cd != reinterpret_cast<iconv_t>(-1))
                iconv_close(cd);
        }
        converters.clear();
    }

    void startContentLine()
    {
        active = true;
        contentLine = lineNumber;
        head.clear();
        headDone = false;
        quoted = false;
        keep = false;
        quotedPrintable = false;
        property = Property();
    }

    void headComplete()
    {
        headDone = true;
        parseHead(head, property);
        quotedPrintable = property.encoding == "QUOTED-PRINTABLE";
        keep = isCarried(property);
        if (!keep && !isBookkeeping(property.name) && inside) {
            // Counted by name, a bounded number of names.
            const std::string name = property.name.substr(0, 64);
            if (notCarried.size() < 64 || notCarried.count(name) > 0)
                ++notCarried[name];
            else
                ++notCarried["other"];
        }
    }

    void appendValue(const char* p, std::size_t n)
    {
        if (!keep || n == 0)
            return;
        const std::size_t room = MaxValueBytes - std::min(MaxValueBytes, property.value.size());
        property.value.append(p, std::min(n, room));
    }

    /// Bytes of a physical line, CR aside, that belong to the content line.
    void content(const char* p, std::size_t n)
    {
        if (n == 0)
            return;
        lastByte = p[n - 1];
        lineHasContent = true;
        if (headDone) {
            appendValue(p, n);
            return;
        }
        for (std::size_t i = 0; i < n; ++i) {
            const char c = p[i];
            if (c == '"') {
                quoted = !quoted;
            } else if (c == ':' && !quoted) {
                headComplete();
                appendValue(p + i + 1, n - i - 1);
                return;
            }
            head += c;
        }
        if (head.size() > MaxHeadBytes)
            fail(contentLine,
                "a line of more than " + std::to_string(MaxHeadBytes / (1024 * 1024))
                    + " MB without a colon");
    }

    /// The first byte of a physical line decides whether it continues the
    /// content line before it.
    void lineStart(char first)
    {
        atLineStart = false;
        if (active && softBreak) {
            softBreak = false;
            return;
        }
        if (active && (first == ' ' || first == '\t')) {
            skipFirst = true;
            return;
        }
        completeContentLine();
        startContentLine();
    }
    bool skipFirst = false;

    void lineEnd()
    {
        if (atLineStart) {
            // An empty line ends what came before, unless it continues a
            // soft line break.
            if (!softBreak)
                completeContentLine();
            softBreak = false;
        }
        pendingCr = false;
        softBreak = active && headDone && quotedPrintable && lineHasContent && lastByte == '=';
        if (softBreak && keep && !property.value.empty() && property.value.size() < MaxValueBytes)
            property.value.pop_back();
        atLineStart = true;
        lineHasContent = false;
        lastByte = 0;
    }

    /// Bytes of one physical line, up to its LF or the piece's end.
    void takeSegment(std::string_view segment)
    {
        if (segment.empty())
            return;
        if (pendingCr) {
            pendingCr = false;
            if (atLineStart)
                lineStart('\r');
            content("\r", 1);
        }
        const bool endsInCr = segment.back() == '\r';
        if (endsInCr)
            segment.remove_suffix(1);
        if (!segment.empty()) {
            if (atLineStart)
                lineStart(segment.front());
            if (skipFirst) {
                skipFirst = false;
                segment.remove_prefix(1);
            }
            content(segment.data(), segment.size());
        }
        pendingCr = endsInCr;
    }

    void feed(std::string_view bytes)
    {
        if (!started) {
            started = true;
            lineNumber = 1;
        }
        while (!bytes.empty() && ok) {
            const std::size_t lf = bytes.find('\n');
            const std::string_view segment = bytes.substr(0, lf);
            // What comes before a NUL is read as usual, so that a fault
            // there is found first, however the input is cut in pieces.
            if (const void* nul = std::memchr(segment.data(), '\0', segment.size())) {
                takeSegment(segment.substr(
                    0, static_cast<std::size_t>(static_cast<const char*>(nul) - segment.data())));
                fail(lineNumber, "a NUL byte: this is not a text file");
                return;
            }
            takeSegment(segment);
            if (lf == std::string_view::npos || !ok)
                return;
            lineEnd();
            ++lineNumber;
            bytes.remove_prefix(lf + 1);
        }
    }

    void finish()
    {
        if (!ok)
            return;
        if (!atLineStart || pendingCr)
            lineEnd();
        completeContentLine();
        if (!ok)
            return;
        if (inside)
            fail(beginLine, "the vCard that begins here has no END:VCARD");
        else if (contacts == 0)
            fail(1, "no vCard found (no BEGIN:VCARD)");
    }

    bool decodeCharset(std::string& bytes)
    {
        const std::string& charset = property.charset;
        if (charset.empty() || charset == "UTF-8" || charset == "UTF8") {
            bytes = cp1252::unknownToUtf8(bytes);
            return true;
        }
        if (charset == "ISO-8859-1" || charset == "LATIN1" || charset == "ISO_8859-1"
            || charset == "US-ASCII") {
            bytes = utf8::fromLatin1(bytes);
            return true;
        }
        if (charset == "WINDOWS-1252" || charset == "CP1252") {
            bytes = cp1252::toUtf8(bytes);
            return true;
        }
        auto found = converters.find(charset);
        if (found == converters.end() && converters.size() >= 16)
            closeConverters();
        if (found == converters.end())
            found = converters.emplace(charset, iconv_open("UTF-8", charset.c_str())).first;
        iconv_t cd = found->second;
        if (cd == reinterpret_cast<iconv_t>(-1)) {
            fail(contentLine, "the character set " + charset + " is not known");
            return false;
        }
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.reserve(bytes.size() * 2);
        char buffer[4096];
        char* in = bytes.data();
        std::size_t inLeft = bytes.size();
        while (inLeft > 0) {
            char* o = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
            out.append(buffer, static_cast<std::size_t>(o - buffer));
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
                // A byte this charset cannot decode: one replacement
                // character, counted when the card is stored.
                out += "\xEF\xBF\xBD";
                ++in;
                --inLeft;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
            }
        }
        bytes = std::move(out);
        return true;
    }

    /// One raw value part decoded to UTF-8, escapes still in place.
    bool decodePart(std::string_view raw, std::string& out)
    {
        const std::string& encoding = property.encoding;
        if (encoding == "QUOTED-PRINTABLE")
            out = decodeQuotedPrintable(raw);
        else if (encoding == "BASE64" || encoding == "B")
            out = decodeBase64(raw);
        else
            out = std::string(raw);
        if (!decodeCharset(out))
            return false;
        // A NUL decoded from an encoding would end a card's text where it
        // stands: it becomes a replacement character, counted when stored.
        for (std::size_t at = out.find('\0'); at != std::string::npos; at = out.find('\0', at))
            out.replace(at, 1, "\xEF\xBF\xBD");
        return true;
    }

    bool textValue(std::string& out)
    {
        std::string decoded;
        if (!decodePart(property.value, decoded))
            return false;
        out = unescapeText(decoded);
        return true;
    }

    /// A structured value (N, ADR, ORG): components split at ';', values at ','.
    bool structuredValue(std::vector<std::vector<std::string>>& components, bool splitValues = true)
    {
        std::string decoded;
        if (!decodePart(property.value, decoded))
            return false;
        for (const std::string_view component : splitUnescaped(decoded, ';')) {
            std::vector<std::string> values;
            const std::vector<std::string_view> parts
                = splitValues ? splitUnescaped(component, ',') : std::vector<std::string_view> {component};
            for (const std::string_view value : parts) {
                std::string text(trimmed(unescapeText(value)));
                if (!text.empty())
                    values.push_back(std::move(text));
            }
            components.push_back(std::move(values));
        }
        return true;
    }

    void completeContentLine()
    {
        if (!active || !ok)
            return;
        active = false;
        softBreak = false;
        if (!headDone) {
            if (trimmed(head).empty())
                return;
            fail(contentLine, "a line without a colon");
            return;
        }
        const std::string word = upper(trimmed(property.value));
        if (property.name == "BEGIN" && word == "VCARD") {
            if (inside) {
                fail(contentLine, "a vCard begins inside another");
                return;
            }
            inside = true;
            beginLine = contentLine;
            contact = Contact();
            fnPref = 1000;
            return;
        }
        if (!inside) {
            fail(contentLine, "text outside a vCard");
            return;
        }
        if (property.name == "END" && word == "VCARD") {
            inside = false;
            ++contacts;
            if (onContact)
                onContact(std::move(contact));
            contact = Contact();
            return;
        }
        if (!keep)
            return;
        takeProperty();
    }

    void takeProperty()
    {
        const std::string& name = property.name;
        // A card holds a few hundred characters: a contact keeps a bounded
        // number of values, whatever the vCard repeats.
        constexpr std::size_t MaxValues = 32;
        const bool full = contact.addresses.size() >= MaxValues || contact.phones.size() >= MaxValues
            || contact.emails.size() >= MaxValues || contact.urls.size() >= MaxValues
            || contact.nicknames.size() >= MaxValues || contact.categories.size() >= MaxValues
            || contact.note.size() >= MaxValueBytes;
        if (full && name != "FN" && name != "N" && name != "X-QUILLBOX-CARD")
            return;
        std::string text;
        if (name == "FN") {
            if (!textValue(text))
                return;
            std::string value(trimmed(withoutCarriageReturns(text)));
            if (!value.empty() && property.pref < fnPref) {
                fnPref = property.pref;
                contact.formattedName = std::move(value);
            }
        } else if (name == "N") {
            std::vector<std::vector<std::string>> components;
            if (!structuredValue(components))
                return;
            contact.name.clear();
            for (const auto& values : components)
                contact.name.push_back(joined(values, " "));
        } else if (name == "ORG") {
            std::vector<std::vector<std::string>> components;
            if (!structuredValue(components, false))
                return;
            std::vector<std::string> parts;
            for (const auto& values : components)
                parts.insert(parts.end(), values.begin(), values.end());
            if (contact.organisation.empty())
                contact.organisation = joined(parts, ", ");
        } else if (name == "TITLE") {
            if (!textValue(text))
                return;
            if (contact.title.empty())
                contact.title = trimmed(withoutCarriageReturns(text));
        } else if (name == "ADR") {
            Address address;
            if (!structuredValue(address.components))
                return;
            address.label = withoutCarriageReturns(property.label);
            contact.addresses.push_back(std::move(address));
        } else if (name == "TEL" || name == "EMAIL") {
            if (!textValue(text))
                return;
            std::string value(trimmed(withoutCarriageReturns(text)));
            // vCard 4.0 may give the number as a URI.
            if (name == "TEL" && upper(std::string_view(value).substr(0, 4)) == "TEL:")
                value.erase(0, 4);
            if (name == "EMAIL" && upper(std::string_view(value).substr(0, 7)) == "MAILTO:")
                value.erase(0, 7);
            if (value.empty())
                return;
            auto& list = name == "TEL" ? contact.phones : contact.emails;
            list.push_back({std::move(value), property.types});
        } else if (name == "BDAY") {
            if (textValue(text) && contact.birthday.empty())
                contact.birthday = trimmed(withoutCarriageReturns(text));
        } else if (name == "URL") {
            if (textValue(text) && !trimmed(text).empty())
                contact.urls.emplace_back(trimmed(withoutCarriageReturns(text)));
        } else if (name == "NICKNAME" || name == "CATEGORIES") {
            std::string decoded;
            if (!decodePart(property.value, decoded))
                return;
            auto& list = name == "NICKNAME" ? contact.nicknames : contact.categories;
            for (const std::string_view value : splitUnescaped(decoded, ',')) {
                std::string t(trimmed(withoutCarriageReturns(unescapeText(value))));
                if (!t.empty())
                    list.push_back(std::move(t));
            }
        } else if (name == "NOTE") {
            if (!textValue(text))
                return;
            std::string note = withoutCarriageReturns(text);
            if (!contact.note.empty() && !note.empty())
                contact.note += '\n';
            contact.note += note;
        } else if (name == "X-QUILLBOX-CARD") {
            if (textValue(text))
                contact.quillboxCard = withoutCarriageReturns(text);
        }
    }
};

Reader::Reader(ContactHandler onContact)
    : m(std::make_unique<State>())
{
    m->onContact = std::move(onContact);
}

Reader::~Reader() = default;

bool Reader::feed(std::string_view bytes)
{
    if (!m->ok)
        return false;
    // A byte-order mark is skipped, however the pieces cut it.
    if (!m->started) {
        const std::size_t take = std::min(bytes.size(), utf8::ByteOrderMark.size() - m->start.size());
        m->start.append(bytes.substr(0, take));
        bytes.remove_prefix(take);
        if (m->start.size() < utf8::ByteOrderMark.size())
            return true;
        const std::string start = std::move(m->start);
        m->feed(utf8::withoutByteOrderMark(start));
    }
    m->feed(bytes);
    return m->ok;
}

bool Reader::finish()
{
    if (!m->started) {
        const std::string start = std::move(m->start);
        m->feed(utf8::withoutByteOrderMark(start));
    }
    m->finish();
    return m->ok;
}

const ReadStatus& Reader::status() const
{
    return *m;
}

const std::map<std::string, int>& Reader::notCarried() const
{
    return m->notCarried;
}

ReadResult read(std::string_view bytes)
{
    ReadResult result;
    Reader reader([&result](Contact&& contact) { result.contacts.push_back(std::move(contact)); });
    reader.feed(bytes);
    reader.finish();
    if (!reader.status().ok) {
        static_cast<ReadStatus&>(result) = reader.status();
        result.contacts.clear();
    }
    result.notCarried = reader.notCarried();
    return result;
}

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
    return std::all_of(domain.begin(), domain.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80
            || c == '.' || c == '-';
    });
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

std::vector<PropertyLine> propertiesOf(std::string_view cardText)
{
    const std::vector<std::string_view> lines = splitLines(cardText);
    const std::string_view title = lines.front();
    std::vector<bool> mapped(lines.size(), false);
    mapped[0] = true;

    std::vector<PropertyLine> out;
    out.push_back({"FN", {}, escapeText(title)});

    // The company line, then the address block after it.
    std::size_t next = 1;
    std::size_t blockEnd = 0; // one past the postal-code line, 0 for none
    const auto findBlock = [&](std::size_t from) {
        for (std::size_t i = from; i < lines.size() && i < from + 5; ++i) {
            const std::string_view line = trimmed(lines[i]);
            if (line.empty() || isLabelledLine(line))
                return std::size_t {0};
            if (!postalCodeIn(line).empty())
                return i + 1;
        }
        return std::size_t {0};
    };
    bool company = false;
    if (lines.size() > 2) {
        const std::string_view second = trimmed(lines[1]);
        company = !second.empty() && !hasDigit(second) && !isLabelledLine(second)
            && (findBlock(2) > 0 || isLabelledLine(lines[2]));
    }

    const std::size_t comma = title.find(',');
    const std::string_view family = trimmed(title.substr(0, comma));
    const std::string_view given
        = comma == std::string_view::npos ? std::string_view() : trimmed(title.substr(comma + 1));
    const std::string_view name = trimmed(title);
    const std::size_t lastBlank = name.find_last_of(' ');
    if (comma != std::string_view::npos && !family.empty() && !given.empty()
        && given.find(',') == std::string_view::npos)
        out.push_back({"N", {}, escapeText(family) + ';' + escapeText(given) + ";;;"});
    else if (!company && comma == std::string_view::npos && lastBlank != std::string_view::npos)
        out.push_back({"N", {},
            escapeText(trimmed(name.substr(lastBlank + 1))) + ';'
                + escapeText(trimmed(name.substr(0, lastBlank))) + ";;;"});
    else
        out.push_back({"N", {}, escapeText(title) + ";;;;"});

    if (company) {
        const std::string_view line = trimmed(lines[1]);
        const std::size_t split = line.find(", ");
        if (split != std::string_view::npos) {
            out.push_back({"TITLE", {}, escapeText(trimmed(line.substr(0, split)))});
            out.push_back({"ORG", {}, escapeText(trimmed(line.substr(split + 2)))});
        } else {
            out.push_back({"ORG", {}, escapeText(line)});
        }
        mapped[1] = true;
        next = 2;
    }
    blockEnd = findBlock(next);
    if (blockEnd > 0) {
        std::vector<std::string> street;
        std::string label;
        for (std::size_t i = next; i < blockEnd; ++i) {
            mapped[i] = true;
            label += (label.empty() ? "" : "\n") + std::string(trimmed(lines[i]));
            if (i + 1 < blockEnd)
                street.push_back(escapeText(trimmed(lines[i])));
        }
        const std::string_view postal = trimmed(lines[blockEnd - 1]);
        const std::string_view code = postalCodeIn(postal);
        const std::size_t at = static_cast<std::size_t>(code.data() - postal.data());
        std::string place = std::string(trimmed(postal.substr(0, at))) + " "
            + std::string(trimmed(postal.substr(at + code.size())));
        std::string_view placeView = trimmed(place);
        while (!placeView.empty() && (placeView.back() == ',' || placeView.back() == ' '))
            placeView.remove_suffix(1);
        while (!placeView.empty() && (placeView.front() == ',' || placeView.front() == ' '))
            placeView.remove_prefix(1);
        std::string_view locality = placeView;
        std::string_view region;
        if (const std::size_t c = placeView.find(", "); c != std::string_view::npos) {
            locality = trimmed(placeView.substr(0, c));
            region = trimmed(placeView.substr(c + 2));
        }
        std::string labelParam;
        for (const char c : label)
            labelParam += c == '\n' ? std::string("\\n") : c == '"' ? std::string("'") : std::string(1, c);
        out.push_back({"ADR", {{"LABEL", labelParam}},
            ";;" + joined(street, ",") + ';' + escapeText(locality) + ';' + escapeText(region) + ';'
                + escapeText(code) + ';'});
    }

    std::vector<PropertyLine> emails;
    std::vector<PropertyLine> others;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (mapped[i])
            continue;
        const std::string_view line = trimmed(lines[i]);
        std::string types;
        std::string_view number;
        if (parsePhoneLine(line, types, number)) {
            PropertyLine tel {"TEL", {}, escapeText(number)};
            if (!types.empty())
                tel.parameters.emplace_back("TYPE", types);
            out.push_back(std::move(tel));
        } else if (isEmailAddress(line)) {
            emails.push_back({"EMAIL", {}, escapeText(line)});
        } else if (line.starts_with(BirthdayLabel) && !trimmed(line.substr(BirthdayLabel.size())).empty()) {
            others.push_back(
                {"BDAY", {{"VALUE", "text"}}, escapeText(trimmed(line.substr(BirthdayLabel.size())))});
        } else if (line.starts_with(WebLabel) && !trimmed(line.substr(WebLabel.size())).empty()) {
            others.push_back({"URL", {}, std::string(trimmed(line.substr(WebLabel.size())))});
        } else if (line.starts_with(NicknameLabel) && !trimmed(line.substr(NicknameLabel.size())).empty()) {
            others.push_back({"NICKNAME", {}, escapeText(trimmed(line.substr(NicknameLabel.size())))});
        } else if (line.starts_with(GroupsLabel) && !trimmed(line.substr(GroupsLabel.size())).empty()) {
            std::vector<std::string> groups;
            for (const std::string_view group : splitUnescaped(line.substr(GroupsLabel.size()), ','))
                if (!trimmed(group).empty())
                    groups.push_back(escapeText(trimmed(group)));
            others.push_back({"CATEGORIES", {}, joined(groups, ",")});
        } else {
            continue;
        }
        mapped[i] = true;
    }
    out.insert(out.end(), emails.begin(), emails.end());
    out.insert(out.end(), others.begin(), others.end());

    std::string note;
    bool any = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (mapped[i])
            continue;
        if (any)
            note += '\n';
        note += lines[i];
        any = true;
    }
    if (!trimmed(note).empty())
        out.push_back({"NOTE", {}, escapeText(note)});
    out.push_back({"X-QUILLBOX-CARD", {}, escapeText(cardText)});
    return out;
}

std::string writeCard(std::string_view cardText)
{
    std::string out = "BEGIN:VCARD\r\nVERSION:4.0\r\n";
    for (const PropertyLine& property : propertiesOf(cardText))
        appendProperty(out, property);
    out += "END:VCARD\r\n";
    return out;
}

// ---------------------------------------------------------------------------
// Laying out a contact

std::string cardLayout(const Contact& contact)
{
    std::string title = contact.formattedName;
    if (title.empty() && !contact.name.empty()) {
        const std::string family = contact.name.size() > 0 ? contact.name[0] : std::string();
        const std::string given = contact.name.size() > 1 ? contact.name[1] : std::string();
        title = family.empty() || given.empty() ? family + given : family + ", " + given;
    }
    bool titleIsCompany = false;
    if (title.empty() && !contact.organisation.empty()) {
        title = contact.organisation;
        titleIsCompany = true;
    }
    // The e-mail address or number that gives the title is not repeated.
    std::size_t firstEmail = 0;
    std::size_t firstPhone = 0;
    if (title.empty() && !contact.emails.empty()) {
        title = contact.emails.front().value;
        firstEmail = 1;
    }
    if (title.empty() && !contact.phones.empty()) {
        title = contact.phones.front().value;
        firstPhone = 1;
    }

    std::vector<std::string> lines {title};
    const auto addLines = [&lines](std::string_view text) {
        for (const std::string_view line : splitLines(text)) {
            const std::string_view t = trimmed(line);
            if (!t.empty())
                lines.emplace_back(t);
        }
    };
    {
        std::string company = contact.title;
        if (!titleIsCompany && !contact.organisation.empty())
            company += (company.empty() ? "" : ", ") + contact.organisation;
        addLines(company);
    }
    for (const Address& address : contact.addresses) {
        if (!trimmed(address.label).empty()) {
            addLines(address.label);
            continue;
        }
        const auto component = [&address](std::size_t i) {
            return i < address.components.size() ? address.components[i] : std::vector<std::string>();
        };
        for (std::size_t i : {0u, 1u, 2u}) {
            for (const auto& value : component(i))
                addLines(value);
        }
        std::string place = joined(component(3), ", ");
        const std::string region = joined(component(4), ", ");
        const std::string code = joined(component(5), " ");
        if (!region.empty())
            place += (place.empty() ? "" : ", ") + region;
        if (!code.empty())
            place += (place.empty() ? "" : " ") + code;
        addLines(place);
        addLines(joined(component(6), ", "));
    }
    for (std::size_t i = firstPhone; i < contact.phones.size(); ++i)
        addLines(phoneLine(contact.phones[i]));
    for (std::size_t i = firstEmail; i < contact.emails.size(); ++i)
        addLines(contact.emails[i].value);
    if (!contact.birthday.empty())
        addLines(std::string(BirthdayLabel) + contact.birthday);
    for (const std::string& url : contact.urls)
        addLines(std::string(WebLabel) + url);
    if (!contact.nicknames.empty())
        addLines(std::string(NicknameLabel) + joined(contact.nicknames, ", "));
    if (!contact.categories.empty())
        addLines(std::string(GroupsLabel) + joined(contact.categories, ", "));

    // A card never begins with an empty line.
    std::size_t first = 0;
    while (first < lines.size() && trimmed(lines[first]).empty())
        ++first;
    std::string text;
    for (std::size_t i = first; i < lines.size(); ++i)
        text += (text.empty() ? "" : "\n") + lines[i];
    if (!contact.note.empty()) {
        std::string_view note = contact.note;
        // Still a card never begins with an empty line.
        while (text.empty() && note.find('\n') != std::string_view::npos
            && trimmed(note.substr(0, note.find('\n'))).empty())
            note.remove_prefix(note.find('\n') + 1);
        if (!text.empty())
            text += '\n';
        text += note;
    }
    return text;
}

std::string cardText(const Contact& contact)
{
    if (!contact.quillboxCard.empty()) {
        // Ours unless another program changed what it maps to.
        const ReadResult again = read(writeCard(contact.quillboxCard));
        if (again.ok && again.contacts.size() == 1
            && cardLayout(again.contacts.front()) == cardLayout(contact))
            return contact.quillboxCard;
        return cardLayout(contact);
    }
    // A note as earlier versions wrote it: the whole card, title first.
    if (!contact.note.empty() && !contact.formattedName.empty()
        && trimmed(splitLines(contact.note).front()) == trimmed(contact.formattedName))
        return contact.note;
    return cardLayout(contact);
}

} // namespace quillbox::vcard
