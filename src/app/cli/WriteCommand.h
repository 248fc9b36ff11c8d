// SPDX-License-Identifier: GPL-3.0-or-later
// qbh52-cli write: a data file into the memory of one radio or of several at once.
#pragma once

#include "app/cli/CliCommands.h"

// The exit status of a write whose read-back found blocks otherwise than written.
inline constexpr int kVerifyFailedStatus = 3;

// write --port PORT [--port PORT ...] [--force] [--verify] [--dry-run] IN.dat: prints what the write changes
// against the newest backup of the radio, then writes blocks 0 to 294 of the data file to every port at once
// and ends with one line per port. --force answers Yes when a radio reports another model with the same
// channel count; --verify reads each radio back and compares; --dry-run prints the preview and writes
// nothing. Exits 0 when every port succeeded, 3 when the only failures are read-backs that differ, else 1.
int CmdWrite(const TCliArgs& args);
