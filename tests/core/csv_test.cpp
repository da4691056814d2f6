#include "core/csv.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace quillbox;

struct CsvRowCase {
    const char* name;
    csv::Row fields;
    const char* written;
};

void PrintTo(const CsvRowCase& c, std::ostream* os)
{
    *os << c.name;
}

class CsvRows : public ::testing::TestWithParam<CsvRowCase> { };

TEST_P(CsvRows, WritesAndReadsBack)
{
    const std::string written = csv::writeRow(GetParam().fields);
    EXPECT_EQ(written, GetParam().written);
    const csv::ReadResult read = csv::read(written);
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.rows.size(), 1u);
    EXPECT_EQ(read.rows.front(), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(Table, CsvRows,
    ::testing::Values(CsvRowCase {"Plain", {"a", "b"}, "a,b\r\n"},
        CsvRowCase {"Comma", {"Smith, John", "x"}, "\"Smith, John\",x\r\n"},
        CsvRowCase {"Quote", {"5\" disk"}, "\"5\"\" disk\"\r\n"},
        CsvRowCase {"LineBreaks", {"one\ntwo", "three\r\nfour"}, "\"one\ntwo\",\"three\r\nfour\"\r\n"},
        CsvRowCase {"EmptyFields", {"", "b", ""}, ",b,\r\n"},
        CsvRowCase {"OnlyAQuote", {"\""}, "\"\"\"\"\r\n"}),
    [](const auto& row) { return row.param.name; });

TEST(CsvRead, RecordEndsLineBreaksAndMark)
{
    const csv::ReadResult read = csv::read("\xEF\xBB\xBFh1,h2\n\"a\nb\",c\r\n\r\nd,\"e\"\"\"");
    ASSERT_TRUE(read.ok) << read.error;
    const std::vector<csv::Row> expected {{"h1", "h2"}, {"a\nb", "c"}, {"d", "e\""}};
    EXPECT_EQ(read.rows, expected);
}

TEST(CsvRead, KeepsAStrayQuoteInAnUnquotedField)
{
    const csv::ReadResult read = csv::read("5\" disk,x\r\n");
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.rows.front(), (csv::Row {"5\" disk", "x"}));
}

struct CsvFaultCase {
    const char* name;
    const char* text;
    int line;
};

void PrintTo(const CsvFaultCase& c, std::ostream* os)
{
    *os << c.name;
}

class CsvFaults : public ::testing::TestWithParam<CsvFaultCase> { };

TEST_P(CsvFaults, FailNamingTheLine)
{
    const csv::ReadResult read = csv::read(GetParam().text);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.errorLine, GetParam().line);
    EXPECT_TRUE(read.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, CsvFaults,
    ::testing::Values(CsvFaultCase {"NeverClosed", "a,b\r\nc,\"open\r\nstill open", 2},
        CsvFaultCase {"TextAfterClosingQuote", "a,b\r\n\"x\ny\"z,w\r\n", 3}),
    [](const auto& row) { return row.param.name; });

TEST(CsvRead, ScrambledInputReadsBackAsWritten)
{
    const std::vector<std::string> pieces {"\"", ",", "\r\n", "\n", "\r", "a", " ", "\"\"", "\xEF\xBB\xBF"};
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string input;
        const int count = static_cast<int>(random() % 16);
        for (int i = 0; i < count; ++i)
            input += pieces[random() % pieces.size()];
        const csv::ReadResult read = csv::read(input);
        if (!read.ok)
            continue;
        // Whatever was read writes out and reads back the same.
        std::string written;
        for (const csv::Row& row : read.rows)
            written += csv::writeRow(row);
        const csv::ReadResult again = csv::read(written);
        ASSERT_TRUE(again.ok) << input;
        EXPECT_EQ(again.rows, read.rows) << input;
    }
}
