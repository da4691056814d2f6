// The card list: the first line of every card; choosing a row shows it.
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QToolButton;

namespace quillbox {
struct AppContext;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(AppContext& app, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QListWidget* ListBox1 = nullptr;

    void ListBox1Click();
    void FormDeactivate();
    void SpeedButton1Click();

private:
    AppContext& m_app;
};

}  // namespace quillbox
