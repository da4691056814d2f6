// The search window: finds the first and the next card holding a text.
#pragma once

#include "core/card_table.h"

#include <QWidget>
#include <optional>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillbox {
struct AppContext;

/// A card holding the search text, and where in its stored text the first
/// occurrence begins (bytes from the start of the card).
struct SearchHit {
    int card = 0;
    int offset = 0;
};

/// The first card from `first` to CardCount whose stored text holds `text`
/// as a contiguous run of bytes (case matters); nullopt when there is none,
/// when `text` is empty or when `first` is past the last card.
std::optional<SearchHit> findCardContaining(const CardCollection& cards, std::string_view text, int first);

/// Position in the card box's text of byte `offset` of a stored card text.
/// The box holds every line break as CR LF, so a lone CR or LF in the
/// stored text (possible only from a foreign card file) counts two there.
int memoPosition(std::string_view stored, int offset);

class TForm4 : public QWidget {
    Q_OBJECT
public:
    /// Runs FormCreate, which places the window over the main window's
    /// lower part; the main window must exist and be placed.
    explicit TForm4(AppContext& app, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;

    void FormCreate();
    void BitBtn1Click(); // Find First
    void BitBtn2Click(); // Find Next
    void BitBtn3Click(); // Cancel

protected:
    /// Enter presses Find First (or the focused button), Escape cancels.
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// Find First (from card 1) or Find Next (from CurrentCard + 1): stores
    /// the pending edit, then shows the first card holding the search text
    /// with the text selected; else the not-found warning. Refused with the
    /// new-card message while a new card is being entered.
    void find(bool next);
    void notFound();

    AppContext& m_app;
};

} // namespace quillbox
