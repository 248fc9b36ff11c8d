// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the radio information window shows for the image's write time and serial number.
#pragma once

#include <string>

#include "core/model/AppState.h"

// The year in decimal, then month, day, hour, minute and second with at least two digits each:
// "2024-03-05 14:07:09"; an erased field reads "65535-255-255 255:255:255".
std::string WriteTimeText(const TAppState& all);
// The 16 bytes at 0x1280: ASCII letters and digits as they are (upper-cased), every other byte a space.
std::string SerialNumberText(const TAppState& all);
