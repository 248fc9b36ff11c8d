// SPDX-License-Identifier: GPL-3.0-or-later
// FM broadcast memories 1 to 25 and the current FM frequency (channel 32), in 25 kHz units.
#include <algorithm>

#include "core/model/Encodings.h"
#include "core/model/FmCodec.h"
#include "core/model/Numbers.h"
#include "core/model/SettingsTable.h"

namespace
{

uint8_t* FmSlot(TAppState& all, int n)
{
    return SettingBytes(all, TSetting::FmFrequencies).data() + 2 * (n - 1);
}

double FmUnitsToMhz(int64_t v)
{
    return static_cast<double>(v) * 2500.0 / 100000.0;
}
} // namespace

double DecodeFmChannel(TAppState& all, int n)
{
    if (n < 1 || n > kFmCurrent)
        return -1.0;
    const int lo = GetSetting(all, TSetting::FmLowLimit);
    const int hi = GetSetting(all, TSetting::FmHighLimit);
    if (n != kFmCurrent && GetMapBit(all, kFmEmptyMap, n))
        return -1.0;
    int v = ReadLe16(FmSlot(all, n));
    if (v > hi || v < lo)
        v = lo;
    // The checked value goes back as it is: passing it through SetFmChannel would also apply the typing
    // ceiling FmMaxLimit and silently lower a stored frequency that lies inside the band limits.
    WriteLe16(FmSlot(all, n), static_cast<uint16_t>(v));
    return FmUnitsToMhz(v);
}

std::string SetFmChannel(TAppState& all, int n, const std::string& text)
{
    if (n < 1 || n > kFmCurrent)
        return "";
    const int lo = GetSetting(all, TSetting::FmLowLimit);
    const int hi = GetSetting(all, TSetting::FmHighLimit);
    if (text.empty()) {
        if (n == kFmCurrent)
            return FormatFreq(FmUnitsToMhz(lo));
        SetMapBit(all, kFmEmptyMap, n, true);
        return "";
    }
    const double f = std::min(ParseDouble(text), all.FmMaxLimit);
    const int64_t v = std::max<int64_t>(std::min<int64_t>(RoundHalfAway(f * 100000.0 / 2500.0), hi), lo);
    WriteLe16(FmSlot(all, n), static_cast<uint16_t>(v));
    if (n != kFmCurrent)
        SetMapBit(all, kFmEmptyMap, n, false);
    return FormatFreq(FmUnitsToMhz(v));
}
