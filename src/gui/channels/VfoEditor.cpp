// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/VfoEditor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/Encodings.h"
#include "core/model/Numbers.h"
#include "core/model/SettingsTable.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/EditSteps.h"
#include "gui/kit/MessageBox.h"

namespace
{
constexpr double kMaxOffset = 99.995;
using F = TChannelField;
} // namespace

TVfoEditor::TVfoEditor(QWidget* parent) : TEditorWindow(parent)
{
    setObjectName(QStringLiteral("fFreqEdit"));
    setWindowTitle(QStringLiteral("Channel Edit"));
    BuildForm();
    ConnectStores();
}

void TVfoEditor::BuildForm()
{
    auto* grid = new QGridLayout(this);
    auto* vfos = new QHBoxLayout;
    vfos->addWidget(cxDown = NewRadio(this, "cxDown", "Freq. Down"));
    vfos->addWidget(cxUps = NewRadio(this, "cxUps", "Freq. Up"));
    vfos->addStretch();
    grid->addLayout(vfos, 0, 0, 1, 4);
    grid->addWidget(NewLabel(this, "lx00", "Frequency[MHz]"), 1, 0);
    grid->addWidget(cxRxSv = NewBox(this, "cxRxSv", TKeyFilter::Frequency), 1, 1);
    grid->addWidget(NewLabel(this, "lx01", "Offset Freq.[MHz]"), 1, 2);
    grid->addWidget(cxTxSv = NewBox(this, "cxTxSv", TKeyFilter::Frequency), 1, 3);
    grid->addWidget(NewLabel(this, "lx02", "Duplex"), 2, 0);
    grid->addWidget(cxDups = NewList(this, "cxDups", {"OFF", "+Dup", "-Dup"}), 2, 1);
    const TSettingRow& step = SettingRow(TSetting::VfoStep);
    grid->addWidget(NewLabel(this, step.LabelName.c_str(), step.Caption.c_str()), 2, 2);
    grid->addWidget(cxStep = NewList(this, step.ControlName.c_str(), ToQtList(step.Items)), 2, 3);
    grid->addWidget(NewLabel(this, "lx04", "QT/DQT Decode"), 3, 0);
    grid->addWidget(cxRxDcts = new TToneCombo(QStringLiteral("cxRxDcts"), this), 3, 1);
    grid->addWidget(NewLabel(this, "lx05", "QT/DQT Encode"), 3, 2);
    grid->addWidget(cxTxDcts = new TToneCombo(QStringLiteral("cxTxDcts"), this), 3, 3);
    grid->addWidget(NewLabel(this, "lx06", "Wide/Narrow"), 4, 0);
    grid->addWidget(cxBand = NewList(this, "cxBand", {"Narrow", "Wide"}), 4, 1);
    grid->addWidget(NewLabel(this, "lx07", "TX Power"), 4, 2);
    grid->addWidget(cxPwrv = NewList(this, "cxPwrv", {"Low", "High"}), 4, 3);
    grid->addWidget(NewLabel(this, "lx08", "PTT ID"), 5, 0);
    grid->addWidget(cxPtts = NewList(this, "cxPtts", {"Off", "BOT", "EOT", "Both"}), 5, 1);
    QLabel* voiceLabel = NewLabel(this, "lx09", "Apro");
    grid->addWidget(voiceLabel, 5, 2);
    // "Both" too, so that a VFO holding voice mode 3 stores it back unchanged.
    grid->addWidget(cxApro = NewList(this, "cxApro", {"None", "Compander", "Scrambler", "Both"}), 5, 3);
    voiceLabel->hide();
    cxApro->hide();
    Boxes = {{NewCheck(this, "cxBclo", "Busy Lock"), F::BusyLock},
             {NewCheck(this, "cxTail", "Epilogue"), F::Tail},
             {NewCheck(this, "cxVoxs", "Vox"), F::Vox},
             {NewCheck(this, "cxAnis", "Ani"), F::Ani}};
    for (size_t i = 0; i < Boxes.size(); ++i)
        grid->addWidget(Boxes[i].Box, 6, static_cast<int>(i));
    QPushButton* btnClose = NewButton(this, "btnClose", "&Close");
    grid->addWidget(btnClose, 7, 3);
    connect(btnClose, &QPushButton::clicked, this, [this] { CloseEditor(this); });
    cxDown->setChecked(true);
    // The labels stand for their boxes, so that an undo step is named as the field is.
    const std::pair<QString, QWidget*> labelled[] = {
        {QStringLiteral("lx00"), cxRxSv}, {QStringLiteral("lx01"), cxTxSv},   {QStringLiteral("lx02"), cxDups},
        {ToQt(step.LabelName), cxStep},   {QStringLiteral("lx04"), cxRxDcts}, {QStringLiteral("lx05"), cxTxDcts},
        {QStringLiteral("lx06"), cxBand}, {QStringLiteral("lx07"), cxPwrv},   {QStringLiteral("lx08"), cxPtts},
        {QStringLiteral("lx09"), cxApro}};
    for (const auto& [name, control] : labelled)
        findChild<QLabel*>(name)->setBuddy(control);
}

void TVfoEditor::ConnectStores()
{
    for (QRadioButton* button : {cxDown, cxUps}) {
        connect(button, &QRadioButton::clicked, this, [this] {
            if (!Loading)
                LoadVfo();
        });
    }
    connect(cxRxSv, &QLineEdit::editingFinished, this, &TVfoEditor::cxRxSvChange);
    connect(cxTxSv, &QLineEdit::editingFinished, this, &TVfoEditor::cxTxSvChange);
    connect(cxStep, &QComboBox::currentIndexChanged, this, &TVfoEditor::cxStepChange);
    for (TToneCombo* tone : {cxRxDcts, cxTxDcts})
        connect(tone, &TToneCombo::ToneChanged, this, [this, tone] { StoreVfo(tone); });
    for (QComboBox* list : {cxDups, cxBand, cxPwrv, cxPtts, cxApro})
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] { StoreVfo(list); });
    for (const TFieldBox& box : Boxes)
        connect(box.Box, &QCheckBox::toggled, this, [this, check = box.Box] { StoreVfo(check); });
}

void TVfoEditor::showEvent(QShowEvent* event)
{
    TEditorWindow::showEvent(event);
    if (Shown)
        return;
    Shown = true;
    Loading = true;
    ApplyLanguage(this, false);
    cxDown->setChecked(true);
    LoadVfo();
    MoveEditor(this);
}

int TVfoEditor::SelectedVfo() const
{
    return cxDown->isChecked() ? kVfoA : kVfoB;
}

void TVfoEditor::Reload()
{
    LoadVfo();
}

void TVfoEditor::LoadVfo()
{
    Loading = true;
    DecodeChannel(gAll, SelectedVfo(), gChannel);
    cxRxSv->setText(ToQt(FormatFreq(gChannel.RxFreq)));
    cxTxSv->setText(ToQt(FormatFreq(gChannel.Offset)));
    cxDups->setCurrentIndex(gChannel.Duplex);
    cxStep->setCurrentIndex(GetSetting(gAll, TSetting::VfoStep));
    cxRxDcts->ShowTone(gChannel.RxTone);
    cxTxDcts->ShowTone(gChannel.TxTone);
    cxBand->setCurrentIndex(gChannel.Wide);
    cxPwrv->setCurrentIndex(gChannel.Power);
    cxPtts->setCurrentIndex(gChannel.PttId);
    cxApro->setCurrentIndex(gChannel.VoiceMode);
    for (const TFieldBox& box : Boxes)
        LoadFieldBox(box, gChannel);
    Loading = false;
}

void TVfoEditor::StoreVfo(const QWidget* changed)
{
    if (Loading)
        return;
    // A value still being typed is stored first, in the same step: turning the mouse wheel over a list stores
    // the VFO without the box losing the focus.
    if (cxRxSv->isModified())
        StoreRxText();
    if (cxTxSv->isModified())
        StoreOffsetText();
    const int vfo = SelectedVfo();
    const std::string frequency = BoxText(cxRxSv);
    StoreChannelText(vfo, F::RxFrequency, frequency);
    if (!frequency.empty()) {
        StoreChannelText(vfo, F::Offset, BoxText(cxTxSv));
        for (auto [list, field] : {std::pair{cxRxDcts, F::RxTone}, std::pair{cxTxDcts, F::TxTone}})
            list->ShowTone(StoreChannelText(vfo, field, list->ToneValue()));
        StoreChannelIndex(vfo, F::Duplex, cxDups->currentIndex());
        StoreChannelIndex(vfo, F::Bandwidth, cxBand->currentIndex());
        StoreChannelIndex(vfo, F::Power, cxPwrv->currentIndex());
        StoreChannelIndex(vfo, F::PttId, cxPtts->currentIndex());
        StoreChannelIndex(vfo, F::VoiceMode, cxApro->currentIndex());
        for (const TFieldBox& box : Boxes)
            StoreFieldBox(box, vfo);
    }
    CommitVfoEdit(changed);
}

void TVfoEditor::CommitVfoEdit(const QWidget* changed)
{
    CommitControlEdit(changed, ChannelStepName(SelectedVfo()));
}

void TVfoEditor::cxRxSvChange()
{
    if (!Loading && cxRxSv->isModified() && StoreRxText())
        CommitVfoEdit(cxRxSv);
}

bool TVfoEditor::StoreRxText()
{
    // Cleared first: the range message takes the focus away and would report the same edit again.
    cxRxSv->setModified(false);
    const auto checked = CheckedFreqText(BoxText(cxRxSv));
    if (!checked) {
        LoadVfo();
        return false;
    }
    cxRxSv->setText(ToQt(StoreChannelText(SelectedVfo(), F::RxFrequency, *checked)));
    return true;
}

void TVfoEditor::cxTxSvChange()
{
    if (!Loading && cxTxSv->isModified() && StoreOffsetText())
        CommitVfoEdit(cxTxSv);
}

bool TVfoEditor::StoreOffsetText()
{
    cxTxSv->setModified(false);
    const std::string text = BoxText(cxTxSv);
    const auto offset = text.empty() ? std::optional<double>(0.0) : TryParseDouble(text);
    if (!offset) {
        ShowMessageBox(ToQt(gLanguage.Caution), ToQt(gLanguage.ErrRange), TMessageKind::Warning);
        LoadVfo();
        return false;
    }
    const std::string formatted = FormatFreq(std::clamp(*offset, 0.0, kMaxOffset));
    cxTxSv->setText(ToQt(StoreChannelText(SelectedVfo(), F::Offset, formatted)));
    return true;
}

void TVfoEditor::cxStepChange(int index)
{
    if (Loading || index < 0)
        return;
    SetSetting(gAll, TSetting::VfoStep, index);
    Loading = true;
    const int vfo = SelectedVfo();
    cxRxSv->setText(ToQt(StoreChannelText(vfo, F::RxFrequency, BoxText(cxRxSv))));
    cxTxSv->setText(ToQt(StoreChannelText(vfo, F::Offset, BoxText(cxTxSv))));
    // Decoding stores a VFO's frequency and offset back, so the other VFO takes the new step too.
    DecodeChannel(gAll, vfo == kVfoA ? kVfoB : kVfoA, gChannel);
    Loading = false;
    CommitVfoEdit(cxStep);
}
