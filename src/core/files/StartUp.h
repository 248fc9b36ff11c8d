// SPDX-License-Identifier: GPL-3.0-or-later
// The program's global instances and their start-up.
#pragma once

#include <string>
#include <vector>

#include "core/files/MessageTexts.h"
#include "core/model/AppState.h"
#include "core/model/ModelCatalogue.h"

extern TModelCatalogue gMacList;
extern TAppState gAll;
extern TChannel gChannel;
extern TMessageTexts gLanguage;

// Start-up values, the built-in model, the settings file and the message texts, in that order.
// appDir is the program's directory with a trailing separator. A settings or language file that cannot be used
// leaves the defaults; the messages that say so come back, for the program to show and the command line to print.
std::vector<std::string> StartUp(const std::string& appDir);

// The start-up of one state without the files: what StartUp does before it loads settings.
void InitState(TAppState& all, TModelCatalogue& list, const std::string& appDir);
