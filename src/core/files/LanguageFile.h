// SPDX-License-Identifier: GPL-3.0-or-later
// Language files: the message texts and the list of languages offered.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/files/MessageTexts.h"
#include "core/model/AppState.h"

// The language file of a language: LanguageName + ".Ini" in the program's data folder (core/files/Locations.h).
std::string LanguageFilePath(const TAppState& all, const std::string& languageName);
// Every message text with its key in the section [Language] of a language file.
std::vector<std::pair<const char*, std::string*>> MessageTextFields(TMessageTexts& language);
// The texts of a language; a file that cannot be used keeps the built-in texts and its problem comes back
// (empty when there is none).
std::string LoadMessageTexts(TMessageTexts& language, const TAppState& all, const std::string& languageName);
// Appends the items of SysInfo keys `Language` (file names) and <LanguageName> (display names).
void ReadLanguageLists(const TAppState& all, std::vector<std::string>& displayNames,
                       std::vector<std::string>& fileNames);
