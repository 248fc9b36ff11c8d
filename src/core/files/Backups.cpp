// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Backups.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/files/DataFile.h"
#include "core/files/SafeFile.h"
#include "core/model/DataSetDiff.h"
#include "core/model/RadioInfo.h"

namespace
{
namespace fs = std::filesystem;

// "YYYY-MM-DD_HHMMSS_": the time part every backup's name begins with.
constexpr size_t kStampLength = 18;
constexpr const char* kExtension = ".dat";
// The year (two bytes), month, day, hour, minute and second of the write-time stamp.
constexpr int kWriteTimeLength = 7;

std::string WithSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A name the backups folder's own naming gave: the time part and ".dat".
bool IsBackupName(const std::string& name)
{
    if (name.size() < kStampLength + 5 || !name.ends_with(kExtension))
        return false;
    for (size_t i = 0; i < kStampLength; ++i) {
        const bool separator = i == 4 || i == 7 || i == 10 || i == 17;
        const char expected = i == 4 || i == 7 ? '-' : '_';
        if (separator ? name[i] != expected : !IsDigit(name[i]))
            return false;
    }
    return true;
}

// "2026-12-10 14:15:30" to "2026-12-10_141530_".
std::string StampPart(const std::string& now)
{
    std::string stamp;
    for (char c : now) {
        if (IsDigit(c) || (c == '-' && stamp.size() < 10))
            stamp += c;
        if (stamp.size() == 10)
            stamp += '_';
    }
    return stamp + "_";
}

// The backups in the folder, oldest first: the names begin with the time.
std::vector<std::string> ListBackups(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (IsBackupName(name) && it->is_regular_file(error))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveOldest(const std::string& folder)
{
    const std::vector<std::string> names = ListBackups(folder);
    std::error_code ignored;
    for (size_t i = 0; i + kKeptBackups < names.size(); ++i)
        fs::remove(folder + names[i], ignored);
}

std::string TrimmedSerial(const TAppState& all)
{
    std::string serial = SerialNumberText(all);
    serial.erase(0, serial.find_first_not_of(' '));
    serial.erase(serial.find_last_not_of(' ') + 1);
    return serial;
}

// A radio of another model is never the same radio, whatever its serial number says.
bool SameRadio(const TAppState& all, const TAppState& backup)
{
    return backup.ModelId == all.ModelId && TrimmedSerial(backup) == TrimmedSerial(all);
}
} // namespace

std::string BackupFolder(const TAppState& all)
{
    if (!all.BackupFolder.empty())
        return WithSlash(all.BackupFolder);
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/')
        return std::string(xdg) + "/qbh52/backups/";
    const char* home = std::getenv("HOME");
    return std::string(home && home[0] ? home : ".") + "/.local/share/qbh52/backups/";
}

std::string BackupRadioName(const TAppState& all)
{
    const std::string serial = TrimmedSerial(all);
    std::string name;
    for (char c : serial.empty() ? all.ModelName : serial) {
        const bool plain = IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        name += plain ? c : '-';
    }
    return name.empty() ? "radio" : name;
}

bool SaveBackup(const TAppState& all, const std::string& now, std::string& path, std::string& error)
{
    const std::string folder = BackupFolder(all);
    std::error_code made;
    fs::create_directories(folder, made);
    if (made) {
        error = "Cannot create folder \"" + folder + "\". " + made.message();
        return false;
    }
    const std::string base = folder + StampPart(now) + BackupRadioName(all);
    path = base + kExtension;
    for (int n = 2; fs::exists(path, made); ++n)
        path = base + "_" + std::to_string(n) + kExtension;
    TAppState copy = all;
    if (!SaveDataFile(copy, path, error))
        return false;
    RemoveOldest(folder);
    return true;
}

std::optional<TBackup> FindNewestBackup(const TAppState& all, const TModelCatalogue& list)
{
    const std::string folder = BackupFolder(all);
    const std::vector<std::string> names = ListBackups(folder);
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        TBackup backup{folder + *name, all};
        std::string ignored;
        if (OpenDataFile(backup.State, list, backup.Path, ignored) == TOpenResult::Ok && SameRadio(all, backup.State))
            return backup;
    }
    return std::nullopt;
}

TWritePreview BuildWritePreview(const TAppState& all, const TModelCatalogue& list, const TMessageTexts& texts)
{
    const std::optional<TBackup> backup = FindNewestBackup(all, list);
    if (!backup)
        return {texts.PreviewNoBackup, {}};
    // The write stamps its own time: the one the data set holds is never written.
    TAppState written = all;
    std::copy_n(backup->State.Image.begin() + kWriteTime, kWriteTimeLength, written.Image.begin() + kWriteTime);
    TWritePreview preview{{}, DiffDataSets(backup->State, written)};
    const std::string name = fs::path(backup->Path).filename().string();
    preview.Heading = preview.Lines.empty()
                          ? FormatText(texts.PreviewSame, {name})
                          : FormatText(texts.PreviewChanges, {std::to_string(preview.Lines.size()), name});
    return preview;
}
