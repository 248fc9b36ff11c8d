// SPDX-License-Identifier: GPL-3.0-or-later
// The VFO window: the radio's two frequency channels (VFO A and B) and the frequency step.
#pragma once

#include <vector>

#include "gui/channels/ChannelControls.h"
#include "gui/kit/EditorWindow.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

class TVfoEditor : public TEditorWindow
{
    Q_OBJECT
  public:
    explicit TVfoEditor(QWidget* parent = nullptr);

    void Reload() override;
    void LoadVfo();
    // Stores every field of the window into the VFO shown: one undo step named for the changed control.
    void StoreVfo(const QWidget* changed);
    // Channel index of the VFO shown: 129 (VFO A) or 130 (VFO B).
    int SelectedVfo() const;

    bool Loading = false;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildForm();
    void ConnectStores();
    void cxRxSvChange();
    void cxTxSvChange();
    // Store a typed frequency or offset; false when it was refused and the VFO shown again.
    bool StoreRxText();
    bool StoreOffsetText();
    void CommitVfoEdit(const QWidget* changed);
    void cxStepChange(int index);

    QRadioButton* cxDown;
    QRadioButton* cxUps;
    QLineEdit* cxRxSv;
    QLineEdit* cxTxSv;
    QComboBox* cxDups;
    QComboBox* cxStep;
    TToneCombo* cxRxDcts;
    TToneCombo* cxTxDcts;
    QComboBox* cxBand;
    QComboBox* cxPwrv;
    QComboBox* cxPtts;
    QComboBox* cxApro;
    std::vector<TFieldBox> Boxes;
    bool Shown = false;
};
