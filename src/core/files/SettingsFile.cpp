// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SettingsFile.h"

#include <cerrno>
#include <sys/stat.h>

#include "core/files/Locations.h"
#include "core/files/Profile.h"
#include "core/files/SafeFile.h"
#include "core/model/Numbers.h"

namespace
{
const char* const kSection = "SysInfo";
const char* const kSettingsName = "SysInfo.Ini";
const char* const kProgramSection = "Program";
const char* const kVerifyKey = "VerifyAfterWrite";
const char* const kLastFolderKey = "LastFolder";
const char* const kRecentSection = "Recent";

std::string RecentKey(size_t i)
{
    return "File" + std::to_string(i + 1);
}

// A 64-bit decimal number kept in 32 bits, or the fallback when the text is not a whole number.
int32_t ReadInt32(const std::string& text, int32_t fallback)
{
    const auto value = TryParseInt(text);
    return value ? static_cast<int32_t>(static_cast<uint32_t>(*value)) : fallback;
}

// The language at Language_ID in the list; an index that is no number takes the first of at least two
// languages, and an index outside the list falls back to English.
void ChooseLanguage(TAppState& all, const std::string& languageId, const std::vector<std::string>& languages)
{
    const auto index = TryParseInt(languageId);
    all.LanguageIndex = 0;
    all.LanguageName = "English";
    if (languages.size() < 2)
        return;
    if (!index) {
        all.LanguageName = languages[0];
    } else if (*index >= 0 && *index < static_cast<int64_t>(languages.size())) {
        all.LanguageIndex = static_cast<int>(*index);
        all.LanguageName = languages[static_cast<size_t>(*index)];
    }
}

bool MakeFolders(const std::string& folder)
{
    for (size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1))
        if (mkdir(folder.substr(0, slash).c_str(), 0777) != 0 && errno != EEXIST)
            return false;
    return true;
}

// The settings file with every line it holds (or, before it exists, the shipped one's), for a change.
TProfile LoadForChange(const TAppState& all)
{
    TProfile profile;
    profile.Load(SettingsReadPath(all));
    return profile;
}

bool SaveProfile(const TAppState& all, const TProfile& profile, std::string& error)
{
    const std::string path = SettingsFilePath(all);
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    if (!folder.empty() && !MakeFolders(folder)) {
        error = "Cannot create folder \"" + folder + "\".";
        return false;
    }
    if (profile.Save(path, error))
        return true;
    error = "Cannot create file \"" + path + "\". " + error;
    return false;
}

// An empty value is written only over one the file holds, so that the first file stays short.
void WriteOrClear(TProfile& profile, const std::string& section, const std::string& key, const std::string& value)
{
    if (!value.empty() || !profile.ReadString(section, key, "").empty())
        profile.WriteString(section, key, value);
}

std::vector<std::string> ReadRecentFiles(const TProfile& profile)
{
    std::vector<std::string> files;
    for (size_t i = 0; i < kRecentFileCount; ++i) {
        const std::string path = profile.ReadString(kRecentSection, RecentKey(i), "");
        if (!path.empty())
            files.push_back(path);
    }
    return files;
}
} // namespace

std::string SettingsFilePath(const TAppState& all)
{
    return OwnFilesFolder(all, ConfigFolder()) + kSettingsName;
}

std::string SettingsReadPath(const TAppState& all)
{
    const std::string path = SettingsFilePath(all);
    const std::string shipped = DataFolder(all) + kSettingsName;
    return IsRegularFile(path) || !IsRegularFile(shipped) ? path : shipped;
}

std::string LoadSettings(TAppState& all)
{
    TProfile profile;
    std::string problem;
    profile.Load(SettingsReadPath(all), problem);
    all.ComPort = profile.ReadString(kSection, "Com", "Com1");
    // Without a language choice the program stays with the first language.
    const std::string languageId = all.LanguageSelectable ? profile.ReadString(kSection, "Language_ID", "0") : "0";
    all.SnStart = profile.ReadString(kSection, "SN_Start", "");
    all.SnIndex = ReadInt32(profile.ReadString(kSection, "SN_Index", "0"), 0);
    all.SnCount = ReadInt32(profile.ReadString(kSection, "SN_NumS", "1"), 1);
    if (all.SnCount == 0)
        all.SnCount = 1;
    all.VerifyAfterWrite = profile.ReadString(kProgramSection, kVerifyKey, "1") != "0";
    all.BackupFolder = profile.ReadString("Backup", "Folder", "");
    all.LastFolder = profile.ReadString(kProgramSection, kLastFolderKey, "");
    all.RecentFiles = ReadRecentFiles(profile);

    ChooseLanguage(all, languageId, SplitList(profile.ReadString(kSection, "Language_SW", "English|Chinese")));
    return problem;
}

bool SaveSettings(const TAppState& all, std::string& error)
{
    TProfile profile = LoadForChange(all);
    profile.WriteString(kSection, "Com", all.ComPort);
    profile.WriteString(kSection, "Language_ID", std::to_string(all.LanguageIndex));
    profile.WriteString(kSection, "SN_Start", all.SnStart);
    profile.WriteString(kSection, "SN_Index", std::to_string(all.SnIndex));
    profile.WriteString(kSection, "SN_NumS", std::to_string(all.SnCount));
    profile.WriteString(kProgramSection, kVerifyKey, all.VerifyAfterWrite ? "1" : "0");
    WriteOrClear(profile, kProgramSection, kLastFolderKey, all.LastFolder);
    for (size_t i = 0; i < kRecentFileCount; ++i)
        WriteOrClear(profile, kRecentSection, RecentKey(i), i < all.RecentFiles.size() ? all.RecentFiles[i] : "");
    return SaveProfile(all, profile, error);
}

bool EnsureSettingsFile(const TAppState& all, std::string& error)
{
    return IsRegularFile(SettingsFilePath(all)) || SaveSettings(all, error);
}

bool SaveSettingsValues(const TAppState& all, const std::string& section,
                        const std::vector<std::pair<std::string, std::string>>& values, std::string& error)
{
    TProfile profile = LoadForChange(all);
    for (const auto& [key, value] : values)
        profile.WriteString(section, key, value);
    return SaveProfile(all, profile, error);
}

std::string ReadSettingsValue(const TAppState& all, const std::string& section, const std::string& key,
                              const std::string& fallback)
{
    return LoadForChange(all).ReadString(section, key, fallback);
}

void RememberRecentFile(TAppState& all, const std::string& path)
{
    ForgetRecentFile(all, path);
    all.RecentFiles.insert(all.RecentFiles.begin(), path);
    if (all.RecentFiles.size() > kRecentFileCount)
        all.RecentFiles.resize(kRecentFileCount);
}

void ForgetRecentFile(TAppState& all, const std::string& path)
{
    std::erase(all.RecentFiles, path);
}
