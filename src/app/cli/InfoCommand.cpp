// SPDX-License-Identifier: GPL-3.0-or-later
// info FILE.dat: the model, its bands, the channels in use, the write time and the serial number of a data file.
#include <iostream>
#include <sstream>

#include "app/cli/DataFileArgs.h"
#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/Encodings.h"
#include "core/model/RadioInfo.h"

namespace
{
int CountUsedFmChannels()
{
    int count = 0;
    for (int n = 1; n <= kFmMemories; ++n)
        count += GetMapBit(gAll, kFmEmptyMap, n) ? 0 : 1;
    return count;
}
} // namespace

int CmdInfo(const TCliArgs& args)
{
    if (const int status = OpenFileArgument(args, "info"))
        return status;
    std::ostringstream out;
    out << "Model Type: " << gAll.ModelName << "\n"
        << "Frequency[MHz]: " << gAll.BandText << "\n"
        << "Memory Channels: " << UsedChannelCount(gAll) << "\n"
        << "FM Channels: " << CountUsedFmChannels() << "\n"
        << "Write Time: " << WriteTimeText(gAll) << "\n"
        << "Serial Number: " << SerialNumberText(gAll) << "\n";
    std::cout << out.str();
    return 0;
}
