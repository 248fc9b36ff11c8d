// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/Version.h"

std::string ProgramVersion()
{
    return QBH52_VERSION;
}

std::string VersionText(const std::string& program)
{
    return program + " (QB-H52 Programmer) " + ProgramVersion() +
           "\nLicense GPL-3.0-or-later: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl.html>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}
