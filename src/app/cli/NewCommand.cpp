// SPDX-License-Identifier: GPL-3.0-or-later
// new OUT.dat: saves the data set the program starts with.
#include "app/cli/DataFileArgs.h"
#include "core/files/DataFile.h"
#include "core/files/StartUp.h"

int CmdNew(const TCliArgs& args)
{
    if (const int status = OneFileArgument(args, "new"))
        return status;
    std::string error;
    if (!SaveDataFile(gAll, args[0], error))
        return CliFail(error);
    return 0;
}
