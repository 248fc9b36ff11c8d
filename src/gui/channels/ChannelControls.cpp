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

int ChannelListValue(const TChannel& channel, int field)
{
    switch (field) {
    case 5:
        return channel.Duplex;
    case 9:
        return channel.Power;
    case 10:
        return channel.Wide;
    case 11:
        return channel.ScanSkip;
    case 12:
        return channel.BusyLock;
    case 13:
        return channel.Vox;
    case 14:
        return channel.VoiceMode;
    case 15:
        return channel.Tail;
    case 16:
        return channel.PttId;
    case 17:
        return channel.Ani;
    default:
        return 0;
    }
}

std::string StoreChannelText(int index, int field, std::string text)
{
    SetChannelField(gAll, index, field, text);
    return text;
}

void StoreChannelIndex(int index, int field, int value)
{
    StoreChannelText(index, field, std::to_string(value));
}

void LoadFieldBox(const TFieldBox& box, const TChannel& channel)
{
    box.Box->setChecked(ChannelListValue(channel, box.Field) == box.OnIndex);
}

void StoreFieldBox(const TFieldBox& box, int index)
{
    StoreChannelIndex(index, box.Field, box.Box->isChecked() ? box.OnIndex : 1 - box.OnIndex);
}

std::optional<std::string> CheckedFreqText(const std::string& text)
{
    double frequency = -1.0;
    if (!CheckFreqRange(gAll, text, frequency))
        return FormatFreq(frequency);
    ShowMessageBox(ToQt(gLanguage.Caution), ToQt(gLanguage.ErrRange), TMessageKind::Information);
    if (frequency <= 0.0)
        return std::nullopt;
    return FormatFreq(frequency);
}
