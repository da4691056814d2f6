// SPDX-License-Identifier: GPL-3.0-or-later
// The card box's rules apart from any window: storing an edit of the shown
// card, stepping among the cards, first lines, letters, searching, and how
// card numbers shift when a card is filed again. A window reads its widgets,
// calls one of these, and shows what comes back.
#pragma once

#include "core/card_table.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillbox {

/// Characters a card may hold as typed; a stored edit adds CR LF.
inline constexpr std::size_t MaxTypedChars = 498;
/// Characters of a first line that a notebook caption shows.
inline constexpr std::size_t CaptionChars = 15;
/// Tabs of the notebook: four cards in a row, and a page is a step of four.
inline constexpr int NotebookTabs = 4;
/// Tabs of the alphabet strip: "#" (0), then "A" to "Z" (1 to 26).
inline constexpr int AlphabetTabs = 27;

/// `text` as a card stores it: its first MaxTypedChars characters (without a
/// CR left dangling by the cut), ending in exactly one added CR LF unless it
/// already ends in CR LF.
std::string storedCardText(std::string text);

/// First line of a card text: the text up to its first CR (or NUL, or its
/// end), with every LF left out; cut to CaptionChars unless `full`. A
/// notebook caption, the card list and a print job's title all use it.
std::string cardFirstLine(std::string_view text, bool full);

/// The alphabet tab that a card beginning with `text` lights: 0 ("#") for
/// any character below "A" (digits, blanks, the CR of an empty first line),
/// 1..26 for a letter of either case; nullopt for an empty text or a
/// character above "Z", which have no tab of their own.
std::optional<int> letterTabOf(std::string_view text);

/// Position in the card memo's text of byte `offset` of a stored card text.
/// The memo holds every line break as CR LF, so a lone CR or LF (possible
/// only from a foreign card file) counts two there. Offsets past the end
/// count as the end.
int memoPosition(std::string_view stored, int offset);

/// The number that card `card` has after the card numbered `from` was
/// removed and filed again as card `to`: the card itself goes to `to`, and
/// the cards between the two places shift by one towards `from`.
int renumbered(int card, int from, int to);

/// A card that holds a searched text, and where in its stored text the first
/// occurrence begins (bytes from the start of the card).
struct SearchHit {
    int card = 0;
    int offset = 0;
};

/// The moves of the tool buttons.
enum class Step { CardBack, CardForward, PageBack, PageForward };

/// The card collection with the rules the commands apply to it. The
/// collection's fields are read through cards(); every change goes through
/// the operations below (and through collection() for loading and saving).
class CardBox {
public:
    const CardCollection& cards() const noexcept { return m_cards; }
    /// The collection itself, for the card file to load into and save from.
    CardCollection& collection() noexcept { return m_cards; }

    int count() const noexcept { return m_cards.CardCount; }
    /// The card shown; 0 while a new card is being entered.
    int current() const noexcept { return m_cards.CurrentCard; }
    bool enteringNewCard() const noexcept { return m_cards.EnteringNewCard(); }
    bool full() const noexcept { return m_cards.CardCount >= MaxCards; }

    /// cardFirstLine() of card `index`; empty for an index outside
    /// 1..count().
    std::string firstline(int index, bool full) const;

    /// Stores the card memo's text as the shown card (or, while a new card
    /// is being entered, as a new card): the old text is removed and
    /// storedCardText(`memoText`) filed at its sorted place, which becomes
    /// current, and the box is marked changed. Nothing is stored when the
    /// text is empty, when a shown card was not `modified`, or when a new
    /// card would not fit. Text typed into an empty box with nothing being
    /// entered is filed as a new card. Returns true when a card was filed.
    bool storeEdit(std::string_view memoText, bool modified);

    /// Begins a new card: remembers the shown card and makes none current.
    void beginNewCard() noexcept;
    /// Files storedCardText(`text`) as the new card being entered, makes it
    /// current and marks the box changed. The caller has checked the limit
    /// when the entry began.
    void completeNewCard(std::string_view text);
    /// Files storedCardText(`text`) as one more card at its sorted place,
    /// makes it current and marks the box changed, as importing cards does.
    /// Returns false, and changes nothing, when the box is full().
    bool addCard(std::string_view text);
    /// Ends a new card's entry without filing it: the card shown before
    /// becomes current again.
    void abortNewCard() noexcept;

    /// Removes the current card (1..count()) and marks the box changed; when
    /// it was the last card, the one before becomes current. With no cards
    /// left, card 1 is current.
    void removeCurrentCard();

    /// Makes card `index` current: 1..count(), or 1 in an empty box.
    void show(int index) noexcept { m_cards.CurrentCard = index; }
    /// The card to show at start: `lastCard` when it is a card, else 1.
    /// Marks the box unchanged.
    void showAtStart(int lastCard) noexcept;

    /// The card a step from the current one lands on, wrapping round the
    /// ends; nullopt when there are too few cards for the step (six for a
    /// card, five for a page).
    std::optional<int> cardAfter(Step step) const noexcept;
    /// The card under notebook tab `tab` (0..3) while the current card is
    /// under `selectedTab`: the tabs show consecutive cards, wrapping from
    /// the last card to card 1. nullopt for a tab beyond the number of cards.
    std::optional<int> cardUnderTab(int tab, int selectedTab) const noexcept;
    /// The card alphabet tab `tab` shows: for "#" card 1, for a letter the
    /// first card whose first line begins with that letter or a later byte
    /// (as the sort folds it), else card 1.
    int firstCardUnderLetter(int tab) const;
    /// The first card from `first` to count() whose stored text holds `text`
    /// as a run of bytes (case matters); nullopt when there is none, when
    /// `text` is empty or when `first` is past the last card.
    std::optional<SearchHit> findCardContaining(std::string_view text, int first) const;

private:
    /// `number` brought into 1..count() by one turn round the box.
    int wrapped(int number) const noexcept;
    /// Files the staged text and marks the box changed.
    void fileStaged(std::string_view text);

    CardCollection m_cards;
};

} // namespace quillbox
