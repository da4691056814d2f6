// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vcard.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace quillbox;
using namespace std::string_view_literals;

namespace {

std::vector<std::string> physicalLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string_view::npos) << "every line ends in CR LF";
        if (end == std::string_view::npos)
            break;
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string repeat(std::string_view s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

/// Reads `text` as one vCard and gives the card it becomes.
std::string cardOf(std::string_view text)
{
    const vcard::ReadResult read = vcard::read(text);
    EXPECT_TRUE(read.ok) << "line " << read.errorLine << ": " << read.error;
    EXPECT_EQ(read.contacts.size(), 1u);
    return read.contacts.empty() ? std::string() : vcard::cardText(read.contacts.front());
}

} // namespace

// ---- Folding -------------------------------------------------------------

struct FoldCase {
    const char* name;
    std::string line;
};

void PrintTo(const FoldCase& c, std::ostream* os)
{
    *os << c.name;
}

class VCardFolding : public ::testing::TestWithParam<FoldCase> { };

TEST_P(VCardFolding, LinesStayWithin75OctetsAndUnfoldToTheOriginal)
{
    const std::string& line = GetParam().line;
    const std::vector<std::string> lines = physicalLines(vcard::foldLine(line));
    ASSERT_FALSE(lines.empty());
    std::string unfolded = lines.front();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), 75u) << "line " << i;
        if (i == 0)
            continue;
        ASSERT_FALSE(lines[i].empty());
        EXPECT_EQ(lines[i][0], ' ');
        // The byte after the blank must begin a character, not continue one.
        if (lines[i].size() > 1) {
            EXPECT_NE(static_cast<unsigned char>(lines[i][1]) & 0xC0, 0x80) << "line " << i;
        }
        unfolded += lines[i].substr(1);
    }
    EXPECT_EQ(unfolded, line);
    // Nothing is folded that fits.
    if (line.size() <= 75) {
        EXPECT_EQ(lines.size(), 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, VCardFolding,
    ::testing::Values(FoldCase {"Short", "FN:Smith"}, FoldCase {"Exactly75", "NOTE:" + std::string(70, 'x')},
        FoldCase {"Exactly76", "NOTE:" + std::string(71, 'x')},
        FoldCase {"LongAscii", "NOTE:" + std::string(400, 'a')},
        FoldCase {"TwoByteAcrossTheEdge", "NOTE:x" + repeat("\xC3\xBC", 150)},
        FoldCase {"TwoByteOnTheEdge", "NOTE:" + repeat("\xC3\xBC", 150)},
        FoldCase {"ThreeByte", "NOTE:" + repeat("\xE2\x82\xAC", 90)},
        FoldCase {"ThreeByteShifted", "NOTE:ab" + repeat("\xE2\x82\xAC", 90)},
        FoldCase {"FourByte", "NOTE:a" + repeat("\xF0\x9F\x98\x80", 60)}),
    [](const auto& row) { return row.param.name; });

// ---- Writing -------------------------------------------------------------

struct EscapeCase {
    const char* name;
    const char* value;
    const char* escaped;
};

void PrintTo(const EscapeCase& c, std::ostream* os)
{
    *os << c.name;
}

class VCardEscaping : public ::testing::TestWithParam<EscapeCase> { };

TEST_P(VCardEscaping, EscapesTheSpecialCharacters)
{
    EXPECT_EQ(vcard::escapeText(GetParam().value), GetParam().escaped);
}

INSTANTIATE_TEST_SUITE_P(Table, VCardEscaping,
    ::testing::Values(EscapeCase {"Plain", "Smith", "Smith"},
        EscapeCase {"Comma", "Smith, John", "Smith\\, John"}, EscapeCase {"Semicolon", "a;b", "a\\;b"},
        EscapeCase {"Backslash", "C:\\dir", "C:\\\\dir"}, EscapeCase {"LineBreak", "one\ntwo", "one\\ntwo"},
        EscapeCase {"All", "\\,;\n", "\\\\\\,\\;\\n"}),
    [](const auto& row) { return row.param.name; });

struct WriteCase {
    const char* name;
    const char* text;
    std::vector<std::string> expectedLines;
};

void PrintTo(const WriteCase& c, std::ostream* os)
{
    *os << c.name;
}

class VCardWriting : public ::testing::TestWithParam<WriteCase> { };

TEST_P(VCardWriting, DerivesNameEmailAndTelephone)
{
    std::vector<std::string> lines;
    for (const std::string& line : physicalLines(vcard::writeCard(GetParam().text))) {
        if (line.starts_with(' ') && !lines.empty())
            lines.back() += line.substr(1);
        else
            lines.push_back(line);
    }
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines.front(), "BEGIN:VCARD");
    EXPECT_EQ(lines[1], "VERSION:4.0");
    EXPECT_EQ(lines.back(), "END:VCARD");
    for (const std::string& expected : GetParam().expectedLines)
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
}

INSTANTIATE_TEST_SUITE_P(Table, VCardWriting,
    ::testing::Values(WriteCase {"LastFirst", "Smith, John\n12 High St",
                          {"FN:Smith\\, John", "N:Smith;John;;;", "NOTE:12 High St",
                              "X-QUILLBOX-CARD:Smith\\, John\\n12 High St"}},
        WriteCase {
            "FirstLastTakesTheLastWord", "Anna Maria Fox", {"FN:Anna Maria Fox", "N:Fox;Anna Maria;;;"}},
        WriteCase {"CompanyLineIsNoPerson", "Smith & Sons Ltd\nJoinery\n4 Mill Lane\nLeeds 1234",
            {"N:Smith & Sons Ltd;;;;", "ORG:Joinery",
                "ADR;LABEL=\"4 Mill Lane\\nLeeds 1234\":;;4 Mill Lane;Leeds;;1234;"}},
        WriteCase {"TitleAndCompany", "Doe, Jane\nEngineer, Acme Ltd\nTel. 555 0100 22",
            {"TITLE:Engineer", "ORG:Acme Ltd", "TEL;TYPE=voice:555 0100 22"}},
        WriteCase {"TwoCommasIsNoName", "Acme, Tools, Inc", {"N:Acme\\, Tools\\, Inc;;;;"}},
        WriteCase {"AddressBlockAndTypedNumbers",
            "Vogel, Bruno\n549 Church Rd\nSpringfield, IL 62704-1234\nTel. (630) 311-8824\nMobile: +49 171 "
            "2345678\nWork fax: 030 1234567\n+44 (20) 7946-0958\nPrefers letters\nBirthday: 20.9.",
            {"ADR;LABEL=\"549 Church Rd\\nSpringfield, IL 62704-1234\":;;549 Church "
             "Rd;Springfield;IL;62704-1234;",
                "TEL;TYPE=voice:(630) 311-8824", "TEL;TYPE=cell:+49 171 2345678",
                "TEL;TYPE=work,fax:030 1234567", "TEL:+44 (20) 7946-0958", "BDAY;VALUE=text:20.9.",
                "NOTE:Prefers letters"}},
        WriteCase {"EmailWebNicknameGroups",
            "Doe, Jane\n j\xC3\xB6rg@b\xC3\xBC"
            "ro.de \nWeb: https://example.org/a,b\nNickname: JD\nGroups: Friends, Chess",
            {"EMAIL:j\xC3\xB6rg@b\xC3\xBC"
             "ro.de",
                "URL:https://example.org/a,b", "NICKNAME:JD", "CATEGORIES:Friends,Chess"}},
        WriteCase {"EmptyFirstLine", "\nsecond", {"FN:", "N:;;;;", "NOTE:second"}}),
    [](const auto& row) { return row.param.name; });

// Nothing maps twice: a line is a property or part of the note, never both.
TEST(VCardWrite, NoteHoldsOnlyTheUnmappedLines)
{
    const std::string card = vcard::writeCard("Fox, Anna\n422 Harbour Way\nHillview 10862\nfox@example.org");
    EXPECT_EQ(card.find("NOTE"), std::string::npos) << card;
}

TEST(VCard, RecognisesOnlyWholeAddressesAndNumbers)
{
    for (const char* yes :
        {"a@b.de", " john.smith+x@mail.example.com ", "o'neil@example.ie", "j\xC3\xB6rg@m\xC3\xBCller.de"})
        EXPECT_TRUE(vcard::isEmailAddress(yes)) << yes;
    for (const char* no :
        {"mail: a@b.de", "a@b", "@b.de", "a@@b.de", "a b@c.de", "a@.de", "a@b..de", "a@b.de."})
        EXPECT_FALSE(vcard::isEmailAddress(no)) << no;
    for (const char* yes : {"555-1234 99", "+49 30 1234567", "(212) 555.0100", "0171/2345678"})
        EXPECT_TRUE(vcard::isTelephoneNumber(yes)) << yes;
    for (const char* no : {"10115", "Tel. 555 1234", "12 High Street", "1-2-3", "+", "555+1234567"})
        EXPECT_FALSE(vcard::isTelephoneNumber(no)) << no;
}

// ---- Round trip ------------------------------------------------------------

class VCardRoundTrip : public ::testing::TestWithParam<std::string> { };

TEST_P(VCardRoundTrip, WrittenCardReadsBackToTheSameText)
{
    EXPECT_EQ(cardOf(vcard::writeCard(GetParam())), GetParam());
}

// A card in the layout, exported and read back by its properties alone (as
// when another program dropped X-QUILLBOX-CARD), is the same text.
TEST(VCardRoundTrip, LabelledCardReadsBackFromItsProperties)
{
    const std::string card = "Doe, Jane\nEngineer, Acme Ltd\n12 High St\nFlat 3\nSpringfield 12345\n"
                             "Tel. (211) 445-7342\nMobile: +1 555 0100 22\nWork fax: 030 1234567\n"
                             "jane@example.org\nBirthday: 1980-04-12\nWeb: https://example.org\n"
                             "Nickname: JD\nGroups: Friends, Chess\nPrefers letters";
    std::string vcf = vcard::writeCard(card);
    const std::size_t own = vcf.find("X-QUILLBOX-CARD");
    ASSERT_NE(own, std::string::npos);
    std::size_t end = own;
    do
        end = vcf.find("\r\n", end) + 2;
    while (vcf[end] == ' ');
    vcf.erase(own, end - own);
    for (const char* property :
        {"TEL;TYPE=voice:", "TEL;TYPE=cell:", "TEL;TYPE=work,fax:", "ADR;LABEL=", "EMAIL:"})
        EXPECT_NE(vcf.find(property), std::string::npos) << property;
    EXPECT_EQ(cardOf(vcf), card);
}

// Another program that changed a number is believed over the stored text.
TEST(VCardRead, ChangedByAnotherProgramIsRebuilt)
{
    std::string vcf = vcard::writeCard("Doe, Jane\nTel. (211) 445-7342\nPrefers letters");
    vcf.replace(vcf.find("(211) 445-7342"), 14, "(211) 445-0000");
    EXPECT_EQ(cardOf(vcf), "Doe, Jane\nTel. (211) 445-0000\nPrefers letters");
}

INSTANTIATE_TEST_SUITE_P(Table, VCardRoundTrip,
    ::testing::Values("Smith, John\n12 High Street\nSpringfield", "Back\\slash; semi, comma",
        "M\xC3\xBCller, J\xC3\xBCrgen\nStra\xC3\x9F"
        "e 5\n10115 Berlin",
        "Long\n" + repeat("\xE2\x82\xAC\xC3\xA9x", 120), "\nstarts with an empty line",
        "Trailing blanks   \n   and leading", "Jane\n\njane@example.org\n+1 555 0100 22"));

// ---- Reading what others write -------------------------------------------

struct MalformedCase {
    const char* name;
    std::string_view text;
    int line;
};

void PrintTo(const MalformedCase& c, std::ostream* os)
{
    *os << c.name;
}

class VCardMalformed : public ::testing::TestWithParam<MalformedCase> { };

TEST_P(VCardMalformed, FailsNamingTheLine)
{
    const vcard::ReadResult read = vcard::read(GetParam().text);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.errorLine, GetParam().line);
    EXPECT_FALSE(read.error.empty());
    EXPECT_TRUE(read.contacts.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, VCardMalformed,
    ::testing::Values(MalformedCase {"Empty", "", 1}, MalformedCase {"NotAVCard", "Name,Card\r\nA,B\r\n", 1},
        MalformedCase {"NoColon", "BEGIN:VCARD\r\nFN:A\r\njust text\r\nEND:VCARD\r\n", 3},
        MalformedCase {"NoEnd", "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:B\r\n", 4},
        MalformedCase {"Nested", "BEGIN:VCARD\r\nBEGIN:VCARD\r\n", 2},
        MalformedCase {"Outside", "BEGIN:VCARD\r\nEND:VCARD\r\nFN:stray\r\n", 3},
        MalformedCase {"NulByte", "BEGIN:VCARD\r\nFN:A\r\nNOTE:x\0y\r\nEND:VCARD\r\n"sv, 3},
        MalformedCase {
            "UnknownCharset", "BEGIN:VCARD\r\nFN:A\r\nNOTE;CHARSET=X-NO-SUCH:y\r\nEND:VCARD\r\n", 3}),
    [](const auto& row) { return row.param.name; });

TEST(VCardRead, SurvivesScrambledInput)
{
    // Pieces that steer the reader into its edges: soft breaks at the end,
    // escapes at the end, quotes never closed, cut UTF-8 sequences.
    const std::vector<std::string> pieces {"BEGIN:VCARD\r\n", "END:VCARD\r\n", "N;ENCODING=QUOTED-PRINTABLE:",
        "NOTE;QUOTED-PRINTABLE:", "ADR;CHARSET=ISO-8859-1:", "TEL:", "FN:", "=", "=C3", "=\r\n", "\\", "\\n",
        ";", ",", ":", "\"", " ", "\t", "\r\n", "\n", "\r", "\xC3", "\xA9", "x", "item1.", "tel:"};
    std::mt19937 random(12);
    for (int round = 0; round < 3000; ++round) {
        std::string input;
        const int count = static_cast<int>(random() % 24);
        for (int i = 0; i < count; ++i)
            input += pieces[random() % pieces.size()];
        const vcard::ReadResult read = vcard::read(input);
        if (!read.ok) {
            EXPECT_GE(read.errorLine, 1) << input;
            continue;
        }
        for (const vcard::Contact& contact : read.contacts)
            EXPECT_TRUE(vcard::read(vcard::writeCard(vcard::cardText(contact))).ok) << input;
    }
}

// Continuation lines join in one pass: quoted-printable soft line breaks
// over megabytes (each rescanned the whole line before) read at once.
TEST(VCardRead, UnfoldsInLinearTime)
{
    std::string text = "BEGIN:VCARD\r\nFN:A\r\nNOTE;ENCODING=QUOTED-PRINTABLE:";
    for (int i = 0; i < 400000; ++i)
        text += "abcdefghij=\r\n";
    text += "z\r\nEND:VCARD\r\n";
    const vcard::ReadResult read = vcard::read(text);
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.contacts.size(), 1u);
    EXPECT_EQ(read.contacts[0].note.size(), vcard::MaxValueBytes);
    EXPECT_EQ(read.contacts[0].note.substr(0, 21), "abcdefghijabcdefghija");
}

// Whatever the input, the reader keeps a bounded part of a line: a photo
// is skipped unkept, a long note is cut, and a line with no colon after
// MaxHeadBytes stops the reading.
TEST(VCardRead, BoundsWhatItKeeps)
{
    std::vector<vcard::Contact> contacts;
    vcard::Reader reader([&contacts](vcard::Contact&& c) { contacts.push_back(std::move(c)); });
    reader.feed("BEGIN:VCARD\r\nFN:A\r\nPHOTO;ENCODING=b;TYPE=JPEG:");
    const std::string piece(1 << 20, 'Q');
    for (int i = 0; i < 32; ++i)
        ASSERT_TRUE(reader.feed(piece));
    reader.feed("\r\nNOTE:");
    for (int i = 0; i < 32; ++i)
        ASSERT_TRUE(reader.feed(piece));
    reader.feed("\r\nX-ANDROID-CUSTOM:1\r\nEND:VCARD\r\n");
    ASSERT_TRUE(reader.finish()) << reader.status().error;
    ASSERT_EQ(contacts.size(), 1u);
    EXPECT_EQ(contacts[0].note.size(), vcard::MaxValueBytes);
    EXPECT_EQ(reader.notCarried(), (std::map<std::string, int> {{"PHOTO", 1}, {"X-ANDROID-CUSTOM", 1}}));

    vcard::Reader endless(nullptr);
    endless.feed("BEGIN:VCARD\r\n");
    int fed = 0;
    while (endless.feed(piece) && fed < 64)
        ++fed;
    EXPECT_FALSE(endless.status().ok);
    EXPECT_EQ(endless.status().errorLine, 2);
    EXPECT_LE(static_cast<std::size_t>(fed) * piece.size(), vcard::MaxHeadBytes);
}

// The input may come in pieces of any size: a byte at a time reads alike.
TEST(VCardRead, PiecesOfAnySizeReadAlike)
{
    const std::string text
        = "BEGIN:VCARD\r\nVERSION:2.1\r\nN;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:M=C3=BCller;=\r\n"
          "J=C3=BCrgen\r\nTEL;CELL:0171 2345678\r\nNOTE:one\r\n two\r\n\r\nEND:VCARD\r\n"
          "BEGIN:VCARD\nFN:B\nEND:VCARD";
    const vcard::ReadResult whole = vcard::read(text);
    ASSERT_TRUE(whole.ok) << whole.error;
    std::vector<std::string> cards;
    vcard::Reader reader([&cards](vcard::Contact&& c) { cards.push_back(vcard::cardText(c)); });
    for (const char c : text)
        reader.feed(std::string_view(&c, 1));
    ASSERT_TRUE(reader.finish()) << reader.status().error;
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0], "M\xC3\xBCller, J\xC3\xBCrgen\nMobile: 0171 2345678\nonetwo");
    EXPECT_EQ(cards[0], vcard::cardText(whole.contacts[0]));
    EXPECT_EQ(cards[1], "B");
}
