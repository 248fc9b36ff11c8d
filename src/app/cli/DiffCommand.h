// SPDX-License-Identifier: GPL-3.0-or-later
// qbh52-cli diff: what differs between two data files.
#pragma once

#include "app/cli/CliCommands.h"

// diff A.dat B.dat: one line per change from A to B on stdout, as the write preview shows them. Exits as diff
// does: 0 when the two hold the same, 1 when they differ, 2 on a usage or file error.
int CmdDiff(const TCliArgs& args);
