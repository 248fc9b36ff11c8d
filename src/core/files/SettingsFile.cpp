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

    ChooseLanguage(all, languageId, SplitList(profile.ReadString(kSection, "Language_SW", "English|Chinese")));
    return problem;
}

bool SaveSettings(const TAppState& all, std::string& error)
{
    const std::string path = SettingsFilePath(all);
    TProfile profile;
    profile.Load(SettingsReadPath(all));
    profile.WriteString(kSection, "Com", all.ComPort);
    profile.WriteString(kSection, "Language_ID", std::to_string(all.LanguageIndex));
    profile.WriteString(kSection, "SN_Start", all.SnStart);
    profile.WriteString(kSection, "SN_Index", std::to_string(all.SnIndex));
    profile.WriteString(kSection, "SN_NumS", std::to_string(all.SnCount));
    profile.WriteString(kProgramSection, kVerifyKey, all.VerifyAfterWrite ? "1" : "0");
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
