#include "core/card_table.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace quillbox {

namespace {
constexpr unsigned char foldAsciiLower(unsigned char c) noexcept
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
}
}  // namespace

int compareCardTexts(std::string_view a, std::string_view b) noexcept
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = foldAsciiLower(static_cast<unsigned char>(a[i]));
        const unsigned char y = foldAsciiLower(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    // The shorter text meets its terminator first, and 0 is below every byte.
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

int CardCollection::insertionSlot(std::string_view text) const noexcept
{
    // First slot i in 1..CardCount with text <= CardTable[i]: the slot a
    // linear scan from the bottom would stop at, since the table is sorted.
    int lo = 1;
    int hi = CardCount + 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (compareCardTexts(text, CardTable[mid]) <= 0)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

int CardCollection::InsertCard()
{
    assert(CardCount < MaxCards);
    const int slot = insertionSlot(CardTable[StagingSlot]);
    // Move the references up from the top, then drop the text in.
    std::move_backward(CardTable.begin() + slot, CardTable.begin() + CardCount + 1,
                       CardTable.begin() + CardCount + 2);
    CardTable[slot] = std::move(CardTable[StagingSlot]);
    CardTable[StagingSlot].clear();
    ++CardCount;
    CurrentCard = slot;
    return CardCount;
}

void CardCollection::RemoveCard(int index)
{
    assert(index >= 1 && index <= CardCount);
    std::move(CardTable.begin() + index + 1, CardTable.begin() + CardCount + 1,
              CardTable.begin() + index);
    CardTable[CardCount] = CardText();
    --CardCount;
}

std::string_view CardCollection::card(int index) const noexcept
{
    if (index < 1 || index > CardCount)
        return {};
    return CardTable[index];
}

void CardCollection::clear() noexcept
{
    for (int i = 0; i <= CardCount; ++i)
        CardTable[i] = CardText();
    CardCount = 0;
    CurrentCard = 0;
    CardBeforeNew = 0;
    CardsChanged = false;
}

}  // namespace quillbox
