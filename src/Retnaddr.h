// SPDX-License-Identifier: GPL-3.0-or-later
// The return address dialog: four lines that envelopes carry.
#pragma once

#include <QDialog>

class QToolButton;

namespace quillbox {
struct AppContext;
class CardMemo;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(AppContext& app, QWidget* parent = nullptr);

    /// Runs at each opening: the entry box gets the four kept lines, joined
    /// by CR LF, replacing whatever an earlier opening left there.
    void FormActivate();
    /// Keeps the entry box's first four display lines (wrapped pieces count
    /// as lines; missing lines are empty) in ReturnAddressLines, then writes
    /// them to the settings file. On success the dialog closes; on failure
    /// the error is shown and the dialog stays open, the lines already kept
    /// in memory.
    void SpeedButton1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    CardMemo* Memo1 = nullptr; // instructions
    CardMemo* Memo2 = nullptr; // the address
    QToolButton* SpeedButton1 = nullptr;

    AppContext& m_app;
};

} // namespace quillbox
