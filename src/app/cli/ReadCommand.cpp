#include "app/cli/ReadCommand.h"

#include "app/cli/CliLink.h"
#include "core/files/DataFile.h"
#include "core/files/StartUp.h"
#include "core/link/ReadEngine.h"

// The file is written only after a completed read, so a failed read leaves no file behind.
int CmdRead(const TCliArgs& args)
{
    const auto parsed = ParseLinkArgs(args, false);
    if (!parsed)
        return CliUsage("read", "read needs --port PORT and one file name");
    TCliLink link(parsed->Port, "read", false);
    TReadEngine engine(gAll, gMacList, gLanguage, link.Port(), link.View());
    link.Run(engine);
    if (!engine.Completed())
        return CliFail(link.Failure());
    std::string saveError;
    if (!SaveDataFile(gAll, parsed->File, saveError))
        return CliFail(saveError);
    return 0;
}
