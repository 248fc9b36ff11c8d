// Radio subcommands of qbh52-cli: read and write over a serial port, on the program's own engines.
#pragma once

#include "app/cli/CliCommands.h"

// read --port PORT OUT.dat: reads the radio and saves the image as the program does after a completed read.
int CmdRead(const TCliArgs& args);
// write --port PORT [--force] IN.dat: writes blocks 0 to 294 of the data file to the radio; --force answers
// Yes when the radio reports another model with the same channel count.
int CmdWrite(const TCliArgs& args);
