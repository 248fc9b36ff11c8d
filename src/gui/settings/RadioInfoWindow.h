// SPDX-License-Identifier: GPL-3.0-or-later
// Radio information: the model, its bands, the radio's serial number and the time of the last write, as they
// were when the window was opened. It only displays.
#pragma once

#include "gui/settings/SettingsWindow.h"

class QLineEdit;

class TRadioInfoWindow : public TSettingsWindow
{
    Q_OBJECT
  public:
    explicit TRadioInfoWindow(QWidget* parent = nullptr);

  protected:
    void Fill() override;

  private:
    QLineEdit* AddBox(QGridLayout* grid, int row, const char* labelName, const QString& caption, const char* boxName);

    QLineEdit* cxModel;
    QLineEdit* cxFreq;
    QLineEdit* cxSerial;
    QLineEdit* cxRadioTime;
};
