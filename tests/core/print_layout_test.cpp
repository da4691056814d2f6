// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print_layout.h"
#include "core/print_recorder.h"
#include "support/recording_device.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillbox {
namespace {

using test::RecordingDevice;

constexpr DeviceValues Device300 {2400, 3150, 300, 300};
constexpr DeviceValues Device400 {3200, 4200, 400, 400};

struct LayoutCase {
    const char* name;
    DeviceValues device;
    CardPageKind kind;
    CardPageLayout expected;
};

void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << c.name;
}

class CardPageLayouts : public testing::TestWithParam<LayoutCase> { };

TEST_P(CardPageLayouts, FollowTheDevice)
{
    EXPECT_EQ(cardPageLayout(GetParam().device, GetParam().kind), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CardPageLayouts,
    testing::Values(LayoutCase {"Listing300", Device300, CardPageKind::Listing,
                        {225, 225, 50, 1950, 50, 2400, "Quillbox File"}},
        LayoutCase {
            "Book300", Device300, CardPageKind::AddressBook, {150, 150, 50, 2100, 50, 2400, "Address List"}},
        // 0.75 x 202 = 151.5 and 0.75 x 206 = 154.5 go to the even neighbour;
        // 202 div 6 drops the fraction while the cell rounds 33.67 up.
        LayoutCase {"HalvesToEven", {1700, 2200, 206, 202}, CardPageKind::Listing,
            {152, 154, 33, 1700 - 308, 34, 1700, "Quillbox File"}},
        LayoutCase {"BookHalfToEven", {2000, 2000, 301, 203}, CardPageKind::AddressBook,
            {102, 150, 33, 2000 - 300, 34, 2000, "Address List"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PageLetter, FirstCharacterUpperCasedOrHash)
{
    EXPECT_EQ(pageLetter("alpha"), 'A');
    EXPECT_EQ(pageLetter("Zed"), 'Z');
    EXPECT_EQ(pageLetter("9 Lives"), '9');
    EXPECT_EQ(pageLetter("(Office)"), '(');
    EXPECT_EQ(pageLetter("\xE9lan"), '\xE9'); // only a to z change
    EXPECT_EQ(pageLetter(""), '#');
}

/// Cards of the given line counts, titled "Card 1", "Card 2" ...
std::function<CardToPrint(int)> cardsOf(std::vector<int> lineCounts, std::vector<int>* shown = nullptr)
{
    return [lineCounts = std::move(lineCounts), shown](int k) {
        if (shown)
            shown->push_back(k);
        const std::string title = "card " + std::to_string(k);
        return CardToPrint {title + "\r\n", lineCounts.at(static_cast<std::size_t>(k - 1)), title};
    };
}

std::vector<std::string> describePage(const PageOps& page)
{
    std::vector<std::string> out;
    for (const PrintOp& op : page)
        out.push_back(test::describe(op));
    return out;
}

TEST(CardPages, OneCardPageToThePixel)
{
    const auto layout = cardPageLayout(Device300, CardPageKind::Listing);
    const auto pages = composeCardPages(layout, 1, 1, cardsOf({3}));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(describePage(pages[0]),
        (std::vector<std::string> {"font Arial 16pt", "align left", "text 1950,225: C", "align center",
            "text 1200,112: Quillbox File", "align left", "font Arial 12pt", "text 225,112: Page - 1",
            "font Arial 50px", "draw 225,225,1950,375: card 1\r\n", "text 225,375: ----------"}));
}

/// The (page, first slot) of every card, read back from the drawn rectangles.
std::vector<std::pair<int, int>> placements(const std::vector<PageOps>& pages, const CardPageLayout& layout)
{
    std::vector<std::pair<int, int>> out;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        for (const PrintOp& op : pages[p]) {
            if (op.kind == PrintOp::Kind::DrawText)
                out.emplace_back(
                    static_cast<int>(p) + 1, (op.rect.top - layout.topMargin) / layout.lineHeight);
        }
    }
    return out;
}

struct FitCase {
    const char* name;
    std::vector<int> lineCounts;
    std::vector<std::pair<int, int>> placed; // page, first slot
};

void PrintTo(const FitCase& c, std::ostream* os)
{
    *os << c.name;
}

class CardPageFit : public testing::TestWithParam<FitCase> { };

TEST_P(CardPageFit, PlacesCardsWhole)
{
    const auto layout = cardPageLayout(Device300, CardPageKind::AddressBook);
    const int last = static_cast<int>(GetParam().lineCounts.size());
    EXPECT_EQ(placements(composeCardPages(layout, 1, last, cardsOf(GetParam().lineCounts)), layout),
        GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(Cases, CardPageFit,
    testing::Values(FitCase {"FiveTenLineCardsFillAPage", {10, 10, 10, 10, 10, 10, 10},
                        {{1, 0}, {1, 11}, {1, 22}, {1, 33}, {1, 44}, {2, 0}, {2, 11}}},
        // 44 slots used + 11 lines end exactly in slot 54: it still fits.
        FitCase {"EndingInSlot54Fits", {10, 10, 10, 10, 11, 1},
            {{1, 0}, {1, 11}, {1, 22}, {1, 33}, {1, 44}, {2, 0}}},
        FitCase {"OneLineMoreMoves", {10, 10, 10, 10, 12}, {{1, 0}, {1, 11}, {1, 22}, {1, 33}, {2, 0}}},
        FitCase {"TallFirstCardStaysOnPageOne", {60, 2}, {{1, 0}, {2, 0}}},
        FitCase {"TallCardAfterOthersStartsAPage", {2, 60, 2}, {{1, 0}, {2, 0}, {3, 0}}},
        FitCase {"EmptyCardTakesOnlyItsSeparator", {0, 0, 3}, {{1, 0}, {1, 1}, {1, 2}}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CardPages, SeparatorOfACardEndingInSlot54TakesSlot55)
{
    const auto layout = cardPageLayout(Device300, CardPageKind::AddressBook);
    const auto pages = composeCardPages(layout, 1, 5, cardsOf({10, 10, 10, 10, 11}));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(test::describe(pages[0].back()), "text 150,2900: ----------"); // 150 + 55 x 50
}

TEST(CardPages, EachPageHeaderCarriesItsNumberAndItsFirstCardsLetter)
{
    const auto layout = cardPageLayout(Device300, CardPageKind::AddressBook);
    const std::vector<std::string> titles {"bea", "Bob", "carl", "", "5 Star"};
    std::vector<PageOps> pages = composeCardPages(layout, 1, 5, [&](int k) {
        const std::string& t = titles.at(static_cast<std::size_t>(k - 1));
        return CardToPrint {t + "\r\nline\r\n", k == 2 ? 54 : 30, t};
    });
    ASSERT_EQ(pages.size(), 5u);
    const std::vector<std::string> letters {"B", "B", "C", "#", "5"};
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(pages[p][2].text, letters[p]);
        EXPECT_EQ(pages[p][7].text, "Page - " + std::to_string(p + 1));
        EXPECT_EQ(pages[p][4].text, "Address List");
    }
}

TEST(CardPages, CardTextIsCutToTheBuffer)
{
    const auto layout = cardPageLayout(Device300, CardPageKind::Listing);
    const auto pages = composeCardPages(layout, 1, 1, [](int) {
        return CardToPrint {std::string(600, 'x'), 3, "x"};
    });
    EXPECT_EQ(pages.at(0).at(9).text, std::string(499, 'x'));
}

TEST(CardPages, RangeShowsEachCardOnceInOrder)
{
    std::vector<int> shown;
    composeCardPages(
        cardPageLayout(Device300, CardPageKind::Listing), 3, 6, cardsOf({1, 1, 1, 1, 1, 1, 1}, &shown));
    EXPECT_EQ(shown, (std::vector<int> {3, 4, 5, 6}));
}

TEST(SheetOrder, CollatedAndNot)
{
    EXPECT_EQ(sheetOrder(3, 2, true), (std::vector<int> {0, 1, 2, 0, 1, 2}));
    EXPECT_EQ(sheetOrder(3, 2, false), (std::vector<int> {0, 0, 1, 1, 2, 2}));
    EXPECT_EQ(sheetOrder(2, 1, false), (std::vector<int> {0, 1}));
    EXPECT_EQ(sheetOrder(2, 0, true), (std::vector<int> {0, 1}));
    EXPECT_TRUE(sheetOrder(0, 3, true).empty());
}

std::vector<std::string> pageNumbers(const RecordingDevice& device)
{
    std::vector<std::string> out;
    for (const auto& page : device.jobs.at(0).pages)
        out.push_back(page.at(7).text.substr(7) + ":" + page.at(2).text);
    return out;
}

TEST(CardJob, CopiesGoOutCollatedOrPageByPage)
{
    // Three pages of five ten-line cards each; cards 1, 6 and 11 lead them.
    const std::vector<int> tenLines(15, 10);
    for (const bool collate : {true, false}) {
        SCOPED_TRACE(collate);
        RecordingDevice device;
        ASSERT_TRUE(printCardJob(
            device, {"Quillbox Print", CardPageKind::Listing, 1, 15, 2, collate}, cardsOf(tenLines)));
        ASSERT_EQ(device.jobs.size(), 1u);
        EXPECT_EQ(device.jobs[0].title, "Quillbox Print");
        EXPECT_TRUE(device.jobs[0].ended);
        EXPECT_EQ(pageNumbers(device),
            collate ? (std::vector<std::string> {"1:C", "2:C", "3:C", "1:C", "2:C", "3:C"})
                    : (std::vector<std::string> {"1:C", "1:C", "2:C", "2:C", "3:C", "3:C"}));
        // A sheet repeated for copies is drawn exactly like the first.
        EXPECT_EQ(device.jobs[0].pages[0], device.jobs[0].pages[collate ? 3 : 1]);
    }
}

TEST(CardJob, EmptyCollectionBeginsAndEndsWithNothingDrawn)
{
    RecordingDevice device;
    ASSERT_TRUE(
        printCardJob(device, {"Printing Address Book", CardPageKind::AddressBook, 1, 0}, cardsOf({})));
    EXPECT_EQ(device.log, (std::vector<std::string> {"title Printing Address Book", "begin", "end"}));
}

TEST(CardJob, RefusedBeginDrawsNothingAndShowsNoCard)
{
    RecordingDevice device;
    device.failBegin = true;
    std::vector<int> shown;
    EXPECT_FALSE(
        printCardJob(device, {"Quillbox Print", CardPageKind::Listing, 1, 2}, cardsOf({1, 1}, &shown)));
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(device.jobs.empty());
    EXPECT_EQ(device.lastError(), device.failure);
}

TEST(RecordedJob, PrintsExactlyWhatAJobDrawsDirectly)
{
    // Each job drawn on the printer at once, and drawn once into a record
    // that is printed afterwards, as the print preview does.
    const std::vector<int> tenLines(12, 10);
    const std::pair<const char*, std::function<bool(PrintDevice&)>> jobs[] {
        {"card pages with copies",
            [&](PrintDevice& d) {
                return printCardJob(
                    d, {"Quillbox Print", CardPageKind::Listing, 1, 12, 2, false}, cardsOf(tenLines));
            }},
        {"one card", [](PrintDevice& d) { return printSingleCard(d, "Printing Able", "Able\r\nElm St"); }},
        {"a label under the last title",
            [](PrintDevice& d) {
                return printLabelJob(d, {LabelStock::Labels1x263, 2, 3, "Arial", 10, false, {}},
                    [] { return std::string("Dora"); });
            }},
    };
    for (const auto& [name, job] : jobs) {
        SCOPED_TRACE(name);
        RecordingDevice direct;
        direct.setTitle("Earlier");
        ASSERT_TRUE(job(direct));
        RecordingDevice later;
        later.setTitle("Earlier");
        RecordedJob record(later.values(), later.title());
        ASSERT_TRUE(job(record));
        EXPECT_TRUE(record.complete());
        later.log.clear();
        ASSERT_TRUE(printRecorded(later, record));
        ASSERT_EQ(later.jobs.size(), 1u);
        EXPECT_EQ(later.jobs[0].title, direct.jobs[0].title);
        EXPECT_EQ(later.jobs[0].pages, direct.jobs[0].pages);
    }
}

TEST(PrintRange, ValidOnlyWithinTheCards)
{
    EXPECT_TRUE(validPrintRange(1, 5, 5));
    EXPECT_TRUE(validPrintRange(3, 3, 5));
    EXPECT_FALSE(validPrintRange(0, 3, 5));
    EXPECT_FALSE(validPrintRange(2, 6, 5));
    EXPECT_FALSE(validPrintRange(4, 3, 5));
    EXPECT_FALSE(validPrintRange(1, 1, 0));
}

TEST(PrintCard, OneInchInAndAFifthOfAnInchHigh)
{
    EXPECT_EQ(printCardRect(Device300), (PrintRect {300, 300, 2100, 2850}));
    EXPECT_EQ(printCardCell(Device300), 60);
    EXPECT_EQ(printCardCell({1000, 1000, 72, 72}), 14); // 14.4
    EXPECT_EQ(printCardCell({1000, 1000, 72, 62}), 12); // 12.4
    EXPECT_EQ(printCardCell({1000, 1000, 72, 2}), 0); // 0.4
}

struct LabelCase {
    const char* name;
    LabelStock stock;
    DeviceValues device;
    int row;
    int column;
    PrintRect expected;
};

void PrintTo(const LabelCase& c, std::ostream* os)
{
    *os << c.name;
}

class LabelRects : public testing::TestWithParam<LabelCase> { };

TEST_P(LabelRects, ToThePixel)
{
    const LabelCase& c = GetParam();
    EXPECT_EQ(labelRect(c.stock, c.device, c.row, c.column), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, LabelRects,
    testing::Values(LabelCase {"Small_R1C1", LabelStock::Labels1x263, Device300, 1, 1, {45, 135, 795, 405}},
        LabelCase {"Small_R5C2", LabelStock::Labels1x263, Device300, 5, 2, {894, 1335, 1644, 1605}},
        LabelCase {"Small_R10C3", LabelStock::Labels1x263, Device300, 10, 3, {1743, 2835, 2493, 3105}},
        LabelCase {"Large_R1C1", LabelStock::Labels133x4, Device400, 1, 1, {25, 310, 1545, 770}},
        LabelCase {"Large_R4C1", LabelStock::Labels133x4, Device400, 4, 1, {25, 1906, 1545, 2366}},
        LabelCase {"Large_R7C2", LabelStock::Labels133x4, Device400, 7, 2, {1725, 3502, 3245, 3962}},
        // Odd printable sizes: the centre drops its fraction.
        LabelCase {
            "Small_OddCentre", LabelStock::Labels1x263, {2401, 3151, 300, 300}, 1, 1, {45, 135, 795, 405}},
        LabelCase {"EnvelopeIsItsAddress", LabelStock::Envelope, Device300, 1, 1, {1200, 1575, 2400, 3150}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LabelRects, WidthRoundsOnItsOwnHalvesToEven)
{
    // 2.5 x 21 = 52.5 goes to 52, whatever the left edge's own rounding.
    for (const int column : {1, 2, 3}) {
        const PrintRect r = labelRect(LabelStock::Labels1x263, {2400, 3150, 21, 20}, 1, column);
        EXPECT_EQ(r.right - r.left, 52) << column;
    }
    // 1.15 x 10 lies just below 11.5 in binary: 11, not 12.
    const PrintRect r = labelRect(LabelStock::Labels133x4, {1000, 1000, 5, 10}, 1, 1);
    EXPECT_EQ(r.bottom - r.top, 11);
    EXPECT_EQ(r.right - r.left, 19);
}

TEST(Envelope, ReturnCornerAndAddressQuarter)
{
    EXPECT_EQ(envelopeReturnRect(Device300), (PrintRect {75, 75, 1200, 1575}));
    EXPECT_EQ(envelopeAddressRect(Device300), (PrintRect {1200, 1575, 2400, 3150}));
    // 0.25 x 150 = 37.5 -> 38, 0.25 x 250 = 62.5 -> 62.
    EXPECT_EQ(envelopeReturnRect({1001, 999, 150, 250}), (PrintRect {38, 62, 500, 499}));
}

TEST(Envelope, ReturnAddressLinesJoinWithLfCr)
{
    EXPECT_EQ(
        returnAddressText({"Ann", "", "1 Elm St", "Springfield"}), "Ann\n\r\n\r1 Elm St\n\rSpringfield");
}

TEST(LabelPositions, WithinTheStocksRanges)
{
    struct Row {
        LabelStock stock;
        int row;
        int column;
        bool valid;
    };
    const Row rows[] {
        {LabelStock::Labels1x263, 1, 1, true},
        {LabelStock::Labels1x263, 10, 3, true},
        {LabelStock::Labels1x263, 0, 1, false},
        {LabelStock::Labels1x263, 11, 1, false},
        {LabelStock::Labels1x263, 1, 4, false},
        {LabelStock::Labels1x263, 1, 0, false},
        {LabelStock::Labels133x4, 7, 2, true},
        {LabelStock::Labels133x4, 8, 1, false},
        {LabelStock::Labels133x4, 1, 3, false},
        {LabelStock::Labels133x4, 10, 1, false},
        {LabelStock::Labels133x4, -1, 1, false},
        {LabelStock::Envelope, 1, 1, false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(labelPositionValid(r.stock, r.row, r.column), r.valid) << r.row << "," << r.column;
    EXPECT_EQ(stockRange(LabelStock::Labels1x263).presetPoints, 10);
    EXPECT_EQ(stockRange(LabelStock::Labels133x4).presetPoints, 14);
    EXPECT_EQ(stockRange(LabelStock::Envelope).presetPoints, 14);
}

} // namespace
} // namespace quillbox
