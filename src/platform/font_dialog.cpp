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
    {"Black", 0x000000},
    {"Maroon", 0x800000},
    {"Green", 0x008000},
    {"Olive", 0x808000},
    {"Navy", 0x000080},
    {"Purple", 0x800080},
    {"Teal", 0x008080},
    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0},
    {"Red", 0xFF0000},
    {"Lime", 0x00FF00},
    {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},
    {"Fuchsia", 0xFF00FF},
    {"Aqua", 0x00FFFF},
    {"White", 0xFFFFFF},
}};

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
    setWindowTitle(QStringLiteral("Font"));

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
    m_fonts->setAccessibleName(QStringLiteral("Font"));

    m_colors = new QComboBox(this);
    m_colors->setObjectName(QStringLiteral("colorBox"));
    m_colors->setAccessibleName(QStringLiteral("Color"));
    for (const NamedColor& c : classicColors) {
        const QColor color = QColor::fromRgb(c.rgb);
        m_colors->addItem(swatch(color), QLatin1String(c.name), color);
    }
    selectColor(initial.color.isValid() ? initial.color : QColor(Qt::black));
    connect(m_colors, &QComboBox::currentIndexChanged, this, &FontColorDialog::showColorInSample);
    showColorInSample();
    auto* colorLabel = new QLabel(QStringLiteral("&Color:"), this);
    colorLabel->setBuddy(m_colors);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("Cancel"));
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
    m_colors->addItem(swatch(color), QStringLiteral("Custom"), color);
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
