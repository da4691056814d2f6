// SPDX-License-Identifier: GPL-3.0-or-later
// Tab strips that ask before they change: the handler runs before the
// selection moves and may refuse, for clicks, arrow keys and changes made
// from code alike. (QTabBar itself only reports after the fact.)
#pragma once

#include <QTabBar>
#include <QTabWidget>
#include <functional>

namespace quillbox {

/// Runs before a change to `newTab`; set `allowChange` to false to keep the
/// current tab.
using TabChangeHandler = std::function<void(int newTab, bool& allowChange)>;

class GuardedTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit GuardedTabBar(QWidget* parent = nullptr);

    void setChangeHandler(TabChangeHandler handler) { m_handler = std::move(handler); }
    /// Selects `index` through the change handler, as a click would.
    /// Returns true when the selection changed. Selecting the current tab,
    /// or an index that is no tab, does nothing (the handler is not called).
    bool selectTab(int index);
    /// The tab before / after `index`, wrapping at either end.
    int previousTab(int index) const;
    int nextTab(int index) const;

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void tabInserted(int index) override;
    void tabRemoved(int index) override;

private:
    // Changes that reach QTabBar::setCurrentIndex without passing selectTab
    // (accessibility actions, QTabWidget::setCurrentIndex) are put back and
    // then offered to the handler.
    void onCurrentChanged(int index);

    TabChangeHandler m_handler;
    bool m_settingIndex = false;
    int m_lastIndex = -1;
    int m_lastCount = 0;
};

/// The four-tab notebook: a tab row over a page frame; the pages are empty
/// (the card and its controls lie above the notebook, not on its pages).
/// The tabs stand in one row, each an equal share of the notebook's width
/// whatever its caption; a caption is drawn from the tab's left and cut at
/// its right edge, and there are never scroll arrows. Captions are shown as
/// they stand: an "&" is a character, never an access key.
/// Arrow keys and Ctrl+Tab step through the tabs via the change handler,
/// wrapping at either end. Select pages with setPageIndex(), not
/// setCurrentIndex().
class TabbedNotebook : public QTabWidget {
    Q_OBJECT
public:
    explicit TabbedNotebook(int pages, QWidget* parent = nullptr);

    GuardedTabBar* guardedTabBar() const noexcept { return m_bar; }
    void setChangeHandler(TabChangeHandler handler) { m_bar->setChangeHandler(std::move(handler)); }
    /// Selected page index.
    int PageIndex() const { return currentIndex(); }
    /// Selects a page through the change handler.
    bool setPageIndex(int index) { return m_bar->selectTab(index); }
    /// Sets a caption, every character shown as it stands.
    void setPageCaption(int index, const QString& caption);
    /// The caption as set by setPageCaption().
    QString pageCaption(int index) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    GuardedTabBar* m_bar;
};

} // namespace quillbox
