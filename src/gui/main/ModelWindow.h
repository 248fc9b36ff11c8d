// SPDX-License-Identifier: GPL-3.0-or-later
// Model Information: the radio model and the frequency bands the radio may use.
#pragma once

#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TRadioModel;

class TModelWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit TModelWindow(QWidget* parent = nullptr);

    struct TBandRow {
        QWidget* pRang;
        QLabel* lFreq;      // its hint holds the band's default edges, "low-high"
        QLineEdit* cxFreqL; // its hint holds the band's lowest allowed edge
        QLineEdit* cxFreqH; // its hint holds the band's highest allowed edge
        QCheckBox* cxUse;
        QRadioButton* cxSel;
    };

    QLabel* Label1;
    QComboBox* cxModel;
    std::array<TBandRow, 4> Rows{};
    QLabel* lRang;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    // Read by the main window after the dialog has closed.
    bool OkResult = false;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildRow(int band);
    void FormShow();
    void cxModelChange();
    void LoadBandsFromImage();
    void CheckRadioOfFirstBand(const std::array<bool, 4>& wanted);
    void cxUseClick(int band);
    void cxSelClick(int tag);
    void LowEdited(int band);
    void HighEdited(int band);
    void btnOkClick();
    void EnableEdits();

    QButtonGroup* RadioGroup;
    const TRadioModel* Selected = nullptr;
    bool Loading = false;
};
