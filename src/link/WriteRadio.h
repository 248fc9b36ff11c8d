// The write window: sends image blocks 0 to 294 to the radio (command 21).
#pragma once

#include <QWidget>

#include "link/LinkWindow.h"
#include "link/WriteEngine.h"

class TfWriteRadio : public TTransferWindow {
    Q_OBJECT
public:
    explicit TfWriteRadio(QWidget* parent = nullptr);
    // The last write attempt reached "Writing Completed.".
    bool Succeeded() const { return Engine->Succeeded(); }

private:
    TWriteEngine* Engine;
};
