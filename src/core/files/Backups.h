// SPDX-License-Identifier: GPL-3.0-or-later
// Backups of what was read from radios: every completed read is also kept as a data file in the backups
// folder, named for the time and the radio, so that nothing a radio held is lost when it is overwritten. The
// write preview compares a data set with the newest backup of its radio.
#pragma once

#include <optional>
#include <string>

#include <vector>

#include "core/files/MessageTexts.h"
#include "core/model/AppState.h"
#include "core/model/ModelCatalogue.h"

// The newest this many backups are kept; older ones are removed after each new one.
inline constexpr int kKeptBackups = 200;

// [Backup] Folder= of the settings file when set, else $XDG_DATA_HOME/qbh52/backups/ (by default
// ~/.local/share/qbh52/backups/); with a trailing "/".
std::string BackupFolder(const TAppState& all);

// The radio's part of a backup's name: its serial number, or the model name when it has none; letters,
// digits and "-" only.
std::string BackupRadioName(const TAppState& all);

// Saves the data set as "YYYY-MM-DD_HHMMSS_<radio>.dat" in the backups folder, now being the local time as
// "yyyy-MM-dd HH:mm:ss"; a second backup of the radio in the same second gets "_2", "_3", ... The folder is
// created when missing. Then the oldest backups beyond kKeptBackups go. False with the reason in error; the
// state is never changed.
bool SaveBackup(const TAppState& all, const std::string& now, std::string& path, std::string& error);

// The newest backup of the radio the data set comes from: the same serial number, or for a radio without
// one the same model. Files that are no data file of a known model are passed over.
struct TBackup {
    std::string Path;
    TAppState State;
};
std::optional<TBackup> FindNewestBackup(const TAppState& all, const TModelCatalogue& list);

// What a write of the data set will change in its radio, against the newest backup of that radio: a heading
// ("12 changes against the last read of this radio (2026-12-10_141530_AB12.dat):", or that nothing changes,
// or that there is no earlier read) and the diff's lines.
struct TWritePreview {
    std::string Heading;
    std::vector<std::string> Lines;
};
TWritePreview BuildWritePreview(const TAppState& all, const TModelCatalogue& list, const TMessageTexts& texts);
