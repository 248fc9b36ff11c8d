// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/StartUp.h"

#include <clocale>

#include "core/files/LanguageFile.h"
#include "core/files/Locations.h"
#include "core/files/SettingsFile.h"

TModelCatalogue gMacList;
TAppState gAll;
TChannel gChannel;
TMessageTexts gLanguage;

void InitState(TAppState& all, TModelCatalogue& list, const std::string& appDir)
{
    list = TModelCatalogue();
    all = TAppState();
    all.AppDir = appDir;
    all.TestEnabled = false;
    all.DtmfDecode = true;
    all.BaudRate = 2400;
    all.CurrentChannel = 1;
    all.FmMinLimit = 74.0;
    all.FmMaxLimit = 114.0;
    all.LanguageSelectable = true;
    AddBuiltInModel(all, list);
}

std::vector<std::string> StartUp(const std::string& appDir)
{
    // Every number the program formats or parses goes through locale-independent code; the C library's
    // numeric locale is fixed as well for anything a library prints.
    std::setlocale(LC_NUMERIC, "C");
    InitState(gAll, gMacList, appDir);
    gChannel = TChannel();
    gLanguage = TMessageTexts();
    const std::string settingsProblem = LoadSettings(gAll);
    const std::string languageProblem = LoadMessageTexts(gLanguage, gAll, gAll.LanguageName);
    // Told once the language is known, so that the settings file's problem is told in it.
    std::vector<std::string> problems;
    if (std::string missing = DataFolderProblem(gAll); !missing.empty())
        problems.push_back(std::move(missing));
    if (!settingsProblem.empty())
        problems.push_back(FormatText(gLanguage.BadSettings, {SettingsReadPath(gAll), settingsProblem}));
    if (!languageProblem.empty())
        problems.push_back(
            FormatText(gLanguage.BadLanguage, {LanguageFilePath(gAll, gAll.LanguageName), languageProblem}));
    return problems;
}
