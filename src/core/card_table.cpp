#include "core/card_table.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace quillbox {

namespace {
constexpr unsigned char foldAsciiLower(unsigned char c) noexcept
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
}
} // namespace

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

namespace {
// CardText is a pointer and a length with no self-reference, so slots may be
// moved as raw bytes; the vacated slot is then reset without freeing.
static_assert(std::is_standard_layout_v<CardText> && sizeof(CardText) == sizeof(char*));

void shiftSlots(CardText* to, CardText* from, std::size_t count) noexcept
{
    if (count != 0)
        std::memmove(static_cast<void*>(to), static_cast<const void*>(from), count * sizeof(CardText));
}

void forgetSlot(CardText* slot) noexcept
{
    ::new (static_cast<void*>(slot)) CardText();
}
} // namespace

int compareCardTexts(const char* a, const char* b) noexcept
{
    for (;; ++a, ++b) {
        const unsigned char x = foldAsciiLower(static_cast<unsigned char>(*a));
        const unsigned char y = foldAsciiLower(static_cast<unsigned char>(*b));
        if (x != y)
            return x < y ? -1 : 1;
        if (y == 0)
            return 0;
    }
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
    CardText* const buffer = CardTable.m_buffer.data();
    int& first = CardTable.m_first;
    const int before = slot - 1;
    const int after = CardCount + 1 - slot;
    const bool roomBelow = first > 0;
    const bool roomAbove = first + CardCount < CardSlots::Places;
    // Move the shorter side out of the way (one side always has room: the
    // buffer holds twice the cards plus one), then hand the staged text over.
    CardText* place = nullptr;
    if (roomBelow && (before < after || !roomAbove)) {
        shiftSlots(buffer + first - 1, buffer + first, static_cast<std::size_t>(before));
        --first;
        place = buffer + first + before;
    } else {
        place = buffer + first + before;
        shiftSlots(place + 1, place, static_cast<std::size_t>(after));
    }
    // `place` still holds the bytes of a text that now lives next to it.
    forgetSlot(place);
    *place = std::move(CardTable[StagingSlot]);
    ++CardCount;
    CurrentCard = slot;
    return CardCount;
}

void CardCollection::RemoveCard(int index)
{
    assert(index >= 1 && index <= CardCount);
    CardText* const buffer = CardTable.m_buffer.data();
    int& first = CardTable.m_first;
    const int before = index - 1;
    const int after = CardCount - index;
    buffer[first + before].clear();
    if (before < after) {
        shiftSlots(buffer + first + 1, buffer + first, static_cast<std::size_t>(before));
        forgetSlot(buffer + first);
        ++first;
    } else {
        shiftSlots(buffer + first + before, buffer + first + before + 1, static_cast<std::size_t>(after));
        forgetSlot(buffer + first + CardCount - 1);
    }
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
    CardTable.m_first = CardSlots::Middle;
    CardCount = 0;
    CurrentCard = 0;
    CardBeforeNew = 0;
    CardsChanged = false;
}

} // namespace quillbox
