#include "app/cli/WriteCommand.h"

#include "app/cli/CliLink.h"
#include "app/cli/DataFileArgs.h"
#include "core/files/StartUp.h"
#include "core/link/WriteEngine.h"

// The data file is opened as the program opens one, so the radio gets the image the program would send.
int CmdWrite(const TCliArgs& args)
{
    const auto parsed = ParseLinkArgs(args, true);
    if (!parsed)
        return CliUsage("write", "write needs --port PORT, one file name and optionally --force");
    if (!OpenDataFileArgument(parsed->File))
        return 1;
    TCliLink link(parsed->Port, "write", parsed->Force);
    TWriteEngine engine(gAll, gMacList, gLanguage, link.Port(), link.View());
    link.Run(engine);
    if (!engine.Succeeded())
        return CliFail(link.Failure());
    return 0;
}
