// SPDX-License-Identifier: GPL-3.0-or-later
// DTMF functions: encoder timing, PTT ID codes, the radio's ID code, decoder options and the stun code,
// all in settings items 29 to 63; codes are strings of 4-bit DTMF digit codes, two to an item.
#pragma once

#include "gui/settings/SettingsWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

class TDtmfWindow : public TSettingsWindow
{
    Q_OBJECT
  public:
    explicit TDtmfWindow(QWidget* parent = nullptr);
    void LoadDtmf();
    void StoreDtmf();
    // Writes one code box: begin (tag 1), end (tag 2), ID (tag 3) or stun (tag 4).
    void StoreCode(const QLineEdit* box, TSetting code);

  protected:
    void Fill() override;

  private:
    QWidget* BuildEncodePage();
    QWidget* BuildDecodePage();
    // The code's label and box, the box holding as many characters as the code has digits.
    QLineEdit* AddCodeBox(QGridLayout* grid, int row, TSetting code);
    void ListChanged(const QWidget* changed);
    void EnableCodeBoxes();

    QTabWidget* pcDtmf;
    QWidget* cxDecode;
    QComboBox* cxRate;
    QComboBox* cxFiSv;
    QComboBox* cxFiDv;
    QComboBox* cxEfSv;
    QComboBox* cxTxTs;
    QComboBox* cxAbcd;
    QCheckBox* cxBeep;
    QLineEdit* cxEntv;
    QLineEdit* cxEndv;
    QComboBox* cxPtts;
    QLineEdit* cxIdSv;
    QComboBox* cxGroup;
    QComboBox* cxBack;
    QComboBox* cxTxYs;
    QComboBox* cxIdEs;
    QComboBox* cxRxTs;
    QComboBox* cxAcks;
    QComboBox* cxStunSw;
    QLineEdit* cxStunSv;
};
