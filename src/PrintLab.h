// The label and envelope dialog.
#pragma once

#include <QDialog>

namespace quillbox {
struct AppContext;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(AppContext& app, QWidget* parent = nullptr);

private:
    AppContext& m_app;
};

} // namespace quillbox
