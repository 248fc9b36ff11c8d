// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/EditorList.h"

#include "gui/channels/BatchEditor.h"
#include "gui/channels/ChannelEditor.h"
#include "gui/channels/ChannelTableWindow.h"
#include "gui/channels/VfoEditor.h"
#include "gui/kit/EditorWindow.h"
#include "gui/settings/DtmfWindow.h"
#include "gui/settings/FmRadioWindow.h"
#include "gui/settings/OptionalFunctionsWindow.h"
#include "gui/settings/RadioInfoWindow.h"
#include "gui/settings/ScanWindow.h"
#include "gui/settings/VoxWindow.h"

const std::vector<TEditorEntry>& EditorList()
{
    static const std::vector<TEditorEntry> table = {
        {TCommand::OptionalFunctions, "fOptFun", [] { return new TOptionalFunctionsWindow; }},
        {TCommand::Dtmf, "fDtmfFun", [] { return new TDtmfWindow; }},
        {TCommand::Scan, "fScanFun", [] { return new TScanWindow; }},
        {TCommand::Vox, "fVoxFun", [] { return new TVoxWindow; }},
        {TCommand::RadioInfo, "fInfoMsg", [] { return new TRadioInfoWindow; }},
        {TCommand::FmRadio, "fFmFun", [] { return new TFmRadioWindow; }},
        {TCommand::ChannelTable, "fChsInfo", [] { return new TChannelTableWindow; }},
        {TCommand::ChannelEdit, "fChsEdit", [] { return new TChannelEditor; }},
        {TCommand::VfoEdit, "fFreqEdit", [] { return new TVfoEditor; }},
        {TCommand::BatchEdit, "fBatch", [] { return new TBatchEditor; }},
    };
    return table;
}
