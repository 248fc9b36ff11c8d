// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file SysInfo.Ini: port, language and the carried-through serial-number values.
#pragma once

#include <string>
#include <utility>
#include <vector>

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
// Writes Com, Language_ID, SN_Start, SN_Index and SN_NumS into section SysInfo, VerifyAfterWrite (1 or 0,
// on unless 0) and LastFolder into section Program and File1 to File8 into section Recent, keeping the other
// lines.
bool SaveSettings(const TAppState& all, std::string& error);
// Writes the settings when SettingsFilePath does not exist yet, so that the first start leaves a file to edit.
bool EnsureSettingsFile(const TAppState& all, std::string& error);
// Keys of one section written into the settings file at once, keeping every other line (the Ports mapping,
// window places).
bool SaveSettingsValues(const TAppState& all, const std::string& section,
                        const std::vector<std::pair<std::string, std::string>>& values, std::string& error);
// The value of one key of the settings file, or the fallback.
std::string ReadSettingsValue(const TAppState& all, const std::string& section, const std::string& key,
                              const std::string& fallback = "");

// File > Recent Files holds this many data files.
inline constexpr size_t kRecentFileCount = 8;
// The path moves to the front of RecentFiles (once), the oldest beyond kRecentFileCount drops out.
void RememberRecentFile(TAppState& all, const std::string& path);
void ForgetRecentFile(TAppState& all, const std::string& path);
