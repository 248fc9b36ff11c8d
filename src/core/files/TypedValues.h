// SPDX-License-Identifier: GPL-3.0-or-later
// What the user typed, checked before it is stored, and what storing it changed, told in the user's words.
// The channel table, the channel editor and the VFO editor all go through these, so that a typed value is
// refused or reported the same way wherever it was typed.
#pragma once

#include <string>

#include "core/files/MessageTexts.h"
#include "core/model/AppState.h"

enum class TFreqVerdict { Accepted, NotANumber, OutOfBands };

struct TTypedFrequency {
    TFreqVerdict Verdict = TFreqVerdict::NotANumber;
    double Frequency = 0.0; // MHz, as typed; meaningful when the verdict is Accepted or OutOfBands
};

// A typed frequency in MHz ("145.5", "145.5 MHz") against the bands the radio has enabled. A text that is not
// a number, or a frequency outside every enabled band, is refused: nothing is clamped into a band.
TTypedFrequency CheckTypedFrequency(const TAppState& all, const std::string& text);
bool InEnabledBands(const TAppState& all, double frequency);
// The enabled bands as the messages give them: "136.00000-174.00000, 400.00000-480.00000".
std::string EnabledBandsText(const TAppState& all);
// The message that refuses a typed frequency, naming what is allowed.
std::string FrequencyRefusal(const TMessageTexts& texts, const TAppState& all, const std::string& text,
                             const TTypedFrequency& check);

// Where the TX frequency of a memory channel goes when its RX frequency moves from oldRx to newRx: a simplex
// channel (TX = RX) moves TX along, a repeater channel keeps its offset, unless that would put TX outside the
// bands; then TX stays and Note says why. A channel without TX (oldTx < 0) keeps none.
struct TTxFollow {
    double Tx = -1.0;
    std::string Note;
};
TTxFollow FollowRxChange(const TMessageTexts& texts, const TAppState& all, double oldRx, double oldTx, double newRx);

// The status bar notes for a value stored otherwise than typed; empty when it was stored as typed.
// A memory channel's frequency on the automatic step grid: "145.50390 stored as 145.50375 (step 1.25 kHz)".
std::string FrequencyNote(const TMessageTexts& texts, const TAppState& all, double typed);
// A CTCSS tone or DCS code (typed and stored as the tone lists show them, empty for none).
std::string ToneNote(const TMessageTexts& texts, const std::string& typed, const std::string& stored);
// A channel name: cut at 7 characters, or holding characters the radio cannot show.
std::string NameNote(const TMessageTexts& texts, const std::string& typed, const std::string& stored);
// Two notes as one line of the status bar; either may be empty.
std::string JoinNotes(const std::string& first, const std::string& second);
