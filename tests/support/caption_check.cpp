// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/caption_check.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QToolButton>
#include <algorithm>
#include <functional>

namespace quillbox::test {

namespace {

/// The caption as drawn: "&&" is an ampersand, a lone "&" marks the
/// accelerator and is not shown.
QString shown(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

/// The widest line of `text` in `metrics`.
int advance(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

struct Caption {
    QWidget* widget = nullptr;
    QString text; ///< as written, with accelerator marks
    int room = 0; ///< pixels the text has across; -1 when not measured
};

/// The room a button's text has: its contents rectangle, less the icon.
int buttonRoom(QAbstractButton* button, QStyle::SubElement element, const QStyleOptionButton& option)
{
    const QRect contents = button->style()->subElementRect(element, &option, button);
    int room = contents.width();
    if (!button->icon().isNull())
        room -= button->iconSize().width() + 4;
    return room;
}

std::vector<Caption> captions(const QWidget& window)
{
    std::vector<Caption> out;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(const_cast<QWidget*>(&window));
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(&window) && w != &window)
            continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty() || label->textFormat() == Qt::RichText || !label->pixmap().isNull())
                continue;
            // A label that wraps takes as many lines as it needs.
            const int margin = 2 * label->margin() + std::max(0, label->indent());
            out.push_back(
                {w, label->text(), label->wordWrap() ? -1 : label->contentsRect().width() - margin});
        } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
            QStyleOptionButton option;
            option.initFrom(check);
            option.text = check->text();
            option.icon = check->icon();
            option.iconSize = check->iconSize();
            out.push_back({w, check->text(), buttonRoom(check, QStyle::SE_CheckBoxContents, option)});
        } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(radio);
            option.text = radio->text();
            option.icon = radio->icon();
            option.iconSize = radio->iconSize();
            out.push_back({w, radio->text(), buttonRoom(radio, QStyle::SE_RadioButtonContents, option)});
        } else if (auto* push = qobject_cast<QPushButton*>(w)) {
            if (push->text().isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(push);
            option.text = push->text();
            option.icon = push->icon();
            option.iconSize = push->iconSize();
            out.push_back({w, push->text(), buttonRoom(push, QStyle::SE_PushButtonContents, option)});
        } else if (auto* tool = qobject_cast<QToolButton*>(w)) {
            if (tool->text().isEmpty() || tool->toolButtonStyle() == Qt::ToolButtonIconOnly
                || (tool->toolButtonStyle() == Qt::ToolButtonFollowStyle && !tool->icon().isNull()))
                continue;
            out.push_back({w, tool->text(), tool->contentsRect().width()});
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            if (group->title().isEmpty())
                continue;
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            // The frame leaves the title the box's width less its indent
            // on each side.
            const QRect title = group->style()->subControlRect(
                QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
            const int indent = std::max(0, title.left());
            out.push_back({w, group->title(), group->width() - 2 * indent});
        }
    }
    return out;
}

QString nameOf(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

} // namespace

std::vector<CaptionFault> cutCaptions(const QWidget& window)
{
    std::vector<CaptionFault> faults;
    for (const Caption& c : captions(window)) {
        if (c.room < 0)
            continue;
        const QString text = shown(c.text);
        const int needs = advance(c.widget->fontMetrics(), text);
        if (needs > c.room) {
            faults.push_back(
                {nameOf(c.widget), text, QStringLiteral("needs %1 px, has %2 px").arg(needs).arg(c.room)});
        }
    }
    return faults;
}

std::vector<CaptionFault> misreadCaptions(const QWidget& window)
{
    std::vector<CaptionFault> faults;
    for (const Caption& c : captions(window)) {
        if (c.widget == &window)
            continue;
        const QString text = shown(c.text);
        const QString name = c.widget->accessibleName();
        // An unset name is the caption itself, as Qt reads it.
        if (!name.isEmpty() && name != text)
            faults.push_back({nameOf(c.widget), text, QStringLiteral("read as \"%1\"").arg(name)});
    }
    return faults;
}

QString describe(const std::vector<CaptionFault>& faults)
{
    QString out;
    for (const CaptionFault& f : faults)
        out += QStringLiteral("%1 \"%2\": %3\n").arg(f.widget, f.caption, f.fault);
    return out;
}

} // namespace quillbox::test
