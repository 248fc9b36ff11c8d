// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/ChannelEditor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/Numbers.h"
#include "core/model/Views.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/EditSteps.h"

namespace
{
using F = TChannelField;

int NewChannelItem(TChannelField field)
{
    return static_cast<int>(ParseInt(FieldRow(field).NewChannelText));
}
} // namespace

TChannelEditor::TChannelEditor(QWidget* parent) : TEditorWindow(parent)
{
    setObjectName(QStringLiteral("fChsEdit"));
    setWindowTitle(QStringLiteral("Channel Edit"));
    BuildForm();
    ConnectStores();
}

void TChannelEditor::BuildForm()
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(NewLabel(this, "clInx", "Channel"), 0, 0);
    grid->addWidget(cxChs = NewList(this, "cxChs", {}), 0, 1);
    cxChs->setProperty("tag", -2);
    grid->addWidget(NewLabel(this, "cl00", "RX Frequency[MHz]"), 1, 0);
    grid->addWidget(cxRxSv = NewBox(this, "cxRxSv", TKeyFilter::Frequency), 1, 1);
    grid->addWidget(NewLabel(this, "cl01", "TX Frequency[MHz]"), 1, 2);
    grid->addWidget(cxTxSv = NewBox(this, "cxTxSv", TKeyFilter::Frequency), 1, 3);
    grid->addWidget(NewLabel(this, "cl02", "QT/DQT Decode"), 2, 0);
    grid->addWidget(cxRxDcts = new TToneCombo(QStringLiteral("cxRxDcts"), this), 2, 1);
    grid->addWidget(NewLabel(this, "cl03", "QT/DQT Encode"), 2, 2);
    grid->addWidget(cxTxDcts = new TToneCombo(QStringLiteral("cxTxDcts"), this), 2, 3);
    grid->addWidget(NewLabel(this, "cl04", "TX Power"), 3, 0);
    grid->addWidget(cxPwrv = NewList(this, "cxPwrv", {"Low", "High"}), 3, 1);
    grid->addWidget(NewLabel(this, "cl05", "Wide/Narrow"), 3, 2);
    grid->addWidget(cxBand = NewList(this, "cxBand", {"Narrow", "Wide"}), 3, 3);
    grid->addWidget(NewLabel(this, "cl06", "PTT ID"), 4, 0);
    grid->addWidget(cxPtts = NewList(this, "cxPtts", {"Off", "BOT", "EOT", "Both"}), 4, 1);
    QLabel* voiceLabel = NewLabel(this, "cl07", "Voice Mode");
    grid->addWidget(voiceLabel, 4, 2);
    grid->addWidget(cxApro = NewList(this, "cxApro", {"None", "Compander", "Scrambler", "Both"}), 4, 3);
    voiceLabel->hide();
    cxApro->hide();
    grid->addWidget(NewLabel(this, "cl08", "ID Code"), 5, 0);
    grid->addWidget(cxIdSv = NewBox(this, "cxIdSv", TKeyFilter::Digits, FieldRow(F::IdCode).TypedLength), 5, 1);
    grid->addWidget(NewLabel(this, "cl09", "CH Name"), 5, 2);
    grid->addWidget(cxNameSv = NewBox(this, "cxNameSv", TKeyFilter::Name, FieldRow(F::Name).TypedLength), 5, 3);
    Boxes = {{NewCheck(this, "cxBclo", "Busy Lock"), F::BusyLock},
             {NewCheck(this, "cxTail", "Epilogue"), F::Tail},
             {NewCheck(this, "cxVoxs", "Vox"), F::Vox},
             {NewCheck(this, "cxAnis", "Ani"), F::Ani},
             {NewCheck(this, "cxScan", "Scan Add"), F::ScanAdd}};
    for (size_t i = 0; i < Boxes.size(); ++i)
        grid->addWidget(Boxes[i].Box, 6 + static_cast<int>(i) / 4, static_cast<int>(i) % 4);
    QPushButton* btnClose = NewButton(this, "btnClose", "&Close");
    grid->addWidget(btnClose, 8, 3);
    connect(btnClose, &QPushButton::clicked, this, [this] { CloseEditor(this); });
    // The labels stand for their boxes, so that an undo step is named as the field is.
    const std::pair<const char*, QWidget*> labelled[] = {
        {"cl00", cxRxSv}, {"cl01", cxTxSv}, {"cl02", cxRxDcts}, {"cl03", cxTxDcts}, {"cl04", cxPwrv},
        {"cl05", cxBand}, {"cl06", cxPtts}, {"cl07", cxApro},   {"cl08", cxIdSv},   {"cl09", cxNameSv}};
    for (const auto& [name, control] : labelled)
        findChild<QLabel*>(QString::fromLatin1(name))->setBuddy(control);
}

void TChannelEditor::ConnectStores()
{
    connect(cxChs, &QComboBox::activated, this, &TChannelEditor::cxChsChange);
    connect(cxRxSv, &QLineEdit::editingFinished, this, &TChannelEditor::cxRxSvChange);
    connect(cxTxSv, &QLineEdit::editingFinished, this, &TChannelEditor::cxTxSvChange);
    for (TToneCombo* tone : {cxRxDcts, cxTxDcts})
        connect(tone, &TToneCombo::ToneChanged, this, [this, tone] { StoreChannel(tone); });
    for (QComboBox* list : {cxPwrv, cxBand, cxPtts, cxApro})
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] { StoreChannel(list); });
    for (const TFieldBox& box : Boxes)
        connect(box.Box, &QCheckBox::toggled, this, [this, check = box.Box] { StoreChannel(check); });
    // Name and ID code store when committed (Enter or leaving the box), not while being typed.
    for (QLineEdit* box : {cxIdSv, cxNameSv}) {
        connect(box, &QLineEdit::editingFinished, this, [this, box] {
            if (box->isModified())
                StoreChannel(box);
        });
    }
}

void TChannelEditor::showEvent(QShowEvent* event)
{
    TEditorWindow::showEvent(event);
    if (!Shown) {
        Shown = true;
        FormShow();
    }
}

void TChannelEditor::FormShow()
{
    Loading = true;
    ApplyLanguage(this, false);
    cxChs->clear();
    for (int n = 1; n <= gAll.ChannelCount; ++n)
        cxChs->addItem(QString::number(n));
    LoadChannel();
    MoveEditor(this);
}

void TChannelEditor::Reload()
{
    LoadChannel();
}

void TChannelEditor::LoadChannel()
{
    Loading = true;
    if (gAll.ChannelCount > 0)
        gAll.CurrentChannel = std::clamp(gAll.CurrentChannel, 1, gAll.ChannelCount);
    cxChs->setCurrentIndex(gAll.CurrentChannel - 1);
    if (DecodeChannel(gAll, gAll.CurrentChannel, gChannel)) {
        EnableFields(true);
        cxRxSv->setText(ToQt(FormatFreq(gChannel.RxFreq)));
        // A channel without a TX frequency shows -1.00000, which stores back as "no TX frequency".
        cxTxSv->setText(ToQt(FormatFreq(gChannel.TxFreq)));
        cxRxDcts->ShowTone(gChannel.RxTone);
        cxTxDcts->ShowTone(gChannel.TxTone);
        cxBand->setCurrentIndex(gChannel.Wide);
        cxPwrv->setCurrentIndex(gChannel.Power);
        cxPtts->setCurrentIndex(gChannel.PttId);
        cxApro->setCurrentIndex(gChannel.VoiceMode);
        for (const TFieldBox& box : Boxes)
            LoadFieldBox(box, gChannel);
        cxNameSv->setText(ToQt(gChannel.Name));
        cxIdSv->setText(ToQt(gChannel.IdCode));
    } else {
        cxRxSv->clear();
        EnableFields(false);
        ShowDefaults();
    }
    Loading = false;
}

void TChannelEditor::ShowDefaults()
{
    const bool wasLoading = Loading;
    Loading = true;
    cxRxSv->clear();
    cxTxSv->clear();
    cxRxDcts->ShowTone({});
    cxTxDcts->ShowTone({});
    // Typing a frequency into an empty channel stores what is shown: the values a new channel gets.
    cxBand->setCurrentIndex(NewChannelItem(F::Bandwidth));
    cxPwrv->setCurrentIndex(NewChannelItem(F::Power));
    cxPtts->setCurrentIndex(NewChannelItem(F::PttId));
    cxApro->setCurrentIndex(NewChannelItem(F::VoiceMode));
    for (const TFieldBox& box : Boxes)
        box.Box->setChecked(NewChannelItem(box.Field) == FieldRow(box.Field).OnItem);
    cxNameSv->clear();
    cxIdSv->setText(QStringLiteral("000"));
    Loading = wasLoading;
}

void TChannelEditor::EnableFields(bool on)
{
    for (QWidget* field :
         std::initializer_list<QWidget*>{cxTxSv, cxRxDcts, cxTxDcts, cxPwrv, cxBand, cxPtts, cxApro, cxIdSv, cxNameSv})
        field->setEnabled(on);
    for (const TFieldBox& box : Boxes)
        box.Box->setEnabled(on);
}

void TChannelEditor::StoreChannel(const QWidget* changed)
{
    if (Loading)
        return;
    // A frequency still being typed is stored first, in the same step: turning the mouse wheel over a list
    // stores the channel without the box losing the focus.
    if (cxRxSv->isModified())
        return cxRxSvChange();
    if (cxTxSv->isModified())
        StoreTxText();
    Loading = true;
    const int channel = gAll.CurrentChannel;
    const std::string rx = StoreChannelText(channel, F::RxFrequency, BoxText(cxRxSv));
    cxRxSv->setText(ToQt(rx));
    if (!rx.empty()) {
        cxTxSv->setText(ToQt(StoreChannelText(channel, F::TxFrequency, BoxText(cxTxSv))));
        for (auto [list, field] : {std::pair{cxRxDcts, F::RxTone}, std::pair{cxTxDcts, F::TxTone}})
            list->ShowTone(StoreChannelText(channel, field, list->ToneValue()));
        StoreChannelIndex(channel, F::Bandwidth, cxBand->currentIndex());
        StoreChannelIndex(channel, F::Power, cxPwrv->currentIndex());
        StoreChannelIndex(channel, F::PttId, cxPtts->currentIndex());
        StoreChannelIndex(channel, F::VoiceMode, cxApro->currentIndex());
        for (const TFieldBox& box : Boxes)
            StoreFieldBox(box, channel);
        cxNameSv->setText(ToQt(StoreChannelText(channel, F::Name, ToStd(cxNameSv->text()))));
        cxIdSv->setText(ToQt(StoreChannelText(channel, F::IdCode, BoxText(cxIdSv))));
    }
    Loading = false;
    RefreshViews(TRefresh::CurrentRow);
    CommitControlEdit(changed, ChannelStepName(channel));
}

void TChannelEditor::cxChsChange(int index)
{
    if (Loading)
        return;
    gAll.CurrentChannel = index + 1;
    RefreshViews(TRefresh::CurrentRow);
    LoadChannel();
}

void TChannelEditor::cxRxSvChange()
{
    if (Loading || !cxRxSv->isModified())
        return;
    // Cleared first: the range message takes the focus away and would report the same edit again.
    cxRxSv->setModified(false);
    const std::string text = BoxText(cxRxSv);
    std::string note;
    if (text.empty()) {
        ShowDefaults();
        EnableFields(false);
    } else {
        // A refused frequency shows the channel as it was: an empty channel stays empty.
        const auto checked = CheckedFreqText(text);
        if (!checked) {
            LoadChannel();
            return;
        }
        cxRxSv->setText(ToQt(*checked));
        EnableFields(true);
        const TTxFollow tx = FollowedTx(gAll.CurrentChannel, *checked);
        if (tx.Tx >= 0)
            cxTxSv->setText(ToQt(FormatFreq(tx.Tx)));
        else if (cxTxSv->text().trimmed().isEmpty())
            cxTxSv->setText(ToQt(*checked));
        note = JoinNotes(FrequencyNote(gLanguage, gAll, ParseDouble(*checked)), tx.Note);
    }
    StoreChannel(cxRxSv);
    if (!note.empty())
        ShowNote(note);
}

void TChannelEditor::cxTxSvChange()
{
    if (Loading || !cxTxSv->isModified())
        return;
    const auto typed = TryParseDouble(BoxText(cxTxSv));
    if (!StoreTxText())
        return;
    RefreshViews(TRefresh::CurrentRow);
    CommitControlEdit(cxTxSv, ChannelStepName(gAll.CurrentChannel));
    if (const std::string note = typed ? FrequencyNote(gLanguage, gAll, *typed) : std::string(); !note.empty())
        ShowNote(note);
    cxRxDcts->setFocus();
}

bool TChannelEditor::StoreTxText()
{
    cxTxSv->setModified(false);
    std::string text = BoxText(cxTxSv);
    if (!text.empty()) {
        // Refused: the box shows the stored TX again; the other boxes keep what is being typed there.
        const auto checked = CheckedFreqText(text);
        if (!checked) {
            TChannel stored;
            DecodeChannel(gAll, gAll.CurrentChannel, stored);
            cxTxSv->setText(ToQt(FormatFreq(stored.TxFreq)));
            return false;
        }
        text = *checked;
    }
    cxTxSv->setText(ToQt(StoreChannelText(gAll.CurrentChannel, F::TxFrequency, text)));
    return true;
}
