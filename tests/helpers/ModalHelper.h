// SPDX-License-Identifier: GPL-3.0-or-later
// Answers a modal dialog that a command is about to open: the action runs once the dialog is on screen.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Polls for the dialog for up to two seconds; a dialog of another kind, or none, is closed so that the test
// fails on its checks instead of waiting for a person.
template <class TDialog> void WhenModal(std::function<void(TDialog*)> action, int triesLeft = 200)
{
    QTimer::singleShot(10, [action, triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<TDialog*>(modal)) {
            action(dialog);
            return;
        }
        if (triesLeft > 0)
            return WhenModal<TDialog>(action, triesLeft - 1);
        if (modal)
            modal->close();
    });
}
