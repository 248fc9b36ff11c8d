// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file SysInfo.Ini: port, language and the carried-through serial-number values.
#pragma once

#include <string>

#include "core/model/AppState.h"

// Where SysInfo.Ini lives: beside a portable program while that folder is writable, else
// $XDG_CONFIG_HOME/qbh52/ (~/.config/qbh52/); see core/files/Locations.h.
std::string SettingsFilePath(const TAppState& all);
// The file the settings are read from: SettingsFilePath, or, before that exists, the SysInfo.Ini shipped in the
// program's data folder.
std::string SettingsReadPath(const TAppState& all);
// Reads the settings; a file that exists but cannot be used gives the defaults, is left as it is, and its
// problem comes back (empty when there is none).
std::string LoadSettings(TAppState& all);
// Writes Com, Language_ID, SN_Start, SN_Index and SN_NumS into section SysInfo and VerifyAfterWrite (1 or 0,
// on unless 0) into section Program, keeping the other lines.
bool SaveSettings(const TAppState& all, std::string& error);
