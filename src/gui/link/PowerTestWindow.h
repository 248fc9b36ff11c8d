// SPDX-License-Identifier: GPL-3.0-or-later
// The power test window: reads the radio's transmit-power table and writes single settings back on line
// (command 22).
#pragma once

#include <QDialog>
#include <vector>

#include "core/link/PowerTestEngine.h"
#include "gui/link/LinkWindow.h"

class QFrame;
class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;
class QStatusBar;
class QTreeWidget;

class TPowerTestWindow : public TLinkWindow
{
    Q_OBJECT
  public:
    explicit TPowerTestWindow(QWidget* parent = nullptr);

    void Progress(int position, int maximum) override;
    void Changed() override;
    const TPowerTestEngine& TestEngine() const { return *Engine; }

    QWidget* cxAll;
    QTreeWidget* cxFreq_Rang;
    QLineEdit* cxFreq_Selv;
    QSlider* tbTx0;
    QSlider* tbTx1;
    QSpinBox* ceTx0;
    QSpinBox* ceTx1;
    QLabel* shTx0;
    QLabel* shTx1;
    QPushButton* cxDebug;
    QPushButton* cxClose;
    QFrame* fSTx;
    QStatusBar* MainBar;
    QLabel* PortPanel;
    QProgressBar* cxBar;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildLeftSide();
    QWidget* BuildRightSide();
    QWidget* BuildPowerRow(int bar, const QString& caption);
    void BuildStatusBar();
    void GoOnline();
    void FormShow();
    void FillSegments();
    void SetControlsEnabled(bool on);
    void ShowPortState();
    void SelectSegment();
    void LoadBars();
    void BarChange(int bar);
    void EditChange(int bar);
    void SendBar(int bar);
    QSlider* Bar(int bar) const { return bar == 0 ? tbTx0 : tbTx1; }
    QSpinBox* Edit(int bar) const { return bar == 0 ? ceTx0 : ceTx1; }

    TPowerTestEngine* Engine;
    std::vector<TSegment> Segments;
    int Row = -1;
    bool Loading = false;
    bool EventsOn = true;
    bool BarChanged = false;
    // The window itself is putting a value into an edit: that value is not sent.
    bool SettingEdit = false;
    bool PortEverOpened = false;
    bool Shown = false;
};
