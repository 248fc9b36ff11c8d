// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/ChannelFields.h"

namespace
{
using F = TChannelField;
using K = TFieldKind;

std::vector<TChannelFieldRow> BuildTable()
{
    return {
        {.Field = F::Number, .ColumnKey = "S-M-N", .ColumnWidth = 45, .ColumnTitle = "No.", .Kind = K::ChannelNumber},
        {.Field = F::RxFrequency,
         .ColumnKey = "S-R-R",
         .ColumnWidth = 80,
         .ColumnTitle = "RX Frequency",
         .Kind = K::Frequency,
         .TypedLength = 9,
         .Frequency = &TChannel::RxFreq},
        {.Field = F::TxFrequency,
         .ColumnKey = "S-R-T",
         .ColumnWidth = 80,
         .ColumnTitle = "TX Frequency",
         .Kind = K::Frequency,
         .TypedLength = 9,
         .Frequency = &TChannel::TxFreq},
        {.Field = F::Offset,
         .ColumnKey = "N-R-O",
         .ColumnWidth = 80,
         .ColumnTitle = "Dup Frequency",
         .Kind = K::Frequency,
         .Frequency = &TChannel::Offset},
        {.Field = F::Duplex,
         .ColumnKey = "N-M-S",
         .ColumnWidth = 70,
         .ColumnTitle = "Dup Way",
         .Kind = K::List,
         .ListName = "cxDups",
         .Items = {"Off", "+", "-"},
         .Bits = TOptionBits{7, 0x03, 0},
         .Index = &TChannel::Duplex},
        {.Field = F::RxTone,
         .ColumnKey = "S-R-S",
         .ColumnWidth = 65,
         .ColumnTitle = "QT/DQT Dec",
         .Kind = K::Tone,
         .ListName = "cxDcts",
         .ToneWord = 8,
         .NewChannelText = "",
         .Text = &TChannel::RxTone},
        {.Field = F::TxTone,
         .ColumnKey = "S-R-S",
         .ColumnWidth = 65,
         .ColumnTitle = "QT/DQT Enc",
         .Kind = K::Tone,
         .ListName = "cxDcts",
         .ToneWord = 10,
         .NewChannelText = "",
         .Text = &TChannel::TxTone},
        {.Field = F::Reverse,
         .ColumnKey = "N-M-S",
         .ColumnWidth = 60,
         .ColumnTitle = "Revs",
         .Kind = K::List,
         .ListName = "cxYnSw",
         .Items = {"Yes", "No"},
         .Index = &TChannel::Reverse},
        {.Field = F::Power,
         .ColumnKey = "S-M-S",
         .ColumnWidth = 65,
         .ColumnTitle = "TX Power",
         .Kind = K::List,
         .ListName = "cxPwrv",
         .Items = {"Low", "High"},
         .Bits = TOptionBits{12, 0x04, 0},
         .NewChannelText = "1",
         .Index = &TChannel::Power},
        {.Field = F::Bandwidth,
         .ColumnKey = "S-M-S",
         .ColumnWidth = 65,
         .ColumnTitle = "W/N",
         .Kind = K::List,
         .ListName = "cxBand",
         .Items = {"Narrow", "Wide"},
         .Bits = TOptionBits{12, 0x80, 0},
         .NewChannelText = "1",
         .Index = &TChannel::Wide},
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
         .Index = &TChannel::ScanSkip},
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
         .Index = &TChannel::BusyLock},
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
         .Index = &TChannel::Vox},
        {.Field = F::VoiceMode,
         .ColumnKey = "N-M-S",
         .ColumnWidth = 65,
         .ColumnTitle = "Voice Mode",
         .Kind = K::List,
         .ListName = "cxApro",
         .Items = {"Off", "Compander", "Scramble", "Both"},
         .Bits = TOptionBits{12, 0x03, 3},
         .NewChannelText = "0",
         .Index = &TChannel::VoiceMode},
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
         .Index = &TChannel::Tail},
        {.Field = F::PttId,
         .ColumnKey = "S-M-S",
         .ColumnWidth = 65,
         .ColumnTitle = "PTT ID",
         .Kind = K::List,
         .ListName = "cxPtts",
         .Items = {"Off", "BOT", "EOT", "Both"},
         .Bits = TOptionBits{13, 0x30, 3},
         .NewChannelText = "0",
         .Index = &TChannel::PttId},
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
         .Index = &TChannel::Ani},
        {.Field = F::Name,
         .ColumnKey = "S-M-E",
         .ColumnWidth = 65,
         .ColumnTitle = "NAME",
         .Kind = K::NameText,
         .NewChannelText = "",
         .TypedLength = 7,
         .Text = &TChannel::Name},
        {.Field = F::IdCode,
         .ColumnKey = "S-M-E",
         .ColumnWidth = 65,
         .ColumnTitle = "ID Code",
         .Kind = K::DtmfCode,
         .NewChannelText = "",
         .TypedLength = 6,
         .Text = &TChannel::IdCode},
        {.Field = F::More, .ColumnKey = "N-M-M", .ColumnWidth = 65, .ColumnTitle = "More...", .Kind = K::More},
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
