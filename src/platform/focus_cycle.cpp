// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/focus_cycle.h"

#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace quillbox {

namespace {

class FocusCycle final : public QObject {
public:
    FocusCycle(const std::vector<QWidget*>& order, QObject* parent)
        : QObject(parent)
    {
        for (QWidget* w : order)
            m_order.emplace_back(w);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
        if (mods != Qt::NoModifier)
            return false;
        int step = 0;
        if (key->key() == Qt::Key_Backtab
            || (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier)))
            step = -1;
        else if (key->key() == Qt::Key_Tab)
            step = 1;
        if (step == 0)
            return false;
        const int n = static_cast<int>(m_order.size());
        int at = -1;
        for (int i = 0; i < n; ++i) {
            if (m_order[std::size_t(i)] == watched)
                at = i;
        }
        if (at < 0)
            return false;
        for (int k = 1; k < n; ++k) {
            QWidget* next = m_order[std::size_t((at + step * k + n * k) % n)];
            if (next && next->isVisible() && next->isEnabled()) {
                next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
        }
        return true;
    }

private:
    std::vector<QPointer<QWidget>> m_order;
};

} // namespace

void cycleFocusOnTab(const std::vector<QWidget*>& order)
{
    if (order.empty() || order.front() == nullptr)
        return;
    auto* cycle = new FocusCycle(order, order.front());
    for (QWidget* w : order) {
        if (w)
            w->installEventFilter(cycle);
    }
}

} // namespace quillbox
