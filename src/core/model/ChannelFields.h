// SPDX-License-Identifier: GPL-3.0-or-later
// The fields of the 32-byte channel record: what each one is, how the channel table shows it, how the codec
// stores it. One table row per field; the codec, the editors, the channel table and the command line all
// walk this table instead of repeating field numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/model/AppState.h"

// The channel fields, numbered as the channel table's column definitions count them (ColShow rows 1 to 20 in
// the language files, and the field number the table keeps in its hidden title row).
enum class TChannelField {
    Number = 1, // the channel number column
    RxFrequency,
    TxFrequency,
    Offset, // the VFO's transmit offset
    Duplex, // the VFO's offset direction: off, plus, minus
    RxTone,
    TxTone,
    Reverse, // always off: the record has no bit for it
    Power,
    Bandwidth,
    ScanAdd,
    BusyLock,
    Vox,
    VoiceMode,
    Tail, // the epilogue (squelch tail) tone
    PttId,
    Ani, // the DTMF signalling of the channel
    Name,
    IdCode,
    More, // the "More..." column, which opens the channel edit window
};
inline constexpr int kChannelFieldCount = 20;

// What a field holds, and so how it is typed, shown and stored.
enum class TFieldKind {
    ChannelNumber, // read-only: the row's channel number
    Frequency,     // MHz text
    Tone,          // tone text, empty for no tone
    List,          // an item index of a fixed list
    NameText,      // up to 7 name characters
    DtmfCode,      // 3 to 6 DTMF digits
    More,          // nothing to store
};

// The bits of one record byte that hold a list index, stored XOR Inversion.
struct TOptionBits {
    int Byte;
    uint8_t Mask;
    int Inversion;
};

struct TChannelFieldRow {
    TChannelField Field;
    // The channel table's column definition: key "F-A-K" (show flag, alignment, column kind), built-in width
    // and title. A language file may change the width and the title, never the key.
    const char* ColumnKey;
    int ColumnWidth;
    const char* ColumnTitle;
    TFieldKind Kind;
    // The channel table's in-place list for the field, nullptr for a typed or read-only column.
    const char* ListName = nullptr;
    // The built-in English items of a list field; the stored value is the item index.
    std::vector<std::string> Items = {};
    // Where a list field lives in the record; nullopt when it is not a bit field of the record.
    std::optional<TOptionBits> Bits = std::nullopt;
    // The first of the two record bytes of a tone word.
    int ToneWord = -1;
    // The item of a two-item list that means "on", where a check box stands for the field; -1 otherwise.
    int OnItem = -1;
    // The text a new channel gets (ResetChannel), nullptr when it keeps what it has or takes the frequency.
    const char* NewChannelText = nullptr;
    // The most characters a typed cell of the field takes, 0 when the field is not typed in the table.
    int TypedLength = 0;
    // The member of TChannel that DecodeChannel fills for the field, by kind.
    double TChannel::*Frequency = nullptr;
    std::string TChannel::*Text = nullptr;
    uint8_t TChannel::*Index = nullptr;
    // The column title's tooltip, in the words amateurs use; a language file may replace it (ColTip.n).
    const char* ColumnTip = nullptr;
};

// The rows in field order: row n - 1 is field n.
const std::vector<TChannelFieldRow>& ChannelFieldTable();
const TChannelFieldRow& FieldRow(TChannelField field);
int FieldNumber(TChannelField field);
// The field of a number from an external list (the column definitions); nullopt outside 1 to 20.
std::optional<TChannelField> FieldFromNumber(int number);

// The built-in items of a list field; empty for the others (the tone fields use ToneList()).
const std::vector<std::string>& BuiltInListItems(TChannelField field);
// The list index a decoded channel holds for a list field, 0 for the others.
int ChannelListValue(const TChannel& channel, TChannelField field);
