// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/ChannelControls.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>

#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/Encodings.h"
#include "core/model/Numbers.h"
#include "gui/channels/TonePicker.h"
#include "gui/kit/MessageBox.h"

TToneCombo::TToneCombo(const QString& name, QWidget* parent) : QComboBox(parent)
{
    setObjectName(name);
    setProperty("tag", -3);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would finish "8" as "82.5" while the user is still typing 88.5.
    setCompleter(nullptr);
    for (const std::string& tone : ToneList())
        addItem(ToQt(tone));
    lineEdit()->installEventFilter(this);
    TKeyFilter::Install(lineEdit(), TKeyFilter::Tone);
    connect(this, &QComboBox::activated, this, &TToneCombo::Commit);
    connect(lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (lineEdit()->isModified())
            Commit();
    });
}

std::string TToneCombo::ToneValue() const
{
    // Taken from the text, not the selected item: typing into the box leaves the selection where it was.
    const QString text = currentText().trimmed();
    if (text.isEmpty() || text == itemText(0))
        return std::string();
    return NormalizeToneText(ToStd(text));
}

void TToneCombo::ShowTone(const std::string& tone)
{
    const int item = tone.empty() ? 0 : findText(ToQt(tone), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    setCurrentIndex(item);
    if (item < 0)
        setEditText(ToQt(tone));
    lineEdit()->setModified(false);
}

void TToneCombo::Commit()
{
    ShowTone(ToneValue());
    emit ToneChanged();
}

void TToneCombo::OpenPicker()
{
    TTonePicker picker(window());
    picker.exec();
    if (picker.ToneResult.empty())
        return;
    setEditText(ToQt(picker.ToneResult));
    Commit();
}

bool TToneCombo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonDblClick) {
        OpenPicker();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

std::string StoreChannelText(int index, TChannelField field, std::string text)
{
    SetChannelField(gAll, index, field, text);
    return text;
}

void StoreChannelIndex(int index, TChannelField field, int value)
{
    StoreChannelText(index, field, std::to_string(value));
}

void LoadFieldBox(const TFieldBox& box, const TChannel& channel)
{
    box.Box->setChecked(ChannelListValue(channel, box.Field) == FieldRow(box.Field).OnItem);
}

void StoreFieldBox(const TFieldBox& box, int index)
{
    const int on = FieldRow(box.Field).OnItem;
    StoreChannelIndex(index, box.Field, box.Box->isChecked() ? on : 1 - on);
}

std::optional<std::string> CheckedFreqText(const std::string& text)
{
    const TTypedFrequency check = CheckTypedFrequency(gAll, text);
    if (check.Verdict == TFreqVerdict::Accepted)
        return FormatFreq(check.Frequency);
    ShowMessageBox(ToQt(gLanguage.Caution), ToQt(FrequencyRefusal(gLanguage, gAll, text, check)),
                   TMessageKind::Warning);
    return std::nullopt;
}

TTxFollow FollowedTx(int channel, const std::string& rx)
{
    TChannel before;
    if (!DecodeChannel(gAll, channel, before))
        return {};
    double newRx = ParseDouble(rx);
    int code = 2;
    RoundToStep(gAll, newRx, code);
    return FollowRxChange(gLanguage, gAll, before.RxFreq, before.TxFreq, newRx);
}

std::string StoreRxMovingTx(int channel, const std::string& rx)
{
    const TTxFollow tx = FollowedTx(channel, rx);
    StoreChannelText(channel, TChannelField::RxFrequency, rx);
    if (tx.Tx >= 0)
        StoreChannelText(channel, TChannelField::TxFrequency, FormatFreq(tx.Tx));
    return tx.Note;
}
