#include "platform/tab_strip.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QWheelEvent>

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
    , m_bar(new GuardedTabBar(this))
{
    setTabBar(m_bar);
    for (int i = 0; i < pages; ++i)
        addTab(new QWidget(this), QString());
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
