// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the program's help pages in a browser of our own.
#pragma once

#include "platform/help_viewer.h"

#include <QString>
#include <QUrl>
#include <QWidget>

class QObject;
class QPushButton;
class QTextBrowser;

namespace quillbox {

/// Resource address of the help index page.
QString helpIndexPage();
/// Resource address of the page for help context `context`; the index page
/// when the context is unknown (0 and negative numbers included).
QString helpPageFor(HelpTopic context);

/// A top-level window with a browser and Back, Forward and Index buttons.
/// Created hidden; each request shows, raises and activates it. Like a help
/// engine of its own, it stays usable while a box or dialog of the program
/// is modal: it follows the topmost modal window as that window's transient,
/// which modality does not block, and lets go when the window closes.
class HelpWindow final : public QWidget, public HelpViewer {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showIndex(QWidget* owner) override;
    void showContext(QWidget* owner, HelpTopic context) override;

    /// The page shown now (a qrc: address), empty before the first request.
    QUrl currentPage() const;
    QTextBrowser* browser() const noexcept { return m_browser; }
    QPushButton* backButton() const noexcept { return m_back; }
    QPushButton* forwardButton() const noexcept { return m_forward; }
    QPushButton* indexButton() const noexcept { return m_index; }

protected:
    bool event(QEvent* event) override;

private:
    void showPage(QWidget* owner, const QString& page);
    /// Becomes the transient of the topmost modal window, or of none.
    void followModalWindow();

    QTextBrowser* m_browser = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_forward = nullptr;
    QPushButton* m_index = nullptr;
    bool m_placed = false;
    QMetaObject::Connection m_modalHidden;
    QMetaObject::Connection m_modalGone;
};

/// Makes F1 open context help anywhere in the program: walks from the widget
/// receiving the key (the focus widget, else the active window) up to its
/// window and asks `help` for the first context found, a dynamic property
/// "helpContext" > 0 or a card box's own help context. When none is found
/// the key goes on as usual, so message boxes answer F1 themselves.
/// Returns the filter, owned by the application; delete it to uninstall.
/// `help` must outlive the filter.
QObject* installContextHelp(HelpViewer& help);

/// The help context that F1 on `widget` opens: the first one found from
/// `widget` up to its window, or HelpNone.
HelpTopic helpContextOf(const QWidget* widget);

} // namespace quillbox
