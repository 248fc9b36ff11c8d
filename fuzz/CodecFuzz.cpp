// SPDX-License-Identifier: GPL-3.0-or-later
// The channel and FM decoders over any image, followed by a re-encode of every text they show: nothing
// crashes, and a second decode and re-encode leaves the image as the first left it (what the program stores
// it shows again unchanged).
#include <algorithm>

#include "FuzzSupport.h"
#include "core/model/ChannelCodec.h"
#include "core/model/ChannelFields.h"
#include "core/model/Derivations.h"
#include "core/model/Encodings.h"
#include "core/model/FmCodec.h"
#include "core/model/Numbers.h"

namespace
{
// The text a channel table cell stores for a field of a decoded channel, as the table hands it back.
bool FieldText(const TChannelFieldRow& row, const TChannel& channel, std::string& text)
{
    switch (row.Kind) {
    case TFieldKind::Frequency: {
        const double frequency = channel.*row.Frequency;
        text = frequency == -1 ? "" : FormatFreq(frequency);
        return true;
    }
    case TFieldKind::Tone:
        text = channel.*row.Text;
        return true;
    case TFieldKind::List: // a list cell stores its item's index
        text = std::to_string(ChannelListValue(channel, row.Field));
        return true;
    case TFieldKind::NameText:
    case TFieldKind::DtmfCode:
        text = channel.*row.Text;
        return true;
    default:
        return false;
    }
}

void ReencodeChannels(TAppState& all)
{
    for (int ch = 1; ch <= all.ChannelCount; ++ch) {
        TChannel channel;
        if (!DecodeChannel(all, ch, channel))
            continue;
        for (const TChannelFieldRow& row : ChannelFieldTable()) {
            // The offset and its direction are the VFO's fields: a memory channel keeps its TX frequency there.
            if (row.Field == TChannelField::Offset || row.Field == TChannelField::Duplex)
                continue;
            std::string text;
            if (FieldText(row, channel, text))
                SetChannelField(all, ch, row.Field, text);
        }
    }
}

void ReencodeFm(TAppState& all)
{
    for (int n = 1; n <= 32; ++n) { // the FM memories and the current FM frequency (32)
        const double mhz = DecodeFmChannel(all, n);
        SetFmChannel(all, n, mhz < 0 ? "" : FormatFreq(mhz));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TAppState all;
    TModelCatalogue list;
    FreshState(all, list);
    std::copy(data, data + std::min<size_t>(size, all.Image.size()), all.Image.begin());
    ValidateSettings(all);
    ReencodeChannels(all);
    ReencodeFm(all);
    const auto once = all.Image;
    ReencodeChannels(all);
    ReencodeFm(all);
    Require(all.Image == once);
    return 0;
}
