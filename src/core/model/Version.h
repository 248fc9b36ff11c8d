// SPDX-License-Identifier: GPL-3.0-or-later
// The program's version, set once in the top CMakeLists.txt (project VERSION), and what --version prints.
#pragma once

#include <string>

// "1.0" and the like.
std::string ProgramVersion();
// The --version text of one of the three programs: its name and version, the licence, the warranty.
std::string VersionText(const std::string& program);
