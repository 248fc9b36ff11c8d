// SPDX-License-Identifier: GPL-3.0-or-later
// channels FILE.dat: the memory channels in use as CSV, with the texts the channel table shows.
#include <iostream>
#include <sstream>
#include <vector>

#include "app/cli/DataFileArgs.h"
#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/ChannelFields.h"

namespace
{
using F = TChannelField;

// The channel table's shown columns, and the voice mode, which the table hides.
constexpr TChannelField kColumns[] = {F::Number,    F::RxFrequency, F::TxFrequency, F::RxTone, F::TxTone,    F::Power,
                                      F::Bandwidth, F::ScanAdd,     F::BusyLock,    F::Vox,    F::VoiceMode, F::Tail,
                                      F::PttId,     F::Ani,         F::Name,        F::IdCode};

// A CSV value: quoted when it holds the separator, a quote or a line break.
std::string CsvValue(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

std::string CsvLine(const std::vector<std::string>& values)
{
    std::string line;
    for (const std::string& value : values)
        line += (line.empty() ? "" : ",") + CsvValue(value);
    return line + "\n";
}

std::string TitleLine()
{
    std::vector<std::string> titles;
    for (TChannelField field : kColumns)
        titles.push_back(FieldRow(field).ColumnTitle);
    return CsvLine(titles);
}

std::string ChannelLine(int number, const TChannel& channel)
{
    std::vector<std::string> cells;
    for (TChannelField field : kColumns)
        cells.push_back(ChannelCellText(channel, number, field));
    return CsvLine(cells);
}
} // namespace

int CmdChannels(const TCliArgs& args)
{
    if (const int status = OpenFileArgument(args, "channels"))
        return status;
    std::ostringstream out;
    out << TitleLine();
    for (int number = 1; number <= gAll.ChannelCount; ++number) {
        TChannel channel;
        if (DecodeChannel(gAll, number, channel))
            out << ChannelLine(number, channel);
    }
    std::cout << out.str();
    return 0;
}
