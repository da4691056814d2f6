// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/card_box.h"

#include <algorithm>

namespace quillbox {

std::string storedCardText(std::string text)
{
    if (text.size() > MaxTypedChars) {
        text.resize(MaxTypedChars);
        // A cut between CR and LF would leave a lone CR before the new break.
        if (text.back() == '\r')
            text.pop_back();
    }
    if (!text.ends_with("\r\n"))
        text += "\r\n";
    return text;
}

std::string cardFirstLine(std::string_view text, bool full)
{
    std::string line;
    for (const char c : text) {
        if (c == '\r' || c == '\0')
            break;
        if (c != '\n')
            line += c;
        if (!full && line.size() == CaptionChars)
            break;
    }
    return line;
}

std::optional<int> letterTabOf(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    const unsigned char c = foldCardByte(text.front());
    if (c < 'A')
        return 0;
    if (c <= 'Z')
        return c - 'A' + 1;
    return std::nullopt;
}

int memoPosition(std::string_view stored, int offset)
{
    int position = 0;
    const auto end = std::min(static_cast<std::size_t>(std::max(offset, 0)), stored.size());
    for (std::size_t i = 0; i < end; ++i) {
        const char c = stored[i];
        if (c == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') {
            position += 2;
            ++i;
        } else if (c == '\r' || c == '\n') {
            position += 2;
        } else {
            ++position;
        }
    }
    return position;
}

int renumbered(int card, int from, int to)
{
    if (from == to)
        return card;
    if (card == from)
        return to;
    // Removing `from` closes its gap; filing at `to` opens one there.
    if (card > from)
        --card;
    if (card >= to)
        ++card;
    return card;
}

std::string CardBox::firstline(int index, bool full) const
{
    if (index < 1 || index > m_cards.CardCount)
        return {};
    return cardFirstLine(m_cards.card(index), full);
}

bool CardBox::storeEdit(std::string_view memoText, bool modified)
{
    if (memoText.empty())
        return false;
    const bool entering = m_cards.EnteringNewCard();
    if (!entering && !modified)
        return false;
    const bool replacing = !entering && m_cards.CurrentCard >= 1 && m_cards.CurrentCard <= m_cards.CardCount;
    // Text typed into the empty view (no cards, nothing being entered) is a
    // new card: there is no card to replace.
    if (!replacing && full())
        return false;
    if (replacing) {
        std::string before(m_cards.card(m_cards.CurrentCard));
        std::string after = storedCardText(std::string(memoText));
        m_cards.RemoveCard(m_cards.CurrentCard);
        if (before != after)
            m_cards.EditedCards.emplace_back(std::move(before), std::move(after));
    }
    fileStaged(memoText);
    return true;
}

void CardBox::beginNewCard() noexcept
{
    m_cards.CardBeforeNew = m_cards.CurrentCard;
    m_cards.CurrentCard = 0;
}

void CardBox::completeNewCard(std::string_view text)
{
    fileStaged(text);
}

bool CardBox::addCard(std::string_view text)
{
    if (full())
        return false;
    fileStaged(text);
    return true;
}

void CardBox::abortNewCard() noexcept
{
    m_cards.CurrentCard = m_cards.CardBeforeNew;
}

void CardBox::removeCurrentCard()
{
    m_cards.CardsChanged = true;
    m_cards.RemoveCard(m_cards.CurrentCard);
    if (m_cards.CurrentCard > m_cards.CardCount)
        m_cards.CurrentCard = m_cards.CardCount;
    if (m_cards.CardCount == 0)
        m_cards.CurrentCard = 1;
}

void CardBox::showAtStart(int lastCard) noexcept
{
    const bool isCard = lastCard >= 1 && lastCard <= m_cards.CardCount;
    m_cards.CurrentCard = isCard ? lastCard : 1;
    m_cards.CardsChanged = false;
}

std::optional<int> CardBox::cardAfter(Step step) const noexcept
{
    int distance = 0;
    int fewest = 0;
    switch (step) {
    case Step::CardBack:
        distance = -1;
        fewest = 6;
        break;
    case Step::CardForward:
        distance = 1;
        fewest = 6;
        break;
    case Step::PageBack:
        distance = -NotebookTabs;
        fewest = NotebookTabs + 1;
        break;
    case Step::PageForward:
        distance = NotebookTabs;
        fewest = NotebookTabs + 1;
        break;
    }
    if (m_cards.CardCount < fewest)
        return std::nullopt;
    return wrapped(m_cards.CurrentCard + distance);
}

std::optional<int> CardBox::cardUnderTab(int tab, int selectedTab) const noexcept
{
    if (tab < 0 || tab >= std::min(NotebookTabs, m_cards.CardCount))
        return std::nullopt;
    const int card = wrapped(m_cards.CurrentCard + tab - selectedTab);
    if (card < 1 || card > m_cards.CardCount)
        return std::nullopt;
    return card;
}

int CardBox::firstCardUnderLetter(int tab) const
{
    if (tab < 1)
        return 1;
    const auto letter = static_cast<unsigned char>('A' + tab - 1);
    for (int i = 1; i <= m_cards.CardCount; ++i) {
        const std::string line = firstline(i, false);
        const unsigned char first = line.empty() ? 0 : foldCardByte(line.front());
        if (first >= letter)
            return i;
    }
    return 1;
}

std::optional<SearchHit> CardBox::findCardContaining(std::string_view text, int first) const
{
    if (text.empty())
        return std::nullopt;
    for (int i = std::max(first, 1); i <= m_cards.CardCount; ++i) {
        const auto at = m_cards.card(i).find(text);
        if (at != std::string_view::npos)
            return SearchHit {i, static_cast<int>(at)};
    }
    return std::nullopt;
}

int CardBox::wrapped(int number) const noexcept
{
    if (number > m_cards.CardCount)
        return number - m_cards.CardCount;
    if (number < 1)
        return number + m_cards.CardCount;
    return number;
}

void CardBox::fileStaged(std::string_view text)
{
    m_cards.CardTable[StagingSlot] = storedCardText(std::string(text));
    m_cards.InsertCard();
    m_cards.CardsChanged = true;
}

} // namespace quillbox
