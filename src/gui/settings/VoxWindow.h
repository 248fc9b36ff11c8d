// SPDX-License-Identifier: GPL-3.0-or-later
// VOX settings: gain, delay and receive inhibit, bit fields of settings item 8.
#pragma once

#include "gui/settings/SettingsWindow.h"

class QComboBox;

class TVoxWindow : public TSettingsWindow
{
    Q_OBJECT
  public:
    explicit TVoxWindow(QWidget* parent = nullptr);

  protected:
    void Fill() override;

  private:
    void Store(const QWidget* changed);

    QComboBox* cxVoxLv;
    QComboBox* cxVoxDv;
    QComboBox* cxVoxRs;
};
