// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/LanguageFile.h"

#include "core/files/Locations.h"
#include "core/files/Profile.h"
#include "core/files/SettingsFile.h"

std::string LanguageFilePath(const TAppState& all, const std::string& languageName)
{
    // The name comes from the settings file; a name that would reach into another folder names no file.
    if (languageName.empty() || languageName.find('/') != std::string::npos)
        return "";
    return DataFolder(all) + languageName + ".Ini";
}

std::vector<std::pair<const char*, std::string*>> MessageTextFields(TMessageTexts& language)
{
    return {{"Confirmation", &language.Confirmation},
            {"Completed", &language.Completed},
            {"Error", &language.Error},
            {"OutRange", &language.OutRange},
            {"ErrRange", &language.ErrRange},
            {"Channel", &language.Channel},
            {"Info", &language.Info},
            {"Caution", &language.Caution},
            {"SaveProgram", &language.SaveProgram},
            {"FileExists", &language.FileExists},
            {"All", &language.All},
            {"Close", &language.Close},
            {"Open", &language.Open},
            {"ComError", &language.ComError},
            {"ModError", &language.ModError},
            {"PwdError", &language.PwdError},
            {"ModelType", &language.ModelType},
            {"Frequency", &language.Frequency},
            {"ReadOk", &language.ReadOk},
            {"WriteOk", &language.WriteOk},
            {"PortError", &language.PortError},
            {"ClearData", &language.ClearData},
            {"Modforce", &language.Modforce},
            {"VerifyOk", &language.VerifyOk},
            {"VerifyFailed", &language.VerifyFailed},
            {"VerifyNoAnswer", &language.VerifyNoAnswer},
            {"BackupSaved", &language.BackupSaved},
            {"BackupFailed", &language.BackupFailed},
            {"PreviewChanges", &language.PreviewChanges},
            {"PreviewSame", &language.PreviewSame},
            {"PreviewNoBackup", &language.PreviewNoBackup},
            {"FileShort", &language.FileShort},
            {"FileLong", &language.FileLong},
            {"FileTooShort", &language.FileTooShort},
            {"BadSettings", &language.BadSettings},
            {"BadLanguage", &language.BadLanguage},
            {"Undo", &language.Undo},
            {"Redo", &language.Redo},
            {"Untitled", &language.Untitled},
            {"EditStep", &language.EditStep},
            {"ReadStep", &language.ReadStep},
            {"BatchStep", &language.BatchStep},
            {"ModelStep", &language.ModelStep},
            {"ImportStep", &language.ImportStep},
            {"BatchQuestion", &language.BatchQuestion},
            {"PowerTestQuestion", &language.PowerTestQuestion},
            {"BandRefused", &language.BandRefused},
            {"NotAFrequency", &language.NotAFrequency},
            {"FreqSnapped", &language.FreqSnapped},
            {"ToneStored", &language.ToneStored},
            {"CtcssAllowed", &language.CtcssAllowed},
            {"DcsAllowed", &language.DcsAllowed},
            {"ToneNotListed", &language.ToneNotListed},
            {"NameStored", &language.NameStored},
            {"TxStays", &language.TxStays},
            {"WritePartial", &language.WritePartial},
            {"EmptyHint", &language.EmptyHint},
            {"PortAbsent", &language.PortAbsent},
            {"PortColumn", &language.PortColumn},
            {"DeviceColumn", &language.DeviceColumn},
            {"DescriptionColumn", &language.DescriptionColumn},
            {"StableNameColumn", &language.StableNameColumn},
            {"PortNotKept", &language.PortNotKept},
            {"PortPermission", &language.PortPermission},
            {"RecentMissing", &language.RecentMissing},
            {"RecoveryOffer", &language.RecoveryOffer},
            {"RecoveryRestored", &language.RecoveryRestored},
            {"RecoverySize", &language.RecoverySize},
            {"RecoveryBad", &language.RecoveryBad},
            {"RecoveryStuck", &language.RecoveryStuck},
            {"RecoveryFailed", &language.RecoveryFailed},
            {"RecoveryElsewhere", &language.RecoveryElsewhere},
            {"RecoveryWaiting", &language.RecoveryWaiting}};
}

std::string LoadMessageTexts(TMessageTexts& language, const TAppState& all, const std::string& languageName)
{
    language = TMessageTexts();
    TProfile profile;
    const std::string path = LanguageFilePath(all, languageName);
    std::string problem;
    if (path.empty() || !profile.Load(path, problem))
        return problem;
    for (auto& [key, text] : MessageTextFields(language))
        *text = profile.ReadString("Language", key, *text);
    return problem;
}

void ReadLanguageLists(const TAppState& all, std::vector<std::string>& displayNames,
                       std::vector<std::string>& fileNames)
{
    TProfile profile;
    profile.Load(SettingsReadPath(all));
    for (const std::string& name : SplitList(profile.ReadString("SysInfo", "Language", "English|Chinese")))
        fileNames.push_back(name);
    for (const std::string& name : SplitList(profile.ReadString("SysInfo", all.LanguageName, "English|Chinese")))
        displayNames.push_back(name);
}
