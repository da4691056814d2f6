// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/card_export.h"
#include "core_test_util.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

using namespace quillbox;

namespace quillbox {
// Found by argument lookup, so the test list names the format.
inline void PrintTo(CardFormat format, std::ostream* os)
{
    *os << (format == CardFormat::VCard ? "vCard" : format == CardFormat::Csv ? "CSV" : "text");
}
} // namespace quillbox
using quillbox::test::cardsOf;
using quillbox::test::makeBox;
using quillbox::test::TempDir;

namespace {

/// Texts as the card box stores them: Windows-1252, CR LF, closing CR LF.
const std::vector<std::string> kCards {
    "Smith, John\r\n12 High Street\r\nSpringfield\r\n",
    "M\xFCller, J\xFCrgen\r\nStra\xDF"
    "e 5\r\n\x80 50, \"quoted\"; semi\r\n",
    "Back\\slash\r\n\r\nblank line above, tab\there\r\n",
    "Doe, Jane\r\njane@example.org\r\n+1 555 0100 22\r\n",
    "\r\nNo title\r\n",
    std::string(MaxTypedChars, 'w') + "\r\n",
};

std::unique_ptr<CardCollection> importedBox(std::string_view bytes, CardFormat format)
{
    const ImportParse parse = parseImport(bytes, format);
    EXPECT_TRUE(parse.ok) << parse.errorLine << ": " << parse.error;
    auto box = std::make_unique<CardBox>();
    addImportedCards(*box, parse.texts);
    auto cards = makeBox();
    *cards = box->cards();
    return cards;
}

std::string record(std::string_view text)
{
    const auto n = static_cast<unsigned>(text.size() + 1);
    return std::string {static_cast<char>(n & 0xFF), static_cast<char>(n >> 8)} + std::string(text) + '\0';
}

} // namespace

class CardRoundTrip : public ::testing::TestWithParam<CardFormat> { };

TEST_P(CardRoundTrip, ExportThenImportGivesTheSameCards)
{
    const auto original = makeBox(kCards);
    const std::string exported = exportCards(cardsOf(*original), GetParam());
    const auto back = importedBox(exported, GetParam());
    EXPECT_EQ(cardsOf(*back), cardsOf(*original));
}

INSTANTIATE_TEST_SUITE_P(Formats, CardRoundTrip, ::testing::Values(CardFormat::VCard, CardFormat::Csv),
    [](const auto& row) { return row.param == CardFormat::VCard ? "VCard" : "Csv"; });

TEST(CardExport, TextSeparatesCardsWithTenHyphens)
{
    EXPECT_EQ(exportCards({"A\r\nline\r\n", "B\r\n", "C"}, CardFormat::Text),
        "A\nline\n----------\nB\n----------\nC\n");
    EXPECT_EQ(exportCards({}, CardFormat::Text), "");
}

TEST(CardExport, CsvHasAHeaderAndTheFirstLineBesideTheText)
{
    EXPECT_EQ(exportCards({"Smith, John\r\n1 \"Elm\" St\r\n", "\xC4rger\r\n"}, CardFormat::Csv),
        "Title,Card\r\n"
        "\"Smith, John\",\"Smith, John\n1 \"\"Elm\"\" St\"\r\n"
        "\xC3\x84rger,\xC3\x84rger\r\n");
}

TEST(CardExport, HeldBackRecordsAreExportedToo)
{
    const auto box = makeBox({"B\r\n"});
    const std::string heldBack = record("Z\r\n") + std::string("\0\0", 2) + record("Y\r\n");
    EXPECT_EQ(
        allCardTexts(*box, recordTexts(heldBack)), (std::vector<std::string> {"B\r\n", "Z\r\n", "Y\r\n"}));
}

TEST(CardImport, OtherCsvGivesHeaderValueLinesUnderTheName)
{
    const std::string csv = "First Name,Last Name,E-mail,Phone\r\n"
                            "John,Smith,john@example.com,555 0100 22\r\n"
                            "Ann,,\"ann@example.com\",\r\n"
                            ",,,\r\n";
    const ImportParse parse = parseImport(csv, CardFormat::Csv);
    ASSERT_TRUE(parse.ok);
    ASSERT_EQ(parse.texts.size(), 3u);
    EXPECT_EQ(parse.texts[0], "John\nLast Name: Smith\nE-mail: john@example.com\nPhone: 555 0100 22");
    EXPECT_EQ(parse.texts[1], "Ann\nE-mail: ann@example.com");
    EXPECT_EQ(parse.texts[2], ""); // an empty row adds no card
    const auto box = importedBox(csv, CardFormat::Csv);
    EXPECT_EQ(box->CardCount, 2);
}

// A Title,Card file's empty Card fields are counted, not silently dropped;
// importing the same cards again adds none and says so.
TEST(CardImport, EmptyCardsAndDuplicatesAreCounted)
{
    const std::string csv = "Title,Card\r\nA,\"A\nx\"\r\nB,\r\nC,\"  \"\r\nD,D\r\n";
    const ImportParse parse = parseImport(csv, CardFormat::Csv);
    ASSERT_TRUE(parse.ok) << parse.error;
    EXPECT_EQ(parse.emptyCards, 2);
    auto box = std::make_unique<CardBox>();
    ImportCounts counts = addImportedCards(*box, parse);
    EXPECT_EQ(counts.added, 2);
    EXPECT_EQ(counts.firstAdded, "A\r\nx\r\n");
    EXPECT_NE(describeImport(counts).find("Rows with an empty Card field, not added: 2"), std::string::npos);
    counts = addImportedCards(*box, parse);
    EXPECT_EQ(counts.added, 0);
    EXPECT_EQ(counts.duplicates, 2);
    EXPECT_NE(describeImport(counts).find("Already in the card file: 2"), std::string::npos);
    EXPECT_EQ(box->count(), 2);
}

struct StoredCase {
    const char* name;
    std::string utf8;
    std::string stored;
    bool cut;
    int replaced;
};

void PrintTo(const StoredCase& c, std::ostream* os)
{
    *os << c.name;
}

class StoredImportText : public ::testing::TestWithParam<StoredCase> { };

// What the import makes of a text, stored by the card box's one rule.
TEST_P(StoredImportText, ConvertsCutsAndCounts)
{
    const ImportedText s = importedText(GetParam().utf8);
    EXPECT_EQ(s.text.empty() ? "" : storedCardText(s.text), GetParam().stored);
    EXPECT_EQ(s.cut, GetParam().cut);
    EXPECT_EQ(s.replaced, GetParam().replaced);
}

INSTANTIATE_TEST_SUITE_P(Table, StoredImportText,
    ::testing::Values(
        StoredCase {"LineBreaksBecomeCrLf", "a\nb\rc\r\nd\n\n\n", "a\r\nb\r\nc\r\nd\r\n", false, 0},
        StoredCase {"CodePageCharacters", "\xE2\x82\xAC \xC3\xA9", "\x80 \xE9\r\n", false, 0},
        StoredCase {
            "MissingCharactersCounted", "\xE2\x9C\x93 ok \xF0\x9F\x98\x80 ?", "? ok ? ?\r\n", false, 2},
        StoredCase {"NulIsReplaced", std::string("a\0b", 3), "a?b\r\n", false, 1},
        StoredCase {"Exactly498Kept", std::string(498, 'x'), std::string(498, 'x') + "\r\n", false, 0},
        StoredCase {"499Cut", std::string(499, 'x'), std::string(498, 'x') + "\r\n", true, 0},
        StoredCase {"CutNeverSplitsALineBreak", std::string(497, 'x') + "\nyy",
            std::string(497, 'x') + "\r\n", true, 0},
        StoredCase {"CutAfterMultiByteCountsCharacters", std::string(497, 'x') + "\xC3\xA9\xC3\xA9",
            std::string(497, 'x') + "\xE9\r\n", true, 0},
        StoredCase {"Empty", "\n\n", "", false, 0}),
    [](const auto& row) { return row.param.name; });

TEST(CardImport, FullBoxCountsWhatDidNotFit)
{
    std::vector<std::string> texts;
    for (int i = 0; i < MaxCards - 2; ++i)
        texts.push_back("Card " + std::to_string(i) + "\r\n");
    auto box = std::make_unique<CardBox>();
    box->collection() = *makeBox(texts);
    const std::vector<std::string> five {"e", "d", "c", "b", "a"};
    ImportCounts counts = addImportedCards(*box, five);
    EXPECT_EQ(counts.added, 2);
    EXPECT_EQ(counts.notAdded, 3);
    EXPECT_EQ(box->count(), MaxCards);
    // The first two in input order went in: e and d, not a and b.
    EXPECT_EQ(box->cards().card(MaxCards - 1), "d\r\n");
    EXPECT_EQ(box->cards().card(MaxCards), "e\r\n");
    EXPECT_TRUE(box->cards().CardsChanged);

    counts = addImportedCards(*box, five);
    EXPECT_EQ(counts.added, 0);
    EXPECT_EQ(counts.duplicates, 2);
    EXPECT_EQ(counts.notAdded, 3);
    EXPECT_NE(describeImport(counts).find("full (2000 cards): 3"), std::string::npos);
}

TEST(CardImport, TextFormatIsRefused)
{
    const ImportParse parse = parseImport("A\n----------\nB\n", CardFormat::Text);
    EXPECT_FALSE(parse.ok);
}

TEST(CardFormatNames, KnownNamesInAnyCase)
{
    EXPECT_EQ(cardFormatNamed("vCard"), CardFormat::VCard);
    EXPECT_EQ(cardFormatNamed("CSV"), CardFormat::Csv);
    EXPECT_EQ(cardFormatNamed("text"), CardFormat::Text);
    EXPECT_FALSE(cardFormatNamed("vcf").has_value());
}

// ---- Through the card file -----------------------------------------------

class CardFileTransfer : public ::testing::Test {
protected:
    TempDir dir;
    CardFile file {dir.str()};
};

TEST_F(CardFileTransfer, ImportAddsAndSavesWithABackup)
{
    dir.write(CardFileName, record("Zed\r\n"));
    const TransferResult result
        = importIntoCardFile(file, CardFormat::Csv, "Title,Card\r\nAnn,\"Ann\nx\"\r\n");
    ASSERT_TRUE(result.ok) << result.text;
    EXPECT_EQ(result.cards, 1);
    EXPECT_NE(result.text.find("Cards added: 1"), std::string::npos);
    EXPECT_EQ(dir.read(CardFileName), record("Ann\r\nx\r\n") + record("Zed\r\n"));
    EXPECT_EQ(dir.read(BackupFileName), record("Zed\r\n"));
}

TEST_F(CardFileTransfer, ImportIntoNoCardFileMakesOne)
{
    const TransferResult result
        = importIntoCardFile(file, CardFormat::VCard, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nEND:VCARD\r\n");
    ASSERT_TRUE(result.ok) << result.text;
    EXPECT_EQ(dir.read(CardFileName), record("A\r\n"));
    EXPECT_FALSE(dir.exists(BackupFileName));
}

struct RefusedCase {
    const char* name;
    std::string cardFile;
    CardFormat format;
    std::string input;
    const char* reason;
};

void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}

class ImportRefused : public ::testing::TestWithParam<RefusedCase> { };

TEST_P(ImportRefused, ChangesNothingAndSaysWhy)
{
    const RefusedCase& c = GetParam();
    TempDir dir;
    dir.write(CardFileName, c.cardFile);
    dir.write(BackupFileName, "old backup");
    CardFile file(dir.str());
    const TransferResult result = importIntoCardFile(file, c.format, c.input);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.text.find(c.reason), std::string::npos) << result.text;
    EXPECT_EQ(dir.read(CardFileName), c.cardFile);
    EXPECT_EQ(dir.read(BackupFileName), "old backup");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

INSTANTIATE_TEST_SUITE_P(Table, ImportRefused,
    ::testing::Values(RefusedCase {"MalformedVCard", record("A\r\n"), CardFormat::VCard,
                          "BEGIN:VCARD\r\nFN:B\r\n", "line 1: the vCard that begins here has no END"},
        RefusedCase {"NotAVCard", record("A\r\n"), CardFormat::VCard, "Name,Phone\r\nA,1\r\n",
            "line 1: this is not a vCard file (it does not begin with BEGIN:VCARD); if it is CSV, use "
            "--import csv"},
        RefusedCase {"VCardNamedCsv", record("A\r\n"), CardFormat::Csv,
            "\r\nbegin:vcard\r\nFN:A\r\nEND:VCARD\r\n",
            "line 1: this is a vCard file, not CSV; use --import vcard"},
        RefusedCase {"CsvNeitherUtf8NorUtf16", record("A\r\n"), CardFormat::Csv, "Name\r\nM\xFCller\r\n",
            "line 2: the text is neither UTF-8 nor UTF-16 with its byte-order mark"},
        RefusedCase {"NotText", record("A\r\n"), CardFormat::VCard, std::string("BEGIN:VCARD\r\n\0\0\0", 16),
            "line 2: a NUL byte"},
        RefusedCase {"UnknownCharset", record("A\r\n"), CardFormat::VCard,
            "BEGIN:VCARD\r\nFN;CHARSET=X-MARTIAN:A\r\nEND:VCARD\r\n",
            "line 2: the character set X-MARTIAN is not known"},
        RefusedCase {"UnclosedCsvQuote", record("A\r\n"), CardFormat::Csv, "Title,Card\r\nB,\"B\r\n",
            "line 2: a quoted field is never closed"},
        RefusedCase {"EmptyCsv", record("A\r\n"), CardFormat::Csv, "", "the file is empty"},
        RefusedCase {"DamagedCardFile", record("A\r\n") + "\x09", CardFormat::Csv, "Title,Card\r\nB,B\r\n",
            "is damaged"}),
    [](const auto& row) { return row.param.name; });

TEST_F(CardFileTransfer, ExportOfNoCardFileFails)
{
    const TransferResult result = exportCardFile(file, CardFormat::Text);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.text.find("no card file"), std::string::npos);
}

TEST_F(CardFileTransfer, ExportReadsTheCardFile)
{
    dir.write(CardFileName, record("B\r\n") + record("A\r\n"));
    const TransferResult result = exportCardFile(file, CardFormat::Text);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.cards, 2);
    EXPECT_EQ(result.text, "A\n----------\nB\n");
}

// ---- What other programs write -------------------------------------------

struct ShapeCase {
    const char* name;
    CardFormat format;
    std::string input;
    std::string card;
};

void PrintTo(const ShapeCase& c, std::ostream* os)
{
    *os << c.name;
}

class ContactShapes : public ::testing::TestWithParam<ShapeCase> { };

// Contacts as phones, mail programs and address books write them, after
// each format's documentation: each becomes the card a person would write,
// whether the format is named or told by the content.
TEST_P(ContactShapes, BecomeTheCardLayout)
{
    const ShapeCase& c = GetParam();
    for (const std::optional<CardFormat> format :
        {std::optional<CardFormat>(c.format), std::optional<CardFormat>()}) {
        const ImportParse parse = parseImport(c.input, format);
        ASSERT_TRUE(parse.ok) << "line " << parse.errorLine << ": " << parse.error;
        ASSERT_EQ(parse.texts.size(), 1u);
        EXPECT_EQ(parse.texts.front(), c.card);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ContactShapes,
    ::testing::Values(
        ShapeCase {"Android21QuotedPrintable", CardFormat::VCard,
            "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BCrgen;"
            ";;\r\n"
            "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=BCrgen M=C3=BCller\r\n"
            "TEL;CELL;PREF:+49 171 2345678\r\nTEL;HOME:030 1234567\r\nEMAIL;HOME:juergen@example.de\r\n"
            "ADR;HOME;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:;;Hauptstra=DFe "
            "5;Berlin;;10115;Deutschland\r\n"
            "NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Erste Zeile=0D=0AZweite =\r\nZeile\r\n"
            "X-ANDROID-CUSTOM:vnd.android.cursor.item/nickname;Jupp;1;;;;;;;;;;;;;\r\nEND:VCARD\r\n",
            "J\xC3\xBCrgen M\xC3\xBCller\nHauptstra\xC3\x9F"
            "e 5\nBerlin 10115\nDeutschland\nMobile: +49 171 2345678\nHome: 030 1234567\n"
            "juergen@example.de\nErste Zeile\nZweite Zeile"},
        ShapeCase {"IPhone30TypeListsAndPhoto", CardFormat::VCard,
            "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Apple Inc.//iPhone OS 3.0//EN\r\nN:Appleseed;John;;;\r\n"
            "FN:John Appleseed\r\nORG:Example Corp.;\r\nTITLE:Engineer\r\n"
            "item1.EMAIL;type=INTERNET;type=pref:john@example.com\r\nitem1.X-ABLabel:_$!<Other>!$_\r\n"
            "TEL;type=CELL;type=VOICE;type=pref:+1 408 555 0100\r\nTEL;type=WORK;type=VOICE:+1 408 555 "
            "0101\r\n"
            "TEL;type=WORK;type=FAX:+1 408 555 0102\r\n"
            "item2.ADR;type=WORK;type=pref:;;1 Infinite Loop;Cupertino;CA;95014;USA\r\nitem2.X-ABADR:us\r\n"
            "BDAY;value=date:1970-01-02\r\n"
            "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD/"
            "2wBDAAgGBgcGBQgHBwcJCQgKDBQNDAsLDBkSEw8U\r\n"
            " HRofHh0aHBwgJC4nICIsIxwcKDcpLDAxNDQ0Hyc5PTgyPC4zNDL/\r\nEND:VCARD\r\n",
            "John Appleseed\nEngineer, Example Corp.\n1 Infinite Loop\nCupertino, CA 95014\nUSA\n"
            "Mobile: +1 408 555 0100\nWork: +1 408 555 0101\nWork fax: +1 408 555 0102\njohn@example.com\n"
            "Birthday: 1970-01-02"},
        ShapeCase {"VCard40LanguagesAndTelUris", CardFormat::VCard,
            "BEGIN:VCARD\r\nVERSION:4.0\r\nFN;LANGUAGE=ja:"
            "\xE5\xB1\xB1\xE7\x94\xB0\xE5\xA4\xAA\xE9\x83\x8E\r\n"
            "FN;LANGUAGE=en;PREF=1:Taro Yamada\r\nN:Yamada;Taro;;;\r\nKIND:individual\r\n"
            "TEL;VALUE=uri;TYPE=\"voice,home\":tel:+81-3-1234-5678\r\n"
            "TEL;VALUE=uri;TYPE=cell;PREF=1:tel:+81-90-1234-5678\r\nEMAIL;TYPE=work:taro@example.jp\r\nEND:"
            "VCARD\r\n",
            "Taro Yamada\nHome: +81-3-1234-5678\nMobile: +81-90-1234-5678\ntaro@example.jp"},
        ShapeCase {"CompanyOnly", CardFormat::VCard,
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;;;\r\nFN:\r\nORG:Smith & Sons Ltd\r\nTEL;TYPE=WORK:+44 113 "
            "496 0000\r\n"
            "EMAIL:info@smithandsons.example\r\nURL:https://smithandsons.example\r\nEND:VCARD\r\n",
            "Smith & Sons Ltd\nWork: +44 113 496 0000\ninfo@smithandsons.example\nWeb: "
            "https://smithandsons.example"},
        ShapeCase {"ShiftJis", CardFormat::VCard,
            "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=SHIFT_JIS:\x8E"
            "R\x93"
            "c;\x91\xBE\x98"
            "Y\r\nTEL;CELL:090-1234-5678\r\nEND:VCARD\r\n",
            "\xE5\xB1\xB1\xE7\x94\xB0, \xE5\xA4\xAA\xE9\x83\x8E\nMobile: 090-1234-5678"},
        ShapeCase {"Base64Address", CardFormat::VCard,
            "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Klein;Sven\r\n"
            "ADR;HOME;CHARSET=UTF-8;ENCODING=BASE64:OztIYXVwdHN0cmHDn2UgNTtLw7Zsbjs7NTA2Njc7RGV1dHNjaGxhbmQ="
            "\r\n"
            "END:VCARD\r\n",
            "Klein, Sven\nHauptstra\xC3\x9F"
            "e 5\nK\xC3\xB6ln 50667\nDeutschland"},
        ShapeCase {"OutlookCsv", CardFormat::Csv,
            "First Name,Middle Name,Last Name,Title,Suffix,Company,Department,Job Title,Business Street,"
            "Business City,Business State,Business Postal Code,Business Country/Region,Home Street,Home City,"
            "Business Fax,Business Phone,Home Phone,Mobile Phone,Birthday,E-mail Address,E-mail Display Name,"
            "E-mail 2 Address,Notes,Gender,Priority,Sensitivity,Web Page,Categories\r\n"
            "Jane,,Doe,Dr.,,Acme Ltd,,Engineer,12 High St,Springfield,IL,62704,United States,,,"
            "+1 217 555 0102,+1 217 555 0101,,+1 217 555 0199,4/12/1980,jane@acme.example,"
            "Jane Doe (jane@acme.example),,Met at the fair,Unspecified,Normal,Normal,https://acme.example,"
            "Customers;VIP\r\n",
            "Doe, Jane\nEngineer, Acme Ltd\n12 High St\nSpringfield, IL 62704\nUnited States\n"
            "Work fax: +1 217 555 0102\nWork: +1 217 555 0101\nMobile: +1 217 555 0199\njane@acme.example\n"
            "Birthday: 4/12/1980\nWeb: https://acme.example\nGroups: Customers, VIP\nMet at the fair"},
        ShapeCase {"GoogleCsv", CardFormat::Csv,
            "First Name,Middle Name,Last Name,Phonetic First Name,Name Prefix,Name Suffix,Nickname,File As,"
            "Organization Name,Organization Title,Birthday,Notes,Photo,Labels,E-mail 1 - Label,E-mail 1 - "
            "Value,"
            "Phone 1 - Label,Phone 1 - Value,Phone 2 - Label,Phone 2 - Value,Address 1 - Label,"
            "Address 1 - Formatted,Address 1 - Street,Address 1 - City,Address 1 - Postal Code,"
            "Website 1 - Label,Website 1 - Value\r\n"
            "Anna,,Fox,,,,Annie,,,,1985-03-07,,,* myContacts ::: Friends,* Home,anna@example.org,Mobile,"
            "+44 7700 900123,Home,+44 20 7946 0000 ::: +44 20 7946 0001,Home,\"22 Harbour Way\nHillview "
            "10862\","
            "22 Harbour Way,Hillview,10862,,\r\n",
            "Fox, Anna\n22 Harbour Way\nHillview 10862\nMobile: +44 7700 900123\nHome: +44 20 7946 0000\n"
            "Home: +44 20 7946 0001\nanna@example.org\nBirthday: 1985-03-07\nNickname: Annie\nGroups: "
            "Friends"},
        ShapeCase {"OlderGoogleCsv", CardFormat::Csv,
            "Name,Given Name,Additional Name,Family Name,Yomi Name,Name Prefix,Name Suffix,Initials,Nickname,"
            "Birthday,Gender,Notes,Group Membership,E-mail 1 - Type,E-mail 1 - Value,Phone 1 - Type,"
            "Phone 1 - Value,Organization 1 - Type,Organization 1 - Name,Organization 1 - Title\r\n"
            "Sven Klein,Sven,,Klein,,,,,,,,Plays chess,* My Contacts,* Work,klein@example.org,Work,"
            "+49 30 1234567,,Klein GmbH,Owner\r\n",
            "Sven Klein\nOwner, Klein GmbH\nWork: +49 30 1234567\nklein@example.org\nPlays chess"},
        ShapeCase {"ThunderbirdCsv", CardFormat::Csv,
            "First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Screen Name,Work Phone,"
            "Home Phone,Fax Number,Pager Number,Mobile Number,Home Address,Home Address 2,Home City,Home "
            "State,"
            "Home ZipCode,Home Country,Work Address,Work City,Job Title,Department,Organization,Web Page 1,"
            "Birth Year,Birth Month,Birth Day,Custom 1,Notes,\r\n"
            "Bruno,Vogel,Bruno Vogel,,vogel@example.org,,,,+1 630 311 8824,,,,549 Church "
            "Rd,,Fairview,,25361,,"
            ",,,,,,1970,9,20,,Prefers letters,\r\n",
            "Bruno Vogel\n549 Church Rd\nFairview 25361\nHome: +1 630 311 8824\nvogel@example.org\n"
            "Birthday: 1970-9-20\nPrefers letters"},
        ShapeCase {"OtherCsvUtf16", CardFormat::Csv,
            std::string("\xFF\xFEP\0h\0o\0n\0e\0,\0N\0a\0m\0e\0\r\0\n\0001\0002\0003\0004\0005\0006\0,\0"
                        "J\0\xF6\0r\0g\0\r\0\n\0",
                52),
            "J\xC3\xB6rg\nPhone: 123456"}),
    [](const auto& row) { return row.param.name; });

// The sample's 2000 cards go out as vCards and CSV and come back byte for
// byte, and importing them again adds none.
TEST(CardImport, SampleExportsAndImportsBackByteForByte)
{
    std::ifstream in(QUILLBOX_SAMPLE_CARDS, std::ios::binary);
    if (!in)
        GTEST_SKIP() << "no sample card file";
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto sample = makeBox();
    parseCardRecords(bytes, *sample);
    const std::vector<std::string> texts = cardsOf(*sample);
    for (const CardFormat format : {CardFormat::VCard, CardFormat::Csv}) {
        const ImportParse parse = parseImport(exportCards(texts, format), std::nullopt);
        ASSERT_TRUE(parse.ok) << parse.error;
        auto box = std::make_unique<CardBox>();
        ImportCounts counts = addImportedCards(*box, parse);
        std::vector<std::string> back = cardsOf(box->cards());
        std::vector<std::string> want = texts;
        std::sort(back.begin(), back.end());
        std::sort(want.begin(), want.end());
        EXPECT_EQ(back, want);
        EXPECT_EQ(counts.replaced, 0);
        counts = addImportedCards(*box, parse);
        EXPECT_EQ(counts.added, 0);
        EXPECT_EQ(counts.duplicates, static_cast<int>(texts.size()));
    }
}
