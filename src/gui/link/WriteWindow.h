// SPDX-License-Identifier: GPL-3.0-or-later
// The write window: shows what the write will change against the newest backup of the radio, then sends
// image blocks 0 to 294 to the radio (command 21) and, with verify after write, reads them back.
#pragma once

#include <QWidget>

#include "core/link/WriteEngine.h"
#include "gui/link/LinkWindow.h"

class QLabel;
class QListWidget;

class TWriteWindow : public TTransferWindow
{
    Q_OBJECT
  public:
    explicit TWriteWindow(QWidget* parent = nullptr);
    // The last write attempt reached "Writing Completed." (and, with verify, read back as written).
    bool Succeeded() const { return Engine->Succeeded(); }
    // The last attempt was read back and every block held what was written.
    bool Verified() const { return Engine->Verified(); }
    // Closing after a write that stopped part-way warns that the radio holds a mix of old and new data.
    void done(int result) override;

    // The preview: its heading with the count of changes, and one line per change. Ok confirms it.
    QLabel* lPreview;
    QListWidget* lbPreview;

  private:
    void ShowPreview();

    TWriteEngine* Engine;
};
