// SPDX-License-Identifier: GPL-3.0-or-later
// The operations that keep the image and the program's state in step on New, Open and after a read.
#include <algorithm>

#include "core/model/Derivations.h"
#include "core/model/Encodings.h"
#include "core/model/Numbers.h"
#include "core/model/SettingsTable.h"

namespace
{
// The 48 bytes a new data set holds at 0x11B0: FM-empty map, FM limits and settings items 0 to 39.
constexpr uint8_t kNewSettings[48] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0xFF,
                                      0xBD, 0xFE, 0xFC, 0x65, 0x94, 0x16, 0x00, 0x0C, 0x00, 0xFF, 0xFF, 0xFF,
                                      0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                      0xFF, 0xF1, 0x32, 0xD0, 0xEF, 0xFA, 0xF5, 0xFF, 0x00, 0x0F, 0xFF, 0xFF};

uint8_t* At(TAppState& all, int offset)
{
    return all.Image.data() + offset;
}

double ReadBandEdge(const TAppState& all, int offset)
{
    const uint8_t* p = all.Image.data() + offset;
    double edge = static_cast<double>(ReadLe32(p[0], p[1], p[2], p[3])) / 100000.0;
    int code = 4;
    RoundToStep(all, edge, code);
    return edge;
}

std::string MakeBandText(const TAppState& all)
{
    std::string text;
    for (const TBand& band : all.Bands)
        if (band.Low != 0 && band.High != 0)
            text += FormatFreq(band.Low) + " - " + FormatFreq(band.High) + "/";
    if (!text.empty())
        text.pop_back();
    return text + "MHz";
}

// The two limits are checked together: both must be valid and the low one below the high one.
void ValidateFmLimits(TAppState& all)
{
    const TSettingRow& low = SettingRow(TSetting::FmLowLimit);
    const TSettingRow& high = SettingRow(TSetting::FmHighLimit);
    const int lo = GetSetting(all, low.Id);
    const int hi = GetSetting(all, high.Id);
    const auto valid = [](const TSettingRow& row, int v) { return v >= row.Min && v <= row.Max; };
    if (!(valid(low, lo) && valid(high, hi) && lo < hi)) {
        SetSetting(all, low.Id, low.Default);
        SetSetting(all, high.Id, high.Default);
    }
}
} // namespace

void NewImage(TAppState& all)
{
    std::fill(all.Image.begin(), all.Image.begin() + 297 * kBlockSize, 0xFF);
    std::copy(std::begin(kNewSettings), std::end(kNewSettings), At(all, kFmEmptyMap));
    all.ManualFreq = 0xFF;
    ValidateSettings(all);
    StampTime(At(all, kWriteTime), NowText());
}

void ValidateSettings(TAppState& all)
{
    // No two rows share a bit (the table tests hold them to it), so the rows' order does not change the result.
    for (const TSettingRow& row : SettingsTable()) {
        if (row.Check == TSettingCheck::Range)
            ClampSetting(all, row);
        else if (row.Check == TSettingCheck::Fixed)
            SetSetting(all, row.Id, row.Default);
    }
    ValidateFmLimits(all);
}

void ApplyModelBands(TAppState& all, const TModelCatalogue& list)
{
    const TRadioModel* model = list.FindById(all.ModelId);
    if (!model)
        return;
    const bool useLimits = model->DefaultBands == model->SupportedBands;
    for (int i = 0; i < 4; ++i)
        all.Bands[static_cast<size_t>(i)] = model->GetBandRange(i, useLimits);
    all.BandMask = useLimits ? model->SupportedBands : model->DefaultBands;
}

void SelectModel(TAppState& all, const TModelCatalogue& list, const std::string& identifier, bool writeIdentification)
{
    const TRadioModel* model = list.FindById(identifier);
    if (!model)
        return;
    all.ModelName = model->Name;
    all.ModelId = model->Identifier;
    all.ChannelCount = model->ChannelCount;
    all.SupportedBands = model->SupportedBands;
    if (writeIdentification)
        WriteModelIdent(all);
}

void WriteModelIdent(TAppState& all)
{
    const std::string id = (all.ModelId + "    ").substr(0, 4);
    all.Image[kModelIdent] = 'P';
    std::copy(id.begin(), id.end(), At(all, kModelIdent + 1));
    SetSetting(all, TSetting::ManualFreq, all.ManualFreq);
    all.Image[kModelIdent + 6] = all.BandMask;
    all.Image[kModelIdent + 7] = 0x00;
}

void StoreBandLimits(TAppState& all)
{
    // Four plain calls, not a loop. In a loop that reads all.Bands (16-byte stride) beside a pointer into
    // all.Image (8-byte stride), GCC 12.2's induction-variable optimisation (-fivopts, on from -O1) rewrites the
    // band loads as null-based addresses; its pure-const and modref analyses take such a load for a null
    // dereference, skip the rest of the loop body and declare this function const, and the calls to it from
    // NewDataSet, PrepareFirstImage and CompleteRead are then deleted. Without a loop that rewrite has nothing to
    // work on. The FirstShow and CompleteRead tests fail if a call is dropped again.
    const auto store = [&all](int i) {
        const TBand& band = all.Bands[static_cast<size_t>(i)];
        WriteLe32(At(all, kBandBlock + 8 * i), static_cast<uint32_t>(FreqToUnits(band.Low)));
        WriteLe32(At(all, kBandBlock + 8 * i + 4), static_cast<uint32_t>(FreqToUnits(band.High)));
    };
    store(0);
    store(1);
    store(2);
    store(3);
}

void DeriveBands(TAppState& all, const TModelCatalogue& list)
{
    const TRadioModel* model = list.FindById(all.ModelId);
    if (!model)
        return;
    uint8_t mask = all.Image[kModelIdent + 6] & all.SupportedBands;
    if (mask == 0)
        mask = all.SupportedBands;
    for (int i = 0; i < 4; ++i) {
        const int code = (mask >> (2 * i)) & 3;
        TBand& band = all.Bands[static_cast<size_t>(i)];
        const TBand limit = model->GetBandLimit(i);
        if (code == 0) {
            band = {0.0, 0.0};
            continue;
        }
        if (code == 1) {
            const double lo = ReadBandEdge(all, kBandBlock + 8 * i);
            const double hi = ReadBandEdge(all, kBandBlock + 8 * i + 4);
            const auto inside = [&limit](double f) { return limit.Low <= f && f <= limit.High; };
            if (lo <= hi && inside(lo) && inside(hi)) {
                band = {lo, hi};
                continue;
            }
        }
        band = limit;
        mask = static_cast<uint8_t>(mask | (3 << (2 * i)));
    }
    all.BandMask = mask;
    all.BandText = MakeBandText(all);
}

void PrepareFirstImage(TAppState& all, const TModelCatalogue& list)
{
    if (const TRadioModel* first = list.GetModel(0))
        all.ModelId = first->Identifier;
    NewImage(all);
    ApplyModelBands(all, list);
    SelectModel(all, list, all.ModelId, true);
    StoreBandLimits(all);
    DeriveBands(all, list);
}

void NewDataSet(TAppState& all, const TModelCatalogue& list)
{
    NewImage(all);
    SelectModel(all, list, all.ModelId, true);
    StoreBandLimits(all);
    DeriveBands(all, list);
    all.Modified = false;
}

void CompleteRead(TAppState& all, const TModelCatalogue& list, const std::vector<uint8_t>& staging,
                  const std::string& modelId, uint8_t bandByte)
{
    const size_t count = std::min(staging.size(), static_cast<size_t>(297 * kBlockSize));
    std::copy(staging.begin(), staging.begin() + static_cast<std::ptrdiff_t>(count), all.Image.begin());
    all.ManualFreq = static_cast<uint8_t>(GetSetting(all, TSetting::ManualFreq));
    if (bandByte != 0xFF)
        all.Image[kModelIdent + 6] = bandByte & 0x55;
    ValidateSettings(all);
    SelectModel(all, list, modelId, false);
    DeriveBands(all, list);
    all.BandMask &= 0x55;
    StoreBandLimits(all);
    WriteModelIdent(all);
    all.Modified = true;
}
