// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/DiffCommand.h"

#include <iostream>

#include "app/cli/DataFileArgs.h"
#include "core/files/StartUp.h"
#include "core/model/DataSetDiff.h"

namespace
{
constexpr int kSame = 0;
constexpr int kDiffer = 1;
} // namespace

int CmdDiff(const TCliArgs& args)
{
    if (args.size() != 2 || args[0].starts_with("--") || args[1].starts_with("--"))
        return CliUsage("diff", "diff needs two data file names");
    // Each file is opened over a new data set, as the program opens one.
    TAppState before = gAll;
    TAppState after = gAll;
    if (!OpenDataFileInto(before, args[0]) || !OpenDataFileInto(after, args[1]))
        return kCliUsageStatus;
    std::string text;
    for (const std::string& line : DiffDataSets(before, after))
        text += line + "\n";
    std::cout << text;
    return text.empty() ? kSame : kDiffer;
}
