// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/contact_import.h"

#include "core/ascii.h"
#include "core/utf8.h"
#include "core/vcard.h"

#include <algorithm>
#include <cctype>

namespace quillbox {

namespace {

/// `s` without blanks or line breaks at its ends.
std::string_view stripped(std::string_view s)
{
    return trimmed(s, " \t\r\n");
}

/// Line breaks of any kind made LF.
std::string withLf(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            if (i + 1 < s.size() && s[i + 1] == '\n')
                ++i;
            out += '\n';
        } else {
            out += s[i];
        }
    }
    return out;
}

/// `text` cut to at most `bytes` bytes, never inside a UTF-8 sequence.
void cutText(std::string& text, std::size_t bytes)
{
    if (text.size() <= bytes)
        return;
    std::size_t cut = bytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    text.resize(cut);
}

/// "Phone 2 - Value" as its number (2) and what follows (" - Value"); 0
/// when `header` does not begin with `prefix` and a number.
int numbered(std::string_view header, std::string_view prefix, std::string_view& rest)
{
    if (!header.starts_with(prefix))
        return 0;
    std::size_t i = prefix.size();
    int n = 0;
    while (i < header.size() && header[i] >= '0' && header[i] <= '9' && n < 1000)
        n = n * 10 + (header[i++] - '0');
    rest = header.substr(i);
    return n;
}

std::vector<std::string> typesOfLabel(std::string_view label)
{
    const std::string l = asciiLower(label);
    std::vector<std::string> types;
    for (const auto& [word, type] : std::initializer_list<std::pair<std::string_view, std::string_view>> {
             {"mobile", "cell"}, {"cell", "cell"}, {"work", "work"}, {"business", "work"}, {"home", "home"},
             {"fax", "fax"}, {"pager", "pager"}}) {
        if (l.find(word) != std::string::npos && std::find(types.begin(), types.end(), type) == types.end())
            types.emplace_back(type);
    }
    return types;
}

/// Values Google joins with " ::: " in one field.
std::vector<std::string> splitValues(std::string_view value)
{
    std::vector<std::string> out;
    for (;;) {
        const std::size_t at = value.find(" ::: ");
        const std::string_view part = stripped(value.substr(0, at));
        if (!part.empty())
            out.emplace_back(part);
        if (at == std::string_view::npos)
            return out;
        value.remove_prefix(at + 5);
    }
}

/// Groups as Google (" ::: ") and Outlook (";") join them.
std::vector<std::string> splitGroups(std::string_view value)
{
    std::vector<std::string> out;
    for (const std::string& part : splitValues(value)) {
        std::string_view rest = part;
        for (;;) {
            const std::size_t at = rest.find(';');
            const std::string_view group = stripped(rest.substr(0, at));
            if (!group.empty())
                out.emplace_back(group);
            if (at == std::string_view::npos)
                break;
            rest.remove_prefix(at + 1);
        }
    }
    return out;
}

} // namespace

// ---------------------------------------------------------------------------
// CSV columns

struct CsvCardMapping::Columns {
    enum class Role {
        None,
        Display,
        First,
        Middle,
        Last,
        Prefix,
        Suffix,
        Nickname,
        Company,
        Department,
        JobTitle,
        Birthday,
        BirthYear,
        BirthMonth,
        BirthDay,
        Notes,
        Web,
        Groups,
        Email,
        Phone,
        PhoneLabel,
        AddressFormatted,
        AddressStreet,
        AddressPoBox,
        AddressExtended,
        AddressCity,
        AddressRegion,
        AddressCode,
        AddressCountry,
        Bookkeeping,
    };
    struct Column {
        Role role = Role::None;
        /// The phone's or address's kind ("home", "work", "other"), or a
        /// Google "N" group (phone 1, address 2 ...).
        std::string group;
        std::vector<std::string> types;
    };

    bool own = false;
    bool known = false;
    std::vector<Column> columns;
    std::vector<std::string> headers;
    int nameColumn = -1;

    static Column classify(std::string_view header)
    {
        const std::string h = asciiLower(stripped(header));
        static const std::vector<std::pair<std::string_view, Role>> exact {{"display name", Role::Display},
            {"name", Role::Display}, {"first name", Role::First}, {"given name", Role::First},
            {"middle name", Role::Middle}, {"additional name", Role::Middle}, {"last name", Role::Last},
            {"family name", Role::Last}, {"name prefix", Role::Prefix}, {"name suffix", Role::Suffix},
            {"suffix", Role::Suffix}, {"nickname", Role::Nickname}, {"company", Role::Company},
            {"organization", Role::Company}, {"organization name", Role::Company},
            {"organization 1 - name", Role::Company}, {"department", Role::Department},
            {"organization department", Role::Department}, {"organization 1 - department", Role::Department},
            {"job title", Role::JobTitle}, {"organization title", Role::JobTitle},
            {"organization 1 - title", Role::JobTitle}, {"birthday", Role::Birthday},
            {"birth year", Role::BirthYear}, {"birth month", Role::BirthMonth}, {"birth day", Role::BirthDay},
            {"notes", Role::Notes}, {"web page", Role::Web}, {"web page 1", Role::Web},
            {"web page 2", Role::Web}, {"categories", Role::Groups}, {"labels", Role::Groups},
            {"group membership", Role::Groups}, {"e-mail address", Role::Email},
            {"e-mail 2 address", Role::Email}, {"e-mail 3 address", Role::Email},
            {"primary email", Role::Email}, {"secondary email", Role::Email}, {"title", Role::Prefix}};
        for (const auto& [name, role] : exact) {
            if (h == name)
                return {role, {}, {}};
        }
        std::string_view rest;
        if (const int n = numbered(h, "e-mail ", rest); n > 0 && rest == " - value")
            return {Role::Email, {}, {}};
        if (const int n = numbered(h, "website ", rest); n > 0 && rest == " - value")
            return {Role::Web, {}, {}};
        if (const int n = numbered(h, "phone ", rest); n > 0) {
            if (rest == " - value")
                return {Role::Phone, "phone " + std::to_string(n), {}};
            if (rest == " - label" || rest == " - type")
                return {Role::PhoneLabel, "phone " + std::to_string(n), {}};
        }
        if (const int n = numbered(h, "address ", rest); n > 0) {
            const std::string group = "address " + std::to_string(n);
            static const std::vector<std::pair<std::string_view, Role>> parts {
                {" - formatted", Role::AddressFormatted}, {" - street", Role::AddressStreet},
                {" - city", Role::AddressCity}, {" - po box", Role::AddressPoBox},
                {" - region", Role::AddressRegion}, {" - postal code", Role::AddressCode},
                {" - country", Role::AddressCountry}, {" - extended address", Role::AddressExtended},
                {" - label", Role::Bookkeeping}, {" - type", Role::Bookkeeping}};
            for (const auto& [suffix, role] : parts) {
                if (rest == suffix)
                    return {role, group, {}};
            }
        }
        // Outlook's and Thunderbird's numbers, by column.
        static const std::vector<std::pair<std::string_view, std::vector<std::string>>> phones {
            {"primary phone", {}}, {"home phone", {"home"}}, {"home phone 2", {"home"}},
            {"mobile phone", {"cell"}}, {"mobile number", {"cell"}}, {"pager", {"pager"}},
            {"pager number", {"pager"}}, {"home fax", {"home", "fax"}}, {"business phone", {"work"}},
            {"business phone 2", {"work"}}, {"business fax", {"work", "fax"}},
            {"company main phone", {"work"}}, {"work phone", {"work"}}, {"fax number", {"fax"}},
            {"other phone", {}}, {"other fax", {"fax"}}, {"car phone", {"cell"}}};
        for (const auto& [name, types] : phones) {
            if (h == name)
                return {Role::Phone, {}, types};
        }
        // Their addresses: Home/Business/Work/Other, then the part.
        for (const std::string_view kind : {"home ", "business ", "work ", "other "}) {
            if (!h.starts_with(kind))
                continue;
            const std::string_view part = std::string_view(h).substr(kind.size());
            const std::string group(stripped(kind));
            static const std::vector<std::pair<std::string_view, Role>> parts {
                {"street", Role::AddressStreet}, {"street 2", Role::AddressStreet},
                {"street 3", Role::AddressStreet}, {"address", Role::AddressStreet},
                {"address 2", Role::AddressStreet}, {"address po box", Role::AddressPoBox},
                {"city", Role::AddressCity}, {"state", Role::AddressRegion},
                {"postal code", Role::AddressCode}, {"zipcode", Role::AddressCode},
                {"country", Role::AddressCountry}, {"country/region", Role::AddressCountry}};
            for (const auto& [name, role] : parts) {
                if (part == name)
                    return {role, group, {}};
            }
        }
        static const std::vector<std::string_view> bookkeeping {"file as", "initials", "gender", "priority",
            "sensitivity", "private", "photo", "mileage", "billing information", "internet free busy",
            "screen name", "update", "anniversary", "e-mail type", "e-mail 2 type", "e-mail 3 type"};
        if (std::find(bookkeeping.begin(), bookkeeping.end(), h) != bookkeeping.end()
            || h.find("yomi") != std::string::npos || h.find("phonetic") != std::string::npos
            || (h.starts_with("e-mail") && h.ends_with("display name"))
            || (h.starts_with("e-mail ") && (h.ends_with(" - type") || h.ends_with(" - label")))
            || (h.starts_with("website ") && (h.ends_with(" - type") || h.ends_with(" - label")))
            || (h.starts_with("organization 1 - ") && !h.ends_with(" - name") && !h.ends_with(" - title")))
            return {Role::Bookkeeping, {}, {}};
        return {};
    }

    explicit Columns(const csv::Row& header)
    {
        own = header.size() == 2 && asciiLower(stripped(header[0])) == "title"
            && asciiLower(stripped(header[1])) == "card";
        int mapped = 0;
        bool hasName = false;
        for (const std::string& h : header) {
            Column column = classify(h);
            mapped += column.role != Role::None ? 1 : 0;
            hasName = hasName || column.role == Role::First || column.role == Role::Last
                || column.role == Role::Display;
            columns.push_back(std::move(column));
            headers.emplace_back(stripped(h));
        }
        // A mail program's export names many columns this knows.
        known = !own && hasName && mapped >= 4;
        for (std::size_t i = 0; i < headers.size() && nameColumn < 0; ++i) {
            if (asciiLower(headers[i]).find("name") != std::string::npos)
                nameColumn = static_cast<int>(i);
        }
    }

    std::string mapKnown(const csv::Row& row) const
    {
        vcard::Contact contact;
        std::string first;
        std::string middle;
        std::string last;
        std::string prefix;
        std::string suffix;
        std::string department;
        std::string year;
        std::string month;
        std::string day;
        std::vector<std::string> extra;
        // Phones by group (Google pairs a label with a value), addresses by kind.
        std::map<std::string, std::string> phoneLabels;
        struct Parts {
            std::string formatted;
            std::vector<std::string> street;
            std::string poBox, extended, city, region, code, country;
        };
        std::vector<std::pair<std::string, Parts>> addresses;
        const auto address = [&addresses](const std::string& group) -> Parts& {
            for (auto& [g, parts] : addresses) {
                if (g == group)
                    return parts;
            }
            addresses.emplace_back(group, Parts());
            return addresses.back().second;
        };
        for (std::size_t i = 0; i < row.size() && i < columns.size(); ++i) {
            if (columns[i].role == Role::PhoneLabel)
                phoneLabels[columns[i].group] = row[i];
        }

        for (std::size_t i = 0; i < row.size() && i < columns.size(); ++i) {
            const std::string value(stripped(withLf(row[i])));
            if (value.empty())
                continue;
            const Column& column = columns[i];
            switch (column.role) {
            case Role::Display:
                contact.formattedName = value;
                break;
            case Role::First:
                first = value;
                break;
            case Role::Middle:
                middle = value;
                break;
            case Role::Last:
                last = value;
                break;
            case Role::Prefix:
                prefix = value;
                break;
            case Role::Suffix:
                suffix = value;
                break;
            case Role::Nickname:
                contact.nicknames.push_back(value);
                break;
            case Role::Company:
                contact.organisation = value;
                break;
            case Role::Department:
                department = value;
                break;
            case Role::JobTitle:
                contact.title = value;
                break;
            case Role::Birthday:
                // Outlook writes "0/0/00" for none.
                if (value != "0/0/00" && value != "00/00/0000")
                    contact.birthday = value;
                break;
            case Role::BirthYear:
                year = value;
                break;
            case Role::BirthMonth:
                month = value;
                break;
            case Role::BirthDay:
                day = value;
                break;
            case Role::Notes:
                contact.note = value;
                break;
            case Role::Web:
                contact.urls.push_back(value);
                break;
            case Role::Groups:
                for (std::string group : splitGroups(value)) {
                    // Group membership markers ("* myContacts") are bookkeeping.
                    if (!group.starts_with("* ") && !group.empty())
                        contact.categories.push_back(std::move(group));
                }
                break;
            case Role::Email:
                for (std::string email : splitValues(value))
                    contact.emails.push_back({std::move(email), {}});
                break;
            case Role::Phone: {
                std::vector<std::string> types = column.types;
                if (!column.group.empty()) {
                    const auto label = phoneLabels.find(column.group);
                    if (label != phoneLabels.end())
                        types = typesOfLabel(label->second);
                }
                for (std::string number : splitValues(value))
                    contact.phones.push_back({std::move(number), types});
                break;
            }
            case Role::AddressFormatted:
                address(column.group).formatted = value;
                break;
            case Role::AddressStreet:
                address(column.group).street.push_back(value);
                break;
            case Role::AddressPoBox:
                address(column.group).poBox = value;
                break;
            case Role::AddressExtended:
                address(column.group).extended = value;
                break;
            case Role::AddressCity:
                address(column.group).city = value;
                break;
            case Role::AddressRegion:
                address(column.group).region = value;
                break;
            case Role::AddressCode:
                address(column.group).code = value;
                break;
            case Role::AddressCountry:
                address(column.group).country = value;
                break;
            case Role::PhoneLabel:
            case Role::Bookkeeping:
                break;
            case Role::None:
                // Outlook's defaults say nothing about the person.
                if (value != "Normal" && value != "Unspecified" && value != "False")
                    extra.push_back(headers[i] + ": " + value);
                break;
            }
        }
        if (contact.formattedName.empty()) {
            std::string given = first;
            if (!middle.empty())
                given += (given.empty() ? "" : " ") + middle;
            if (!last.empty() && !given.empty())
                contact.formattedName = last + ", " + given;
            else
                contact.formattedName = last + given;
            if (!contact.formattedName.empty() && !suffix.empty())
                contact.formattedName += " " + suffix;
        }
        if (!department.empty())
            contact.organisation += (contact.organisation.empty() ? "" : ", ") + department;
        if (contact.birthday.empty() && !month.empty() && !day.empty())
            contact.birthday = year.empty() ? day + "." + month + "." : year + "-" + month + "-" + day;
        for (const auto& [group, parts] : addresses) {
            vcard::Address adr;
            if (!parts.formatted.empty()) {
                adr.label = parts.formatted;
            } else {
                adr.components = {{}, {}, parts.street, {}, {}, {}, {}};
                if (!parts.poBox.empty())
                    adr.components[0].push_back(parts.poBox);
                if (!parts.extended.empty())
                    adr.components[1].push_back(parts.extended);
                if (!parts.city.empty())
                    adr.components[3].push_back(parts.city);
                if (!parts.region.empty())
                    adr.components[4].push_back(parts.region);
                if (!parts.code.empty())
                    adr.components[5].push_back(parts.code);
                if (!parts.country.empty())
                    adr.components[6].push_back(parts.country);
            }
            contact.addresses.push_back(std::move(adr));
        }
        for (const std::string& line : extra)
            contact.note += (contact.note.empty() ? "" : "\n") + line;
        return vcard::cardLayout(contact);
    }

    std::string generic(const csv::Row& row) const
    {
        std::string title;
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string value(stripped(withLf(row[i])));
            if (value.empty())
                continue;
            if (static_cast<int>(i) == nameColumn && title.empty()) {
                title = value;
                continue;
            }
            const std::string header = i < headers.size() ? headers[i] : std::string();
            if (nameColumn < 0 && title.empty() && lines.empty()) {
                title = value;
                continue;
            }
            lines.push_back(header.empty() ? value : header + ": " + value);
        }
        std::string text = title;
        for (const std::string& line : lines)
            text += (text.empty() ? "" : "\n") + line;
        return text;
    }
};

CsvCardMapping::CsvCardMapping(const csv::Row& header)
    : m(std::make_unique<Columns>(header))
{
}

CsvCardMapping::~CsvCardMapping() = default;

bool CsvCardMapping::ownHeader() const
{
    return m->own;
}

bool CsvCardMapping::knownHeader() const
{
    return m->known;
}

std::string CsvCardMapping::cardText(const csv::Row& row) const
{
    if (m->own)
        return row.size() > 1 ? row[1] : std::string();
    if (m->known)
        return m->mapKnown(row);
    return m->generic(row);
}

// ---------------------------------------------------------------------------
// Reading an import

CardFormat formatOfContent(std::string_view firstBytes)
{
    std::string_view s = utf8::withoutByteOrderMark(firstBytes);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r' || s.front() == '\n'))
        s.remove_prefix(1);
    return asciiLower(s.substr(0, 11)) == "begin:vcard" ? CardFormat::VCard : CardFormat::Csv;
}

struct ImportReader::State : ReadStatus {
    std::optional<CardFormat> named;
    std::optional<CardFormat> format;
    std::string start; // the first bytes, until the format is known

    std::unique_ptr<vcard::Reader> vcards;
    std::unique_ptr<csv::Reader> rows;
    std::unique_ptr<CsvCardMapping> mapping;
    bool headerRead = false;

    std::vector<std::string> texts;
    int beyond = 0;
    int emptyCards = 0;
    std::map<std::string, int> none;

    void add(std::string text)
    {
        if (texts.size() >= MaxTexts) {
            ++beyond;
            return;
        }
        cutText(text, MaxTextBytes);
        texts.push_back(std::move(text));
    }

    void begin(CardFormat content, bool text)
    {
        if (named == CardFormat::Text) {
            fail(0, "plain text cannot be imported; use vcard or csv");
            return;
        }
        // Input that is not text is left to the named format's reader,
        // which names the line of the first NUL.
        if (named && !text)
            content = *named;
        if (named && *named != content) {
            fail(1,
                content == CardFormat::VCard
                    ? "this is a vCard file, not CSV; use --import vcard"
                    : "this is not a vCard file (it does not begin with BEGIN:VCARD); if it is CSV, use "
                      "--import csv");
            return;
        }
        format = content;
        if (content == CardFormat::VCard) {
            vcards = std::make_unique<vcard::Reader>(
                [this](vcard::Contact&& contact) { add(vcard::cardText(contact)); });
        } else {
            rows = std::make_unique<csv::Reader>([this](csv::Row&& row) { takeRow(std::move(row)); });
        }
    }

    void takeRow(csv::Row&& row)
    {
        if (!headerRead) {
            headerRead = true;
            mapping = std::make_unique<CsvCardMapping>(row);
            return;
        }
        std::string text = mapping->cardText(row);
        if (mapping->ownHeader() && stripped(text).empty()) {
            ++emptyCards;
            return;
        }
        add(std::move(text));
    }

    bool pass(std::string_view bytes)
    {
        if (vcards) {
            if (!vcards->feed(bytes))
                fail(vcards->status().errorLine, vcards->status().error);
        } else if (rows) {
            if (!rows->feed(bytes))
                fail(rows->status().errorLine, rows->status().error);
        }
        return ok;
    }

    /// Enough of the start to tell the format: 64 bytes, or the end.
    static constexpr std::size_t Sniff = 64;

    void feed(std::string_view bytes)
    {
        if (!format) {
            const std::size_t take = std::min(bytes.size(), Sniff - start.size());
            start.append(bytes.substr(0, take));
            bytes.remove_prefix(take);
            if (start.size() < Sniff)
                return;
            decide();
        }
        if (ok)
            pass(bytes);
    }

    void decide()
    {
        const bool utf16 = start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF");
        begin(formatOfContent(start), utf16 || start.find('\0') == std::string::npos);
        std::string first = std::move(start);
        start.clear();
        if (ok)
            pass(first);
    }

    void finish()
    {
        if (ok && !format)
            decide();
        if (!ok)
            return;
        if (vcards && !vcards->finish())
            fail(vcards->status().errorLine, vcards->status().error);
        if (rows && !rows->finish())
            fail(rows->status().errorLine, rows->status().error);
        if (ok && rows && !headerRead)
            fail(1, "the file is empty");
        if (!ok)
            texts.clear();
    }
};

ImportReader::ImportReader(std::optional<CardFormat> named)
    : m(std::make_unique<State>())
{
    m->named = named;
}

ImportReader::~ImportReader() = default;

bool ImportReader::feed(std::string_view bytes)
{
    if (m->ok)
        m->feed(bytes);
    return m->ok;
}

bool ImportReader::finish()
{
    m->finish();
    return m->ok;
}

const ReadStatus& ImportReader::status() const
{
    return *m;
}

const std::vector<std::string>& ImportReader::texts() const
{
    return m->texts;
}

int ImportReader::textsBeyond() const
{
    return m->beyond;
}

int ImportReader::emptyCards() const
{
    return m->emptyCards;
}

const std::map<std::string, int>& ImportReader::notCarried() const
{
    return m->vcards ? m->vcards->notCarried() : m->none;
}

std::string describeNotCarried(const std::map<std::string, int>& counts)
{
    static const std::map<std::string_view, std::pair<std::string_view, std::string_view>> words {
        {"PHOTO", {"photo", "photos"}}, {"LOGO", {"logo", "logos"}}, {"SOUND", {"sound", "sounds"}},
        {"KEY", {"key", "keys"}}};
    std::string out;
    for (const auto& [name, count] : counts) {
        if (!out.empty())
            out += ", ";
        out += std::to_string(count) + " ";
        const auto word = words.find(name);
        out += word == words.end() ? name
                                   : std::string(count == 1 ? word->second.first : word->second.second);
    }
    return out;
}

} // namespace quillbox
