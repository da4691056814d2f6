// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/csv.h"
#include "core/utf8.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace quillbox;
using namespace std::string_view_literals;

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
    std::string_view text;
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
        CsvFaultCase {"TextAfterClosingQuote", "a,b\r\n\"x\ny\"z,w\r\n", 3},
        CsvFaultCase {"NeitherUtf8NorUtf16", "a,b\rc,d\r\xE9t\xE9,x\r", 3},
        CsvFaultCase {"CutUtf8AtTheEnd", "a\nb\xC3", 2}, CsvFaultCase {"NulByte", "a\nb\n\0c"sv, 3},
        CsvFaultCase {"Utf16LoneSurrogate",
            "\xFF\xFE"
            "a\0\n\0\x00\xDC"
            "x\0"sv,
            2},
        CsvFaultCase {"Utf16WithoutItsMark", "a\0,\0b\0"sv, 1}),
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

// Every encoding and line end a spreadsheet or mail program writes reads as
// the same rows, fed whole or a byte at a time.
TEST(CsvRead, EncodingsAndLineEndsReadAlike)
{
    const std::string text
        = "Name,Note\r\nJ\xC3\xBCrgen,\"two\r\nlines\"\r\n\xE7\x94\xB0\xE4\xB8\xAD,\xF0\x9F\x98\x80\r\n";
    const std::vector<csv::Row> expected {{"Name", "Note"}, {"J\xC3\xBCrgen", "two\r\nlines"},
        {"\xE7\x94\xB0\xE4\xB8\xAD", "\xF0\x9F\x98\x80"}};
    const auto utf16 = [](std::string_view utf8Text, bool littleEndian) {
        std::string out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
        std::size_t i = 0;
        while (i < utf8Text.size()) {
            const utf8::Decoded d = utf8::decode(utf8Text.substr(i));
            i += d.length;
            std::vector<char16_t> units;
            if (d.c >= 0x10000) {
                units = {static_cast<char16_t>(0xD800 + ((d.c - 0x10000) >> 10)),
                    static_cast<char16_t>(0xDC00 + ((d.c - 0x10000) & 0x3FF))};
            } else {
                units = {static_cast<char16_t>(d.c)};
            }
            for (const char16_t u : units) {
                const char lo = static_cast<char>(u & 0xFF);
                const char hi = static_cast<char>(u >> 8);
                out += littleEndian ? std::string {lo, hi} : std::string {hi, lo};
            }
        }
        return out;
    };
    const auto withBreaks = [&text](std::string_view lineEnd) {
        std::string out;
        std::size_t start = 0;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", start)) {
            out += text.substr(start, at - start);
            out += lineEnd;
            start = at + 2;
        }
        return out;
    };
    const std::vector<std::pair<const char*, std::string>> inputs {{"UTF-8", text},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + text}, {"UTF-16LE", utf16(text, true)},
        {"UTF-16BE", utf16(text, false)}, {"LF", withBreaks("\n")}, {"CR", withBreaks("\r")}};
    for (const auto& [name, input] : inputs) {
        const csv::ReadResult whole = csv::read(input);
        ASSERT_TRUE(whole.ok) << name << ": line " << whole.errorLine << ": " << whole.error;
        std::vector<csv::Row> rows = whole.rows;
        // Line breaks inside quotes stand as written.
        std::string inside = rows.at(1).at(1);
        EXPECT_TRUE(inside == "two\r\nlines" || inside == "two\nlines" || inside == "two\rlines") << name;
        rows[1][1] = "two\r\nlines";
        EXPECT_EQ(rows, expected) << name;

        std::vector<csv::Row> piecewise;
        csv::Reader reader([&piecewise](csv::Row&& row) { piecewise.push_back(std::move(row)); });
        for (const char c : input)
            reader.feed(std::string_view(&c, 1));
        ASSERT_TRUE(reader.finish()) << name;
        EXPECT_EQ(piecewise, whole.rows) << name;
    }
}

// Whatever the size of a record, the reader keeps a bounded part of it.
TEST(CsvRead, BoundsWhatItKeeps)
{
    std::size_t rows = 0;
    std::size_t longest = 0;
    csv::Reader reader([&](csv::Row&& row) {
        ++rows;
        for (const std::string& field : row)
            longest = std::max(longest, field.size());
    });
    reader.feed("Title,Card\r\nA,\"");
    const std::string piece(1 << 20, 'x');
    for (int i = 0; i < 64; ++i)
        ASSERT_TRUE(reader.feed(piece));
    reader.feed("\"\r\n");
    ASSERT_TRUE(reader.finish());
    EXPECT_EQ(rows, 2u);
    EXPECT_EQ(longest, csv::MaxFieldBytes);

    // Empty fields without end stop at the bound, naming the line.
    csv::Reader fields(nullptr);
    fields.feed("a\n");
    const std::string commas(1 << 20, ',');
    EXPECT_FALSE(fields.feed(commas));
    EXPECT_EQ(fields.status().errorLine, 2);
}
