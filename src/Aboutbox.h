// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: the program's name and icon (the main window's), closed
// by OK. Modal, centred on the screen; F1 on it opens help context 6.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quillbox {

class TAboutBox1 : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox1(QWidget* parent = nullptr);

protected:
    /// Centres the box on the screen at each opening.
    void showEvent(QShowEvent* event) override;

private:
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Comments = nullptr;
    QPushButton* OKButton = nullptr;
};

} // namespace quillbox
