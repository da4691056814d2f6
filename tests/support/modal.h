// SPDX-License-Identifier: GPL-3.0-or-later
// Answers a modal window from inside its own event loop: the action runs as
// soon as a modal widget is up (polled, so it also works when the window is
// opened later in the same call).
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace quillbox::test {

/// Runs `action` on the next modal widget that appears, within `timeoutMs`.
/// Gives up silently after the timeout (the test then hangs on the box only
/// if nothing else closes it, so callers should assert on what they saw).
inline void onNextModal(std::function<void(QWidget*)> action, int timeoutMs = 5000)
{
    auto* timer = new QTimer(qApp);
    auto remaining = std::make_shared<int>(timeoutMs / 10);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, qApp, [timer, remaining, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            if (--*remaining <= 0)
                timer->deleteLater();
            return;
        }
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

} // namespace quillbox::test
