// SPDX-License-Identifier: GPL-3.0-or-later
// The radio-wide settings, each described once: where it lives in the image, the values the radio accepts and
// what a new data set holds, its built-in item texts and the object names the language files key its label and
// control on. The settings windows, the validation on Open and after a read, and every walk over all settings
// (a dump, a comparison of two data sets) take a setting's place and range from here.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/model/AppState.h"

enum class TSetting {
    // Kept in range only; the program shows them nowhere.
    Item0,
    Item1,
    Item2,
    // Forced to 0xFF by every validation; nothing reads them.
    Item46,
    Item47,
    // Optional functions.
    OpenShow,
    RadioName,
    Mode,
    DoubleWait,
    SquelchLevel,
    TimeOut,
    ChannelNameShown,
    BatterySave,
    BatterySaveRatio,
    RelayStation,
    SuperSave,
    Beep,
    Voice,
    VoiceChinese,
    Lamp,
    Color,
    KeyLock,
    TxOverTone,
    VoltageTxInhibit,
    ManualFreq,
    ManualSetting,
    RelaySetting,
    Band4TxInhibit,
    // DTMF functions.
    DtmfSpeed,
    FirstDigitTime,
    FirstDigitDelay,
    StarHashTime,
    CodeSpaceTime,
    CodeAbcd,
    DtmfSideTone,
    BeginCode,
    EndCode,
    NoBeginCode,
    NoEndCode,
    BeginCodeLength,
    EndCodeLength,
    PttIdSelection,
    IdCode,
    GroupCode,
    AutoResetTime,
    TxDecode,
    IdEdit,
    DecodeTimeOut,
    Transpond,
    StunType,
    StunLength,
    StunCode,
    // FM radio.
    FmStep,
    FmReceiverOn,
    FmLowLimit,
    FmHighLimit,
    FmFrequencies,
    // Scan.
    ScanMode,
    ScanSpeed,
    DropoutDelay,
    PriorityChannel,
    // VOX.
    VoxGain,
    VoxDelay,
    VoxRxInhibit,
    // VFO.
    VfoStep,
};

// What a setting's value is and how its text reads.
enum class TSettingForm {
    List,    // the value is the index of one of Items
    Mapped,  // a code its window maps to and from Items; its text is the code
    Channel, // 0 is Items[0], any other value a channel number
    Number,  // a plain number, a check box's 0 or 1 among them
    Name,    // Length name character codes
    Digits,  // 2 * Length DTMF digit codes, the first in the high nibble
    Words,   // Length / 2 little-endian 16-bit numbers
};

// What ValidateSettings does with a setting.
enum class TSettingCheck {
    None,
    Range,   // a value outside Min to Max becomes Default
    Fixed,   // always becomes Default
    FmLimit, // with the other FM limit: both in Min to Max and low below high, or both their Default
};

struct TSettingRow {
    TSetting Id;
    // Image offset of the value (its first byte for a multi-byte value).
    int Offset;
    // The bits of the byte at Offset a one-byte value occupies; 0xFF for multi-byte values.
    uint8_t Mask;
    // Bytes the value occupies.
    int Length;
    TSettingForm Form;
    TSettingCheck Check;
    // The valid values and the value a validation writes in place of an invalid one; unused where Check is None.
    int Min;
    int Max;
    int Default;
    std::vector<std::string> Items;
    // The window's object name (the language file's section), the label's and the control's; empty where the
    // setting has no control, or its control carries its own text (a check box has no label).
    std::string Section;
    std::string LabelName;
    std::string ControlName;
    // The label's (or check box's) built-in text.
    std::string Caption;
    // The list's translation tag: -2 never translated, -3 only item 0, 0 every item.
    int Tag;
    // The window keeps the control out of the user's reach; it only carries the bits through.
    bool Hidden;
};

// Every radio-wide setting, grouped by the window that edits it.
const std::vector<TSettingRow>& SettingsTable();
const TSettingRow& SettingRow(TSetting id);

// A one-byte value (a bit field or a whole settings item) or the first 16-bit word of a Words row.
int GetSetting(const TAppState& all, TSetting id);
// The value is kept inside the row's bits; the neighbouring fields of the same byte stay as they are.
void SetSetting(TAppState& all, TSetting id, int value);
// The bytes of a multi-byte value.
std::span<const uint8_t> SettingBytes(const TAppState& all, TSetting id);
std::span<uint8_t> SettingBytes(TAppState& all, TSetting id);
// A value outside Min to Max becomes Default.
void ClampSetting(TAppState& all, const TSettingRow& row);

// Up to n digit codes of a Digits row, stopping before the first code above limit.
std::string ReadDigits(const TAppState& all, TSetting id, int n, int limit);
// Pads text with "*" to all the row's digits and writes them; characters beyond its digits are dropped.
void WriteDigits(TAppState& all, TSetting id, const std::string& text);

// The text of a setting's current value: the built-in item text of a List value (the number where the value
// has no item), the name, the digits, or the number(s).
std::string SettingValueText(const TAppState& all, const TSettingRow& row);

// "first" to "last" in steps of step, as item texts.
std::vector<std::string> NumberTexts(int first, int last, int step = 1);
