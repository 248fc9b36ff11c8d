// SPDX-License-Identifier: GPL-3.0-or-later
// qbh52-cli read: the radio's memory into a data file.
#pragma once

#include "app/cli/CliCommands.h"

// read --port PORT OUT.dat: reads the radio and saves the image as the program does after a completed read.
int CmdRead(const TCliArgs& args);
