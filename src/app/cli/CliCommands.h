// The subcommands of qbh52-cli. Each gets the arguments after its name and returns the exit status;
// a failure prints one line on stderr and returns 1.
#pragma once

#include <string>
#include <vector>

using TCliArgs = std::vector<std::string>;
using TCliCommand = int (*)(const TCliArgs& args);

struct TCliEntry {
    const char* Name;
    const char* Arguments;
    TCliCommand Run;
};

// One line on stderr; returns exit status 1.
int CliFail(const std::string& message);

// Data files (NewCommand.cpp, InfoCommand.cpp, ChannelsCommand.cpp, FmCommand.cpp).
int CmdNew(const TCliArgs& args);
int CmdInfo(const TCliArgs& args);
int CmdChannels(const TCliArgs& args);
int CmdFm(const TCliArgs& args);
// The printed pages as a PDF file (PrintCommand.cpp).
int CmdPrint(const TCliArgs& args);
