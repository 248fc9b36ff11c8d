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
double ReadChannelFreq(const TAppState& all, int index, int kind);
void WriteChannelFreq(TAppState& all, int index, uint32_t n, int kind);
bool IsChannelUsed(const TAppState& all, int index);
void SetChannelUsed(TAppState& all, int mapOffset, int index, bool used);
bool DecodeChannel(TAppState& all, int index, TChannel& channel);
// Encodes one field; text is both input and output: the normalised text the caller shows next.
void SetChannelField(TAppState& all, int index, TChannelField field, std::string& text);
void ResetChannel(TAppState& all, int index, const std::string& frequencyText);
