// SPDX-License-Identifier: GPL-3.0-or-later
// The subcommands of qbh52-cli. Each gets the arguments after its name and returns the exit status;
// a failure prints one line on stderr and returns 1, a usage error prints the line and the command's usage and
// returns 2.
#pragma once

#include <string>
#include <vector>

using TCliArgs = std::vector<std::string>;
using TCliCommand = int (*)(const TCliArgs& args);

struct TCliEntry {
    const char* Name;
    const char* Arguments;
    // What --help says the command does.
    const char* Summary;
    TCliCommand Run;
};

// The exit status of a usage error.
inline constexpr int kCliUsageStatus = 2;

// One line on stderr; returns exit status 1.
int CliFail(const std::string& message);
// The line and the usage of the command on stderr; returns kCliUsageStatus.
int CliUsage(const std::string& command, const std::string& message);

// Data files (NewCommand.cpp, InfoCommand.cpp, ChannelsCommand.cpp, FmCommand.cpp).
int CmdNew(const TCliArgs& args);
int CmdInfo(const TCliArgs& args);
int CmdChannels(const TCliArgs& args);
int CmdFm(const TCliArgs& args);
// Settings (SettingsCommand.cpp, SetCommand.cpp).
int CmdSettings(const TCliArgs& args);
int CmdSet(const TCliArgs& args);
// CHIRP CSV (ExportCsvCommand.cpp, ImportCsvCommand.cpp).
int CmdExportCsv(const TCliArgs& args);
int CmdImportCsv(const TCliArgs& args);
// The printed pages as a PDF file (PrintCommand.cpp).
int CmdPrint(const TCliArgs& args);
