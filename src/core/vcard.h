// SPDX-License-Identifier: GPL-3.0-or-later
// vCard, the contact format of phones and mail programs: written as vCard
// 4.0 (RFC 6350), read as 4.0, 3.0 and 2.1. Texts here are UTF-8 with lines
// separated by LF.
//
// A card maps to a vCard and back through a layout a person would write on
// an index card (see cardLayout() and the README's "Cards in and out"):
//
//     Name                         FN, N
//     Title, Company               TITLE, ORG
//     address lines ... postcode   ADR with LABEL
//     Tel. (211) 445-7342          TEL (voice); "Mobile: ", "Work: ",
//                                  "Home: ", "Fax: ", "Work fax: ",
//                                  "Home fax: ", "Pager: " for the others
//     name@example.org             EMAIL
//     Birthday: / Web: / Nickname: / Groups:   BDAY, URL, NICKNAME, CATEGORIES
//     free notes                   NOTE
#pragma once

#include "core/read_status.h"

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillbox::vcard {

// ---------------------------------------------------------------------------
// Card text -> vCard

/// One content line to write: `value` is already in vCard syntax (escaped
/// text, or components joined by ';'); parameters are written
/// ";NAME=value" in order, a value holding ':', ';' or ',' in quotes.
struct PropertyLine {
    std::string name;
    std::vector<std::pair<std::string, std::string>> parameters;
    std::string value;
};

/// The properties a card text maps to, in this order: FN (the first line),
/// N, TITLE and ORG (from a company line), ADR with a LABEL (the address
/// block), TEL with its TYPE for each telephone line, EMAIL, BDAY, URL,
/// NICKNAME, CATEGORIES, NOTE with only the lines that map to nothing else
/// (absent when there are none), and X-QUILLBOX-CARD with the whole text.
///
/// - The company line is the second line when it has no digit, is no
///   labelled, e-mail or telephone line, and an address block or a labelled,
///   e-mail or telephone line follows it. "Title, Company" splits at its
///   first ", "; otherwise the whole line is the company.
/// - The address block is the plain lines after the name (and the company
///   line), at most five, up to and including the first that holds a
///   postal code (a word of four to nine digits, a hyphen allowed between
///   them).
/// - N: "Last, First" splits at its comma; "First Middle Last" takes the
///   last word as the family name on cards without a company line;
///   otherwise the whole first line is the family name.
std::vector<PropertyLine> propertiesOf(std::string_view cardText);

/// One card text as a vCard 4.0 entity with CR LF line ends and lines
/// folded at 75 octets: BEGIN, VERSION, propertiesOf(), END.
std::string writeCard(std::string_view cardText);

/// `value` escaped as a vCard text value: backslash, comma, semicolon and
/// line break become \\, \, \; and \n.
std::string escapeText(std::string_view value);

/// One content line with its CR LF, folded so that no line exceeds 75
/// octets; continuation lines begin with a space and no UTF-8 sequence is
/// split.
std::string foldLine(std::string_view line);

/// True when `line`, blanks at its ends aside, is one e-mail address
/// (letters beyond ASCII allowed).
bool isEmailAddress(std::string_view line);
/// True when `line`, blanks at its ends aside, is one telephone number:
/// digits with the usual separators, at least six digits.
bool isTelephoneNumber(std::string_view line);

// ---------------------------------------------------------------------------
// vCard -> card text

/// A value with its TYPE parameters, in lower case.
struct TypedValue {
    std::string value;
    std::vector<std::string> types;
};

struct Address {
    /// ADR's seven components (post box, extended, street, locality,
    /// region, postal code, country), each a list of values.
    std::vector<std::vector<std::string>> components;
    /// The LABEL parameter's lines as written, when it has one.
    std::string label;
};

/// What a card takes of a vCard, decoded to UTF-8.
struct Contact {
    /// The preferred FN (PREF, else TYPE=PREF, else the first).
    std::string formattedName;
    /// N's components (family, given, additional, prefixes, suffixes), each
    /// with its values joined by blanks.
    std::vector<std::string> name;
    std::string organisation;
    std::string title;
    std::vector<Address> addresses;
    std::vector<TypedValue> phones;
    std::vector<TypedValue> emails;
    std::string birthday;
    std::vector<std::string> urls;
    std::vector<std::string> nicknames;
    std::vector<std::string> categories;
    std::string note;
    /// X-QUILLBOX-CARD: the whole card as this program wrote it.
    std::string quillboxCard;
};

/// The card a contact becomes. A contact with an X-QUILLBOX-CARD that
/// agrees with its other properties (they are what propertiesOf() makes of
/// it) is that text, byte for byte; a note whose first line is the title
/// (as earlier versions wrote) is the card on its own. Any other contact is
/// laid out from its properties (cardLayout()).
std::string cardText(const Contact& contact);

/// The card laid out from the properties alone, X-QUILLBOX-CARD aside: the
/// title (FN; else N as "Family, Given"; else ORG, the first e-mail address
/// or the first number), the company line ("Title, Company"), the address
/// lines (the LABEL's, else the components'), the labelled telephone lines,
/// the e-mail addresses, "Birthday: ", "Web: ", "Nickname: " and "Groups: "
/// lines, then the note. Never begins with an empty line.
std::string cardLayout(const Contact& contact);

/// The bounds that keep a reader's memory small whatever the input.
/// A value kept beyond this many bytes is cut (a card holds far less).
inline constexpr std::size_t MaxValueBytes = 64 * 1024;
/// A content line whose property is still unknown (no colon) after this
/// many bytes stops the reading.
inline constexpr std::size_t MaxHeadBytes = 4 * 1024 * 1024;

/// Reads vCards (versions 2.1, 3.0 and 4.0) from input given in pieces of
/// any size, holding only the contact being read and one content line:
/// unfolds folded lines and quoted-printable soft line breaks in one pass,
/// decodes quoted-printable and BASE64 text values, converts any CHARSET
/// the C library's iconv knows (text that names none is UTF-8 when valid,
/// else Windows-1252; bytes a charset cannot decode become U+FFFD), and
/// unescapes values. Values of properties a card does not carry (PHOTO,
/// KEY, X- ...) are skipped without being kept and counted by name.
///
/// Stops, with the line (from 1) and the reason, at: a NUL byte (input
/// that is not text), a line without a colon, a line longer than
/// MaxHeadBytes before its colon, a charset iconv does not know, text
/// outside BEGIN:VCARD .. END:VCARD, a vCard without its END, or input
/// with no vCard at all. After a stop, feed() does nothing.
class Reader {
public:
    using ContactHandler = std::function<void(Contact&&)>;
    explicit Reader(ContactHandler onContact);
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    /// The next bytes of the input. False once the reading has stopped.
    bool feed(std::string_view bytes);
    /// The end of the input. False when the reading stopped.
    bool finish();

    const ReadStatus& status() const;
    /// Properties skipped, by name ("PHOTO", "X-ANDROID-CUSTOM").
    const std::map<std::string, int>& notCarried() const;

private:
    struct State;
    std::unique_ptr<State> m;
};

struct ReadResult : ReadStatus {
    std::vector<Contact> contacts;
    std::map<std::string, int> notCarried;
};

/// Reads all of `bytes` with a Reader; on failure no contacts are given.
ReadResult read(std::string_view bytes);

} // namespace quillbox::vcard
