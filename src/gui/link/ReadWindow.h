// SPDX-License-Identifier: GPL-3.0-or-later
// The read window: copies the radio's memory into the image (command 20).
#pragma once

#include <QWidget>

#include "core/link/ReadEngine.h"
#include "gui/link/LinkWindow.h"

class TReadWindow : public TTransferWindow
{
    Q_OBJECT
  public:
    explicit TReadWindow(QWidget* parent = nullptr);
    // The read finished and the image was replaced; the main window then refreshes its views.
    bool Completed() const { return Engine->Completed(); }

  private:
    TReadEngine* Engine;
};
