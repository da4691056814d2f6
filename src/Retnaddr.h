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

    CardMemo* Memo1 = nullptr;  // instructions
    CardMemo* Memo2 = nullptr;  // the address
    QToolButton* SpeedButton1 = nullptr;

    void FormActivate();
    void SpeedButton1Click();

private:
    AppContext& m_app;
};

}  // namespace quillbox
