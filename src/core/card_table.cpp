// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/card_table.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace quillbox {

int compareCardTexts(std::string_view a, std::string_view b) noexcept
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (const int d = foldCardByte(a[i]) - foldCardByte(b[i]); d != 0)
            return d;
    }
    // The shorter text meets its terminator first, and 0 is below every byte.
    return (a.size() > b.size()) - (a.size() < b.size());
}

CardText& CardText::operator=(CardText&& other) noexcept
{
    if (this != &other)
        delete[] std::exchange(m_data, std::exchange(other.m_data, nullptr));
    return *this;
}

void CardText::assign(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    char* block = text.empty() ? nullptr : new char[text.size() + 1];
    if (block)
        block[text.copy(block, text.size())] = '\0';
    delete[] std::exchange(m_data, block);
}

void CardText::clear() noexcept
{
    delete[] std::exchange(m_data, nullptr);
}

int CardCollection::insertionSlot(std::string_view text) const noexcept
{
    // The cards are sorted, so those before a scan's stop are exactly those
    // the text is greater than.
    const auto first = CardTable.begin() + 1;
    const auto at = std::lower_bound(first, first + CardCount, text,
        [](const CardText& card, std::string_view t) { return compareCardTexts(card, t) < 0; });
    return static_cast<int>(at - first) + 1;
}

int CardCollection::InsertCard()
{
    assert(CardCount < MaxCards);
    const int slot = insertionSlot(CardTable[StagingSlot]);
    // Moving a text moves its pointer only; the slot above the last card is
    // empty, so nothing is freed on the way.
    const auto at = CardTable.begin() + slot;
    std::move_backward(at, CardTable.begin() + CardCount + 1, CardTable.begin() + CardCount + 2);
    *at = std::move(CardTable[StagingSlot]);
    ++CardCount;
    CurrentCard = slot;
    return CardCount;
}

void CardCollection::RemoveCard(int index)
{
    assert(index >= 1 && index <= CardCount);
    CardTable[index].clear();
    const auto at = CardTable.begin() + index;
    std::move(at + 1, CardTable.begin() + CardCount + 1, at);
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
        CardTable[i].clear();
    CardCount = 0;
    CurrentCard = 0;
    CardBeforeNew = 0;
    CardsChanged = false;
    EditedCards.clear();
}

} // namespace quillbox
