// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: one index card on a four-tab notebook, the alphabet tabs,
// the tool buttons and the counter panel; the card box and its commands.
#pragma once

#include "app_context.h"
#include "card_window.h"
#include "core/card_box.h"
#include "core/card_file.h"
#include "core/print_layout.h"
#include "core/settings.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <QWindow>
#include <future>
#include <string>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QToolButton;

namespace quillbox {

class CardMemo;
class GuardedTabBar;
class TabbedNotebook;
struct WindowRegistry;

struct ToolPicture;

class TForm1 : public QMainWindow, public CardWindow {
    Q_OBJECT
public:
    /// Builds the window and runs FormCreate: loads the card file from
    /// app.StartDirectory, reads or writes the settings, shows the card.
    /// `windows` gives the other windows, which this one opens.
    TForm1(AppContext& app, WindowRegistry& windows, QWidget* parent = nullptr);
    ~TForm1() override;

    /// First line of card `index` (bytes), whole or cut to 15 characters;
    /// empty when index > CardCount.
    std::string firstline(int index, bool full) const;
    /// Lights the alphabet tab of the card box's first character.
    void litealpha();
    /// Stores the pending edit of the card box; Label1 shows the new count
    /// when a card was filed.
    void textchange();

    // --- What the other windows may ask (CardWindow) ---
    const CardBox& cardBox() const override { return m_box; }
    CardBox& cardBoxForImport() override { return m_box; }
    bool refusedWhileEnteringNewCard() override;
    void storePendingEdit() override { textchange(); }
    void showCardNumber(int index) override;
    CardMemo& cardMemo() override { return *Memo1; }
    void focusCardMemo() override;
    QWidget& mainWidget() override { return *this; }

    /// The cards, to read.
    const CardCollection& cards() const noexcept { return m_box.cards(); }
    /// The card box's font as the settings describe it.
    const CardFont& cardFont() const noexcept { return m_cardFont; }

public Q_SLOTS:
    // --- Handlers, in menu order ---
    void Setfont1Click();
    void Print1Click();
    void Setup1Click();
    void AlwaysonTop1Click();
    void Exit1Click();
    void Add1Click();
    void Delete1Click();
    void CompleteEntry1Click();
    void Abort1Click();
    void Search1Click();
    void List1Click();
    void SpeedButton6Click(); // cut
    void SpeedButton7Click(); // copy
    void SpeedButton8Click(); // paste
    void PrintEnvelope1Click();
    void PrintLabel1Click();
    void PrintAddressBook1Click();
    void PrintCard1Click();
    void PrintaLabel1Click();
    void PrintanEnvelope1Click();
    void ReturnAddress1Click();
    void Index1Click();
    void About1Click();
    void SpeedButton2Click(); // page back
    void SpeedButton3Click(); // page forward
    void SpeedButton4Click(); // move back
    void SpeedButton5Click(); // move forward

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void TabbedNotebook1Change(int NewTab, bool& AllowChange);
    void TabSet1Change(int NewTab, bool& AllowChange);
    void FormCreate();
    void FormActivate();
    void FormResize();
    void FormClose();

    // --- The card box (module state) ---
    /// Tab about to become selected during a notebook change, else -1.
    int PendingPageIndex = -1;
    /// True when an alphabet tab change comes from the user.
    bool AlphaTabArmed = false;
    /// True while the window is in normal stacking.
    bool NotOnTop = true;

    // --- View operations ---
    void showcard();
    void newcarderror();
    /// Writes window, font and last card to the settings (skipped while
    /// starting up). Returns false when the write failed (already reported).
    bool writeinifile();
    /// Sets Label1 to "%d cards".
    void showCount();

    // --- Widgets, by their names ---
    TabbedNotebook* TabbedNotebook1 = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel3 = nullptr;
    CardMemo* Memo1 = nullptr;
    GuardedTabBar* TabSet1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QToolButton* SpeedButton9 = nullptr;
    QToolButton* SpeedButton10 = nullptr;
    QToolButton* SpeedButton12 = nullptr;
    QToolButton* SpeedButton13 = nullptr;
    QToolButton* SpeedButton14 = nullptr;

    // --- Menu ---
    QMenu* Main1 = nullptr;
    QAction* Setfont1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* PrintSetup1 = nullptr;
    QAction* AlwaysonTop1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Cards1 = nullptr;
    QAction* Add1 = nullptr;
    QAction* Delete1 = nullptr;
    QAction* CompleteEntry1 = nullptr;
    QAction* Abort1 = nullptr;
    QAction* Search1 = nullptr;
    QAction* List1 = nullptr;
    QMenu* Edit1 = nullptr;
    QAction* Cut1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Paste1 = nullptr;
    QMenu* Print2 = nullptr;
    QAction* Setup1 = nullptr;
    QAction* PrintEnvelope1 = nullptr;
    QAction* PrintLabel1 = nullptr;
    QAction* PrintAddressBook1 = nullptr;
    QAction* PrintCard1 = nullptr;
    QAction* PrintaLabel1 = nullptr;
    QAction* PrintanEnvelope1 = nullptr;
    QAction* ReturnAddress1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* Index1 = nullptr;
    QAction* About1 = nullptr;

    void createWidgets();
    void createMenus();
    void createToolButtons();
    void connectHandlers();
    void setNewCardMenus(bool enabled);
    void placeAsDesigned();

    /// The outer frame's position and size as the settings store them.
    WindowPlacement framePlacement() const;
    /// framePlacement() with the frame size last asked for, before the
    /// window manager has framed the window.
    WindowPlacement framePlacementWanted() const;
    void applyFramePlacement(const WindowPlacement& placement);
    void correctFrameSize();
    void applyCardFont();
    /// Selects `stock` in the label dialog, gives it `text` and shows it.
    void openLabelDialog(LabelStock stock, const std::string& text);

    void reportCardFileLoad(const CardFileLoad& load);
    /// Saves the cards; on failure offers to retry, to save elsewhere or to
    /// discard, until one of them has happened.
    void saveCardsAtClose();
    /// Stores the pending edit, then takes the step when there are cards
    /// enough for it.
    void moveBy(Step step);
    void focusWindowChanged(QWindow* window);

    AppContext& m_app;
    WindowRegistry& m_windows;
    CardBox m_box;
    CardFile m_cardFile;
    CardFont m_cardFont;
    QSize m_wantedFrameSize;
    bool m_frameCorrectionPending = false;
    QSize m_lastResizeSize;
    bool m_activatedOnce = false;
    bool m_closed = false;
    QPointer<QWindow> m_focusWindow;
    /// Reading at start, on other threads; declared last so that they are
    /// waited for before anything they write is destroyed.
    std::future<CardFileLoad> m_cardsReading;
    std::future<std::vector<ToolPicture>> m_picturesReading;
};

} // namespace quillbox
