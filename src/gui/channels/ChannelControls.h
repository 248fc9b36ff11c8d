// SPDX-License-Identifier: GPL-3.0-or-later
// Controls and helpers shared by the channel edit, VFO and batch windows: the tone list with its picker, the check
// boxes that stand for list fields, and the checked frequency input.
#pragma once

#include <QComboBox>
#include <optional>
#include <string>

#include "core/files/TypedValues.h"
#include "core/model/ChannelFields.h"
#include "gui/kit/FormKit.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The editable tone list: "None" and the 262 tones of ToneList(), typed tones allowed (tag -3, only item 0
// is translated). A double click opens the tone picker.
class TToneCombo : public QComboBox
{
    Q_OBJECT
  public:
    TToneCombo(const QString& name, QWidget* parent);
    // The tone text to store, normalised: empty when the box is empty or shows item 0 (no tone).
    std::string ToneValue() const;
    // Shows a tone text as decoded; empty selects item 0.
    void ShowTone(const std::string& tone);

  signals:
    // A tone was picked, typed and committed (Enter or leaving the box), or taken from the picker.
    void ToneChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Commit();
    void OpenPicker();
};

// A check box standing for a two-item list field of a channel: checked exactly when the field holds its "on"
// item (the OnItem of its ChannelFieldTable row).
struct TFieldBox {
    QCheckBox* Box;
    TChannelField Field;
};

// SetChannelField with a text; returns the normalised text the codec hands back.
std::string StoreChannelText(int index, TChannelField field, std::string text);
void StoreChannelIndex(int index, TChannelField field, int value);
void LoadFieldBox(const TFieldBox& box, const TChannel& channel);
void StoreFieldBox(const TFieldBox& box, int index);

// A typed frequency checked against the enabled bands: in a band it comes back formatted "0.00000"; a text that
// is not a number or a frequency outside the bands is refused with a message naming the bands (nullopt), so that
// the caller shows the old value again and stores nothing.
std::optional<std::string> CheckedFreqText(const std::string& text);

// Where the TX frequency of a memory channel goes when its RX becomes the checked text rx (FollowRxChange, on the
// step grid RX is stored on). A channel not in use has no TX to move (Tx < 0).
TTxFollow FollowedTx(int channel, const std::string& rx);
// Stores the checked RX frequency of a memory channel in use and moves its TX along; returns the note when TX
// had to stay.
std::string StoreRxMovingTx(int channel, const std::string& rx);
