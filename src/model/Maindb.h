// The program's global instances and their start-up.
#pragma once

#include <string>

#include "AllClass.h"
#include "MacType.h"

extern TMacList gMacList;
extern TALL gAll;
extern TChannel gChannel;
extern TLanguage gLanguage;

// Start-up values, the built-in model, the settings file and the message texts, in that order.
// appDir is the program's directory with a trailing separator.
void StartUp(const std::string& appDir);

// The start-up of one state without the files: what StartUp does before it loads settings.
void InitState(TALL& all, TMacList& list, const std::string& appDir);
