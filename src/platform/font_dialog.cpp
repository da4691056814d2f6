// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/font_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace quillbox {

namespace {

struct NamedColor {
    const char* name;
    QRgb rgb;
};

// The sixteen colours of the classic font dialog, in its order.
constexpr std::array<NamedColor, 16> classicColors {{
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Black"), 0x000000},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Maroon"), 0x800000},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Green"), 0x008000},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Olive"), 0x808000},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Navy"), 0x000080},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Teal"), 0x008080},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Silver"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Red"), 0xFF0000},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Lime"), 0x00FF00},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Yellow"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Blue"), 0x0000FF},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "Aqua"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("quillbox::FontColorDialog", "White"), 0xFFFFFF},
}};

// The texts of Qt's own chooser and buttons, translated in Qt's contexts
// by the program's translations (Qt's are not installed with it).
[[maybe_unused]] constexpr const char* QtTexts[] = {
    QT_TRANSLATE_NOOP("QFontDialog", "&Font"),
    QT_TRANSLATE_NOOP("QFontDialog", "Font st&yle"),
    QT_TRANSLATE_NOOP("QFontDialog", "&Size"),
    QT_TRANSLATE_NOOP("QFontDialog", "Effects"),
    QT_TRANSLATE_NOOP("QFontDialog", "Stri&keout"),
    QT_TRANSLATE_NOOP("QFontDialog", "&Underline"),
    QT_TRANSLATE_NOOP("QFontDialog", "Sample"),
    QT_TRANSLATE_NOOP("QFontDialog", "Wr&iting System"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
};

QIcon swatch(const QColor& color)
{
    QPixmap pixmap(24, 12);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

} // namespace

FontColorDialog::FontColorDialog(const FontChoice& initial, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FontDialog1"));
    setWindowTitle(tr("Font"));

    // Qt's chooser has no colour: it is embedded as a plain widget and the
    // colour box goes beside its effects.
    m_fonts = new QFontDialog(this);
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    // A face the program names through a substitute ("System", "MS Sans
    // Serif") is not in the list: the dialog shows the face that draws it,
    // and unless the user picks another face the answer keeps the name.
    m_initialFamily = initial.font.family();
    m_shownFamily = QFontInfo(initial.font).family();
    QFont shown = initial.font;
    shown.setFamily(m_shownFamily);
    m_fonts->setCurrentFont(shown);
    for (QGroupBox* group : m_fonts->findChildren<QGroupBox*>()) {
        if (auto* sample = group->findChild<QLineEdit*>())
            m_sample = sample;
    }
    m_fonts->setAccessibleName(tr("Font"));

    m_colors = new QComboBox(this);
    m_colors->setObjectName(QStringLiteral("colorBox"));
    m_colors->setAccessibleName(tr("Color"));
    for (const NamedColor& c : classicColors) {
        const QColor color = QColor::fromRgb(c.rgb);
        m_colors->addItem(swatch(color), tr(c.name), color);
    }
    selectColor(initial.color.isValid() ? initial.color : QColor(Qt::black));
    connect(m_colors, &QComboBox::currentIndexChanged, this, &FontColorDialog::showColorInSample);
    showColorInSample();
    auto* colorLabel = new QLabel(tr("&Color:"), this);
    colorLabel->setBuddy(m_colors);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(m_colors);
    colorRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colorRow);
    layout->addWidget(m_buttons);
    m_fonts->setVisible(true);
}

void FontColorDialog::selectColor(const QColor& color)
{
    for (int i = 0; i < m_colors->count(); ++i) {
        if (m_colors->itemData(i).value<QColor>().rgb() == color.rgb()) {
            m_colors->setCurrentIndex(i);
            return;
        }
    }
    m_colors->addItem(swatch(color), tr("Custom"), color);
    m_colors->setCurrentIndex(m_colors->count() - 1);
}

FontChoice FontColorDialog::choice() const
{
    QFont font = m_fonts->currentFont();
    if (font.family() == m_shownFamily)
        font.setFamily(m_initialFamily);
    return FontChoice {font, m_colors->currentData().value<QColor>()};
}

void FontColorDialog::showColorInSample()
{
    if (!m_sample)
        return;
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::Text, m_colors->currentData().value<QColor>());
    m_sample->setPalette(palette);
}

std::optional<FontChoice> QtFontChooser::chooseFont(QWidget* parent, const FontChoice& initial)
{
    FontColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace quillbox
