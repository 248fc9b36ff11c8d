// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/DataSetDiff.h"

#include <algorithm>
#include <array>

#include "core/model/ChannelCodec.h"
#include "core/model/ChannelFields.h"
#include "core/model/RadioInfo.h"
#include "core/model/SettingsTable.h"

namespace
{
constexpr const char* kArrow = " \u2192 ";
// The first channel record begins in block 1 and each takes two blocks; the two VFO records follow the
// memory channels.
constexpr int kFirstChannelBlock = 1;
constexpr int kBlocksPerChannel = 2;

// The image regions outside the channel records that a user knows by name.
struct TRegion {
    int First;
    int End;
    const char* Name;
};
constexpr std::array<TRegion, 8> kRegions{{
    {0x1050, 0x1090, "FM channels"},
    {kChannelEmptyMap, kScanSkipMap, "channel list"},
    {kScanSkipMap, kFmEmptyMap, "scan list"},
    {kFmEmptyMap, kSettingsBase + 0x38, "settings"},
    {kModelIdent, kBandBlock, "model"},
    {kBandBlock, kBandBlock + kBlockSize, "bands"},
    {kWriteTime, kWriteTime + kBlockSize, "write time"},
    {kSerialNumber, kSerialNumber + kBlockSize, "serial number"},
}};

std::string ThreeDigits(int n)
{
    std::string text = std::to_string(n);
    return std::string(text.size() < 3 ? 3 - text.size() : 0, '0') + text;
}

// A memory channel's offset and direction follow from its TX frequency, a VFO's TX frequency from its offset
// and direction: only what the channel's window lets the user type is compared.
bool Derived(int index, TChannelField field)
{
    if (index == kVfoA || index == kVfoB)
        return field == TChannelField::TxFrequency;
    return field == TChannelField::Offset || field == TChannelField::Duplex;
}

std::string Shown(const std::string& text)
{
    return text.empty() ? "(blank)" : text;
}

std::string Change(const std::string& label, const std::string& before, const std::string& after)
{
    return label + ": " + Shown(before) + kArrow + Shown(after);
}

// The decoding normalises a record as the channel table does, so it works on copies.
void DiffChannel(TAppState& before, TAppState& after, int index, std::vector<std::string>& lines)
{
    TChannel a;
    TChannel b;
    const bool inBefore = DecodeChannel(before, index, a);
    const bool inAfter = DecodeChannel(after, index, b);
    const std::string label = ChannelLabel(index);
    if (!inBefore && !inAfter)
        return;
    if (!inAfter) {
        lines.push_back(label + ": cleared");
        return;
    }
    if (!inBefore) {
        lines.push_back(label + ": new channel " + ChannelCellText(b, index, TChannelField::RxFrequency));
        return;
    }
    for (const TChannelFieldRow& row : ChannelFieldTable()) {
        if (row.Kind == TFieldKind::ChannelNumber || row.Kind == TFieldKind::More || Derived(index, row.Field))
            continue;
        const std::string was = ChannelCellText(a, index, row.Field);
        const std::string now = ChannelCellText(b, index, row.Field);
        if (was != now)
            lines.push_back(Change(label + " " + row.ColumnTitle, was, now));
    }
}

std::string SettingLabel(const TSettingRow& row)
{
    std::string label = row.Caption;
    while (!label.empty() && label.back() == ' ')
        label.pop_back();
    if (!label.empty())
        return label;
    // A value the windows show only through another control (a list's second bit field, a length) is named
    // by its place.
    return "setting at " + row.Section + (row.Section.empty() ? "" : " ") + "byte " + std::to_string(row.Offset);
}

void DiffSettings(const TAppState& before, const TAppState& after, std::vector<std::string>& lines)
{
    for (const TSettingRow& row : SettingsTable()) {
        const std::string was = SettingValueText(before, row);
        const std::string now = SettingValueText(after, row);
        if (was != now)
            lines.push_back(Change(SettingLabel(row), was, now));
    }
}

// What the radio information window shows besides the model.
void DiffRadioInfo(const TAppState& before, const TAppState& after, std::vector<std::string>& lines)
{
    const std::pair<const char*, std::string (*)(const TAppState&)> texts[] = {{"Write Time", WriteTimeText},
                                                                               {"Serial Number", SerialNumberText}};
    for (const auto& [label, text] : texts) {
        const std::string was = text(before);
        const std::string now = text(after);
        if (was != now)
            lines.push_back(Change(label, was, now));
    }
}

// The blocks of the data file's part of the image in which the two differ.
std::vector<int> DifferingBlocks(const TAppState& before, const TAppState& after)
{
    std::vector<int> blocks;
    for (int block = 0; block * kBlockSize < kImageSize; ++block) {
        const auto first = static_cast<size_t>(block * kBlockSize);
        const auto end = std::min(first + kBlockSize, static_cast<size_t>(kImageSize));
        if (!std::equal(before.Image.begin() + first, before.Image.begin() + end, after.Image.begin() + first))
            blocks.push_back(block);
    }
    return blocks;
}
} // namespace

std::vector<std::string> DiffDataSets(const TAppState& before, const TAppState& after)
{
    std::vector<std::string> lines;
    if (before.ModelId != after.ModelId)
        lines.push_back(Change("Model", before.ModelName, after.ModelName));
    TAppState a = before;
    TAppState b = after;
    const int channels = std::max(before.ChannelCount, after.ChannelCount);
    for (int index = 1; index <= channels; ++index)
        DiffChannel(a, b, index, lines);
    for (int index : {kVfoA, kVfoB})
        DiffChannel(a, b, index, lines);
    DiffSettings(before, after, lines);
    DiffRadioInfo(before, after, lines);
    if (lines.empty()) {
        const std::vector<int> blocks = DifferingBlocks(before, after);
        if (!blocks.empty())
            lines.push_back("Other data differs: " + BlocksContents(blocks));
    }
    return lines;
}

std::string ChannelLabel(int index)
{
    if (index == kVfoA)
        return "VFO A";
    if (index == kVfoB)
        return "VFO B";
    return "CH-" + ThreeDigits(index);
}

std::string BlockContents(int block)
{
    const int channel = (block - kFirstChannelBlock) / kBlocksPerChannel + 1;
    if (block >= kFirstChannelBlock && channel <= kVfoB)
        return ChannelLabel(channel);
    const int address = block * kBlockSize;
    for (const TRegion& region : kRegions) {
        if (address + kBlockSize > region.First && address < region.End)
            return region.Name;
    }
    return "block " + std::to_string(block);
}

std::string BlocksContents(const std::vector<int>& blocks)
{
    std::vector<std::string> names;
    for (int block : blocks) {
        std::string name = BlockContents(block);
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(std::move(name));
    }
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}
