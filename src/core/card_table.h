// The in-memory card box: every card text in sorted order, and the number of
// the card the main window shows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
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
/// A byte as the sort sees it: 'a'..'z' become 'A'..'Z', nothing else changes.
constexpr unsigned char foldCardByte(char c) noexcept
{
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - ('a' - 'A')) : b;
}

/// The same order for NUL-terminated texts, compared up to the terminator
/// without measuring them first. Inline: filing calls it in a tight loop.
inline int compareCardTexts(const char* a, const char* b) noexcept
{
    for (;; ++a, ++b) {
        const unsigned char x = foldCardByte(*a);
        const unsigned char y = foldCardByte(*b);
        if (x != y)
            return x < y ? -1 : 1;
        if (y == 0)
            return 0;
    }
}

/// The first sixteen bytes of a text as the sort sees them, packed
/// big-endian with zeros after the terminator: comparing two keys as numbers
/// orders the texts as compareCardTexts does, except where the keys are
/// equal and the texts may still differ further on. Sixteen bytes reach past
/// most titles' surnames, so equal keys are rare.
__extension__ typedef unsigned __int128 CardSortKey;

namespace detail {

/// foldCardByte() on each of eight bytes at once. Each byte's low seven
/// bits plus an offset reach bit 7 exactly when they are at least 'a' (or
/// above 'z'); no sum carries into the next byte. Bytes with bit 7 set are
/// no letters, whatever their low bits.
constexpr std::uint64_t foldCardBytes(std::uint64_t bytes) noexcept
{
    constexpr std::uint64_t ones = 0x0101010101010101;
    constexpr std::uint64_t highBits = 0x80 * ones;
    const std::uint64_t low7 = bytes & ~highBits;
    const std::uint64_t atLeastA = low7 + (0x80 - 'a') * ones;
    const std::uint64_t aboveZ = low7 + (0x80 - 'z' - 1) * ones;
    const std::uint64_t lowerCase = atLeastA & ~aboveZ & ~bytes & highBits;
    return bytes - (lowerCase >> 2); // 0x80 >> 2 is 'a' - 'A'
}

/// Up to eight bytes of `text` from `i` to its terminator, big-endian and
/// unfolded, zeros after the terminator; `i` ends past the last one read.
inline std::uint64_t gatherCardBytes(const char* text, int& i) noexcept
{
    // Shifting the whole word by a constant costs less than placing each
    // byte by a variable shift; one shift at the end aligns a short text.
    const int start = i;
    std::uint64_t bytes = 0;
    for (; i < start + 8 && text[i] != '\0'; ++i)
        bytes = bytes << 8 | static_cast<unsigned char>(text[i]);
    const int count = i - start;
    return count == 0 || count == 8 ? bytes : bytes << (8 * (8 - count));
}

} // namespace detail

inline CardSortKey cardSortKey(const char* text) noexcept
{
    // Built in two 64-bit halves: a 128-bit shift costs several instructions.
    int i = 0;
    const std::uint64_t high = detail::gatherCardBytes(text, i);
    const std::uint64_t low = i == 8 ? detail::gatherCardBytes(text, i) : 0;
    return CardSortKey {detail::foldCardBytes(high)} << 64 | detail::foldCardBytes(low);
}

/// A card text: Windows-1252 bytes, lines separated by CR LF, no NUL inside,
/// held in its own heap block of exactly its length plus a terminator.
/// A single pointer, so a slot table of them stays small.
class CardText {
public:
    CardText() noexcept = default;
    /// Copies `text`; a NUL inside it ends the text there.
    CardText(std::string_view text) { assign(text); } // NOLINT: implicit by design
    CardText(const CardText& other) { assign(other.view()); }
    CardText(CardText&& other) noexcept
        : m_data(other.m_data)
    {
        other.m_data = nullptr;
    }
    CardText& operator=(const CardText& other)
    {
        if (this != &other)
            assign(other.view());
        return *this;
    }
    CardText& operator=(CardText&& other) noexcept;
    CardText& operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }
    ~CardText() { delete[] m_data; }

    void assign(std::string_view text);
    void clear() noexcept;

    std::size_t size() const noexcept { return m_data ? std::char_traits<char>::length(m_data) : 0; }
    bool empty() const noexcept { return m_data == nullptr; }
    /// NUL-terminated bytes; "" when empty.
    const char* c_str() const noexcept { return m_data ? m_data : ""; }
    const char* data() const noexcept { return c_str(); }
    std::string_view view() const noexcept { return c_str(); }
    operator std::string_view() const noexcept { return view(); } // NOLINT: implicit by design
    std::string str() const { return std::string(view()); }

    std::size_t find(std::string_view what, std::size_t pos = 0) const noexcept
    {
        return view().find(what, pos);
    }
    std::size_t find(char c, std::size_t pos = 0) const noexcept { return view().find(c, pos); }

    friend bool operator==(const CardText& a, std::string_view b) noexcept { return a.view() == b; }
    // Without it, comparing two texts would match the one above both ways round.
    friend bool operator==(const CardText& a, const CardText& b) noexcept { return a.view() == b.view(); }

private:
    /// Null for the empty text; never points at an empty block.
    char* m_data = nullptr;
};

/// The card slots: slot 0 is the staging slot, slots 1..n the cards. Each
/// slot refers to one of the texts of a fixed pool; filing or removing a
/// card moves only two-byte references, never a text, and only those on the
/// shorter side of its slot. Slots above the last card, up to MaxCards, read
/// as empty texts, and so does the staging slot after a filing. Card slots
/// change only through InsertCard and RemoveCard; the only text a caller
/// writes is the staging slot's.
class CardSlots {
public:
    CardSlots() noexcept;

    CardText& operator[](int slot) noexcept
    {
        return m_pool[m_order[m_base + static_cast<std::size_t>(slot)]];
    }
    const CardText& operator[](int slot) const noexcept
    {
        return m_pool[m_order[m_base + static_cast<std::size_t>(slot)]];
    }

private:
    friend class CardCollection;
    using Entry = std::uint16_t;
    static constexpr std::size_t Slots = MaxCards + 1;
    /// The pool entry every place outside the slots refers to; it stays empty.
    static constexpr Entry Blank = Slots;
    /// The highest place of the staging slot: above it, a slot up to
    /// MaxCards would lie past the end of m_order.
    static constexpr std::size_t MaxBase = MaxCards + 1;
    static constexpr std::size_t Places = MaxBase + Slots;

    /// Back to no cards, an empty staging text, and room on both sides.
    void reset() noexcept;
    /// Moves the slots so that the staging slot lies at mid-room again.
    void recentre(int cardCount) noexcept;

    std::array<CardText, Slots + 1> m_pool;
    /// cardSortKey() of each filed text, by pool entry: the search reads
    /// these small numbers and goes to a text only when two keys tie, so
    /// most of its steps touch no card text at all.
    std::array<CardSortKey, Slots + 1> m_keys {};
    /// How many cards begin with each byte value, as a Fenwick tree (entry
    /// i sums the counts of the i & -i bytes up to byte i - 1). The cards
    /// that begin with the same byte as a text are one run of slots, found
    /// in a few additions, so a search starts in that run alone.
    std::array<std::uint16_t, 257> m_firstBytes {};
    /// Pool entries by place: the staging text at m_base, card i at m_base
    /// + i, Blank everywhere else. Filing in the lower half of the table
    /// moves the cards below the slot down and m_base with them; filing in
    /// the upper half moves the cards above up. m_base stays in 0..MaxBase.
    std::array<Entry, Places> m_order;
    std::size_t m_base = 0;
    /// The pool entries no slot refers to, each empty; m_freeCount of them.
    std::array<Entry, Slots> m_free;
    int m_freeCount = 0;
};

class CardCollection {
public:
    /// Slot 0 is the StagingSlot; slots 1..CardCount hold the cards in
    /// ascending order; the slots above hold empty texts.
    CardSlots CardTable;
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

    /// The second half of InsertCard(): files the staged text at `slot`,
    /// which must be its sorted place (1..CardCount + 1). For callers that
    /// found the slot another way.
    int InsertCardAt(int slot);

    /// Removes card `index` (1..CardCount) and closes the gap. Changes
    /// neither CurrentCard nor CardsChanged.
    void RemoveCard(int index);

    /// Slot where InsertCard() would file `text`: the first card the text is
    /// not greater than, or CardCount + 1. O(log n) comparisons.
    int insertionSlot(std::string_view text) const;

    /// Text of card `index`; empty for an index outside 1..CardCount.
    std::string_view card(int index) const noexcept;

    /// Empties the box and resets every field to its start value.
    void clear() noexcept;

private:
    int slotFor(CardSortKey key, const char* text) const noexcept;
    template<bool AfterEqual> int keyBound(CardSortKey key, int lo, int n) const noexcept;
    void countFirstByte(CardSortKey key, int change) noexcept;
    int cardsBelowByte(unsigned byte) const noexcept;
    int fileStaged(int slot, CardSortKey key) noexcept;
    const CardSlots::Entry* cardEntries() const noexcept { return &CardTable.m_order[CardTable.m_base + 1]; }
};

} // namespace quillbox
