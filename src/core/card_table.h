// The in-memory card box: every card text in sorted order, and the number of
// the card the main window shows.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quillbox {

/// Number of card slots; the box never holds more cards than this.
inline constexpr int MaxCards = 2000;
/// Slot a command fills with a new text before calling InsertCard().
inline constexpr int StagingSlot = 0;

/// Compares two card texts in the order the whole program sorts by: byte by
/// byte as unsigned values, with only 'a'..'z' folded to 'A'..'Z', over the
/// whole text; a text that is a prefix of the other sorts first (its
/// terminator, 0, is below every byte). Returns <0, 0 or >0.
int compareCardTexts(std::string_view a, std::string_view b) noexcept;

/// A card text: Windows-1252 bytes, lines separated by CR LF, no NUL inside.
using CardText = std::string;

class CardCollection {
public:
    /// Slot 0 is the StagingSlot; slots 1..CardCount hold the cards in
    /// ascending order. Slots above CardCount hold nothing of interest.
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

    /// Slot where InsertCard() would file `text`: the first card the text is
    /// not greater than, or CardCount + 1. O(log n) comparisons.
    int insertionSlot(std::string_view text) const noexcept;

    /// Text of card `index`; empty for an index outside 1..CardCount.
    std::string_view card(int index) const noexcept;

    /// Empties the box and resets every field to its start value.
    void clear() noexcept;
};

}  // namespace quillbox
