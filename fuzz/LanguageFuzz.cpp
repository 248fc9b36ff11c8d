// SPDX-License-Identifier: GPL-3.0-or-later
// The language-text loader and the settings reader over any bytes: the same bytes as a language file and as
// the settings file; every text and setting comes out usable.
#include "FuzzSupport.h"
#include "core/files/LanguageFile.h"
#include "core/files/SettingsFile.h"
#include "core/files/StartUp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteInput("Fuzz.Ini", data, size);
    WriteInput("SysInfo.Ini", data, size);
    TAppState all;
    TModelCatalogue list;
    InitState(all, list, FuzzFolder());
    LoadSettings(all);
    Require(all.SnCount != 0);
    Require(all.LanguageIndex >= 0);
    TMessageTexts texts;
    LoadMessageTexts(texts, all, "Fuzz");
    FormatText(texts.FileShort, {"1", "2"});
    std::vector<std::string> displayNames, fileNames;
    ReadLanguageLists(all, displayNames, fileNames);
    for (const std::string& name : fileNames)
        LanguageFilePath(all, name);
    return 0;
}
