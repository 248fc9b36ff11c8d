// SPDX-License-Identifier: GPL-3.0-or-later
// Base of the editor child windows that live in the main window's document area.
#pragma once

#include <QWidget>

class TEditorWindow : public QWidget
{
    Q_OBJECT
  public:
    using QWidget::QWidget;
    // Decodes the window's fields from the image again (RefreshViews 0, 1, 2, 3 reach the windows that care).
    virtual void Reload() {}
    // Reloads one channel's part of the window (RefreshViews 0 on the channel table).
    virtual void ReloadChannel(int /*channel*/) {}
    // Hides in-place lists and ends an edit in progress; the main window calls it before every command.
    virtual void FormDeactivate() {}
};
