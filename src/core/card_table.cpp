#include "core/card_table.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <utility>

namespace quillbox {

int compareCardTexts(std::string_view a, std::string_view b) noexcept
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = foldCardByte(a[i]);
        const unsigned char y = foldCardByte(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    // The shorter text meets its terminator first, and 0 is below every byte.
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

void CardText::assign(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    if (text.empty()) {
        clear();
        return;
    }
    char* block = new char[text.size() + 1];
    text.copy(block, text.size());
    block[text.size()] = '\0';
    delete[] m_data;
    m_data = block;
}

void CardText::clear() noexcept
{
    delete[] m_data;
    m_data = nullptr;
}

CardText& CardText::operator=(CardText&& other) noexcept
{
    if (this != &other) {
        delete[] m_data;
        m_data = other.m_data;
        other.m_data = nullptr;
    }
    return *this;
}

CardSlots::CardSlots() noexcept
{
    for (std::size_t i = 0; i < Slots; ++i)
        m_order[i] = static_cast<Entry>(i);
}

int CardCollection::insertionSlot(std::string_view text) const
{
    // First slot i in 1..CardCount with text <= CardTable[i]: the slot a
    // linear scan from the bottom would stop at, since the table is sorted.
    // Card texts hold no NUL, so a terminated copy of `text` compares the
    // same; the table's own texts are terminated already.
    const CardText staged(text);
    return slotFor(staged.c_str());
}

int CardCollection::slotFor(const char* key) const noexcept
{
    int lo = 1;
    int hi = CardCount + 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (compareCardTexts(key, CardTable[mid].c_str()) <= 0)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

int CardCollection::InsertCard()
{
    return InsertCardAt(slotFor(CardTable[StagingSlot].c_str()));
}

int CardCollection::InsertCardAt(int slot)
{
    assert(CardCount < MaxCards);
    assert(slot >= 1 && slot <= CardCount + 1);
    auto& order = CardTable.m_order;
    const CardSlots::Entry staged = order[StagingSlot];
    // The first free entry becomes the next staging text; the references
    // from `slot` up move one place to make room.
    const CardSlots::Entry free = order[static_cast<std::size_t>(CardCount + 1)];
    std::memmove(&order[static_cast<std::size_t>(slot) + 1], &order[static_cast<std::size_t>(slot)],
        static_cast<std::size_t>(CardCount + 1 - slot) * sizeof(CardSlots::Entry));
    order[static_cast<std::size_t>(slot)] = staged;
    order[StagingSlot] = free;
    ++CardCount;
    CurrentCard = slot;
    return CardCount;
}

void CardCollection::RemoveCard(int index)
{
    assert(index >= 1 && index <= CardCount);
    auto& order = CardTable.m_order;
    const CardSlots::Entry removed = order[static_cast<std::size_t>(index)];
    CardTable.m_pool[removed].clear();
    std::memmove(&order[static_cast<std::size_t>(index)], &order[static_cast<std::size_t>(index) + 1],
        static_cast<std::size_t>(CardCount - index) * sizeof(CardSlots::Entry));
    order[static_cast<std::size_t>(CardCount)] = removed;
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
}

} // namespace quillbox
