// Language files: the message texts and the list of languages offered.
#pragma once

#include <string>
#include <vector>

#include "model/AllClass.h"

// The language file of a language: LanguageName + ".Ini" in AppDir, else in the installed data folder.
std::string LanguageFilePath(const TALL& all, const std::string& languageName);
void LoadMessageTexts(TLanguage& language, const TALL& all, const std::string& languageName);
// Appends the items of SysInfo keys `Language` (file names) and <LanguageName> (display names).
void ReadLanguageLists(const TALL& all, std::vector<std::string>& displayNames, std::vector<std::string>& fileNames);
