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
    reset();
}

void CardSlots::reset() noexcept
{
    m_firstBytes.fill(0);
    m_order.fill(Blank);
    m_base = MaxBase / 2;
    m_order[m_base] = 0;
    // Handed out from entry 1 upwards, so a box filled once refers to its
    // texts in pool order.
    m_freeCount = 0;
    for (std::size_t entry = Slots - 1; entry >= 1; --entry)
        m_free[static_cast<std::size_t>(m_freeCount++)] = static_cast<Entry>(entry);
}

void CardSlots::recentre(int cardCount) noexcept
{
    // Rare: only after many more filings or removals on one side than on
    // the other. Worth a full move, which buys MaxBase / 2 cheap ones.
    const std::size_t from = m_base;
    const std::size_t to = MaxBase / 2;
    const std::size_t places = static_cast<std::size_t>(cardCount) + 1;
    std::memmove(&m_order[to], &m_order[from], places * sizeof(Entry));
    // The places the slots left that they do not cover now.
    const std::size_t blankFrom = to > from ? from : std::max(from, to + places);
    const std::size_t blankTo = to > from ? std::min(from + places, to) : from + places;
    std::fill(m_order.begin() + static_cast<std::ptrdiff_t>(blankFrom),
        m_order.begin() + static_cast<std::ptrdiff_t>(blankTo), Blank);
    m_base = to;
}

int CardCollection::insertionSlot(std::string_view text) const
{
    // Card texts hold no NUL, so a terminated copy of `text` compares the
    // same; the table's own texts are terminated already.
    const CardText staged(text);
    return slotFor(cardSortKey(staged.c_str()), staged.c_str());
}

template<bool AfterEqual> int CardCollection::keyBound(CardSortKey key, int lo, int n) const noexcept
{
    // How many cards have a key below `key` (or, AfterEqual, not above it),
    // knowing that the answer lies in [lo, lo + n].
    // Each round tests three evenly spaced cards at once and keeps the
    // quarter of the range between the last card below and the first card
    // above. The tests do not depend on each other, so they overlap, and no
    // jump depends on a card: which way a comparison goes is as good as
    // random, and a mispredicted jump costs more than a comparison.
    const CardSlots::Entry* const order = cardEntries();
    const auto below = [&](int index) noexcept {
        const CardSortKey cardKey = CardTable.m_keys[order[index]];
        return static_cast<int>(AfterEqual ? cardKey <= key : cardKey < key);
    };
    while (n >= 4) {
        const int step = n / 4;
        const int count = below(lo + step - 1) + below(lo + 2 * step - 1) + below(lo + 3 * step - 1);
        lo += count * step;
        n = count == 3 ? n - 3 * step : step - 1;
    }
    while (n > 1) {
        const int half = n / 2;
        lo += half * below(lo + half - 1);
        n -= half;
    }
    return lo + (n == 1 ? below(lo) : 0);
}

int CardCollection::slotFor(CardSortKey key, const char* text) const noexcept
{
    // The first slot in 1..CardCount whose card the text is not greater
    // than: the slot a linear scan from the bottom stops at. Cards with a
    // smaller key come before the text and cards with a larger key after
    // it, so only a run of cards whose keys equal the text's needs their
    // whole texts compared.
    const unsigned firstByte = static_cast<unsigned>(key >> 120);
    const int runStart = cardsBelowByte(firstByte);
    const int runEnd = cardsBelowByte(firstByte + 1);
    int first = keyBound<false>(key, runStart, runEnd - runStart);
    const auto textAt = [this](int index) { return CardTable[index + 1].c_str(); };
    if (first < CardCount && CardTable.m_keys[cardEntries()[first]] == key) [[unlikely]] {
        int last = keyBound<true>(key, first, runEnd - first);
        while (first < last) {
            const int mid = first + (last - first) / 2;
            if (compareCardTexts(text, textAt(mid)) > 0)
                first = mid + 1;
            else
                last = mid;
        }
    }
    return first + 1;
}

int CardCollection::InsertCard()
{
    const char* text = CardTable[StagingSlot].c_str();
    const CardSortKey key = cardSortKey(text);
    return fileStaged(slotFor(key, text), key);
}

int CardCollection::InsertCardAt(int slot)
{
    return fileStaged(slot, cardSortKey(CardTable[StagingSlot].c_str()));
}

int CardCollection::fileStaged(int slot, CardSortKey key) noexcept
{
    assert(CardCount < MaxCards);
    assert(slot >= 1 && slot <= CardCount + 1);
    CardSlots& table = CardTable;
    auto& order = table.m_order;
    const CardSlots::Entry staged = order[table.m_base];
    const auto below = static_cast<std::size_t>(slot - 1);
    const auto above = static_cast<std::size_t>(CardCount + 1 - slot);
    if (below < above) {
        // The staging slot and the cards below `slot` move down one place.
        if (table.m_base == 0) [[unlikely]]
            table.recentre(CardCount);
        const std::size_t base = table.m_base;
        std::memmove(&order[base], &order[base + 1], below * sizeof(CardSlots::Entry));
        table.m_base = base - 1;
    } else {
        const std::size_t at = table.m_base + below + 1;
        std::memmove(&order[at + 1], &order[at], above * sizeof(CardSlots::Entry));
    }
    order[table.m_base + below + 1] = staged;
    // A free, empty entry becomes the next staging text.
    order[table.m_base] = table.m_free[static_cast<std::size_t>(--table.m_freeCount)];
    table.m_keys[staged] = key;
    countFirstByte(key, +1);
    ++CardCount;
    CurrentCard = slot;
    return CardCount;
}

void CardCollection::RemoveCard(int index)
{
    assert(index >= 1 && index <= CardCount);
    CardSlots& table = CardTable;
    auto& order = table.m_order;
    const auto below = static_cast<std::size_t>(index - 1);
    const auto above = static_cast<std::size_t>(CardCount - index);
    const CardSlots::Entry removed = order[table.m_base + below + 1];
    countFirstByte(table.m_keys[removed], -1);
    table.m_pool[removed].clear();
    if (below < above) {
        // The staging slot and the cards below `index` move up one place.
        if (table.m_base == CardSlots::MaxBase) [[unlikely]]
            table.recentre(CardCount);
        const std::size_t base = table.m_base;
        std::memmove(&order[base + 1], &order[base], (below + 1) * sizeof(CardSlots::Entry));
        order[base] = CardSlots::Blank;
        table.m_base = base + 1;
    } else {
        const std::size_t at = table.m_base + below + 1;
        std::memmove(&order[at], &order[at + 1], above * sizeof(CardSlots::Entry));
        order[at + above] = CardSlots::Blank;
    }
    table.m_free[static_cast<std::size_t>(table.m_freeCount++)] = removed;
    --CardCount;
}

void CardCollection::countFirstByte(CardSortKey key, int change) noexcept
{
    auto& tree = CardTable.m_firstBytes;
    for (std::size_t i = static_cast<std::size_t>(key >> 120) + 1; i < tree.size(); i += i & (~i + 1))
        tree[i] = static_cast<std::uint16_t>(tree[i] + change);
}

int CardCollection::cardsBelowByte(unsigned byte) const noexcept
{
    // The cards whose first byte is below `byte`.
    int count = 0;
    for (unsigned i = byte; i > 0; i &= i - 1)
        count += CardTable.m_firstBytes[i];
    return count;
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
    CardTable.reset();
    CardCount = 0;
    CurrentCard = 0;
    CardBeforeNew = 0;
    CardsChanged = false;
}

} // namespace quillbox
