// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/ChannelFields.h"

namespace
{
using F = TChannelField;
using K = TFieldKind;

std::vector<TChannelFieldRow> BuildTable()
{
    return {
        {.Field = F::Number,
         .ColumnKey = "S-M-N",
         .ColumnWidth = 45,
         .ColumnTitle = "No.",
         .Kind = K::ChannelNumber,
         .ColumnTip = "Memory channel number"},
        {.Field = F::RxFrequency,
         .ColumnKey = "S-R-R",
         .ColumnWidth = 80,
         .ColumnTitle = "RX Frequency",
         .Kind = K::Frequency,
         .TypedLength = 9,
         .Frequency = &TChannel::RxFreq,
         .ColumnTip = "Receive frequency in MHz (empty: no channel)"},
        {.Field = F::TxFrequency,
         .ColumnKey = "S-R-T",
         .ColumnWidth = 80,
         .ColumnTitle = "TX Frequency",
         .Kind = K::Frequency,
         .TypedLength = 9,
         .Frequency = &TChannel::TxFreq,
         .ColumnTip = "Transmit frequency in MHz: the same as RX for simplex, RX plus or minus the repeater offset"},
        {.Field = F::Offset,
         .ColumnKey = "N-R-O",
         .ColumnWidth = 80,
         .ColumnTitle = "Dup Frequency",
         .Kind = K::Frequency,
         .Frequency = &TChannel::Offset,
         .ColumnTip = "Repeater offset (shift) in MHz"},
        {.Field = F::Duplex,
         .ColumnKey = "N-M-S",
         .ColumnWidth = 70,
         .ColumnTitle = "Dup Way",
         .Kind = K::List,
         .ListName = "cxDups",
         .Items = {"Off", "+", "-"},
         .Bits = TOptionBits{7, 0x03, 0},
         .Index = &TChannel::Duplex,
         .ColumnTip = "Repeater shift direction: + or -, Off for simplex"},
        {.Field = F::RxTone,
         .ColumnKey = "S-R-S",
         .ColumnWidth = 65,
         .ColumnTitle = "QT/DQT Dec",
         .Kind = K::Tone,
         .ListName = "cxDcts",
         .ToneWord = 8,
         .NewChannelText = "",
         .Text = &TChannel::RxTone,
         .ColumnTip = "RX tone: the CTCSS tone or DCS code that opens the squelch (None: carrier squelch)"},
        {.Field = F::TxTone,
         .ColumnKey = "S-R-S",
         .ColumnWidth = 65,
         .ColumnTitle = "QT/DQT Enc",
         .Kind = K::Tone,
         .ListName = "cxDcts",
         .ToneWord = 10,
         .NewChannelText = "",
         .Text = &TChannel::TxTone,
         .ColumnTip = "TX tone: the CTCSS tone or DCS code sent with the signal, e.g. to open a repeater"},
        {.Field = F::Reverse,
         .ColumnKey = "N-M-S",
         .ColumnWidth = 60,
         .ColumnTitle = "Revs",
         .Kind = K::List,
         .ListName = "cxYnSw",
         .Items = {"Yes", "No"},
         .Index = &TChannel::Reverse,
         .ColumnTip = "Reverse: listen on the repeater's input"},
        {.Field = F::Power,
         .ColumnKey = "S-M-S",
         .ColumnWidth = 65,
         .ColumnTitle = "TX Power",
         .Kind = K::List,
         .ListName = "cxPwrv",
         .Items = {"Low", "High"},
         .Bits = TOptionBits{12, 0x04, 0},
         .NewChannelText = "1",
         .Index = &TChannel::Power,
         .ColumnTip = "Transmit power: High or Low"},
        {.Field = F::Bandwidth,
         .ColumnKey = "S-M-S",
         .ColumnWidth = 65,
         .ColumnTitle = "W/N",
         .Kind = K::List,
         .ListName = "cxBand",
         .Items = {"Narrow", "Wide"},
         .Bits = TOptionBits{12, 0x80, 0},
         .NewChannelText = "1",
         .Index = &TChannel::Wide,
         .ColumnTip = "Bandwidth: Wide (25 kHz) or Narrow (12.5 kHz) FM"},
        // Kept in the scan-skip map, not in the record.
        {.Field = F::ScanAdd,
         .ColumnKey = "S-M-S",
         .ColumnWidth = 65,
         .ColumnTitle = "Scan Add",
         .Kind = K::List,
         .ListName = "cxScan",
         .Items = {"Add", "Del"},
         .OnItem = 0,
         .NewChannelText = "1",
         .Index = &TChannel::ScanSkip,
         .ColumnTip = "Scan: Add includes the channel in the memory scan, Del skips it"},
        {.Field = F::BusyLock,
         .ColumnKey = "S-M-S",
         .ColumnWidth = 65,
         .ColumnTitle = "Busy Lock",
         .Kind = K::List,
         .ListName = "cxBclo",
         .Items = {"On", "Off"},
         .Bits = TOptionBits{12, 0x10, 0},
         .OnItem = 0,
         .NewChannelText = "1",
         .Index = &TChannel::BusyLock,
         .ColumnTip = "Busy channel lockout: no transmitting while the channel is in use"},
        {.Field = F::Vox,
         .ColumnKey = "S-M-S",
         .ColumnWidth = 65,
         .ColumnTitle = "Vox",
         .Kind = K::List,
         .ListName = "cxYnSw",
         .Items = {"Yes", "No"},
         .Bits = TOptionBits{12, 0x40, 0},
         .OnItem = 0,
         .NewChannelText = "1",
         .Index = &TChannel::Vox,
         .ColumnTip = "VOX: hands-free, voice-operated transmit"},
        {.Field = F::VoiceMode,
         .ColumnKey = "N-M-S",
         .ColumnWidth = 65,
         .ColumnTitle = "Voice Mode",
         .Kind = K::List,
         .ListName = "cxApro",
         .Items = {"Off", "Compander", "Scramble", "Both"},
         .Bits = TOptionBits{12, 0x03, 3},
         .NewChannelText = "0",
         .Index = &TChannel::VoiceMode,
         .ColumnTip = "Voice privacy: compander or scrambler"},
        {.Field = F::Tail,
         .ColumnKey = "S-M-S",
         .ColumnWidth = 65,
         .ColumnTitle = "Epilogue",
         .Kind = K::List,
         .ListName = "cxTail",
         .Items = {"Off", "On"},
         .Bits = TOptionBits{12, 0x08, 0},
         .OnItem = 1,
         .NewChannelText = "1",
         .Index = &TChannel::Tail,
         .ColumnTip = "Squelch tail elimination: no noise burst when the other station stops"},
        {.Field = F::PttId,
         .ColumnKey = "S-M-S",
         .ColumnWidth = 65,
         .ColumnTitle = "PTT ID",
         .Kind = K::List,
         .ListName = "cxPtts",
         .Items = {"Off", "BOT", "EOT", "Both"},
         .Bits = TOptionBits{13, 0x30, 3},
         .NewChannelText = "0",
         .Index = &TChannel::PttId,
         .ColumnTip = "PTT ID: send the DTMF ID code at the start (BOT) or end (EOT) of each transmission"},
        {.Field = F::Ani,
         .ColumnKey = "S-M-S",
         .ColumnWidth = 65,
         .ColumnTitle = "DTMF",
         .Kind = K::List,
         .ListName = "cxAnis",
         .Items = {"ON", "OFF"},
         .Bits = TOptionBits{13, 0x80, 0},
         .OnItem = 0,
         .NewChannelText = "1",
         .Index = &TChannel::Ani,
         .ColumnTip = "DTMF signalling (ANI) on this channel"},
        {.Field = F::Name,
         .ColumnKey = "S-M-E",
         .ColumnWidth = 65,
         .ColumnTitle = "NAME",
         .Kind = K::NameText,
         .NewChannelText = "",
         .TypedLength = 7,
         .Text = &TChannel::Name,
         .ColumnTip = "Channel name shown on the radio: up to 7 characters"},
        {.Field = F::IdCode,
         .ColumnKey = "S-M-E",
         .ColumnWidth = 65,
         .ColumnTitle = "ID Code",
         .Kind = K::DtmfCode,
         .NewChannelText = "",
         .TypedLength = 6,
         .Text = &TChannel::IdCode,
         .ColumnTip = "The channel's DTMF ID code, sent by PTT ID"},
        {.Field = F::More,
         .ColumnKey = "N-M-M",
         .ColumnWidth = 65,
         .ColumnTitle = "More...",
         .Kind = K::More,
         .ColumnTip = "Opens the channel in the channel editor"},
    };
}
} // namespace

const std::vector<TChannelFieldRow>& ChannelFieldTable()
{
    static const std::vector<TChannelFieldRow> table = BuildTable();
    return table;
}

const TChannelFieldRow& FieldRow(TChannelField field)
{
    return ChannelFieldTable()[static_cast<size_t>(FieldNumber(field) - 1)];
}

int FieldNumber(TChannelField field)
{
    return static_cast<int>(field);
}

std::optional<TChannelField> FieldFromNumber(int number)
{
    if (number < 1 || number > kChannelFieldCount)
        return std::nullopt;
    return static_cast<TChannelField>(number);
}

const std::vector<std::string>& BuiltInListItems(TChannelField field)
{
    return FieldRow(field).Items;
}

int ChannelListValue(const TChannel& channel, TChannelField field)
{
    const TChannelFieldRow& row = FieldRow(field);
    return row.Kind == TFieldKind::List ? channel.*row.Index : 0;
}
