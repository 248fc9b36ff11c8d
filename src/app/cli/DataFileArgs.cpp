#include "app/cli/DataFileArgs.h"

#include "core/files/DataFile.h"
#include "core/files/StartUp.h"

bool OpenDataFileArgument(const std::string& path)
{
    std::string error;
    const TOpenResult result = OpenDataFile(gAll, gMacList, path, error, gLanguage);
    if (result == TOpenResult::Ok)
        return true;
    // A warning about a file that was loaded all the same goes to stderr; the command goes on.
    CliFail(error);
    return IsLoaded(result);
}

bool OneFileArgument(const TCliArgs& args, const char* command)
{
    if (args.size() == 1)
        return true;
    CliFail(std::string(command) + " needs exactly one file name");
    return false;
}

bool OpenFileArgument(const TCliArgs& args, const char* command)
{
    return OneFileArgument(args, command) && OpenDataFileArgument(args[0]);
}
