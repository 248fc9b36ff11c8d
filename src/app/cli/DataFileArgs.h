// SPDX-License-Identifier: GPL-3.0-or-later
// The data file argument of the subcommands new, info, channels, fm and write.
#pragma once

#include <string>

#include "app/cli/CliCommands.h"
#include "core/model/AppState.h"

// The FM broadcast memories 1 to 25, which info counts and fm lists.
inline constexpr int kFmMemories = 25;

// 0 when the arguments are exactly one file name; otherwise the usage error's status after printing it.
int OneFileArgument(const TCliArgs& args, const char* command);
// Opens a data file as the Open command does; false after printing the reason.
bool OpenDataFileArgument(const std::string& path);
// The same into another state than the program's.
bool OpenDataFileInto(TAppState& all, const std::string& path);
// OneFileArgument, then opens that data file as the Open command does: 0, or the exit status after printing
// the reason.
int OpenFileArgument(const TCliArgs& args, const char* command);
