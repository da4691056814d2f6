// SPDX-License-Identifier: GPL-3.0-or-later
// What the other windows may ask of the main window: a few named operations
// on the card it shows, never its widgets or its cards' fields.
#pragma once

class QWidget;

namespace quillbox {

class CardBox;
class CardMemo;

class CardWindow {
public:
    /// The cards and their rules, to read.
    virtual const CardBox& cardBox() const = 0;
    /// The same, to add imported cards to (they are saved at close with
    /// every other change); the caller then shows the card it wants.
    virtual CardBox& cardBoxForImport() = 0;

    /// While a new card is being entered: says that it must be completed or
    /// aborted first, and returns true (the caller then does nothing).
    /// Otherwise returns false and shows nothing.
    virtual bool refusedWhileEnteringNewCard() = 0;
    /// Stores a pending edit of the shown card; the shown card's number may
    /// change as it is filed again. The view is not refreshed.
    virtual void storePendingEdit() = 0;
    /// Shows card `index` (1..count) with its captions, number and letter.
    virtual void showCardNumber(int index) = 0;

    /// The card memo, for the selection a caller sets after showing a card.
    virtual CardMemo& cardMemo() = 0;
    /// Activates the main window and gives the card memo the focus.
    virtual void focusCardMemo() = 0;
    /// The main window itself, for placing a window beside it.
    virtual QWidget& mainWidget() = 0;

protected:
    ~CardWindow() = default;
};

} // namespace quillbox
