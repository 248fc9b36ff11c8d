// SPDX-License-Identifier: GPL-3.0-or-later
// Scan settings: scan mode and speed (settings item 10), dropout delay (item 11) and priority channel (item 12).
#pragma once

#include "gui/settings/SettingsWindow.h"

class QComboBox;

class TScanWindow : public TSettingsWindow
{
    Q_OBJECT
  public:
    explicit TScanWindow(QWidget* parent = nullptr);

  protected:
    void Fill() override;
    void Load() override;

  private:
    void Store(const QWidget* changed);

    QComboBox* cxScanMode;
    QComboBox* cxScanRate;
    QComboBox* cxScanBack;
    QComboBox* cxScanPris;
};
