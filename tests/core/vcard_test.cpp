#include "core/vcard.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace quillbox;

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
    const std::vector<std::string> lines = physicalLines(vcard::writeCard(GetParam().text));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines.front(), "BEGIN:VCARD");
    EXPECT_EQ(lines[1], "VERSION:4.0");
    EXPECT_EQ(lines.back(), "END:VCARD");
    for (const std::string& expected : GetParam().expectedLines)
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
}

INSTANTIATE_TEST_SUITE_P(Table, VCardWriting,
    ::testing::Values(WriteCase {"LastFirst", "Smith, John\n12 High St",
                          {"FN:Smith\\, John", "N:Smith;John;;;", "NOTE:Smith\\, John\\n12 High St"}},
        WriteCase {"WholeLineIsFamily", "Acme Tools", {"FN:Acme Tools", "N:Acme Tools;;;;"}},
        WriteCase {"TwoCommasIsNoName", "Acme, Tools, Inc", {"N:Acme\\, Tools\\, Inc;;;;"}},
        WriteCase {"EmptyGivenIsNoName", "Smith,", {"N:Smith\\,;;;;"}},
        WriteCase {"EmailAndTelephone", "Doe, Jane\n jane.doe@example.org \n+44 (20) 7946-0958\nRoom 5",
            {"EMAIL:jane.doe@example.org", "TEL:+44 (20) 7946-0958"}},
        WriteCase {"EmptyFirstLine", "\nsecond", {"FN:", "N:;;;;", "NOTE:\\nsecond"}}),
    [](const auto& row) { return row.param.name; });

TEST(VCard, RecognisesOnlyWholeAddressesAndNumbers)
{
    for (const char* yes : {"a@b.de", " john.smith+x@mail.example.com ", "o'neil@example.ie"})
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

INSTANTIATE_TEST_SUITE_P(Table, VCardRoundTrip,
    ::testing::Values("Smith, John\n12 High Street\nSpringfield", "Back\\slash; semi, comma",
        "M\xC3\xBCller, J\xC3\xBCrgen\nStra\xC3\x9F"
        "e 5\n10115 Berlin",
        "Long\n" + repeat("\xE2\x82\xAC\xC3\xA9x", 120), "\nstarts with an empty line",
        "Trailing blanks   \n   and leading", "Jane\n\njane@example.org\n+1 555 0100 22"));

// ---- Reading what others write -------------------------------------------

TEST(VCardRead, PhoneStyleVersion3)
{
    const std::string text = "BEGIN:VCARD\r\n"
                             "VERSION:3.0\r\n"
                             "PRODID:-//Phone//Contacts//EN\r\n"
                             "N:M\xC3\xBCller;J\xC3\xBCrgen;;;\r\n"
                             "FN:J\xC3\xBCrgen M\xC3\xBC\r\n"
                             " ller\r\n"
                             "TEL;TYPE=CELL:+49 171 2345678\r\n"
                             "TEL;TYPE=HOME,VOICE:030 123456\r\n"
                             "item1.ADR;TYPE=HOME:;Hinterhaus;Hauptstra\xC3\x9F"
                             "e 5\\, 2. OG;Berlin;;10115;Deutsch\r\n"
                             " land\r\n"
                             "item1.X-ABLabel:home\r\n"
                             "EMAIL;TYPE=INTERNET:j.mueller@example.de\r\n"
                             "PHOTO;ENCODING=b;TYPE=JPEG:AAAA\r\n"
                             " BBBB\r\n"
                             "END:VCARD\r\n";
    EXPECT_EQ(cardOf(text),
        "J\xC3\xBCrgen M\xC3\xBCller\nHinterhaus\nHauptstra\xC3\x9F"
        "e 5, 2. OG\nBerlin 10115\nDeutschland\n+49 171 2345678\n030 123456\nj.mueller@example.de");
}

TEST(VCardRead, Version21QuotedPrintableAndLatin1)
{
    // "M=FCller" is Latin-1; the note runs over a soft line break and holds a
    // quoted-printable line break.
    const std::string text = "BEGIN:VCARD\r\n"
                             "VERSION:2.1\r\n"
                             "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=FCrgen\r\n"
                             "TEL;CELL:0171 2345678\r\n"
                             "ADR;HOME;CHARSET=ISO-8859-1:;;Gartenstra\xDF"
                             "e 1;K\xF6ln;;50667;\r\n"
                             "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:Erste Zeile=0D=0AZweite =\r\n"
                             "Zeile =C3=BC\r\n"
                             "END:VCARD\r\n";
    EXPECT_EQ(cardOf(text),
        "M\xC3\xBCller, J\xC3\xBCrgen\nGartenstra\xC3\x9F"
        "e 1\nK\xC3\xB6ln 50667\n0171 2345678\nErste Zeile\nZweite Zeile \xC3\xBC");
}

TEST(VCardRead, Version4UriTelephoneAndSeveralCards)
{
    const std::string text = "BEGIN:VCARD\nVERSION:4.0\nFN:A\nTEL;VALUE=uri:tel:+1-555-0100\nEND:VCARD\n"
                             "\n"
                             "begin:vcard\nversion:4.0\nfn:B\nnote:x\\ny\nend:vcard\n";
    const vcard::ReadResult read = vcard::read(text);
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.contacts.size(), 2u);
    EXPECT_EQ(vcard::cardText(read.contacts[0]), "A\n+1-555-0100");
    EXPECT_EQ(vcard::cardText(read.contacts[1]), "B\nx\ny");
}

struct MalformedCase {
    const char* name;
    const char* text;
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
        MalformedCase {"Outside", "BEGIN:VCARD\r\nEND:VCARD\r\nFN:stray\r\n", 3}),
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
