// SPDX-License-Identifier: GPL-3.0-or-later
// The card list: the first line of every card; choosing a row shows it.
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QToolButton;
class QWindow;

namespace quillbox {
class CardWindow;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    /// `main` is the main window, whose cards the list shows.
    explicit TForm2(CardWindow& main, QWidget* parent = nullptr);

    /// Empties ListBox1, adds a row with the whole first line of every card
    /// in collection order and selects the shown card's row (none when there
    /// are no cards). Selecting from here does not run ListBox1Click.
    void fill();

    /// Shows the card of the selected row in the main window. The pending
    /// edit of the shown card is stored first; when that re-files it, the
    /// rows it moved are rewritten and the chosen card, under its new
    /// number, is shown and selected.
    void ListBox1Click();
    /// Empties the list and closes the window.
    void FormDeactivate();
    /// Gives the main window's card box the focus and closes the window.
    void SpeedButton1Click();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QLabel* Label1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QListWidget* ListBox1 = nullptr;

    void focusWindowChanged(QWindow* now);
    /// Rewrites the rows of cards first..last from the collection.
    void refreshRows(int first, int last);
    /// Selects a row without running ListBox1Click.
    void selectRow(int row);

    CardWindow& m_main;
    /// True once the list has had the focus since it was shown.
    bool m_hadFocus = false;
};

} // namespace quillbox
