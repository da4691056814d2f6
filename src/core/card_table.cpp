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
}  // namespace

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
    // Move the references up one slot, then hand the staged text over. Slot
    // CardCount + 1 holds nothing (removal and clear() leave slots empty).
    CardTable[CardCount + 1].clear();
    shiftSlots(&CardTable[slot + 1], &CardTable[slot], static_cast<std::size_t>(CardCount + 1 - slot));
    forgetSlot(&CardTable[slot]);
    CardTable[slot] = std::move(CardTable[StagingSlot]);
    ++CardCount;
    CurrentCard = slot;
    return CardCount;
}

void CardCollection::RemoveCard(int index)
{
    assert(index >= 1 && index <= CardCount);
    CardTable[index].clear();
    shiftSlots(&CardTable[index], &CardTable[index + 1], static_cast<std::size_t>(CardCount - index));
    forgetSlot(&CardTable[CardCount]);
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

}  // namespace quillbox
