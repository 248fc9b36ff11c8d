// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/kit/MenuShortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace
{
bool IsClipboardKey(const QKeyEvent* key)
{
    return key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Paste);
}

bool IsWindowShortcut(const QWidget* window, const QKeySequence& keys)
{
    for (const QAction* action : window->findChildren<QAction*>())
        if (action->isEnabled() && action->shortcuts().contains(keys))
            return true;
    return false;
}
} // namespace

TMenuShortcuts::TMenuShortcuts(QWidget* window) : QObject(window), Window(window) {}

void TMenuShortcuts::Install(QWidget* window)
{
    qApp->installEventFilter(new TMenuShortcuts(window));
}

bool TMenuShortcuts::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride || !Window)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!(key->modifiers() & Qt::ControlModifier) || !widget || widget->window() != Window)
        return false;
    if (IsClipboardKey(key))
        return false;
    if (!IsWindowShortcut(Window, QKeySequence(key->keyCombination())))
        return false;
    // Not claimed: the shortcut goes to the menu entry.
    event->ignore();
    return true;
}
