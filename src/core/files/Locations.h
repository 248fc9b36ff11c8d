// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds its data files and keeps its own files.
//
// A portable program (the build folder, an unpacked copy in a folder of its own) has its language files beside
// it: it reads them there and keeps its settings file there too while it may write that folder. An installed
// program (PREFIX/bin/qbh52) has none beside it: it reads its data from PREFIX/share/qbh52/, found from its own
// location so that a relocated install runs as well, keeps its settings in $XDG_CONFIG_HOME/qbh52/ and its
// recovery copy in $XDG_STATE_HOME/qbh52/; it never writes under its prefix.
#pragma once

#include <string>

#include "core/model/AppState.h"

// True when the program's folder holds its English language file, as the build folder and a portable copy do.
bool IsPortable(const TAppState& all);
// The folder of the language files and the settings file shipped with the program, with a trailing "/".
std::string DataFolder(const TAppState& all);
// $XDG_CONFIG_HOME/qbh52/, or ~/.config/qbh52/ without that variable.
std::string ConfigFolder();
// $XDG_STATE_HOME/qbh52/, or ~/.local/state/qbh52/ without that variable.
std::string StateFolder();
// Where the program keeps a file of its own: beside a portable program while it may write that folder, else
// the installed program's folder for it (ConfigFolder() or StateFolder()).
std::string OwnFilesFolder(const TAppState& all, const std::string& installedFolder);
// Empty when the data folder holds a readable English language file; otherwise the message that says what is
// missing. It is English and built in, because the texts that would translate it are in the missing folder.
std::string DataFolderProblem(const TAppState& all);
