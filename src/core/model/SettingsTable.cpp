// SPDX-License-Identifier: GPL-3.0-or-later
// The radio-wide settings, each described once.
#include "core/model/SettingsTable.h"

#include "core/model/Encodings.h"

namespace
{
// The FM broadcast frequencies, 32 slots of 16 bits: memories 1 to 25 (slots 26 to 31 unused) and, in slot
// 32, the current FM frequency.
constexpr int kFmFrequencies = 0x1050;
constexpr int kFmSlots = 32;

const char* const kOptFun = "fOptFun";
const char* const kDtmfFun = "fDtmfFun";
const char* const kFmFun = "fFmFun";
const char* const kScanFun = "fScanFun";
const char* const kVoxFun = "fVoxFun";
const char* const kVfoEdit = "fFreqEdit";

// A list of numbers with a text such as "Off" before them.
std::vector<std::string> Prepended(const char* first, std::vector<std::string> rest)
{
    rest.insert(rest.begin(), first);
    return rest;
}

// Builds one row: its place first, then what applies of range, items and control.
class TRow
{
  public:
    // A field of settings item n (the image byte at 0x11B8 + n).
    static TRow Field(TSetting id, int item, uint8_t mask) { return TRow(id, kSettingsBase + item, mask, 1); }
    // A one-byte value outside the settings items.
    static TRow Byte(TSetting id, int offset) { return TRow(id, offset, 0xFF, 1); }
    static TRow Bytes(TSetting id, int offset, int length, TSettingForm form)
    {
        TRow row(id, offset, 0xFF, length);
        row.Value.Form = form;
        return row;
    }

    TRow& Range(int max, int defaultValue) { return Checked(TSettingCheck::Range, 0, max, defaultValue); }
    TRow& Fixed(int value) { return Checked(TSettingCheck::Fixed, value, value, value); }
    TRow& FmLimit(int min, int max, int defaultValue)
    {
        return Checked(TSettingCheck::FmLimit, min, max, defaultValue);
    }
    TRow& Items(TSettingForm form, std::vector<std::string> items)
    {
        Value.Form = form;
        Value.Items = std::move(items);
        return *this;
    }
    TRow& List(std::vector<std::string> items) { return Items(TSettingForm::List, std::move(items)); }
    TRow& Control(const char* section, const char* label, const char* control, const char* caption, int tag = 0)
    {
        Value.Section = section;
        Value.LabelName = label;
        Value.ControlName = control;
        Value.Caption = caption;
        Value.Tag = tag;
        return *this;
    }
    TRow& Hidden()
    {
        Value.Hidden = true;
        return *this;
    }
    operator TSettingRow() const { return Value; }

  private:
    TRow(TSetting id, int offset, uint8_t mask, int length)
        : Value{id, offset, mask, length, TSettingForm::Number, TSettingCheck::None, 0, 0, 0, {}, "", "",
                "", "",     0,    false}
    {
    }
    TRow& Checked(TSettingCheck check, int min, int max, int defaultValue)
    {
        Value.Check = check;
        Value.Min = min;
        Value.Max = max;
        Value.Default = defaultValue;
        return *this;
    }

    TSettingRow Value;
};

using F = TSettingForm;
using S = TSetting;

std::vector<TSettingRow> BuildTable()
{
    const std::vector<std::string> offOn = {"Off", "On"};
    const std::vector<std::string> onOff = {"On", "Off"};
    return {
        TRow::Field(S::Item0, 0, 0xFF).Range(127, 0),
        TRow::Field(S::Item1, 1, 0xFF).Range(127, 0),
        TRow::Field(S::Item2, 2, 0xFF).Range(24, 0),
        TRow::Field(S::Item46, 46, 0xFF).Fixed(0xFF),
        TRow::Field(S::Item47, 47, 0xFF).Fixed(0xFF),

        TRow::Field(S::OpenShow, 6, 0x0C)
            .Range(2, 2)
            .List({"None", "Msg", "DC"})
            .Control(kOptFun, "cl00", "cxOpenSw", "Open Show"),
        TRow::Bytes(S::RadioName, kSettingsBase + 16, 7, F::Name).Control(kOptFun, "cl09", "cxOpenMsg", "Radio Name"),
        // Codes 15, 13, 14, 7 and 3 written for the five items; the other codes read as one of them.
        TRow::Field(S::Mode, 3, 0x0F)
            .Items(F::Mapped, {"Freq.", "Chs Freq.", "Chs.", "FM Freq.", "FM Chs."})
            .Control(kOptFun, "cl01", "cxModeSw", "Mode"),
        TRow::Field(S::DoubleWait, 3, 0x20).List(offOn).Control(kOptFun, "cl10", "cxDWait", "Double Wait"),
        TRow::Field(S::SquelchLevel, 7, 0x0F)
            .Range(9, 5)
            .List(NumberTexts(0, 9))
            .Control(kOptFun, "cl02", "cxSqlLv", "Squelch level ", -2),
        TRow::Field(S::TimeOut, 7, 0xF0)
            .Range(12, 6)
            .List(Prepended("Off", NumberTexts(30, 360, 30)))
            .Control(kOptFun, "cl11", "cxTotSv", "TX Time Out[s]", -3),
        TRow::Field(S::ChannelNameShown, 3, 0x80).List({"Yes", "No"}).Control(kOptFun, "cl03", "cxChsNs", "Chs Name"),
        // Bit 2 switches saving on; the list's other items are the ratios of BatterySaveRatio.
        TRow::Field(S::BatterySave, 4, 0x04)
            .Items(F::Mapped, {"OFF", "1:1", "1:2", "1:3", "1:4"})
            .Control(kOptFun, "cl12", "cxRxSav", "Battery Save"),
        TRow::Field(S::BatterySaveRatio, 4, 0x03),
        TRow::Field(S::RelayStation, 6, 0x10).List(onOff).Control(kOptFun, "cl04", "cxRelay", "Relay station"),
        TRow::Field(S::SuperSave, 13, 0x0F)
            .Range(9, 5)
            .List({"Off", "1s", "2s", "3s", "4s", "5s", "6s", "7s", "8s", "9s"})
            .Control(kOptFun, "cl13", "cxSaveLs", "Super Save"),
        TRow::Field(S::Beep, 5, 0x01).List(offOn).Control(kOptFun, "cl05", "cxToneEs", "Beep"),
        // Bit 1 switches the voice prompts on; VoiceChinese chooses between the list's last two items.
        TRow::Field(S::Voice, 5, 0x02)
            .Items(F::Mapped, {"Off", "English", "Chinese"})
            .Control(kOptFun, "cl14", "cxWavsSw", "Voice"),
        TRow::Field(S::VoiceChinese, 5, 0x04),
        TRow::Field(S::Lamp, 5, 0x18)
            .Range(2, 2)
            .List({"Off", "On", "Auto"})
            .Control(kOptFun, "cl06", "cxLamp", "Lamp"),
        TRow::Field(S::Color, 6, 0x03)
            .Range(2, 2)
            .List({"Color-1", "Color-2", "Color-3"})
            .Control(kOptFun, "cl15", "cxColor", "Color"),
        TRow::Field(S::KeyLock, 4, 0x10).List({"Auto", "Manual"}).Control(kOptFun, "cl07", "cxLockSw", "Key Lock"),
        TRow::Field(S::TxOverTone, 5, 0x20).List(onOff).Control(kOptFun, "cl16", "cxRoger", "Tx Over Tone"),
        TRow::Field(S::VoltageTxInhibit, 4, 0xC0)
            .List({"None", "Low", "High", "Both"})
            .Control(kOptFun, "cl17", "cxBatTx", "Vol Inhibit Tx"),
        // The byte of the identification block that allows manual frequency (VFO) operation: 0xAA is "Yes".
        TRow::Byte(S::ManualFreq, kModelIdent + 5)
            .Items(F::Mapped, {"Yes", "No"})
            .Control(kOptFun, "cl08", "cxFrq_Use", "Manual Freq."),
        TRow::Field(S::ManualSetting, 6, 0x40).Control(kOptFun, "", "cxMenuSet", "Manual setting"),
        TRow::Field(S::RelaySetting, 6, 0x20).Control(kOptFun, "", "cxRelaySet", "Relay setting"),
        TRow::Field(S::Band4TxInhibit, 5, 0x80)
            .List({"Can Rx & Tx", "Inhibit Tx"})
            .Control(kOptFun, "La26", "cx3xxM", "Freq. Range-4")
            .Hidden(),

        TRow::Field(S::DtmfSpeed, 29, 0x0F)
            .Range(11, 2)
            .List(NumberTexts(4, 15))
            .Control(kDtmfFun, "clRate", "cxRate", "DTMF Speed[digit/s]"),
        TRow::Field(S::FirstDigitTime, 30, 0x0F)
            .Range(10, 0)
            .List(NumberTexts(0, 1000, 100))
            .Control(kDtmfFun, "clFiTs", "cxFiSv", "First Digit Time [ms]"),
        TRow::Field(S::FirstDigitDelay, 30, 0xF0)
            .Range(9, 0)
            .List(NumberTexts(100, 1000, 100))
            .Control(kDtmfFun, "clFiDv", "cxFiDv", "First Digit Delay [ms]"),
        // Codes 0, 1, 2 and 3 are 100, 500 and 1000 ms and none: the list shows "0" first.
        TRow::Field(S::StarHashTime, 31, 0x30)
            .Range(3, 3)
            .Items(F::Mapped, {"0", "100", "500", "1000"})
            .Control(kDtmfFun, "clEfSv", "cxEfSv", "* and # Tone [ms]"),
        TRow::Field(S::CodeSpaceTime, 34, 0xF0)
            .Range(15, 15)
            .List(Prepended("None", NumberTexts(600, 2000, 100)))
            .Control(kDtmfFun, "clTxTs", "cxTxTs", "Code Space Time[ms]"),
        TRow::Field(S::CodeAbcd, 32, 0x20)
            .List({"Inhibit", "On"})
            .Control(kDtmfFun, "clAbcd", "cxAbcd", "Code[A,B,C,D]"),
        TRow::Field(S::DtmfSideTone, 31, 0x40).Control(kDtmfFun, "", "cxBeep", "DTMF Side Tone"),
        TRow::Bytes(S::BeginCode, kSettingsBase + 48, 8, F::Digits).Control(kDtmfFun, "clEnt", "cxEntv", "Begin of Tx"),
        TRow::Bytes(S::EndCode, kSettingsBase + 56, 8, F::Digits).Control(kDtmfFun, "clEnd", "cxEndv", "End of Tx"),
        TRow::Field(S::NoBeginCode, 32, 0x04),
        TRow::Field(S::NoEndCode, 32, 0x08),
        // Each holds its code's length - 1.
        TRow::Field(S::BeginCodeLength, 35, 0x0F),
        TRow::Field(S::EndCodeLength, 35, 0xF0),
        TRow::Field(S::PttIdSelection, 32, 0x03)
            .List({"OFF", "BOT", "EOT", "BOTH"})
            .Control(kDtmfFun, "", "cxPtts", "")
            .Hidden(),
        TRow::Bytes(S::IdCode, kSettingsBase + 36, 3, F::Digits).Control(kDtmfFun, "clIdSv", "cxIdSv", "ID Code"),
        // Groups 5 and 6 pass the validation but have no item.
        TRow::Field(S::GroupCode, 31, 0x0F)
            .Range(6, 0)
            .List({"Off", "A", "B", "C", "D"})
            .Control(kDtmfFun, "clGroup", "cxGroup", "Group Code"),
        TRow::Field(S::AutoResetTime, 33, 0x0F)
            .Range(15, 15)
            .List(Prepended("Off", NumberTexts(1, 15)))
            .Control(kDtmfFun, "clBack", "cxBack", "Auto Reset Time [s]"),
        TRow::Field(S::TxDecode, 32, 0x40).List(offOn).Control(kDtmfFun, "clTxYs", "cxTxYs", "Tx Decode"),
        TRow::Field(S::IdEdit, 32, 0x10).List(offOn).Control(kDtmfFun, "clIdEs", "cxIdEs", "ID Edit"),
        TRow::Field(S::DecodeTimeOut, 34, 0x0F)
            .Range(10, 5)
            .List(NumberTexts(500, 1500, 100))
            .Control(kDtmfFun, "clRxTs", "cxRxTs", "Decode Time Out[ms]"),
        TRow::Field(S::Transpond, 33, 0xF0)
            .Range(2, 1)
            .List({"Off", "Alert", "ID Code"})
            .Control(kDtmfFun, "clAcks", "cxAcks", "Transpond")
            .Hidden(),
        TRow::Field(S::StunType, 31, 0x80)
            .List({"Tx/Rx Inhibit", "Tx Inhibit"})
            .Control(kDtmfFun, "clStunSw", "cxStunSw", "Stun Type"),
        TRow::Field(S::StunLength, 40, 0xFF).Range(10, 0),
        TRow::Bytes(S::StunCode, kSettingsBase + 41, 5, F::Digits)
            .Control(kDtmfFun, "clStunSv", "cxStunSv", "Stun Code"),

        // Steps 1, 2 and 3 are the three items; 0 shows the first.
        TRow::Field(S::FmStep, 9, 0xF0)
            .Range(3, 1)
            .Items(F::Mapped, {"50", "100", "200"})
            .Control(kFmFun, "L2", "cxStep", "FM Step[kHz]"),
        // 0 keeps the FM receiver off while the radio works.
        TRow::Field(S::FmReceiverOn, 5, 0x40).Control(kFmFun, "", "cxFmDw", "Inhibit Receiver When Radio Working"),
        // In 25 kHz units: 70.0 to 114.0 MHz is the window the receiver accepts; 88.0 to 108.0 MHz otherwise.
        TRow::Bytes(S::FmLowLimit, kFmLowLimit, 2, F::Words).FmLimit(2800, 4560, 3520),
        TRow::Bytes(S::FmHighLimit, kFmHighLimit, 2, F::Words).FmLimit(2800, 4560, 4320),
        TRow::Bytes(S::FmFrequencies, kFmFrequencies, 2 * kFmSlots, F::Words)
            .Control(kFmFun, "LFreq", "gvData", "Frequency[MHz]"),

        TRow::Field(S::ScanMode, 10, 0x0F)
            .Range(2, 0)
            .List({"CO", "TO", "SE"})
            .Control(kScanFun, "clScanMode", "cxScanMode", "Scan Mode"),
        TRow::Field(S::ScanSpeed, 10, 0xF0)
            .Range(8, 1)
            .List(NumberTexts(100, 500, 50))
            .Control(kScanFun, "clScanRate", "cxScanRate", "Scan Speed[ms]"),
        TRow::Field(S::DropoutDelay, 11, 0xFF)
            .Range(27, 12)
            .List(NumberTexts(3, 30))
            .Control(kScanFun, "clScanBack", "cxScanBack", "Dropout Delay Time[s]"),
        // 129 passes the validation whatever the model's channel count.
        TRow::Field(S::PriorityChannel, 12, 0xFF)
            .Range(129, 0)
            .Items(F::Channel, {"OFF"})
            .Control(kScanFun, "clScanPris", "cxScanPris", "Priority Channel"),

        TRow::Field(S::VoxGain, 8, 0x0F)
            .Range(8, 4)
            .List(NumberTexts(1, 9))
            .Control(kVoxFun, "clVoxLv", "cxVoxLv", "VOX Gain Level", -3),
        TRow::Field(S::VoxDelay, 8, 0x60)
            .List({"0.5", "1.0", "2.0", "3.0"})
            .Control(kVoxFun, "clVoxDv", "cxVoxDv", "VOX Delay Time[s]"),
        TRow::Field(S::VoxRxInhibit, 8, 0x80)
            .List({"No", "Yes"})
            .Control(kVoxFun, "clVoxRs", "cxVoxRs", "VOX Inhibit on Receive")
            .Hidden(),

        // Item 2 (6.25 kHz) is the step that tunes on the 1.25 kHz grid.
        TRow::Field(S::VfoStep, 9, 0x0F)
            .Range(8, 5)
            .List({"  2.50", "  5.00", "  6.25", " 10.00", " 12.50", " 25.00", " 37.50", " 50.00", "100.00"})
            .Control(kVfoEdit, "lx03", "cxStep", "Freq. Step[kHz]"),
    };
}

uint8_t& FirstByte(TAppState& all, const TSettingRow& row)
{
    return all.Image[static_cast<size_t>(row.Offset)];
}

std::string JoinedWords(std::span<const uint8_t> bytes)
{
    std::string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += (i ? " " : "") + std::to_string(ReadLe16(&bytes[i]));
    return text;
}
} // namespace

const std::vector<TSettingRow>& SettingsTable()
{
    static const std::vector<TSettingRow> table = BuildTable();
    return table;
}

// The rows stand in the order of TSetting, so an id is its row's index; the table tests hold them to it.
const TSettingRow& SettingRow(TSetting id)
{
    return SettingsTable()[static_cast<size_t>(id)];
}

int GetSetting(const TAppState& all, TSetting id)
{
    const TSettingRow& row = SettingRow(id);
    const uint8_t* first = all.Image.data() + row.Offset;
    return row.Form == TSettingForm::Words ? ReadLe16(first) : FieldValue(*first, row.Mask);
}

void SetSetting(TAppState& all, TSetting id, int value)
{
    const TSettingRow& row = SettingRow(id);
    if (row.Form == TSettingForm::Words)
        WriteLe16(&FirstByte(all, row), static_cast<uint16_t>(value));
    else
        SetField(FirstByte(all, row), row.Mask, value);
}

std::span<const uint8_t> SettingBytes(const TAppState& all, TSetting id)
{
    const TSettingRow& row = SettingRow(id);
    return {all.Image.data() + row.Offset, static_cast<size_t>(row.Length)};
}

std::span<uint8_t> SettingBytes(TAppState& all, TSetting id)
{
    const TSettingRow& row = SettingRow(id);
    return {all.Image.data() + row.Offset, static_cast<size_t>(row.Length)};
}

void ClampSetting(TAppState& all, const TSettingRow& row)
{
    const int v = GetSetting(all, row.Id);
    SetSetting(all, row.Id, (v < row.Min || v > row.Max) ? row.Default : v);
}

std::string ReadDigits(const TAppState& all, TSetting id, int n, int limit)
{
    return DigitText(SettingBytes(all, id), n, limit);
}

void WriteDigits(TAppState& all, TSetting id, const std::string& text)
{
    WriteDigitCodes(SettingBytes(all, id), text);
}

std::string SettingValueText(const TAppState& all, const TSettingRow& row)
{
    const int v = GetSetting(all, row.Id);
    switch (row.Form) {
    case TSettingForm::List:
        return static_cast<size_t>(v) < row.Items.size() ? row.Items[static_cast<size_t>(v)] : std::to_string(v);
    case TSettingForm::Channel:
        return v == 0 ? row.Items.front() : std::to_string(v);
    case TSettingForm::Name:
        return NameText(SettingBytes(all, row.Id).data(), row.Length);
    case TSettingForm::Digits:
        return ReadDigits(all, row.Id, 2 * row.Length, 15);
    case TSettingForm::Words:
        return JoinedWords(SettingBytes(all, row.Id));
    case TSettingForm::Mapped:
    case TSettingForm::Number:
        break;
    }
    return std::to_string(v);
}

std::vector<std::string> NumberTexts(int first, int last, int step)
{
    std::vector<std::string> texts;
    for (int value = first; value <= last; value += step)
        texts.push_back(std::to_string(value));
    return texts;
}
