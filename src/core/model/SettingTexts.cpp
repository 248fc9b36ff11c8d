// SPDX-License-Identifier: GPL-3.0-or-later
// The radio-wide settings as the settings windows show them.
#include "core/model/SettingTexts.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/model/Encodings.h"
#include "core/model/FmCodec.h"
#include "core/model/Numbers.h"
#include "core/model/RadioInfo.h"

namespace
{
// The mode list's index for each stored mode code, and the code each index writes.
constexpr std::array<int, 16> kModeIndexOfCode = {4, 4, 4, 4, 3, 3, 3, 3, 2, 1, 2, 0, 2, 1, 2, 0};
constexpr std::array<int, 5> kModeCodeOfIndex = {15, 13, 14, 7, 3};
constexpr int kModeDefaultCode = 15;
constexpr uint8_t kManualFreqYes = 0xAA;
constexpr uint8_t kManualFreqNo = 0xFF;
constexpr int kStarHashNone = 3;
constexpr int kIdMinLength = 3;
constexpr int kFmMemories = 25;
const char* const kChecked = "On";
const char* const kUnchecked = "Off";
const char* const kRadioInfo = "Radio Information";

struct TWindowTitle {
    const char* Section;
    const char* Title;
};

constexpr TWindowTitle kWindowTitles[] = {
    {"fOptFun", "Optional Function"}, {"fDtmfFun", "DTMF Function"}, {"fFmFun", "FM Information"},
    {"fScanFun", "Scan Information"}, {"fVoxFun", "Vox Function"},   {"fFreqEdit", "Channel Edit"},
};

// A begin or end code and the two settings that go with it.
struct TTxCode {
    TSetting Digits;
    TSetting NoCode;
    TSetting LengthLess1;
};

constexpr TTxCode kTxCodes[] = {
    {TSetting::BeginCode, TSetting::NoBeginCode, TSetting::BeginCodeLength},
    {TSetting::EndCode, TSetting::NoEndCode, TSetting::EndCodeLength},
};

const TTxCode* TxCode(TSetting id)
{
    for (const TTxCode& code : kTxCodes)
        if (code.Digits == id)
            return &code;
    return nullptr;
}

// A list whose first item is "off" and whose other items are the choices of a second setting: battery saving
// and its ratio, the voice prompts and their language.
int SwitchedIndex(const TAppState& all, TSetting on, TSetting choice)
{
    return GetSetting(all, on) == 0 ? 0 : GetSetting(all, choice) + 1;
}

// The choice stays as it is when the list switches off.
void StoreSwitched(TAppState& all, TSetting on, TSetting choice, int index)
{
    SetSetting(all, on, index > 0 ? 1 : 0);
    if (index > 0)
        SetSetting(all, choice, index - 1);
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Folded(const std::string& text)
{
    std::string folded = Trimmed(text);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

std::string Joined(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& text : texts)
        joined += (joined.empty() ? "" : ", ") + text;
    return joined;
}

// What kind of control the window shows a listed row in.
enum class TShownAs { Nothing, List, Check, Name, Code, FmMemories };

TShownAs ShownAs(const TSettingRow& row)
{
    if (row.Section.empty() || row.Hidden)
        return TShownAs::Nothing;
    switch (row.Form) {
    case TSettingForm::List:
    case TSettingForm::Mapped:
    case TSettingForm::Channel:
        return TShownAs::List;
    case TSettingForm::Number:
        return TShownAs::Check;
    case TSettingForm::Name:
        return TShownAs::Name;
    case TSettingForm::Digits:
        return TShownAs::Code;
    case TSettingForm::Words:
        return TShownAs::FmMemories;
    }
    return TShownAs::Nothing;
}

// The FM memories' field names: the caption and the memory number, the current frequency last.
std::string FmField(const TSettingRow& row, int n)
{
    return Trimmed(row.Caption) + " " + (n == kFmCurrent ? std::string("Current") : std::to_string(n));
}

std::vector<int> FmSlots()
{
    std::vector<int> slots;
    for (int n = 1; n <= kFmMemories; ++n)
        slots.push_back(n);
    slots.push_back(kFmCurrent);
    return slots;
}

std::string FmText(const TAppState& all, int n)
{
    // Decoding puts an out-of-range frequency back into the limits, as the window does when it shows it;
    // a listing leaves the image alone.
    TAppState copy = all;
    const double mhz = DecodeFmChannel(copy, n);
    return mhz > 0 ? FormatFreq(mhz) : "";
}

std::string ShownValue(const TAppState& all, const TSettingRow& row)
{
    switch (ShownAs(row)) {
    case TShownAs::List: {
        const int index = ShownItem(all, row.Id);
        return index >= 0 ? Trimmed(ShownItems(all, row)[static_cast<size_t>(index)]) : SettingValueText(all, row);
    }
    case TShownAs::Check:
        return SettingChecked(all, row.Id) ? kChecked : kUnchecked;
    case TShownAs::Name:
        return SettingValueText(all, row);
    case TShownAs::Code:
        return DtmfCodeText(all, row.Id);
    case TShownAs::Nothing:
    case TShownAs::FmMemories:
        break;
    }
    return "";
}

std::string SetList(TAppState& all, const TSettingRow& row, const std::string& value)
{
    const std::vector<std::string> items = ShownItems(all, row);
    std::vector<std::string> allowed;
    for (size_t i = 0; i < items.size(); ++i) {
        allowed.push_back(Trimmed(items[i]));
        if (Folded(items[i]) == Folded(value)) {
            StoreItem(all, row.Id, static_cast<int>(i));
            return "";
        }
    }
    return "allowed values: " + Joined(allowed);
}

std::string SetCheck(TAppState& all, const TSettingRow& row, const std::string& value)
{
    if (Folded(value) != Folded(kChecked) && Folded(value) != Folded(kUnchecked))
        return std::string("allowed values: ") + kChecked + ", " + kUnchecked;
    StoreChecked(all, row.Id, Folded(value) == Folded(kChecked));
    return "";
}

std::string SetName(TAppState& all, const TSettingRow& row, const std::string& value)
{
    if (value.size() > static_cast<size_t>(row.Length))
        return "at most " + std::to_string(row.Length) + " characters";
    if (std::any_of(value.begin(), value.end(), [](char c) { return NameChar(NameCode(c)) != c; }))
        return "only the characters from space to \"z\"";
    const std::string padded = value + std::string(static_cast<size_t>(row.Length) - value.size(), ' ');
    const std::span<uint8_t> codes = SettingBytes(all, row.Id);
    for (size_t i = 0; i < codes.size(); ++i)
        codes[i] = static_cast<uint8_t>(NameCode(padded[i]));
    return "";
}

std::string SetCode(TAppState& all, const TSettingRow& row, const std::string& value)
{
    std::string text = Trimmed(value);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const std::string allowed = DtmfCodeCharacters(row.Id);
    if (text.size() > static_cast<size_t>(DtmfCodeCapacity(row.Id)) ||
        text.find_first_not_of(allowed) != std::string::npos)
        return "up to " + std::to_string(DtmfCodeCapacity(row.Id)) + " of the characters " + allowed;
    StoreDtmfCode(all, row.Id, text);
    return "";
}

std::string SetFm(TAppState& all, int n, const std::string& value)
{
    if (!Trimmed(value).empty() && !TryParseDouble(value))
        return FmField(SettingRow(TSetting::FmFrequencies), n) + ": a frequency in MHz, or nothing for an empty memory";
    SetFmChannel(all, n, Trimmed(value));
    return "";
}

std::string SetShown(TAppState& all, const TSettingRow& row, const std::string& value)
{
    switch (ShownAs(row)) {
    case TShownAs::List:
        return SetList(all, row, value);
    case TShownAs::Check:
        return SetCheck(all, row, value);
    case TShownAs::Name:
        return SetName(all, row, value);
    case TShownAs::Code:
        return SetCode(all, row, value);
    case TShownAs::Nothing:
    case TShownAs::FmMemories:
        break;
    }
    return "cannot be set";
}

bool Names(const TSettingLine& line, const std::string& label)
{
    const std::string folded = Folded(label);
    return folded == Folded(line.Field) || folded == Folded(line.Window + " / " + line.Field);
}
} // namespace

std::string SettingsWindowTitle(const std::string& section)
{
    for (const TWindowTitle& window : kWindowTitles)
        if (section == window.Section)
            return window.Title;
    return section;
}

std::vector<std::string> ShownItems(const TAppState& all, const TSettingRow& row)
{
    std::vector<std::string> items = row.Items;
    if (row.Form == TSettingForm::Channel) {
        const std::vector<std::string> channels = NumberTexts(1, all.ChannelCount);
        items.insert(items.end(), channels.begin(), channels.end());
    }
    return items;
}

int ShownItem(const TAppState& all, TSetting id)
{
    const TSettingRow& row = SettingRow(id);
    const int v = GetSetting(all, id);
    switch (id) {
    case TSetting::Mode:
        return kModeIndexOfCode[static_cast<size_t>(v)];
    case TSetting::BatterySave:
        return SwitchedIndex(all, id, TSetting::BatterySaveRatio);
    case TSetting::Voice:
        return SwitchedIndex(all, id, TSetting::VoiceChinese);
    case TSetting::ManualFreq:
        return all.ManualFreq == kManualFreqYes ? 0 : 1;
    // The list shows "0" first, but the radio's code 0 is 100 ms and code 3 is none.
    case TSetting::StarHashTime:
        return (v + 1) % 4;
    // Steps 1 to 3 are the items; step 0 shows the first.
    case TSetting::FmStep:
        return v >= 1 && v <= 3 ? v - 1 : 0;
    // A priority channel beyond the model's channels (129 passes the validation) shows "OFF".
    case TSetting::PriorityChannel:
        return v <= all.ChannelCount ? v : 0;
    default:
        break;
    }
    return v < static_cast<int>(row.Items.size()) ? v : -1;
}

void StoreItem(TAppState& all, TSetting id, int index)
{
    if (index < 0)
        return;
    switch (id) {
    case TSetting::Mode:
        SetSetting(all, id,
                   index < static_cast<int>(kModeCodeOfIndex.size()) ? kModeCodeOfIndex[index] : kModeDefaultCode);
        return;
    case TSetting::BatterySave:
        StoreSwitched(all, id, TSetting::BatterySaveRatio, index);
        return;
    case TSetting::Voice:
        StoreSwitched(all, id, TSetting::VoiceChinese, index);
        return;
    case TSetting::ManualFreq:
        all.ManualFreq = index == 1 ? kManualFreqNo : kManualFreqYes;
        SetSetting(all, id, all.ManualFreq);
        return;
    case TSetting::StarHashTime:
        SetSetting(all, id, index >= 1 && index <= 3 ? index - 1 : kStarHashNone);
        return;
    case TSetting::FmStep:
        SetSetting(all, id, index + 1);
        return;
    default:
        SetSetting(all, id, index);
        return;
    }
}

// The FM receiver's box asks whether to inhibit the receiver, the opposite of the bit's meaning.
bool SettingChecked(const TAppState& all, TSetting id)
{
    return GetSetting(all, id) == (id == TSetting::FmReceiverOn ? 0 : 1);
}

void StoreChecked(TAppState& all, TSetting id, bool checked)
{
    SetSetting(all, id, checked == (id != TSetting::FmReceiverOn) ? 1 : 0);
}

// A begin or end code is none when its "no code" bit is set, else as many digits as its length says; the ID
// code shows "000" when shorter than three digits; the stun code as many digits as its length says.
std::string DtmfCodeText(const TAppState& all, TSetting id)
{
    if (const TTxCode* code = TxCode(id))
        return GetSetting(all, code->NoCode) != 0 ? ""
                                                  : ReadDigits(all, id, GetSetting(all, code->LengthLess1) + 1, 15);
    if (id == TSetting::IdCode) {
        const std::string digits = ReadDigits(all, id, DtmfCodeCapacity(id), 9);
        return digits.size() < kIdMinLength ? std::string(kIdMinLength, '0') : digits;
    }
    const int length = std::min(GetSetting(all, TSetting::StunLength), DtmfCodeCapacity(id));
    return length > 0 ? ReadDigits(all, id, length, 15) : "";
}

// An empty begin or end code only sets its "no code" bit and keeps the stored digits and length; an ID code is
// padded with "0" to three digits.
void StoreDtmfCode(TAppState& all, TSetting id, std::string text)
{
    if (const TTxCode* code = TxCode(id)) {
        SetSetting(all, code->NoCode, text.empty() ? 1 : 0);
        if (text.empty())
            return;
        SetSetting(all, code->LengthLess1, static_cast<int>(text.size()) - 1);
    } else if (id == TSetting::IdCode) {
        if (text.size() < kIdMinLength)
            text.resize(kIdMinLength, '0');
    } else {
        SetSetting(all, TSetting::StunLength, static_cast<int>(text.size()));
    }
    WriteDigits(all, id, text);
}

std::string DtmfCodeCharacters(TSetting id)
{
    return id == TSetting::IdCode ? "0123456789" : "0123456789ABCD#*";
}

int DtmfCodeCapacity(TSetting id)
{
    return 2 * SettingRow(id).Length;
}

std::vector<TSettingLine> SettingLines(const TAppState& all)
{
    std::vector<TSettingLine> lines;
    for (const TSettingRow& row : SettingsTable()) {
        const TShownAs shown = ShownAs(row);
        const std::string window = SettingsWindowTitle(row.Section);
        if (shown == TShownAs::FmMemories) {
            for (const int n : FmSlots())
                lines.push_back({window, FmField(row, n), FmText(all, n)});
        } else if (shown != TShownAs::Nothing) {
            lines.push_back({window, Trimmed(row.Caption), ShownValue(all, row)});
        }
    }
    lines.push_back({kRadioInfo, "Model Type", all.ModelName});
    lines.push_back({kRadioInfo, "Frequency[MHz]", all.BandText});
    lines.push_back({kRadioInfo, "Serial Number", Trimmed(SerialNumberText(all))});
    lines.push_back({kRadioInfo, "Write Time", WriteTimeText(all)});
    return lines;
}

std::string SettingsListing(const TAppState& all)
{
    std::string text;
    for (const TSettingLine& line : SettingLines(all))
        text += line.Window + " / " + line.Field + " = " + line.Value + "\n";
    return text;
}

std::string SetSettingByLabel(TAppState& all, const std::string& label, const std::string& value)
{
    for (const TSettingRow& row : SettingsTable()) {
        const TShownAs shown = ShownAs(row);
        const std::string window = SettingsWindowTitle(row.Section);
        if (shown == TShownAs::FmMemories) {
            for (const int n : FmSlots())
                if (Names({window, FmField(row, n), ""}, label))
                    return SetFm(all, n, value);
        } else if (shown != TShownAs::Nothing && Names({window, Trimmed(row.Caption), ""}, label)) {
            const std::string error = SetShown(all, row, value);
            return error.empty() ? "" : Trimmed(row.Caption) + ": " + error;
        }
    }
    for (const TSettingLine& line : SettingLines(all))
        if (Names(line, label))
            return line.Field + ": shown only, not set";
    return "unknown setting \"" + Trimmed(label) + "\"";
}
