// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/BatchEditor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/files/StartUp.h"
#include "core/model/Encodings.h"
#include "core/model/Numbers.h"
#include "core/model/Views.h"
#include "gui/channels/ChannelControls.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/MessageBox.h"

namespace
{
using F = TChannelField;
constexpr double kMaxStep = 99.995;
constexpr int kToneCount = 263;
constexpr int kLastTone = kToneCount - 1;

QSpinBox* NewSpin(QWidget* parent, const char* name, int min, int max)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(min, max);
    return spin;
}

QGroupBox* NewGroup(QWidget* parent, const char* name, const char* caption)
{
    auto* group = new QGroupBox(QString::fromUtf8(caption), parent);
    group->setObjectName(QString::fromLatin1(name));
    return group;
}

// Makes radio buttons that share a group box exclusive among themselves only.
void Exclusive(QWidget* parent, std::initializer_list<QRadioButton*> buttons)
{
    auto* group = new QButtonGroup(parent);
    for (QRadioButton* button : buttons)
        group->addButton(button);
}

QComboBox* NewToneList(QWidget* parent, const char* name)
{
    QStringList items;
    for (const std::string& tone : ToneList())
        items << ToQt(tone);
    QComboBox* list = NewList(parent, name, items);
    list->setProperty("tag", -3);
    return list;
}

std::string ToneItemText(int item)
{
    return item <= 0 ? std::string() : ToneList()[static_cast<size_t>(item)];
}

// A frequency plus or minus a step, kept to the image's 10 Hz resolution so that a long run does not drift.
double Stepped(double frequency, double step, bool up)
{
    return ParseDouble(FormatFreq(up ? frequency + step : frequency - step));
}

bool OutOfBands(double frequency)
{
    return CheckFreqRange(gAll, std::string(), frequency);
}

// A begin frequency box: empty means the lowest enabled band edge; outside every band the first band's low
// edge; then on the tuning grid.
double BeginFreq(const QLineEdit* box)
{
    double frequency = NearestBandEdge(gAll, false, -1.0);
    CheckFreqRange(gAll, ToStd(box->text().trimmed()), frequency);
    int code = 2;
    RoundToStep(gAll, frequency, code);
    return frequency;
}

double StepValue(const QLineEdit* box)
{
    const double step = TryParseDouble(ToStd(box->text())).value_or(0.0);
    return step < 0.0 || step > kMaxStep ? 0.0 : step;
}

void CommitStep(QLineEdit* box)
{
    box->setText(ToQt(FormatFreq(StepValue(box))));
}

int ClampTone(int item)
{
    return std::clamp(item, 0, kLastTone);
}
} // namespace

int TPickRandom::Next(int count)
{
    Seed = Seed * 134775813u + 1u;
    return static_cast<int>((static_cast<uint64_t>(count) * Seed) >> 32);
}

TPickRandom& BatchRandom()
{
    static TPickRandom random;
    return random;
}

struct TBatchEditor::TWork {
    double Rx, RxStep, Tx, TxStep, Excursion;
    int RxTone, RxToneStep, TxTone, TxToneStep;
};

TBatchEditor::TBatchEditor(QWidget* parent) : TEditorWindow(parent)
{
    setObjectName(QStringLiteral("fBatch"));
    setWindowTitle(QStringLiteral("."));
    auto* layout = new QGridLayout(this);
    layout->addWidget(BuildRange(), 0, 0, 1, 2);
    layout->addWidget(BuildRxFreq(), 1, 0);
    layout->addWidget(BuildTxFreq(), 1, 1);
    layout->addWidget(BuildRxTone(), 2, 0);
    layout->addWidget(BuildTxTone(), 2, 1);
    layout->addWidget(BuildCommon(), 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* btnOk = NewButton(this, "btnOk", "&Ok");
    QPushButton* btnCancel = NewButton(this, "btnCancel", "&Cancel");
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons, 4, 0, 1, 2);
    connect(btnOk, &QPushButton::clicked, this, &TBatchEditor::Apply);
    connect(btnCancel, &QPushButton::clicked, this, [this] { CloseEditor(this); });
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        connect(button, &QAbstractButton::toggled, this, &TBatchEditor::UpdateEnabled);
    UpdateEnabled();
}

QGroupBox* TBatchEditor::BuildRange()
{
    QGroupBox* group = NewGroup(this, "gbBound", "Range:");
    auto* row = new QHBoxLayout(group);
    row->addWidget(cxAll = NewRadio(group, "cxAll", "All Channels"));
    row->addWidget(cxChs = NewRadio(group, "cxChs", "Channel"));
    row->addWidget(NewLabel(group, "lFrom", "From"));
    row->addWidget(cxFrom = NewSpin(group, "cxFrom", 1, 1));
    row->addWidget(NewLabel(group, "lTo", "To"));
    row->addWidget(cxTo = NewSpin(group, "cxTo", 1, 1));
    row->addWidget(cxClear = NewCheck(group, "cxClear", "Clear Data"));
    Exclusive(group, {cxAll, cxChs});
    cxAll->setChecked(true);
    connect(cxFrom, &QSpinBox::valueChanged, this, &TBatchEditor::cxFromChange);
    return group;
}

QGroupBox* TBatchEditor::BuildRxFreq()
{
    QGroupBox* group = NewGroup(this, "gbRxFreq", "RX Freq.");
    auto* grid = new QGridLayout(group);
    grid->addWidget(NewLabel(group, "lRx_freq", "Begin Freq.(MHz)"), 0, 0);
    grid->addWidget(cxRx_freq = NewBox(group, "cxRx_freq", TKeyFilter::Frequency), 0, 1, 1, 2);
    grid->addWidget(NewLabel(group, "lRx_Step", "Step Freq.(MHz)"), 1, 0);
    grid->addWidget(cxRx_Step = NewBox(group, "cxRx_Step", TKeyFilter::Frequency), 1, 1, 1, 2);
    grid->addWidget(cxRx_asc = NewRadio(group, "cxRx_asc", "ASC"), 2, 1);
    grid->addWidget(cxRx_dec = NewRadio(group, "cxRx_dec", "DESC"), 2, 2);
    Exclusive(group, {cxRx_asc, cxRx_dec});
    cxRx_asc->setChecked(true);
    cxRx_Step->setText(ToQt(FormatFreq(0.0)));
    connect(cxRx_freq, &QLineEdit::editingFinished, this, &TBatchEditor::cxRx_freqChange);
    connect(cxRx_Step, &QLineEdit::editingFinished, this, [this] { CommitStep(cxRx_Step); });
    return group;
}

QGroupBox* TBatchEditor::BuildTxFreq()
{
    QGroupBox* group = NewGroup(this, "gbTxFreq", "TX Freq.");
    auto* grid = new QGridLayout(group);
    grid->addWidget(cxTx_def = NewRadio(group, "cxTx_def", "Default"), 0, 0);
    grid->addWidget(cxTx_Exc = NewRadio(group, "cxTx_Exc", "Offset Freq.(MHz)"), 1, 0);
    grid->addWidget(cxExc_Freq = NewBox(group, "cxExc_Freq", TKeyFilter::Frequency), 1, 1, 1, 2);
    grid->addWidget(cxDup_add = NewRadio(group, "cxDup_add", "+Dup"), 2, 1);
    grid->addWidget(cxDup_Dec = NewRadio(group, "cxDup_Dec", "-Dup"), 2, 2);
    grid->addWidget(cxTx_Self = NewRadio(group, "cxTx_Self", "Begin Freq.(MHz)"), 3, 0);
    grid->addWidget(cxTx_Freq = NewBox(group, "cxTx_Freq", TKeyFilter::Frequency), 3, 1, 1, 2);
    grid->addWidget(NewLabel(group, "lTx_step", "Step Freq.(MHz)"), 4, 0);
    grid->addWidget(cxTx_step = NewBox(group, "cxTx_step", TKeyFilter::Frequency), 4, 1, 1, 2);
    grid->addWidget(cxTx_asc = NewRadio(group, "cxTx_asc", "ASC"), 5, 1);
    grid->addWidget(cxTx_dec = NewRadio(group, "cxTx_dec", "DESC"), 5, 2);
    Exclusive(group, {cxTx_def, cxTx_Exc, cxTx_Self});
    Exclusive(group, {cxDup_add, cxDup_Dec});
    Exclusive(group, {cxTx_asc, cxTx_dec});
    cxTx_def->setChecked(true);
    cxDup_add->setChecked(true);
    cxTx_asc->setChecked(true);
    for (QLineEdit* step : {cxExc_Freq, cxTx_step}) {
        step->setText(ToQt(FormatFreq(0.0)));
        connect(step, &QLineEdit::editingFinished, this, [step] { CommitStep(step); });
    }
    connect(cxTx_Freq, &QLineEdit::editingFinished, this, &TBatchEditor::cxTx_FreqChange);
    return group;
}

QGroupBox* TBatchEditor::BuildRxTone()
{
    QGroupBox* group = NewGroup(this, "gbRxTone", "RX QT/DQT:");
    auto* grid = new QGridLayout(group);
    grid->addWidget(NewLabel(group, "lRx_Dcts", "Begin"), 0, 0);
    grid->addWidget(cxRx_Dcts = NewToneList(group, "cxRx_Dcts"), 0, 1, 1, 2);
    grid->addWidget(cxRx_Ran = NewCheck(group, "cxRx_Ran", "Random"), 1, 1);
    grid->addWidget(NewLabel(group, "lRx_Dcts_step", "Step"), 2, 0);
    grid->addWidget(cxRx_Dcts_step = NewSpin(group, "cxRx_Dcts_step", 0, kLastTone), 2, 1, 1, 2);
    grid->addWidget(cxRx_Dcts_asc = NewRadio(group, "cxRx_Dcts_asc", "ASC"), 3, 1);
    grid->addWidget(cxRx_Dcts_dec = NewRadio(group, "cxRx_Dcts_dec", "DESC"), 3, 2);
    Exclusive(group, {cxRx_Dcts_asc, cxRx_Dcts_dec});
    cxRx_Dcts_asc->setChecked(true);
    return group;
}

QGroupBox* TBatchEditor::BuildTxTone()
{
    QGroupBox* group = NewGroup(this, "gbTxTone", "TX QT/DQT:");
    auto* grid = new QGridLayout(group);
    grid->addWidget(cxTx_Dcts_def = NewRadio(group, "cxTx_Dcts_def", "Default"), 0, 0);
    grid->addWidget(cxTx_Dcts_self = NewRadio(group, "cxTx_Dcts_self", "Begin"), 1, 0);
    grid->addWidget(cxTx_Dcts = NewToneList(group, "cxTx_Dcts"), 1, 1, 1, 2);
    grid->addWidget(cxTx_ran = NewCheck(group, "cxTx_ran", "Random"), 2, 1);
    grid->addWidget(NewLabel(group, "lTx_Dcts_step", "Step"), 3, 0);
    grid->addWidget(cxTx_Dcts_step = NewSpin(group, "cxTx_Dcts_step", 0, kLastTone), 3, 1, 1, 2);
    grid->addWidget(cxTx_Dcts_asc = NewRadio(group, "cxTx_Dcts_asc", "ASC"), 4, 1);
    grid->addWidget(cxTx_Dcts_dec = NewRadio(group, "cxTx_Dcts_dec", "DESC"), 4, 2);
    Exclusive(group, {cxTx_Dcts_def, cxTx_Dcts_self});
    Exclusive(group, {cxTx_Dcts_asc, cxTx_Dcts_dec});
    cxTx_Dcts_def->setChecked(true);
    cxTx_Dcts_asc->setChecked(true);
    return group;
}

QGroupBox* TBatchEditor::BuildCommon()
{
    QGroupBox* group = NewGroup(this, "gbCommon", "");
    auto* grid = new QGridLayout(group);
    grid->addWidget(NewLabel(group, "lPower", "TX Power"), 0, 0);
    grid->addWidget(cxPower = NewList(group, "cxPower", {"Low", "High"}), 0, 1);
    grid->addWidget(NewLabel(group, "lWn", "W/N"), 0, 2);
    grid->addWidget(cxWn = NewList(group, "cxWn", {"Narrow", "Wide"}), 0, 3);
    grid->addWidget(NewLabel(group, "lApro", "Voice Mode"), 0, 4);
    grid->addWidget(cxApro = NewList(group, "cxApro", {"None", "Compander", "Scrambler"}), 0, 5);
    grid->addWidget(NewLabel(group, "lName", "Name"), 1, 0);
    grid->addWidget(cxName = NewBox(group, "cxName", TKeyFilter::Name, FieldRow(F::Name).TypedLength), 1, 1);
    grid->addWidget(cxUse_Chs = NewCheck(group, "cxUse_Chs", "Use Channel"), 1, 2);
    grid->addWidget(cxScan = NewCheck(group, "cxScan", "Scan Add"), 2, 0);
    grid->addWidget(cxBclo = NewCheck(group, "cxBclo", "Busy Lock"), 2, 1);
    grid->addWidget(cxVox = NewCheck(group, "cxVox", "Vox"), 2, 2);
    grid->addWidget(cxTxRev = NewCheck(group, "cxTxRev", "Epilogue"), 2, 3);
    cxPower->setCurrentIndex(1);
    cxWn->setCurrentIndex(1);
    cxTxRev->setChecked(true);
    connect(cxName, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = cxName->cursorPosition();
        cxName->setText(text.toUpper());
        cxName->setCursorPosition(cursor);
    });
    return group;
}

void TBatchEditor::showEvent(QShowEvent* event)
{
    TEditorWindow::showEvent(event);
    if (Shown)
        return;
    Shown = true;
    ApplyLanguage(this, false);
    const QString lowest = ToQt(FormatFreq(NearestBandEdge(gAll, false, -1.0)));
    cxRx_freq->setText(lowest);
    cxTx_Freq->setText(lowest);
    cxTo->setRange(1, std::max(1, gAll.ChannelCount));
    cxTo->setValue(gAll.ChannelCount);
    cxFrom->setRange(1, std::max(1, gAll.ChannelCount));
    cxFrom->setValue(1);
    MoveEditor(this);
}

void TBatchEditor::UpdateEnabled()
{
    for (QWidget* field : std::initializer_list<QWidget*>{cxFrom, cxTo})
        field->setEnabled(cxChs->isChecked());
    for (QWidget* field : std::initializer_list<QWidget*>{cxExc_Freq, cxDup_add, cxDup_Dec})
        field->setEnabled(cxTx_Exc->isChecked());
    for (QWidget* field : std::initializer_list<QWidget*>{cxTx_Freq, cxTx_step, cxTx_asc, cxTx_dec})
        field->setEnabled(cxTx_Self->isChecked());
    for (QWidget* field : std::initializer_list<QWidget*>{cxRx_Dcts, cxRx_Dcts_step, cxRx_Dcts_asc, cxRx_Dcts_dec})
        field->setEnabled(!cxRx_Ran->isChecked());
    cxTx_ran->setEnabled(cxTx_Dcts_self->isChecked());
    for (QWidget* field : std::initializer_list<QWidget*>{cxTx_Dcts, cxTx_Dcts_step, cxTx_Dcts_asc, cxTx_Dcts_dec})
        field->setEnabled(cxTx_Dcts_self->isChecked() && !cxTx_ran->isChecked());
}

void TBatchEditor::cxRx_freqChange()
{
    cxRx_freq->setText(ToQt(FormatFreq(BeginFreq(cxRx_freq))));
}

void TBatchEditor::cxTx_FreqChange()
{
    const double rx = BeginFreq(cxRx_freq);
    double tx = BeginFreq(cxTx_Freq);
    // The radio cannot split transmit from receive by more than 99.995 MHz.
    if (std::abs(tx - rx) > kMaxStep)
        tx = rx;
    cxTx_Freq->setText(ToQt(FormatFreq(tx)));
}

void TBatchEditor::cxFromChange()
{
    if (cxFrom->value() > cxTo->value())
        cxFrom->setValue(cxTo->value());
}

void TBatchEditor::CommitBoxes()
{
    cxRx_freqChange();
    cxTx_FreqChange();
    for (QLineEdit* step : {cxRx_Step, cxTx_step, cxExc_Freq})
        CommitStep(step);
}

void TBatchEditor::Apply()
{
    CommitBoxes();
    const bool range = cxChs->isChecked();
    const int from = range ? cxFrom->value() : 1;
    const int to = range ? cxTo->value() : gAll.ChannelCount;
    // One click rewrites every channel of the range: the user sees how many before anything is written.
    const QString question = ToQt(FormatText(gLanguage.BatchQuestion, {std::to_string(to - from + 1)}));
    if (ShowMessageBox(ToQt(gLanguage.Confirmation), question, TMessageKind::YesNo) != TAnswer::Yes)
        return;
    TWork work{ParseDouble(ToStd(cxRx_freq->text())),
               StepValue(cxRx_Step),
               ParseDouble(ToStd(cxTx_Freq->text())),
               StepValue(cxTx_step),
               StepValue(cxExc_Freq),
               cxRx_Dcts->currentIndex(),
               cxRx_Dcts_step->value(),
               cxTx_Dcts->currentIndex(),
               cxTx_Dcts_step->value()};
    for (int channel = from; channel <= to; ++channel) {
        if (cxClear->isChecked()) {
            StoreChannelText(channel, F::RxFrequency, std::string());
            continue;
        }
        FillChannel(channel, work);
        AdvanceWork(work);
    }
    RefreshViews(TRefresh::TableAndEditor);
    CommitEdit(gLanguage.BatchStep);
}

void TBatchEditor::FillChannel(int channel, TWork& work)
{
    StoreChannelText(channel, F::RxFrequency, FormatFreq(work.Rx));
    double tx = work.Tx;
    if (cxTx_def->isChecked()) {
        tx = work.Rx;
    } else if (cxTx_Exc->isChecked()) {
        const bool plus = cxDup_add->isChecked();
        tx = plus ? work.Rx + work.Excursion : work.Rx - work.Excursion;
        if (OutOfBands(tx))
            tx = NearestBandEdge(gAll, plus, tx);
    }
    StoreChannelText(channel, F::TxFrequency, FormatFreq(tx));
    // Random picks range over the 262 tones, never "None".
    if (cxRx_Ran->isChecked())
        work.RxTone = 1 + BatchRandom().Next(kLastTone);
    StoreChannelText(channel, F::RxTone, ToneItemText(work.RxTone));
    if (cxTx_Dcts_def->isChecked())
        work.TxTone = work.RxTone;
    else if (cxTx_ran->isChecked())
        work.TxTone = 1 + BatchRandom().Next(kLastTone);
    StoreChannelText(channel, F::TxTone, ToneItemText(work.TxTone));
    StoreChannelIndex(channel, F::Bandwidth, cxWn->currentIndex());
    StoreChannelIndex(channel, F::Power, cxPower->currentIndex());
    StoreFieldBox({cxBclo, F::BusyLock}, channel);
    StoreFieldBox({cxScan, F::ScanAdd}, channel);
    StoreChannelIndex(channel, F::VoiceMode, cxApro->currentIndex());
    StoreFieldBox({cxVox, F::Vox}, channel);
    StoreFieldBox({cxTxRev, F::Tail}, channel);
    StoreChannelText(channel, F::Name, cxUse_Chs->isChecked() ? std::to_string(channel) : ToStd(cxName->text()));
}

void TBatchEditor::AdvanceWork(TWork& work)
{
    const double rx = Stepped(work.Rx, work.RxStep, cxRx_asc->isChecked());
    if (!OutOfBands(rx))
        work.Rx = rx;
    if (cxTx_Self->isChecked()) {
        const double tx = Stepped(work.Tx, work.TxStep, cxTx_asc->isChecked());
        if (!OutOfBands(tx))
            work.Tx = tx;
    }
    if (!cxRx_Ran->isChecked())
        work.RxTone =
            ClampTone(cxRx_Dcts_asc->isChecked() ? work.RxTone + work.RxToneStep : work.RxTone - work.RxToneStep);
    if (cxTx_Dcts_self->isChecked() && !cxTx_ran->isChecked())
        work.TxTone =
            ClampTone(cxTx_Dcts_asc->isChecked() ? work.TxTone + work.TxToneStep : work.TxTone - work.TxToneStep);
}
