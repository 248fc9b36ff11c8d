// SPDX-License-Identifier: GPL-3.0-or-later
// The channel edit window: one memory channel at a time, always the current channel.
#pragma once

#include <vector>

#include "gui/channels/ChannelControls.h"
#include "gui/kit/EditorWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

class TChannelEditor : public TEditorWindow
{
    Q_OBJECT
  public:
    explicit TChannelEditor(QWidget* parent = nullptr);

    // The channel table moved or changed the current channel.
    void Reload() override;

    void LoadChannel();
    void ShowDefaults();
    void EnableFields(bool on);
    // Stores every field of the window into the current channel: one undo step named for the changed control.
    void StoreChannel(const QWidget* changed);

    bool Loading = false;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildForm();
    void FormShow();
    void cxChsChange(int index);
    void cxRxSvChange();
    void cxTxSvChange();
    // Stores a typed TX frequency; false when it was refused and the channel shown again.
    bool StoreTxText();
    void ConnectStores();

    QComboBox* cxChs;
    QLineEdit* cxRxSv;
    QLineEdit* cxTxSv;
    TToneCombo* cxRxDcts;
    TToneCombo* cxTxDcts;
    QComboBox* cxPwrv;
    QComboBox* cxBand;
    QComboBox* cxPtts;
    QComboBox* cxApro;
    QLineEdit* cxIdSv;
    QLineEdit* cxNameSv;
    std::vector<TFieldBox> Boxes;
    bool Shown = false;
};
