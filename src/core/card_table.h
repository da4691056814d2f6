// SPDX-License-Identifier: GPL-3.0-or-later
// The in-memory card box: every card text in sorted order, and the number of
// the card the main window shows.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillbox {

/// Number of card slots; the box never holds more cards than this.
inline constexpr int MaxCards = 2000;
/// Slot a command fills with a new text before calling InsertCard().
inline constexpr int StagingSlot = 0;

/// A byte as the sort sees it: 'a'..'z' become 'A'..'Z', nothing else changes.
constexpr unsigned char foldCardByte(char c) noexcept
{
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - ('a' - 'A')) : b;
}

/// Compares two card texts in the order the whole program sorts by: byte by
/// byte as unsigned values, with only 'a'..'z' folded to 'A'..'Z', over the
/// whole text; a text that is a prefix of the other sorts first (its
/// terminator, 0, is below every byte). Returns <0, 0 or >0.
int compareCardTexts(std::string_view a, std::string_view b) noexcept;

/// A card text: Windows-1252 bytes, lines separated by CR LF, no NUL inside,
/// held in its own heap block of exactly its length plus a terminator. A
/// single pointer, so moving a card between slots moves no bytes.
class CardText {
public:
    CardText() noexcept = default;
    /// Copies `text`; a NUL inside it ends the text there.
    CardText(std::string_view text) { assign(text); } // NOLINT: implicit by design
    CardText(const CardText& other) { assign(other.view()); }
    CardText(CardText&& other) noexcept
        : m_data(std::exchange(other.m_data, nullptr))
    {
    }
    CardText& operator=(const CardText& other) { return *this = other.view(); }
    CardText& operator=(CardText&& other) noexcept;
    CardText& operator=(std::string_view text) { return assign(text), *this; }
    ~CardText() { delete[] m_data; }

    void assign(std::string_view text);
    void clear() noexcept;

    std::size_t size() const noexcept { return m_data ? std::char_traits<char>::length(m_data) : 0; }
    bool empty() const noexcept { return m_data == nullptr; }
    /// NUL-terminated bytes; "" when empty.
    const char* c_str() const noexcept { return m_data ? m_data : ""; }
    std::string_view view() const noexcept { return c_str(); }
    operator std::string_view() const noexcept { return view(); } // NOLINT: implicit by design

    friend bool operator==(const CardText& a, std::string_view b) noexcept { return a.view() == b; }
    friend bool operator==(const CardText& a, const CardText& b) noexcept { return a.view() == b.view(); }

private:
    /// Null for the empty text; never points at an empty block.
    char* m_data = nullptr;
};

class CardCollection {
public:
    /// Slot 0 is the StagingSlot; slots 1..CardCount hold the cards in
    /// ascending order; the slots above hold empty texts, and so does the
    /// staging slot after a filing. Card slots change only through
    /// InsertCard and RemoveCard; a caller writes only the staging slot.
    std::array<CardText, MaxCards + 1> CardTable;
    /// Number of cards held, 0..MaxCards.
    int CardCount = 0;
    /// The card shown (1..CardCount), 0 while a new card is being typed, and
    /// 1 when the box is empty and nothing is being typed.
    int CurrentCard = 0;
    /// The card that was current when a new card was begun.
    int CardBeforeNew = 0;
    /// Set by every command that changes the box; loading does not set it.
    bool CardsChanged = false;
    /// Every edit of a stored card since the box was filled, as (text
    /// before, text after), in order: what sync needs to know that an
    /// edited card is the same contact. Grows only.
    std::vector<std::pair<std::string, std::string>> EditedCards;

    /// True exactly while a new card is being typed (CurrentCard is 0).
    bool EnteringNewCard() const noexcept { return CurrentCard == 0; }

    /// Files the text in CardTable[StagingSlot] at its sorted place (before
    /// any cards equal to it), makes it current and returns the new
    /// CardCount. The caller ensures CardCount < MaxCards. Neither checks the
    /// limit nor sets CardsChanged. The staging slot is left empty.
    int InsertCard();

    /// Removes card `index` (1..CardCount) and closes the gap. Changes
    /// neither CurrentCard nor CardsChanged.
    void RemoveCard(int index);

    /// Slot InsertCard() files `text` at: the first card it is not greater
    /// than (as a scan from card 1 finds), or CardCount + 1. O(log n).
    int insertionSlot(std::string_view text) const noexcept;

    /// Text of card `index`; empty for an index outside 1..CardCount.
    std::string_view card(int index) const noexcept;

    /// Empties the box and resets every field to its start value.
    void clear() noexcept;
};

} // namespace quillbox
