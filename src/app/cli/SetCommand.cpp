// SPDX-License-Identifier: GPL-3.0-or-later
// set FILE.dat 'Field=value'... OUT.dat: changes settings by the labels the settings command prints. Every
// assignment is checked before OUT.dat is written, so a refused one leaves no file behind.
#include "app/cli/DataFileArgs.h"
#include "core/files/DataFile.h"
#include "core/files/StartUp.h"
#include "core/model/SettingTexts.h"

int CmdSet(const TCliArgs& args)
{
    if (args.size() < 3)
        return CliUsage("set", "set needs a data file, at least one 'Field=value' and the file to write");
    for (size_t i = 1; i + 1 < args.size(); ++i)
        if (args[i].find('=') == std::string::npos)
            return CliUsage("set", "\"" + args[i] + "\" is not 'Field=value'");
    if (!OpenDataFileArgument(args.front()))
        return 1;
    for (size_t i = 1; i + 1 < args.size(); ++i) {
        const size_t equals = args[i].find('=');
        const std::string error = SetSettingByLabel(gAll, args[i].substr(0, equals), args[i].substr(equals + 1));
        if (!error.empty())
            return CliFail(error);
    }
    std::string error;
    return SaveDataFile(gAll, args.back(), error) ? 0 : CliFail(error);
}
