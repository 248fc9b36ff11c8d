// SPDX-License-Identifier: GPL-3.0-or-later
// The batch window: programs a run of memory channels in one action.
#pragma once

#include <cstdint>

#include "gui/kit/EditorWindow.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// The generator of random tone picks. It starts from a fixed seed, not from the clock, so every run of the
// program deals the same picks; the sequence runs on from one apply to the next.
class TPickRandom
{
  public:
    // An index from 0 to count - 1.
    int Next(int count);
    uint32_t Seed = 0;
};
TPickRandom& BatchRandom();

class TBatchEditor : public TEditorWindow
{
    Q_OBJECT
  public:
    explicit TBatchEditor(QWidget* parent = nullptr);

    // "&Ok": fills or clears the channels of the range, then refreshes the channel views.
    void Apply();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    struct TWork;
    QGroupBox* BuildRange();
    QGroupBox* BuildRxFreq();
    QGroupBox* BuildTxFreq();
    QGroupBox* BuildRxTone();
    QGroupBox* BuildTxTone();
    QGroupBox* BuildCommon();
    void UpdateEnabled();
    void CommitBoxes();
    void cxRx_freqChange();
    void cxTx_FreqChange();
    void cxFromChange();
    void FillChannel(int channel, TWork& work);
    void AdvanceWork(TWork& work);

    QRadioButton* cxAll;
    QRadioButton* cxChs;
    QSpinBox* cxFrom;
    QSpinBox* cxTo;
    QCheckBox* cxClear;
    QLineEdit* cxRx_freq;
    QLineEdit* cxRx_Step;
    QRadioButton* cxRx_asc;
    QRadioButton* cxRx_dec;
    QRadioButton* cxTx_def;
    QRadioButton* cxTx_Exc;
    QLineEdit* cxExc_Freq;
    QRadioButton* cxDup_add;
    QRadioButton* cxDup_Dec;
    QRadioButton* cxTx_Self;
    QLineEdit* cxTx_Freq;
    QLineEdit* cxTx_step;
    QRadioButton* cxTx_asc;
    QRadioButton* cxTx_dec;
    QComboBox* cxRx_Dcts;
    QCheckBox* cxRx_Ran;
    QSpinBox* cxRx_Dcts_step;
    QRadioButton* cxRx_Dcts_asc;
    QRadioButton* cxRx_Dcts_dec;
    QRadioButton* cxTx_Dcts_def;
    QRadioButton* cxTx_Dcts_self;
    QComboBox* cxTx_Dcts;
    QCheckBox* cxTx_ran;
    QSpinBox* cxTx_Dcts_step;
    QRadioButton* cxTx_Dcts_asc;
    QRadioButton* cxTx_Dcts_dec;
    QComboBox* cxPower;
    QComboBox* cxWn;
    QComboBox* cxApro;
    QLineEdit* cxName;
    QCheckBox* cxUse_Chs;
    QCheckBox* cxScan;
    QCheckBox* cxBclo;
    QCheckBox* cxVox;
    QCheckBox* cxTxRev;
    bool Shown = false;
};
