// SPDX-License-Identifier: GPL-3.0-or-later
// The memory channels the virtual radio holds unless it is given a memory: a few a radio amateur keeps, so that
// the first read from it shows a filled table.
#pragma once

#include <string>
#include <vector>

#include "core/model/AppState.h"

struct TExampleChannel {
    int Number;
    std::string RxFrequency;
    std::string TxFrequency;
    std::string TxTone;    // empty: none
    std::string Bandwidth; // the item of the bandwidth list: "0" narrow, "1" wide
    std::string Name;
};

const std::vector<TExampleChannel>& ExampleChannels();
// Puts the example channels into the image as the channel table would store them, each in the scan list.
void PutExampleChannels(TAppState& all);
