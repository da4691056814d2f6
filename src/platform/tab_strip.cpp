// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tab_strip.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QWheelEvent>
#include <algorithm>

namespace quillbox {

namespace {

// Returns +1 / -1 for the keys that step through tabs, 0 for others.
int stepForKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            return -1;
        case Qt::Key_Right:
        case Qt::Key_Down:
            return 1;
        default:
            return 0;
        }
    }
    if (mods == Qt::ControlModifier && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown))
        return 1;
    if ((mods == (Qt::ControlModifier | Qt::ShiftModifier) && event->key() == Qt::Key_Backtab)
        || (mods == Qt::ControlModifier && event->key() == Qt::Key_PageUp))
        return -1;
    return 0;
}

/// The notebook's tab row: every tab an equal share of the notebook's width,
/// its caption drawn from the left and cut at the tab's right edge.
class NotebookTabBar final : public GuardedTabBar {
public:
    NotebookTabBar(int tabsPerRow, QWidget* notebook)
        : GuardedTabBar(notebook)
        , m_tabsPerRow(std::max(1, tabsPerRow))
    {
        setExpanding(false);
        setUsesScrollButtons(false);
        setElideMode(Qt::ElideNone);
    }

    /// Lays the tabs out again for a new notebook width.
    void rowWidthChanged() { setIconSize(iconSize()); }

protected:
    QSize tabSizeHint(int index) const override
    {
        const QWidget* notebook = parentWidget();
        const int row = notebook ? notebook->width() : width();
        const int share = row / m_tabsPerRow + (index % m_tabsPerRow < row % m_tabsPerRow ? 1 : 0);
        return QSize(std::max(1, share), QTabBar::tabSizeHint(index).height());
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        const int selected = currentIndex();
        for (int i = 0; i < count(); ++i) {
            if (i != selected)
                paintTab(painter, i);
        }
        // The selected tab overlaps its neighbours, so it comes last.
        if (selected >= 0)
            paintTab(painter, selected);
    }

private:
    void paintTab(QStylePainter& painter, int index) const
    {
        QStyleOptionTab option;
        initStyleOption(&option, index);
        painter.drawControl(QStyle::CE_TabBarTabShape, option);
        const QRect inside = option.rect.adjusted(4, 0, -2, 0);
        if (inside.width() <= 0)
            return;
        painter.save();
        painter.setClipRect(inside);
        // TextShowMnemonic only to draw the doubled "&" as one: the captions
        // carry no access keys.
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
        painter.drawItemText(inside, flags, option.palette, option.state & QStyle::State_Enabled, option.text,
            QPalette::WindowText);
        painter.restore();
        if ((option.state & QStyle::State_HasFocus) && index == currentIndex()) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.rect = inside.adjusted(-1, 2, 0, -2);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

    int m_tabsPerRow;
};

QString escapedAmpersands(QString text)
{
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return text;
}

} // namespace

GuardedTabBar::GuardedTabBar(QWidget* parent)
    : QTabBar(parent)
{
    setMovable(false);
    setTabsClosable(false);
    // The changes the handler refuses would otherwise be undone visibly.
    setChangeCurrentOnDrag(false);
    connect(this, &QTabBar::currentChanged, this, &GuardedTabBar::onCurrentChanged);
}

int GuardedTabBar::previousTab(int index) const
{
    const int n = count();
    if (n == 0)
        return -1;
    return index <= 0 ? n - 1 : index - 1;
}

int GuardedTabBar::nextTab(int index) const
{
    const int n = count();
    if (n == 0)
        return -1;
    return index < 0 || index >= n - 1 ? 0 : index + 1;
}

bool GuardedTabBar::selectTab(int index)
{
    if (index < 0 || index >= count() || index == currentIndex())
        return false;
    bool allow = true;
    if (m_handler)
        m_handler(index, allow);
    // The handler may have changed the tabs (or chosen this tab itself).
    if (!allow || index >= count() || index == currentIndex())
        return false;
    m_settingIndex = true;
    setCurrentIndex(index);
    m_settingIndex = false;
    m_lastIndex = currentIndex();
    m_lastCount = count();
    return currentIndex() == index;
}

void GuardedTabBar::onCurrentChanged(int index)
{
    if (m_settingIndex || count() != m_lastCount || m_lastIndex < 0 || m_lastIndex >= count()) {
        // Ours, or Qt adjusting the index while tabs come and go.
        m_lastIndex = index;
        m_lastCount = count();
        return;
    }
    if (index == m_lastIndex)
        return;
    const int wanted = index;
    m_settingIndex = true;
    setCurrentIndex(m_lastIndex);
    m_settingIndex = false;
    selectTab(wanted);
}

bool GuardedTabBar::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        // A mnemonic in a caption: route it through the handler like a click.
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        for (int i = 0; i < count(); ++i) {
            if (QKeySequence::mnemonic(tabText(i)) == shortcut->key()) {
                selectTab(i);
                return true;
            }
        }
        return true;
    }
    return QTabBar::event(event);
}

void GuardedTabBar::mousePressEvent(QMouseEvent* event)
{
    // The press is handled here in full: QTabBar's own handling would change
    // the tab at once and remember a pressed tab, which a modal box opened by
    // the handler would leave behind.
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    selectTab(tabAt(event->position().toPoint()));
}

void GuardedTabBar::mouseReleaseEvent(QMouseEvent* event)
{
    // Some styles select on release; the press has already decided.
    event->accept();
}

void GuardedTabBar::keyPressEvent(QKeyEvent* event)
{
    const int step = stepForKey(event);
    if (step == 0) {
        QTabBar::keyPressEvent(event);
        return;
    }
    event->accept();
    selectTab(step < 0 ? previousTab(currentIndex()) : nextTab(currentIndex()));
}

void GuardedTabBar::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

void GuardedTabBar::tabInserted(int index)
{
    QTabBar::tabInserted(index);
    m_lastIndex = currentIndex();
    m_lastCount = count();
}

void GuardedTabBar::tabRemoved(int index)
{
    QTabBar::tabRemoved(index);
    m_lastIndex = currentIndex();
    m_lastCount = count();
}

TabbedNotebook::TabbedNotebook(int pages, QWidget* parent)
    : QTabWidget(parent)
    , m_bar(new NotebookTabBar(pages, this))
{
    setTabBar(m_bar);
    for (int i = 0; i < pages; ++i)
        addTab(new QWidget(this), QString());
}

void TabbedNotebook::setPageCaption(int index, const QString& caption)
{
    // Doubled, an "&" shows as itself and makes no access key that could
    // take Alt+letter from the menus.
    setTabText(index, escapedAmpersands(caption));
}

QString TabbedNotebook::pageCaption(int index) const
{
    QString text = tabText(index);
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return text;
}

void TabbedNotebook::resizeEvent(QResizeEvent* event)
{
    static_cast<NotebookTabBar*>(m_bar)->rowWidthChanged();
    QTabWidget::resizeEvent(event);
}

void TabbedNotebook::keyPressEvent(QKeyEvent* event)
{
    // QTabWidget would switch pages for Ctrl+Tab by itself.
    const int step = stepForKey(event);
    if (step == 0) {
        QTabWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    m_bar->selectTab(step < 0 ? m_bar->previousTab(currentIndex()) : m_bar->nextTab(currentIndex()));
}

} // namespace quillbox
