// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/ExampleChannels.h"

#include "core/model/ChannelCodec.h"

const std::vector<TExampleChannel>& ExampleChannels()
{
    // The 2 m and 70 cm calling frequencies, a repeater on each band (600 kHz and 7.6 MHz below, with the
    // CTCSS tone that opens it) and the first PMR446 channel, which is narrow.
    static const std::vector<TExampleChannel> channels = {
        {1, "145.50000", "145.50000", "", "1", "CALL 2M"}, {2, "145.67500", "145.07500", "88.5", "1", "RPT 2M"},
        {3, "433.50000", "433.50000", "", "1", "CALL 70"}, {4, "438.65000", "431.05000", "123.0", "1", "RPT 70"},
        {5, "446.00625", "446.00625", "", "0", "PMR 1"},
    };
    return channels;
}

void PutExampleChannels(TAppState& all)
{
    for (const TExampleChannel& example : ExampleChannels()) {
        ResetChannel(all, example.Number, example.RxFrequency);
        for (const auto& [field, value] : {std::pair{TChannelField::TxFrequency, example.TxFrequency},
                                           {TChannelField::TxTone, example.TxTone},
                                           {TChannelField::Bandwidth, example.Bandwidth},
                                           {TChannelField::Name, example.Name},
                                           {TChannelField::ScanAdd, std::string("0")}}) {
            std::string text = value;
            SetChannelField(all, example.Number, field, text);
        }
    }
}
