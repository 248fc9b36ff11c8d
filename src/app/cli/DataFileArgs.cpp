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
    switch (OpenDataFile(all, gMacList, path, error)) {
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
