// SPDX-License-Identifier: GPL-3.0-or-later
// The search window: finds the first and the next card holding a text.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillbox {
struct AppContext;
class CardWindow;

class TForm4 : public QWidget {
    Q_OBJECT
public:
    /// Runs FormCreate, which places the window over the lower part of the
    /// main window as start-up placed it (app.mainPlacementAtStart).
    /// `main` is the main window, whose cards are searched.
    TForm4(AppContext& app, CardWindow& main, QWidget* parent = nullptr);

    void FormCreate();
    void BitBtn1Click(); // Find First
    void BitBtn2Click(); // Find Next
    void BitBtn3Click(); // Cancel

protected:
    /// Enter presses Find First (or the focused button), Escape cancels.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;

    /// Find First (from card 1) or Find Next (from CurrentCard + 1): stores
    /// the pending edit, then shows the first card holding the search text
    /// with the text selected; else the not-found warning. Refused with the
    /// new-card message while a new card is being entered.
    void find(bool next);
    void notFound();

    AppContext& m_app;
    CardWindow& m_main;
};

} // namespace quillbox
