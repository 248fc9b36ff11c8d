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
        {15, "fOptFun", [] { return new TOptionalFunctionsWindow; }},
        {18, "fDtmfFun", [] { return new TDtmfWindow; }},
        {19, "fScanFun", [] { return new TScanWindow; }},
        {14, "fVoxFun", [] { return new TVoxWindow; }},
        {16, "fInfoMsg", [] { return new TRadioInfoWindow; }},
        {13, "fFmFun", [] { return new TFmRadioWindow; }},
        {11, "fChsInfo", [] { return new TChannelTableWindow; }},
        {12, "fChsEdit", [] { return new TChannelEditor; }},
        {10, "fFreqEdit", [] { return new TVfoEditor; }},
        {9, "fBatch", [] { return new TBatchEditor; }},
    };
    return table;
}
