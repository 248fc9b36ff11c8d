// SPDX-License-Identifier: GPL-3.0-or-later
// FM radio settings: the current FM frequency, the FM step, the receiver inhibit, the FM band bounds and the
// 25 FM memory channels in a grid of three pairs of number and frequency columns.
#pragma once

#include "gui/settings/SettingsWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class TGrid;

class TFmRadioWindow : public TSettingsWindow
{
    Q_OBJECT
  public:
    explicit TFmRadioWindow(QWidget* parent = nullptr);
    void BuildFmGrid();
    void LoadFmChannels();
    void LoadFmSettings();
    void StoreFmSettings();
    // Ends a grid edit and stores a current frequency that is typed but not yet entered.
    void FormDeactivate() override;

  protected:
    void Fill() override;
    void Load() override;

  private:
    QWidget* BuildInformationPage();
    QWidget* BuildChannelPage();
    void SettingChanged(const QWidget* changed);
    void cxRxChange();
    void gvDataPressed(int col, int row);
    void gvDataEditEnded(int col, int row, const QString& text);

    QTabWidget* pcFm;
    QLineEdit* cxRx;
    QComboBox* cxStep;
    QCheckBox* cxFmDw;
    QLineEdit* cxFM_Min;
    QLineEdit* cxFM_Max;
    QLineEdit* cxLine;
    QLabel* LNo;
    QLabel* LFreq;
    TGrid* gvData;
    // Set while the window itself writes into cxRx, so that its own change is not stored again.
    bool RxGuard = false;
    // cxRx holds typed text that has not been stored yet.
    bool RxTyped = false;
};
