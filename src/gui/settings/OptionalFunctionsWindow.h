// SPDX-License-Identifier: GPL-3.0-or-later
// Optional functions: the radio-wide option bits of settings items 3 to 7 and 13, the power-on name and the
// manual-frequency byte of the identification block.
#pragma once

#include "gui/settings/SettingsWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

class TOptionalFunctionsWindow : public TSettingsWindow
{
    Q_OBJECT
  public:
    explicit TOptionalFunctionsWindow(QWidget* parent = nullptr);
    void LoadOptions();
    void StoreOptions();

  protected:
    void Fill() override;

  private:
    void Changed(const QWidget* changed);
    void LoadRadioName();
    void StoreRadioName();

    QComboBox* cxOpenSw;
    QLineEdit* cxOpenMsg;
    QComboBox* cxModeSw;
    QComboBox* cxDWait;
    QComboBox* cxSqlLv;
    QComboBox* cxTotSv;
    QComboBox* cxChsNs;
    QComboBox* cxRxSav;
    QComboBox* cxWavsSw;
    QComboBox* cxSaveLs;
    QComboBox* cxToneEs;
    QComboBox* cxLamp;
    QComboBox* cxColor;
    QComboBox* cxLockSw;
    QComboBox* cxRoger;
    QComboBox* cxBatTx;
    QComboBox* cxRelay;
    QComboBox* cxFrq_Use;
    QCheckBox* cxMenuSet;
    QCheckBox* cxRelaySet;
    QComboBox* cx3xxM;
};
