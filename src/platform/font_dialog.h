// SPDX-License-Identifier: GPL-3.0-or-later
// The font dialog with colour, underline and strike-out choices.
#pragma once

#include "platform/dialogs.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QFontDialog;
class QLineEdit;

namespace quillbox {

/// One dialog for face, style, size, underline, strike-out and colour:
/// Qt's own font chooser (embedded, without its buttons) above a colour
/// box with the sixteen classic colours, and OK / Cancel.
class FontColorDialog final : public QDialog {
    Q_OBJECT
public:
    /// Starts from `initial`; a colour outside the sixteen is offered as an
    /// extra entry so that OK without a change keeps it.
    explicit FontColorDialog(const FontChoice& initial, QWidget* parent = nullptr);

    /// What the dialog holds now (the answer after OK). The face keeps the
    /// initial font's family name unless the user chose another face.
    FontChoice choice() const;

    QFontDialog* fontPane() const noexcept { return m_fonts; }
    QComboBox* colorBox() const noexcept { return m_colors; }
    QDialogButtonBox* buttonBox() const noexcept { return m_buttons; }

private:
    void selectColor(const QColor& color);
    void showColorInSample();

    QFontDialog* m_fonts = nullptr;
    QComboBox* m_colors = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    QLineEdit* m_sample = nullptr;
    QString m_initialFamily;
    QString m_shownFamily;
};

/// The real font chooser: runs a FontColorDialog modally.
class QtFontChooser final : public FontChooser {
public:
    /// The dialog's choice after OK; nullopt after Cancel or the close box.
    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) override;
};

} // namespace quillbox
