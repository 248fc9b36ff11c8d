// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Locations.h"

#include <cstdlib>
#include <unistd.h>

#include "core/files/SafeFile.h"

namespace
{
// The English language file stands for all the data: every other language falls back to it.
const char* const kEnglishFile = "English.Ini";

// The program's folder under an XDG base folder; a relative value is ignored, as the XDG rules ask.
std::string XdgFolder(const char* variable, const char* homeFallback)
{
    const char* xdg = std::getenv(variable);
    const char* home = std::getenv("HOME");
    std::string base = xdg && xdg[0] == '/' ? xdg : std::string(home && home[0] ? home : ".") + homeFallback;
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return base + "/qbh52/";
}
} // namespace

bool IsPortable(const TAppState& all)
{
    return IsRegularFile(all.AppDir + kEnglishFile);
}

std::string DataFolder(const TAppState& all)
{
    return IsPortable(all) ? all.AppDir : all.AppDir + QBH52_DATA_FROM_BIN;
}

std::string ConfigFolder()
{
    return XdgFolder("XDG_CONFIG_HOME", "/.config");
}

std::string StateFolder()
{
    return XdgFolder("XDG_STATE_HOME", "/.local/state");
}

std::string OwnFilesFolder(const TAppState& all, const std::string& installedFolder)
{
    const std::string folder = all.AppDir.empty() ? "./" : all.AppDir;
    return IsPortable(all) && access(folder.c_str(), W_OK) == 0 ? all.AppDir : installedFolder;
}

std::string DataFolderProblem(const TAppState& all)
{
    const std::string english = DataFolder(all) + kEnglishFile;
    if (IsRegularFile(english) && access(english.c_str(), R_OK) == 0)
        return "";
    return "The program's data folder \"" + DataFolder(all) + "\" is missing or cannot be read (" + kEnglishFile +
           " is not there). The windows show their built-in English texts; reinstalling the program restores "
           "the folder.";
}
