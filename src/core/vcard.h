// vCard, the contact format of phones and mail programs: written as vCard
// 4.0 (RFC 6350), read as 4.0, 3.0 and 2.1. Texts here are UTF-8 with lines
// separated by LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillbox::vcard {

/// One card text (UTF-8, LF between lines, no final line break) as a vCard
/// 4.0 entity with CR LF line ends: FN is the first line; N is "Last, First"
/// split at its comma when the first line has that form, else the whole
/// line as the family name; EMAIL and TEL for each line that is wholly an
/// e-mail address or a telephone number; NOTE the whole text.
std::string writeCard(std::string_view text);

/// `value` escaped as a vCard text value: backslash, comma, semicolon and
/// line break become \\, \, \; and \n.
std::string escapeText(std::string_view value);

/// One content line with its CR LF, folded so that no line exceeds 75
/// octets; continuation lines begin with a space and no UTF-8 sequence is
/// split.
std::string foldLine(std::string_view line);

/// True when `line`, blanks at its ends aside, is one e-mail address.
bool isEmailAddress(std::string_view line);
/// True when `line`, blanks at its ends aside, is one telephone number:
/// digits with the usual separators, at least six digits.
bool isTelephoneNumber(std::string_view line);

/// What a card needs of a vCard, decoded to UTF-8.
struct Contact {
    std::string formattedName;
    /// N's components (family, given, additional, prefixes, suffixes), each
    /// with its values joined by blanks.
    std::vector<std::string> name;
    /// ADR's seven components each (post box, extended, street, locality,
    /// region, postal code, country), each a list of values.
    std::vector<std::vector<std::vector<std::string>>> addresses;
    std::vector<std::string> phones;
    std::vector<std::string> emails;
    std::string note;
};

struct ReadResult {
    bool ok = true;
    /// On failure: the line (from 1) where the fault lies and what it is.
    int errorLine = 0;
    std::string error;
    std::vector<Contact> contacts;
};

/// Reads every vCard in `bytes` (versions 2.1, 3.0 and 4.0): unfolds folded
/// lines, joins quoted-printable soft line breaks, decodes quoted-printable
/// and the charsets ISO-8859-1, Windows-1252 and UTF-8 (text that names no
/// charset is taken as UTF-8 when it is valid UTF-8, else as Windows-1252),
/// and unescapes values. Properties in base64 (pictures) are skipped. Fails
/// on a line without a colon, text outside BEGIN:VCARD .. END:VCARD, a
/// vCard without its END, or input with no vCard at all.
ReadResult read(std::string_view bytes);

/// The card a contact becomes: its title (FN, else N as "Family, Given"),
/// its address lines, telephone numbers and e-mail addresses, then its
/// note. A note whose first line is the title already holds the whole card
/// (as writeCard() writes it) and is the card on its own.
std::string cardText(const Contact& contact);

} // namespace quillbox::vcard
