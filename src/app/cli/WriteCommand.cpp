#include "app/cli/WriteCommand.h"

#include "app/cli/CliLink.h"
#include "core/files/DataFile.h"
#include "core/files/StartUp.h"
#include "core/link/WriteEngine.h"

// The data file is opened as the program opens one, so the radio gets the image the program would send.
int CmdWrite(const TCliArgs& args)
{
    const auto parsed = ParseLinkArgs(args, true);
    if (!parsed)
        return CliFail("write needs --port PORT, one file name and optionally --force");
    std::string openError;
    switch (OpenDataFile(gAll, gMacList, parsed->File, openError)) {
    case TOpenResult::Ok:
        break;
    case TOpenResult::ModelUnknown:
        return CliFail(gLanguage.ModError);
    case TOpenResult::CannotOpen:
        return CliFail(openError);
    }
    TCliLink link(parsed->Port, "write", parsed->Force);
    TWriteEngine engine(gAll, gMacList, gLanguage, link.Port(), link.View());
    link.Run(engine);
    if (!engine.Succeeded())
        return CliFail(link.Failure());
    return 0;
}
