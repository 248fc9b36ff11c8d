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
        std::string offsetText = FormatFreq(ReadChannelFreq(all, index, 2));
        int code = VfoStepCode(all, ParseDouble(offsetText));
        WriteChannelFreq(all, index, static_cast<uint32_t>(RoundToStep(all, f, code)), 0);
        SetChannelField(all, index, 4, offsetText);
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
    WriteChannelFreq(all, index, static_cast<uint32_t>(RoundToStep(all, f, code)), 0);
    SetChannelUsed(all, kChannelEmptyMap, index, true);
    text = FormatFreq(f);
}

void SetTxFrequency(TAppState& all, int index, std::string& text)
{
    double f = ParseFreqText(text);
    if (f == -1.0) {
        WriteChannelFreq(all, index, 0xFFFFFFFFu, 1);
        text.clear();
        return;
    }
    int code = 2;
    WriteChannelFreq(all, index, static_cast<uint32_t>(RoundToStep(all, f, code)), 1);
    text = FormatFreq(f);
}

void SetOffset(TAppState& all, int index, std::string& text)
{
    double f = ParseFreqText(text);
    // An offset is never negative and at most 99.995 MHz; anything else means no offset.
    if (f < 0 || f > 99.995)
        f = 0;
    int code = VfoStepCode(all, ReadChannelFreq(all, index, 0));
    WriteChannelFreq(all, index, static_cast<uint32_t>(RoundToStep(all, f, code)), 2);
    text = FormatFreq(f);
}

void SetName(TAppState& all, int index, std::string& text)
{
    std::vector<std::string> characters = SplitCharacters(text, 7);
    characters.resize(7, " ");
    std::string shown;
    for (int i = 0; i < 7; ++i) {
        const std::string& c = characters[static_cast<size_t>(i)];
        RecordByte(all, index, 18 + i) = static_cast<uint8_t>(c.size() == 1 ? NameCode(c[0]) : 32);
        shown += c;
    }
    text = shown.substr(0, shown.find_last_not_of(' ') + 1);
}

void SetIdCode(TAppState& all, int index, std::string& text)
{
    if (text.size() < 3)
        text = (text + "000").substr(0, 3);
    const std::string padded = text + "*************";
    for (int i = 0; i < 6; ++i) {
        uint8_t& byte = RecordByte(all, index, 15 + i / 2);
        const int code = DtmfCode(padded[static_cast<size_t>(i)]);
        SetField(byte, i % 2 == 0 ? 0xF0 : 0x0F, code);
    }
}

int FieldNumber(const std::string& text)
{
    return static_cast<int>(ParseInt(text));
}

std::string DecodeIdCode(const TAppState& all, int index)
{
    std::string code;
    for (int i = 0; i < 6; ++i) {
        const uint8_t byte = RecordByte(all, index, 15 + i / 2);
        const int digit = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
        if (digit > 9)
            break;
        code += DtmfChar(digit);
    }
    return code.size() < 3 ? "000" : code;
}

void DecodeTones(TAppState& all, int index, TChannel& channel)
{
    channel.RxTone = ToneText(RecordByte(all, index, 8), RecordByte(all, index, 9));
    SetChannelField(all, index, 6, channel.RxTone);
    channel.TxTone = ToneText(RecordByte(all, index, 10), RecordByte(all, index, 11));
    SetChannelField(all, index, 7, channel.TxTone);
}

void DecodeOptions(const TAppState& all, int index, TChannel& channel)
{
    const uint8_t options = RecordByte(all, index, 12);
    channel.Power = static_cast<uint8_t>(GetField(options, 0x04, 1, 1));
    channel.Vox = static_cast<uint8_t>(GetField(options, 0x40, 1, 1));
    channel.Wide = static_cast<uint8_t>(GetField(options, 0x80, 1, 1));
    channel.Tail = static_cast<uint8_t>(GetField(options, 0x08, 1, 1));
    channel.BusyLock = static_cast<uint8_t>(GetField(options, 0x10, 1, 1));
    channel.VoiceMode = static_cast<uint8_t>(GetField(options, 0x03, 3, 3) ^ 3);
    channel.Reverse = 0;
    const uint8_t signalling = RecordByte(all, index, 13);
    channel.PttId = static_cast<uint8_t>(GetField(signalling, 0x30, 3, 3) ^ 3);
    channel.Ani = static_cast<uint8_t>(GetField(signalling, 0x80, 1, 1));
}

void DecodeVfoTransmit(TAppState& all, int index, TChannel& channel)
{
    double offset = ReadChannelFreq(all, index, 2);
    if (offset > 99.995)
        offset = 0;
    std::string text = FormatFreq(offset);
    SetChannelField(all, index, 4, text);
    channel.Offset = ParseDouble(text);
    channel.Duplex = static_cast<uint8_t>(GetField(RecordByte(all, index, 7), 0x03, 2, 0));
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
    std::string text = FormatFreq(ReadChannelFreq(all, index, 1));
    SetChannelField(all, index, 3, text);
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

double ReadChannelFreq(const TAppState& all, int index, int kind)
{
    const int first = kind == 0 ? 0 : 4;
    const uint8_t top = kind == 2 ? 0 : RecordByte(all, index, first + 3);
    const uint32_t n = ReadLe32(RecordByte(all, index, first), RecordByte(all, index, first + 1),
                                RecordByte(all, index, first + 2), top);
    return static_cast<double>(n) / 100000.0;
}

void WriteChannelFreq(TAppState& all, int index, uint32_t n, int kind)
{
    uint8_t bytes[4];
    WriteLe32(bytes, n);
    const int first = kind == 0 ? 0 : 4;
    const int count = kind == 2 ? 3 : 4;
    for (int i = 0; i < count; ++i)
        RecordByte(all, index, first + i) = bytes[i];
}

bool IsChannelUsed(const TAppState& all, int index)
{
    if (IsVfo(index))
        return true;
    return IsMemory(index) && !GetMapBit(all, kChannelEmptyMap, index);
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
    double f = ReadChannelFreq(all, index, 0);
    CheckFreqRange(all, "", f);
    std::string text = FormatFreq(f);
    SetChannelField(all, index, 2, text);
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

void SetChannelField(TAppState& all, int index, int field, std::string& text)
{
    if (!IsMemory(index) && !IsVfo(index))
        return;
    struct TOptionField {
        int Field;
        int Byte;
        uint8_t Mask;
        int Xor;
    };
    static const TOptionField options[] = {{5, 7, 0x03, 0},   {9, 12, 0x04, 0},  {10, 12, 0x80, 0},
                                           {12, 12, 0x10, 0}, {13, 12, 0x40, 0}, {14, 12, 0x03, 3},
                                           {15, 12, 0x08, 0}, {16, 13, 0x30, 3}, {17, 13, 0x80, 0}};
    for (const TOptionField& option : options) {
        if (option.Field == field) {
            SetField(RecordByte(all, index, option.Byte), option.Mask, FieldNumber(text) ^ option.Xor);
            return;
        }
    }
    switch (field) {
    case 2:
        SetRxFrequency(all, index, text);
        break;
    case 3:
        SetTxFrequency(all, index, text);
        break;
    case 4:
        SetOffset(all, index, text);
        break;
    case 6:
    case 7: {
        const auto [b0, b1] = ToneBytes(text);
        const int first = field == 6 ? 8 : 10;
        RecordByte(all, index, first) = b0;
        RecordByte(all, index, first + 1) = b1;
        break;
    }
    case 11:
        SetChannelUsed(all, kScanSkipMap, index, text == "0");
        break;
    case 18:
        SetName(all, index, text);
        break;
    case 19:
        SetIdCode(all, index, text);
        break;
    default:
        break;
    }
}

void ResetChannel(TAppState& all, int index, const std::string& frequencyText)
{
    std::string text = frequencyText;
    SetChannelField(all, index, 2, text);
    SetChannelField(all, index, 3, text);
    static const std::pair<int, const char*> defaults[] = {{6, ""},   {7, ""},   {9, "1"},  {10, "1"}, {11, "1"},
                                                           {12, "1"}, {13, "1"}, {14, "0"}, {15, "1"}, {16, "0"},
                                                           {17, "1"}, {18, ""},  {19, ""}};
    for (const auto& [field, value] : defaults) {
        text = value;
        SetChannelField(all, index, field, text);
    }
}
