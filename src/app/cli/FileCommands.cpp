// Data file subcommands: new, info, channels, fm.
#include <iostream>
#include <iterator>
#include <sstream>

#include "app/cli/CliCommands.h"
#include "core/files/DataFile.h"
#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/ChannelFields.h"
#include "core/model/Encodings.h"
#include "core/model/FmCodec.h"
#include "core/model/Numbers.h"
#include "core/model/RadioInfo.h"

namespace
{
constexpr int kFmMemories = 25;
constexpr int kFmCurrentChannel = 32;

bool OneFileArgument(const TCliArgs& args, const char* command)
{
    if (args.size() == 1)
        return true;
    CliFail(std::string(command) + " needs exactly one file name");
    return false;
}

// Opens the data file as the Open command does; false after printing the reason.
bool OpenForReading(const std::string& path)
{
    std::string error;
    switch (OpenDataFile(gAll, gMacList, path, error)) {
    case TOpenResult::Ok:
        return true;
    case TOpenResult::ModelUnknown:
        CliFail(gLanguage.ModError);
        return false;
    case TOpenResult::CannotOpen:
        break;
    }
    CliFail(error);
    return false;
}

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

std::string ListItem(int field, int index)
{
    const auto& items = BuiltInListItems(field);
    return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<size_t>(index)] : "";
}

std::string ToneCell(const std::string& tone)
{
    return tone.empty() ? ToneList().front() : tone;
}

// One table row: the texts the channel table shows for a decoded channel.
std::string ChannelRow(int number, const TChannel& ch)
{
    const std::string values[] = {std::to_string(number),
                                  FormatFreq(ch.RxFreq),
                                  ch.TxFreq == -1 ? "" : FormatFreq(ch.TxFreq),
                                  ToneCell(ch.RxTone),
                                  ToneCell(ch.TxTone),
                                  ListItem(9, ch.Power),
                                  ListItem(10, ch.Wide),
                                  ListItem(11, ch.ScanSkip),
                                  ListItem(12, ch.BusyLock),
                                  ListItem(13, ch.Vox),
                                  ListItem(14, ch.VoiceMode),
                                  ListItem(15, ch.Tail),
                                  ListItem(16, ch.PttId),
                                  ListItem(17, ch.Ani),
                                  ch.Name,
                                  ch.IdCode};
    std::string row = values[0];
    for (size_t i = 1; i < std::size(values); ++i)
        row += "," + CsvValue(values[i]);
    return row;
}

int CountUsedChannels()
{
    int count = 0;
    for (int ch = 1; ch <= gAll.ChannelCount; ++ch)
        count += IsChannelUsed(gAll, ch) ? 1 : 0;
    return count;
}

int CountUsedFmChannels()
{
    int count = 0;
    for (int n = 1; n <= kFmMemories; ++n)
        count += GetMapBit(gAll, kFmEmptyMap, n) ? 0 : 1;
    return count;
}

std::string FmText(double frequency)
{
    return frequency < 0 ? "" : FormatFreq(frequency);
}
} // namespace

int CmdNew(const TCliArgs& args)
{
    if (!OneFileArgument(args, "new"))
        return 1;
    std::string error;
    if (!SaveDataFile(gAll, args[0], error))
        return CliFail(error);
    return 0;
}

int CmdInfo(const TCliArgs& args)
{
    if (!OneFileArgument(args, "info") || !OpenForReading(args[0]))
        return 1;
    std::ostringstream out;
    out << "Model Type: " << gAll.ModelName << "\n"
        << "Frequency[MHz]: " << gAll.BandText << "\n"
        << "Memory Channels: " << CountUsedChannels() << "\n"
        << "FM Channels: " << CountUsedFmChannels() << "\n"
        << "Write Time: " << WriteTimeText(gAll) << "\n"
        << "Serial Number: " << SerialNumberText(gAll) << "\n";
    std::cout << out.str();
    return 0;
}

int CmdChannels(const TCliArgs& args)
{
    if (!OneFileArgument(args, "channels") || !OpenForReading(args[0]))
        return 1;
    std::ostringstream out;
    out << "No.,RX Frequency,TX Frequency,QT/DQT Dec,QT/DQT Enc,TX Power,W/N,Scan Add,Busy Lock,Vox,Voice Mode,"
           "Epilogue,PTT ID,DTMF,NAME,ID Code\n";
    for (int number = 1; number <= gAll.ChannelCount; ++number) {
        TChannel channel;
        if (DecodeChannel(gAll, number, channel))
            out << ChannelRow(number, channel) << "\n";
    }
    std::cout << out.str();
    return 0;
}

int CmdFm(const TCliArgs& args)
{
    if (!OneFileArgument(args, "fm") || !OpenForReading(args[0]))
        return 1;
    std::ostringstream out;
    out << "No.,Frequency\n";
    out << "Current," << FmText(DecodeFmChannel(gAll, kFmCurrentChannel)) << "\n";
    for (int n = 1; n <= kFmMemories; ++n)
        out << n << "," << FmText(DecodeFmChannel(gAll, n)) << "\n";
    std::cout << out.str();
    return 0;
}
