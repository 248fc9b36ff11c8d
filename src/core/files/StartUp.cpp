#include "core/files/StartUp.h"

#include <clocale>

#include "core/files/LanguageFile.h"
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

void StartUp(const std::string& appDir)
{
    // Every number the program formats or parses goes through locale-independent code; the C library's
    // numeric locale is fixed as well for anything a library prints.
    std::setlocale(LC_NUMERIC, "C");
    InitState(gAll, gMacList, appDir);
    gChannel = TChannel();
    gLanguage = TMessageTexts();
    LoadSettings(gAll);
    LoadMessageTexts(gLanguage, gAll, gAll.LanguageName);
}
