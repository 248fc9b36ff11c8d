// The write window: sends image blocks 0 to 294 to the radio (command 21).
#pragma once

#include <QWidget>

#include "core/link/WriteEngine.h"
#include "gui/link/LinkWindow.h"

class TWriteWindow : public TTransferWindow
{
    Q_OBJECT
  public:
    explicit TWriteWindow(QWidget* parent = nullptr);
    // The last write attempt reached "Writing Completed.".
    bool Succeeded() const { return Engine->Succeeded(); }

  private:
    TWriteEngine* Engine;
};
