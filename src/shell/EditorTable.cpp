#include "shell/EditorTable.h"

// The editors are Qt windows: this line also puts the table into the Qt library.
#include <QWidget>

#include "editors/channels/BatchEdit.h"
#include "editors/channels/ChsEdit.h"
#include "editors/channels/ChsInfo.h"
#include "editors/channels/FreqEdit.h"
#include "editors/functions/DtmfFun.h"
#include "editors/functions/FmFun.h"
#include "editors/functions/InfoMsg.h"
#include "editors/functions/OptFun.h"
#include "editors/functions/ScanFun.h"
#include "editors/functions/VoxFun.h"
#include "ui/EditorWindow.h"

const std::vector<TEditorEntry>& EditorTable()
{
    static const std::vector<TEditorEntry> table = {
        {15, "fOptFun", [] { return new TfOptFun; }},
        {18, "fDtmfFun", [] { return new TfDtmfFun; }},
        {19, "fScanFun", [] { return new TfScanFun; }},
        {14, "fVoxFun", [] { return new TfVoxFun; }},
        {16, "fInfoMsg", [] { return new TfInfoMsg; }},
        {13, "fFmFun", [] { return new TfFmFun; }},
        {11, "fChsInfo", [] { return new TfChsInfo; }},
        {12, "fChsEdit", [] { return new TfChsEdit; }},
        {10, "fFreqEdit", [] { return new TfFreqEdit; }},
        {9, "fBatch", [] { return new TfBatch; }},
    };
    return table;
}
