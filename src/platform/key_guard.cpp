// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/key_guard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace quillbox {

namespace {

constexpr const char* GuardName = "quillboxTypingGuard";

bool isTextBox(const QObject* object)
{
    if (!object->isWidgetType())
        return false;
    const auto* widget = static_cast<const QWidget*>(object);
    // Every widget that takes typed text takes input-method text too; a
    // read-only text edit gives that up.
    return widget->testAttribute(Qt::WA_InputMethodEnabled);
}

class TypingGuard final : public QObject {
public:
    explicit TypingGuard(QObject* parent)
        : QObject(parent)
    {
        setObjectName(QLatin1String(GuardName));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !isTextBox(watched))
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!isCommandKeyWithText(*key))
            return false;
        // The same key without its text: the box still sees Ctrl+C and the
        // like, and an unknown combination goes on to the window as usual.
        QKeyEvent silent(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
            key->nativeVirtualKey(), key->nativeModifiers(), QString(), key->isAutoRepeat(),
            static_cast<quint16>(key->count()), key->device());
        QCoreApplication::sendEvent(watched, &silent);
        key->setAccepted(silent.isAccepted());
        return true;
    }
};

} // namespace

bool isCommandKeyWithText(const QKeyEvent& event)
{
    if (event.text().isEmpty())
        return false;
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (mods & Qt::GroupSwitchModifier)
        return false;
    const Qt::KeyboardModifiers command = mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (command == Qt::NoModifier || command == (Qt::ControlModifier | Qt::AltModifier))
        return false;
    return true;
}

void installTypingGuard(QObject* target)
{
    if (target == nullptr
        || target->findChild<TypingGuard*>(QLatin1String(GuardName), Qt::FindDirectChildrenOnly))
        return;
    target->installEventFilter(new TypingGuard(target));
}

} // namespace quillbox
