// SPDX-License-Identifier: GPL-3.0-or-later
// new [--force] OUT.dat: saves the data set the program starts with. A new data set holds no channel, so
// saving it over a file that holds a radio's memory would lose that memory: an existing file is replaced
// only when --force says so.
#include <sys/stat.h>

#include "app/cli/DataFileArgs.h"
#include "core/files/DataFile.h"
#include "core/files/StartUp.h"

int CmdNew(const TCliArgs& args)
{
    TCliArgs files;
    bool force = false;
    for (const std::string& arg : args) {
        if (arg == "--force")
            force = true;
        else
            files.push_back(arg);
    }
    if (const int status = OneFileArgument(files, "new"))
        return status;
    struct stat existing {
    };
    if (!force && lstat(files[0].c_str(), &existing) == 0)
        return CliFail("\"" + files[0] + "\" already exists; --force replaces it");
    std::string error;
    if (!SaveDataFile(gAll, files[0], error))
        return CliFail(error);
    return 0;
}
