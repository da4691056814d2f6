// The about box.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quillbox {
struct AppContext;

class TAboutBox1 : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox1(AppContext& app, QWidget* parent = nullptr);

    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Comments = nullptr;
    QPushButton* OKButton = nullptr;

private:
    AppContext& m_app;
};

}  // namespace quillbox
