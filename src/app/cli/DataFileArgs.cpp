// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/DataFileArgs.h"

#include "core/files/DataFile.h"
#include "core/files/StartUp.h"

bool OpenDataFileArgument(const std::string& path)
{
    return OpenDataFileInto(gAll, path);
}

bool OpenDataFileInto(TAppState& all, const std::string& path)
{
    std::string error;
    const TOpenResult result = OpenDataFile(all, gMacList, path, error, gLanguage);
    if (result == TOpenResult::Ok)
        return true;
    // A warning about a file that was loaded all the same goes to stderr; the command goes on.
    CliFail(error);
    return IsLoaded(result);
}

int OneFileArgument(const TCliArgs& args, const char* command)
{
    return args.size() == 1 ? 0 : CliUsage(command, std::string(command) + " needs exactly one file name");
}

int OpenFileArgument(const TCliArgs& args, const char* command)
{
    if (const int status = OneFileArgument(args, command))
        return status;
    return OpenDataFileArgument(args[0]) ? 0 : 1;
}
