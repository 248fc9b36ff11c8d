// SPDX-License-Identifier: GPL-3.0-or-later
// Memory channels moved as whole channels.
#include "core/model/ChannelOrder.h"

#include <algorithm>
#include <numeric>
#include <tuple>

#include "core/model/ChannelCodec.h"
#include "core/model/Encodings.h"

namespace
{
TChannelOrder Identity(int count)
{
    TChannelOrder order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 1);
    return order;
}

// CTCSS tones before DCS codes, each in the order of the radio's tone list; no tone first.
size_t TonePlace(const std::string& tone)
{
    const std::vector<std::string>& list = ToneList();
    return tone.empty() ? 0 : static_cast<size_t>(std::find(list.begin(), list.end(), tone) - list.begin());
}

// What a channel sorts by; unused channels after every channel in use.
struct TSortValue {
    bool Unused = true;
    double Frequency = 0;
    std::string Name;
    size_t TxTone = 0;
    size_t RxTone = 0;
};

TSortValue SortValueOf(TAppState& all, int channel)
{
    TChannel decoded;
    if (!DecodeChannel(all, channel, decoded))
        return {};
    return {false, decoded.RxFreq, decoded.Name, TonePlace(decoded.TxTone), TonePlace(decoded.RxTone)};
}

bool Before(const TSortValue& a, const TSortValue& b, TSortKey key)
{
    if (a.Unused != b.Unused)
        return b.Unused;
    switch (key) {
    case TSortKey::RxFrequency:
        return a.Frequency < b.Frequency;
    case TSortKey::Name:
        return a.Name < b.Name;
    case TSortKey::Tone:
        return std::tie(a.TxTone, a.RxTone) < std::tie(b.TxTone, b.RxTone);
    }
    return false;
}
} // namespace

TChannelSlot TakeChannel(const TAppState& all, int channel)
{
    TChannelSlot slot;
    for (int k = 0; k < 32; ++k)
        slot.Record[static_cast<size_t>(k)] = all.Image[static_cast<size_t>(ChannelByte(channel, k))];
    slot.Used = IsChannelUsed(all, channel);
    slot.Scanned = !GetMapBit(all, kScanSkipMap, channel);
    return slot;
}

void PutChannel(TAppState& all, int channel, const TChannelSlot& slot)
{
    if (!slot.Used) {
        std::string none;
        SetChannelField(all, channel, TChannelField::RxFrequency, none);
        return;
    }
    for (int k = 0; k < 32; ++k)
        all.Image[static_cast<size_t>(ChannelByte(channel, k))] = slot.Record[static_cast<size_t>(k)];
    SetChannelUsed(all, kChannelEmptyMap, channel, true);
    SetChannelUsed(all, kScanSkipMap, channel, slot.Scanned);
}

void ReorderChannels(TAppState& all, const TChannelOrder& order)
{
    std::vector<TChannelSlot> before;
    for (int channel = 1; channel <= static_cast<int>(order.size()); ++channel)
        before.push_back(TakeChannel(all, channel));
    for (size_t i = 0; i < order.size(); ++i)
        PutChannel(all, static_cast<int>(i) + 1,
                   order[i] > 0 ? before[static_cast<size_t>(order[i] - 1)] : TChannelSlot{});
}

TChannelOrder InsertRowOrder(int count, int at)
{
    TChannelOrder order = Identity(count);
    for (int channel = count; channel > at; --channel)
        order[static_cast<size_t>(channel - 1)] = channel - 1;
    order[static_cast<size_t>(at - 1)] = 0;
    return order;
}

TChannelOrder DeleteRowOrder(int count, int at)
{
    TChannelOrder order = Identity(count);
    for (int channel = at; channel < count; ++channel)
        order[static_cast<size_t>(channel - 1)] = channel + 1;
    order.back() = 0;
    return order;
}

TChannelOrder MoveBlockOrder(int count, int first, int last, int step)
{
    if (first + step < 1 || last + step > count)
        return {};
    TChannelOrder order = Identity(count);
    for (int channel = first; channel <= last; ++channel)
        order[static_cast<size_t>(channel + step - 1)] = channel;
    // The passed channel lands on the block's far side.
    order[static_cast<size_t>(step < 0 ? last - 1 : first - 1)] = step < 0 ? first - 1 : last + 1;
    return order;
}

TChannelOrder SortOrder(TAppState& all, const std::vector<int>& places, TSortKey key)
{
    std::vector<std::pair<TSortValue, int>> values;
    for (const int channel : places)
        values.emplace_back(SortValueOf(all, channel), channel);
    std::stable_sort(values.begin(), values.end(),
                     [key](const auto& a, const auto& b) { return Before(a.first, b.first, key); });
    TChannelOrder order = Identity(all.ChannelCount);
    for (size_t i = 0; i < places.size(); ++i)
        order[static_cast<size_t>(places[i] - 1)] = values[i].second;
    return order;
}
