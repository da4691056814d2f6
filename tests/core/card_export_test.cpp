#include "core/card_export.h"
#include "core_test_util.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
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

TEST(CardImport, ForeignCsvJoinsColumnsInHeaderOrder)
{
    const std::string csv = "First Name,Last Name,E-mail,Phone\r\n"
                            "John,Smith,john@example.com,555 0100 22\r\n"
                            "Ann,,\"ann@example.com\",\r\n"
                            ",,,\r\n";
    const ImportParse parse = parseImport(csv, CardFormat::Csv);
    ASSERT_TRUE(parse.ok);
    ASSERT_EQ(parse.texts.size(), 3u);
    EXPECT_EQ(parse.texts[0], "John\nSmith\njohn@example.com\n555 0100 22");
    EXPECT_EQ(parse.texts[1], "Ann\nann@example.com");
    EXPECT_EQ(parse.texts[2], ""); // an empty row adds no card
    const auto box = importedBox(csv, CardFormat::Csv);
    EXPECT_EQ(box->CardCount, 2);
}

TEST(CardImport, CsvThatIsNotUtf8IsWindows1252)
{
    const auto box = importedBox("Name\r\nM\xFCller \x80\r\n", CardFormat::Csv);
    EXPECT_EQ(cardsOf(*box), (std::vector<std::string> {"M\xFCller \x80\r\n"}));
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
    EXPECT_EQ(counts.notAdded, 5);
    EXPECT_NE(describeImport(counts).find("full (2000 cards): 5"), std::string::npos);
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
        RefusedCase {
            "NotAVCard", record("A\r\n"), CardFormat::VCard, "hello", "line 1: a line without a colon"},
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
