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
    /// Returns true when the selection changed. Selecting the current tab
    /// does nothing.
    bool selectTab(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    TabChangeHandler m_handler;
};

/// The four-tab notebook: a tab row over a page frame; the pages are empty
/// (the card and its controls lie above the notebook, not on its pages).
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
    void setPageCaption(int index, const QString& caption) { setTabText(index, caption); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    GuardedTabBar* m_bar;
};

}  // namespace quillbox
