// SPDX-License-Identifier: GPL-3.0-or-later
// fm FILE.dat: the current FM frequency and the 25 FM memories, empty where a memory is unused.
#include <iostream>
#include <sstream>

#include "app/cli/DataFileArgs.h"
#include "core/files/StartUp.h"
#include "core/model/FmCodec.h"
#include "core/model/Numbers.h"

namespace
{
constexpr int kFmCurrentChannel = 32;

std::string FmText(double frequency)
{
    return frequency < 0 ? "" : FormatFreq(frequency);
}
} // namespace

int CmdFm(const TCliArgs& args)
{
    if (const int status = OpenFileArgument(args, "fm"))
        return status;
    std::ostringstream out;
    out << "No.,Frequency\n";
    out << "Current," << FmText(DecodeFmChannel(gAll, kFmCurrentChannel)) << "\n";
    for (int n = 1; n <= kFmMemories; ++n)
        out << n << "," << FmText(DecodeFmChannel(gAll, n)) << "\n";
    std::cout << out.str();
    return 0;
}
