// qbh52-cli write: a data file into the radio's memory.
#pragma once

#include "app/cli/CliCommands.h"

// write --port PORT [--force] IN.dat: writes blocks 0 to 294 of the data file to the radio; --force answers
// Yes when the radio reports another model with the same channel count.
int CmdWrite(const TCliArgs& args);
