// SPDX-License-Identifier: GPL-3.0-or-later
// The 32-byte channel record shared by the memory channels and the two VFO channels.
// Every function takes the state it works on; none reaches for the global instances.
#pragma once

#include <cstdint>
#include <string>

#include "core/model/AppState.h"
#include "core/model/ChannelFields.h"

// ---- Channel record codec ----
struct TSlot {
    int Block;
    int Offset;
};
TSlot ChannelSlot(int index, int k);
// Image offset of byte k of channel index.
int ChannelByte(int index, int k);
// The frequency words of a record: the receive frequency in bytes 0 to 3; bytes 4 to 7 hold the transmit
// frequency of a memory channel, or in bytes 4 to 6 the offset of a VFO channel (byte 7 keeps its duplex bits).
enum class TFreqWord { Rx, Tx, Offset };
double ReadChannelFreq(const TAppState& all, int index, TFreqWord word);
void WriteChannelFreq(TAppState& all, int index, uint32_t n, TFreqWord word);
bool IsChannelUsed(const TAppState& all, int index);
// The memory channels that hold a frequency.
int UsedChannelCount(const TAppState& all);
void SetChannelUsed(TAppState& all, int mapOffset, int index, bool used);
bool DecodeChannel(TAppState& all, int index, TChannel& channel);
// The text a field of a decoded channel shows in the channel table, with the built-in English list items:
// a frequency in MHz (empty without one), a tone (the first tone item for none), a list item, the name or code.
std::string ChannelCellText(const TChannel& channel, int number, TChannelField field);
// Encodes one field; text is both input and output: the normalised text the caller shows next.
void SetChannelField(TAppState& all, int index, TChannelField field, std::string& text);
void ResetChannel(TAppState& all, int index, const std::string& frequencyText);
