#include "editors/channels/ChannelControls.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>

#include "editors/functions/ToneOption.h"
#include "model/Maindb.h"
#include "model/Numbers.h"
#include "model/myFun.h"
#include "shell/MessageBox.h"

TKeyFilter::TKeyFilter(TMode mode, QObject* parent) : QObject(parent), Mode(mode) {}

void TKeyFilter::Install(QLineEdit* box, TMode mode)
{
    box->installEventFilter(new TKeyFilter(mode, box));
}

bool TKeyFilter::Accepts(QChar c) const
{
    switch (Mode) {
    case Frequency:
        return c.isDigit() || c == u'.';
    case Tone:
        return c.isDigit() || c == u'.' || QStringLiteral("DINdin").contains(c);
    case Name:
        return c.unicode() >= 32 && c.unicode() <= 122;
    case Digits:
        return c.isDigit();
    }
    return false;
}

bool TKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return false;
    default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty())
        return false;
    if (Mode == Frequency && text == QStringLiteral(",")) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            box->insert(QStringLiteral("."));
        return true;
    }
    // Only plain digits in the ASCII range count; a full-width digit would not survive the number parser.
    return text.size() != 1 || text[0].unicode() > 127 || !Accepts(text[0]);
}

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
    TfToneOption picker(window());
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
    ShowMessageBox(ToQt(gLanguage.Caution), ToQt(gLanguage.ErrRange), 1);
    if (frequency <= 0.0)
        return std::nullopt;
    return FormatFreq(frequency);
}

std::string ToStd(const QString& text)
{
    return text.toStdString();
}

std::string BoxText(const QLineEdit* box)
{
    return ToStd(box->text().trimmed());
}

QString ToQt(const std::string& text)
{
    return QString::fromStdString(text);
}

QLabel* NewLabel(QWidget* parent, const char* name, const char* caption)
{
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QComboBox* NewList(QWidget* parent, const char* name, const QStringList& items)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(items);
    return list;
}

QLineEdit* NewBox(QWidget* parent, const char* name, TKeyFilter::TMode mode, int maxLength)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    if (mode == TKeyFilter::Frequency)
        box->setAlignment(Qt::AlignRight);
    TKeyFilter::Install(box, mode);
    return box;
}

QCheckBox* NewCheck(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QRadioButton* NewRadio(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

void MoveEditor(QWidget* editor)
{
    auto* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget());
    (frame ? static_cast<QWidget*>(frame) : editor)->move(20, 20);
}

void CloseEditor(QWidget* editor)
{
    auto* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget());
    (frame ? static_cast<QWidget*>(frame) : editor)->close();
}
