// SPDX-License-Identifier: GPL-3.0-or-later
// settings FILE.dat: every radio-wide setting as "Window / Field = value" lines, as the settings windows show it.
#include <iostream>

#include "app/cli/DataFileArgs.h"
#include "core/files/StartUp.h"
#include "core/model/SettingTexts.h"

int CmdSettings(const TCliArgs& args)
{
    if (const int status = OpenFileArgument(args, "settings"))
        return status;
    std::cout << SettingsListing(gAll);
    return 0;
}
