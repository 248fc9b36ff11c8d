// SPDX-License-Identifier: GPL-3.0-or-later
// The 32-byte channel record shared by the memory channels and the two VFO channels.
#include <cstdlib>

#include "core/model/ChannelCodec.h"
#include "core/model/Encodings.h"
#include "core/model/Numbers.h"

namespace
{
bool IsVfo(int index)
{
    return index == kVfoA || index == kVfoB;
}

bool IsMemory(int index)
{
    return index >= 1 && index < kVfoA;
}

uint8_t& RecordByte(TAppState& all, int index, int k)
{
    return all.Image[static_cast<size_t>(ChannelByte(index, k))];
}

uint8_t RecordByte(const TAppState& all, int index, int k)
{
    return all.Image[static_cast<size_t>(ChannelByte(index, k))];
}

// The rounding class of the VFO fields: the step setting, or for the automatic step the class of the
// companion frequency (the offset for the receive frequency and the other way round).
int VfoStepCode(const TAppState& all, double companion)
{
    const int code = SettingStepClass(all);
    return code == 2 ? FreqStepClass(companion) : code;
}

// The first count characters of a UTF-8 text, each character kept whole.
std::vector<std::string> SplitCharacters(const std::string& text, size_t count)
{
    std::vector<std::string> characters;
    for (size_t i = 0; i < text.size() && characters.size() < count;) {
        size_t length = 1;
        while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
            ++length;
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

void SetRxFrequency(TAppState& all, int index, std::string& text)
{
    double f = ParseFreqText(text);
    if (IsVfo(index)) {
        if (f == -1.0)
            f = NearestBandEdge(all, false, f);
        std::string offsetText = FormatFreq(ReadChannelFreq(all, index, TFreqWord::Offset));
        int code = VfoStepCode(all, ParseDouble(offsetText));
        WriteChannelFreq(all, index, static_cast<uint32_t>(RoundToStep(all, f, code)), TFreqWord::Rx);
        SetChannelField(all, index, TChannelField::Offset, offsetText);
        text = FormatFreq(f);
        return;
    }
    if (f == -1.0) {
        SetChannelUsed(all, kChannelEmptyMap, index, false);
        SetChannelUsed(all, kScanSkipMap, index, false);
        for (int k = 0; k < 32; ++k)
            RecordByte(all, index, k) = 0xFF;
        text.clear();
        return;
    }
    int code = 2;
    WriteChannelFreq(all, index, static_cast<uint32_t>(RoundToStep(all, f, code)), TFreqWord::Rx);
    SetChannelUsed(all, kChannelEmptyMap, index, true);
    text = FormatFreq(f);
}

void SetTxFrequency(TAppState& all, int index, std::string& text)
{
    double f = ParseFreqText(text);
    if (f == -1.0) {
        WriteChannelFreq(all, index, 0xFFFFFFFFu, TFreqWord::Tx);
        text.clear();
        return;
    }
    int code = 2;
    WriteChannelFreq(all, index, static_cast<uint32_t>(RoundToStep(all, f, code)), TFreqWord::Tx);
    text = FormatFreq(f);
}

void SetOffset(TAppState& all, int index, std::string& text)
{
    double f = ParseFreqText(text);
    // An offset is never negative and at most 99.995 MHz; anything else means no offset.
    if (f < 0 || f > 99.995)
        f = 0;
    int code = VfoStepCode(all, ReadChannelFreq(all, index, TFreqWord::Rx));
    WriteChannelFreq(all, index, static_cast<uint32_t>(RoundToStep(all, f, code)), TFreqWord::Offset);
    text = FormatFreq(f);
}

void SetName(TAppState& all, int index, std::string& text)
{
    std::vector<std::string> characters = SplitCharacters(text, 7);
    characters.resize(7, " ");
    uint8_t codes[7];
    for (int i = 0; i < 7; ++i) {
        const std::string& c = characters[static_cast<size_t>(i)];
        codes[i] = static_cast<uint8_t>(c.size() == 1 ? NameCode(c[0]) : 32);
        RecordByte(all, index, 18 + i) = codes[i];
    }
    // What the radio will show, not what was typed: a character it cannot show has been replaced.
    text = NameText(codes, 7);
}

// The channel's ID code: six DTMF digits in record bytes 15 to 17.
constexpr int kIdCodeByte = 15;
constexpr size_t kIdCodeBytes = 3;

std::span<uint8_t> IdCodeBytes(TAppState& all, int index)
{
    return {&RecordByte(all, index, kIdCodeByte), kIdCodeBytes};
}

void SetIdCode(TAppState& all, int index, std::string& text)
{
    if (text.size() < 3)
        text = (text + "000").substr(0, 3);
    WriteDigitCodes(IdCodeBytes(all, index), text);
}

int ItemNumber(const std::string& text)
{
    return static_cast<int>(ParseInt(text));
}

void SetTone(TAppState& all, int index, int firstByte, const std::string& text)
{
    const auto [b0, b1] = ToneBytes(text);
    RecordByte(all, index, firstByte) = b0;
    RecordByte(all, index, firstByte + 1) = b1;
}

void SetOptionBits(TAppState& all, int index, const TOptionBits& bits, const std::string& text)
{
    SetField(RecordByte(all, index, bits.Byte), bits.Mask, ItemNumber(text) ^ bits.Inversion);
}

// The list index held in the bits of a list field. A value past the last item (only the duplex direction's
// two bits can hold one) reads as item 0.
uint8_t DecodeOptionBits(const TAppState& all, int index, const TChannelFieldRow& row)
{
    const TOptionBits& bits = *row.Bits;
    const int last = static_cast<int>(row.Items.size()) - 1;
    return static_cast<uint8_t>(GetField(RecordByte(all, index, bits.Byte), bits.Mask, last, 0) ^ bits.Inversion);
}

std::string DecodeIdCode(const TAppState& all, int index)
{
    const std::string code = DigitText({all.Image.data() + ChannelByte(index, kIdCodeByte), kIdCodeBytes}, 6, 9);
    return code.size() < 3 ? "000" : code;
}

// Each tone is written back as decoded, which clears the bits a tone word does not use.
void DecodeTones(TAppState& all, int index, TChannel& channel)
{
    for (const TChannelField field : {TChannelField::RxTone, TChannelField::TxTone}) {
        const TChannelFieldRow& row = FieldRow(field);
        std::string& tone = channel.*row.Text;
        tone = ToneText(RecordByte(all, index, row.ToneWord), RecordByte(all, index, row.ToneWord + 1));
        SetChannelField(all, index, field, tone);
    }
}

// The duplex direction is left to the transmit part: a memory channel derives it from its frequencies.
void DecodeOptions(const TAppState& all, int index, TChannel& channel)
{
    for (const TChannelFieldRow& row : ChannelFieldTable())
        if (row.Bits && row.Field != TChannelField::Duplex)
            channel.*row.Index = DecodeOptionBits(all, index, row);
    channel.Reverse = 0;
}

void DecodeVfoTransmit(TAppState& all, int index, TChannel& channel)
{
    double offset = ReadChannelFreq(all, index, TFreqWord::Offset);
    if (offset > 99.995)
        offset = 0;
    std::string text = FormatFreq(offset);
    SetChannelField(all, index, TChannelField::Offset, text);
    channel.Offset = ParseDouble(text);
    channel.Duplex = DecodeOptionBits(all, index, FieldRow(TChannelField::Duplex));
    channel.TxFreq = channel.Duplex == 1   ? channel.RxFreq + channel.Offset
                     : channel.Duplex == 2 ? channel.RxFreq - channel.Offset
                                           : channel.RxFreq;
}

void DecodeMemoryTransmit(TAppState& all, int index, TChannel& channel)
{
    channel.Offset = 0;
    channel.Duplex = 0;
    if (RecordByte(all, index, 7) & 0x80) {
        channel.TxFreq = -1;
        return;
    }
    std::string text = FormatFreq(ReadChannelFreq(all, index, TFreqWord::Tx));
    SetChannelField(all, index, TChannelField::TxFrequency, text);
    channel.TxFreq = ParseDouble(text);
    // The difference in 10 Hz units, so that 145.0 and 144.4 give an offset of exactly 0.6.
    const int64_t difference = FreqToUnits(channel.TxFreq) - FreqToUnits(channel.RxFreq);
    channel.Duplex = difference > 0 ? 1 : difference < 0 ? 2 : 0;
    channel.Offset = static_cast<double>(std::llabs(difference)) / 100000.0;
}
} // namespace

TSlot ChannelSlot(int index, int k)
{
    const int p = ChannelByte(index, k);
    return {p / kBlockSize, p % kBlockSize};
}

int ChannelByte(int index, int k)
{
    return 32 * (index - 1) + 16 + k;
}

double ReadChannelFreq(const TAppState& all, int index, TFreqWord word)
{
    const int first = word == TFreqWord::Rx ? 0 : 4;
    const uint8_t top = word == TFreqWord::Offset ? 0 : RecordByte(all, index, first + 3);
    const uint32_t n = ReadLe32(RecordByte(all, index, first), RecordByte(all, index, first + 1),
                                RecordByte(all, index, first + 2), top);
    return static_cast<double>(n) / 100000.0;
}

void WriteChannelFreq(TAppState& all, int index, uint32_t n, TFreqWord word)
{
    uint8_t bytes[4];
    WriteLe32(bytes, n);
    const int first = word == TFreqWord::Rx ? 0 : 4;
    const int count = word == TFreqWord::Offset ? 3 : 4;
    for (int i = 0; i < count; ++i)
        RecordByte(all, index, first + i) = bytes[i];
}

bool IsChannelUsed(const TAppState& all, int index)
{
    if (IsVfo(index))
        return true;
    return IsMemory(index) && !GetMapBit(all, kChannelEmptyMap, index);
}

int UsedChannelCount(const TAppState& all)
{
    int count = 0;
    for (int channel = 1; channel <= all.ChannelCount; ++channel)
        count += IsChannelUsed(all, channel) ? 1 : 0;
    return count;
}

void SetChannelUsed(TAppState& all, int mapOffset, int index, bool used)
{
    if (IsMemory(index))
        SetMapBit(all, mapOffset, index, !used);
}

bool DecodeChannel(TAppState& all, int index, TChannel& channel)
{
    if (!IsChannelUsed(all, index))
        return false;
    double f = ReadChannelFreq(all, index, TFreqWord::Rx);
    CheckFreqRange(all, "", f);
    std::string text = FormatFreq(f);
    SetChannelField(all, index, TChannelField::RxFrequency, text);
    channel.RxFreq = ParseDouble(text);
    if (IsVfo(index))
        DecodeVfoTransmit(all, index, channel);
    else
        DecodeMemoryTransmit(all, index, channel);
    DecodeTones(all, index, channel);
    DecodeOptions(all, index, channel);
    uint8_t name[7];
    for (int i = 0; i < 7; ++i)
        name[i] = RecordByte(all, index, 18 + i);
    channel.Name = NameText(name, 7);
    channel.IdCode = DecodeIdCode(all, index);
    if (IsMemory(index))
        channel.ScanSkip = GetMapBit(all, kScanSkipMap, index) ? 1 : 0;
    return true;
}

std::string ChannelCellText(const TChannel& channel, int number, TChannelField field)
{
    const TChannelFieldRow& row = FieldRow(field);
    switch (row.Kind) {
    case TFieldKind::ChannelNumber:
        return std::to_string(number);
    case TFieldKind::Frequency: {
        // A negative frequency is a channel without a TX frequency.
        const double frequency = channel.*row.Frequency;
        return frequency < 0 ? "" : FormatFreq(frequency);
    }
    case TFieldKind::Tone: {
        const std::string& tone = channel.*row.Text;
        return tone.empty() ? ToneList().front() : tone;
    }
    case TFieldKind::List: {
        const int index = ChannelListValue(channel, field);
        return index >= 0 && index < static_cast<int>(row.Items.size()) ? row.Items[static_cast<size_t>(index)] : "";
    }
    case TFieldKind::NameText:
    case TFieldKind::DtmfCode:
        return channel.*row.Text;
    case TFieldKind::More:
        break;
    }
    return "";
}

void SetChannelField(TAppState& all, int index, TChannelField field, std::string& text)
{
    if (!IsMemory(index) && !IsVfo(index))
        return;
    const TChannelFieldRow& row = FieldRow(field);
    if (row.Bits)
        return SetOptionBits(all, index, *row.Bits, text);
    switch (field) {
    case TChannelField::RxFrequency:
        SetRxFrequency(all, index, text);
        break;
    case TChannelField::TxFrequency:
        SetTxFrequency(all, index, text);
        break;
    case TChannelField::Offset:
        SetOffset(all, index, text);
        break;
    case TChannelField::RxTone:
    case TChannelField::TxTone:
        SetTone(all, index, row.ToneWord, text);
        break;
    case TChannelField::ScanAdd:
        SetChannelUsed(all, kScanSkipMap, index, text == "0");
        break;
    case TChannelField::Name:
        SetName(all, index, text);
        break;
    case TChannelField::IdCode:
        SetIdCode(all, index, text);
        break;
    default:
        // The number, reverse and "More..." fields are not in the record.
        break;
    }
}

// A new channel at the given frequency: transmit on receive, and every other field as the table's new-channel
// text sets it, in field order.
void ResetChannel(TAppState& all, int index, const std::string& frequencyText)
{
    std::string text = frequencyText;
    SetChannelField(all, index, TChannelField::RxFrequency, text);
    SetChannelField(all, index, TChannelField::TxFrequency, text);
    for (const TChannelFieldRow& row : ChannelFieldTable()) {
        if (!row.NewChannelText)
            continue;
        text = row.NewChannelText;
        SetChannelField(all, index, row.Field, text);
    }
}
