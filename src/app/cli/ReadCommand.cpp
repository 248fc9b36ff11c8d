// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/ReadCommand.h"

#include <iostream>

#include "app/cli/CliLink.h"
#include "core/files/Backups.h"
#include "core/files/DataFile.h"
#include "core/files/StartUp.h"
#include "core/link/ReadEngine.h"
#include "core/model/Encodings.h"

// The file is written only after a completed read, so a failed read leaves no file behind. The backup
// follows; a backup that fails is reported but leaves the read a success.
int CmdRead(const TCliArgs& args)
{
    const auto parsed = ParseLinkArgs(args, false);
    if (!parsed)
        return CliUsage("read", "read needs --port PORT and one file name");
    TCliLink link;
    TCliPort& port = link.AddPort(gAll, parsed->Ports.front(), "read", false, true);
    TReadEngine engine(gAll, gMacList, gLanguage, port.Serial, port.Observer);
    link.Run({{&port, &engine}});
    if (!engine.Completed())
        return CliFail(port.Failure());
    std::string saveError;
    if (!SaveDataFile(gAll, parsed->File, saveError))
        return CliFail(saveError);
    std::string backup;
    if (SaveBackup(gAll, NowText(), backup, saveError))
        std::cerr << FormatText(gLanguage.BackupSaved, {backup}) << "\n";
    else
        CliFail(FormatText(gLanguage.BackupFailed, {saveError}));
    return 0;
}
