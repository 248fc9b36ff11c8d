#include "model/Maindb.h"

#include <clocale>

#include "shell/Language.h"
#include "shell/Settings.h"

TMacList gMacList;
TALL gAll;
TChannel gChannel;
TLanguage gLanguage;

void InitState(TALL& all, TMacList& list, const std::string& appDir)
{
    list = TMacList();
    all = TALL();
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
    gLanguage = TLanguage();
    LoadSettings(gAll);
    LoadMessageTexts(gLanguage, gAll, gAll.LanguageName);
}
