// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/font_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace quillbox {
namespace {

QCheckBox* effectBox(const FontColorDialog& dialog, const QString& word)
{
    for (QCheckBox* box : dialog.fontPane()->findChildren<QCheckBox*>()) {
        if (box->text().remove(QLatin1Char('&')).contains(word, Qt::CaseInsensitive))
            return box;
    }
    return nullptr;
}

void selectColor(const FontColorDialog& dialog, const QString& name)
{
    const int index = dialog.colorBox()->findText(name);
    ASSERT_GE(index, 0) << name.toStdString();
    dialog.colorBox()->setCurrentIndex(index);
}

FontChoice plainInitial()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(10);
    return FontChoice {font, QColor(Qt::black)};
}

TEST(FontColorDialog, ChoosingRedAndUnderlineThroughItsWidgets)
{
    FontColorDialog dialog(plainInitial());
    QCheckBox* underline = effectBox(dialog, QStringLiteral("Underline"));
    ASSERT_NE(underline, nullptr);
    underline->click();
    selectColor(dialog, QStringLiteral("Red"));
    dialog.buttonBox()->button(QDialogButtonBox::Ok)->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const FontChoice choice = dialog.choice();
    EXPECT_TRUE(choice.font.underline());
    EXPECT_FALSE(choice.font.strikeOut());
    EXPECT_EQ(choice.color, QColor(255, 0, 0));
}

TEST(FontColorDialog, StartsFromTheInitialFontAndColour)
{
    FontChoice initial = plainInitial();
    initial.font.setStrikeOut(true);
    initial.font.setBold(true);
    initial.color = QColor(0, 0, 128);
    FontColorDialog dialog(initial);
    EXPECT_EQ(dialog.colorBox()->currentText(), QStringLiteral("Navy"));
    QCheckBox* strikeOut = effectBox(dialog, QStringLiteral("Strikeout"));
    ASSERT_NE(strikeOut, nullptr);
    EXPECT_TRUE(strikeOut->isChecked());
    const FontChoice unchanged = dialog.choice();
    EXPECT_TRUE(unchanged.font.strikeOut());
    EXPECT_TRUE(unchanged.font.bold());
    EXPECT_EQ(unchanged.font.pointSize(), 10);
    EXPECT_EQ(unchanged.color, initial.color);
}

TEST(FontColorDialog, KeepsAColourOutsideTheSixteen)
{
    FontChoice initial = plainInitial();
    initial.color = QColor(0x12, 0x34, 0x56);
    FontColorDialog dialog(initial);
    EXPECT_EQ(dialog.colorBox()->count(), 17);
    EXPECT_EQ(dialog.choice().color, initial.color);
}

TEST(FontColorDialog, AFaceNamedThroughASubstituteKeepsItsName)
{
    FontChoice initial = plainInitial();
    initial.font.setFamily(QStringLiteral("System"));
    FontColorDialog dialog(initial);
    effectBox(dialog, QStringLiteral("Strikeout"))->click();
    EXPECT_EQ(dialog.choice().font.family(), QStringLiteral("System"));
    EXPECT_TRUE(dialog.choice().font.strikeOut());
}

// Runs `act` on the modal font dialog once the chooser has opened it.
std::optional<FontChoice> chooseWith(const FontChoice& initial, std::function<void(FontColorDialog&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<FontColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
    QtFontChooser chooser;
    return chooser.chooseFont(nullptr, initial);
}

TEST(QtFontChooser, OkReturnsTheChoice)
{
    const auto choice = chooseWith(plainInitial(), [](FontColorDialog& dialog) {
        effectBox(dialog, QStringLiteral("Underline"))->click();
        selectColor(dialog, QStringLiteral("Red"));
        dialog.buttonBox()->button(QDialogButtonBox::Ok)->click();
    });
    ASSERT_TRUE(choice.has_value());
    EXPECT_TRUE(choice->font.underline());
    EXPECT_EQ(choice->color, QColor(Qt::red));
}

TEST(QtFontChooser, CancelReturnsNothing)
{
    const auto choice = chooseWith(plainInitial(), [](FontColorDialog& dialog) {
        selectColor(dialog, QStringLiteral("Red"));
        dialog.buttonBox()->button(QDialogButtonBox::Cancel)->click();
    });
    EXPECT_FALSE(choice.has_value());
}

} // namespace
} // namespace quillbox
