// Field encodings, the channel and FM codecs and the image-wide operations.
// Every function takes the state it works on; none reaches for the global instances.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "AllClass.h"
#include "MacType.h"

// ---- Bits and settings fields ----
bool GetBit(uint8_t value, int n);
void SetBit(uint8_t& value, int n, bool on);
int GetField(uint8_t value, uint8_t mask, int max, int defaultValue);
void SetField(uint8_t& value, uint8_t mask, int fieldValue);
int GetSetting(const TALL& all, int item, uint8_t mask);
void SetSetting(TALL& all, int item, uint8_t mask, int value);
void ClampSetting(TALL& all, int item, uint8_t mask, int min, int defaultValue, int max);
// Entry n (1-based) of a bit map at the given image offset.
bool GetMapBit(const TALL& all, int mapOffset, int n);
void SetMapBit(TALL& all, int mapOffset, int n, bool on);

// ---- Frequencies ----
uint32_t ReadLe32(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3);
void WriteLe32(uint8_t* destination, uint32_t n);
uint16_t ReadLe16(const uint8_t* source);
void WriteLe16(uint8_t* destination, uint16_t n);
// MHz to units of 10 Hz, halves away from zero.
int64_t FreqToUnits(double mhz);
int64_t RoundToStep(const TALL& all, double& frequency, int& code);
int SettingStepClass(const TALL& all);
int FreqStepClass(double frequency);
// The text up to the first "MHz" as a number; empty gives -1.0; not a number throws ConversionError.
double ParseFreqText(const std::string& text);
bool CheckFreqRange(const TALL& all, const std::string& text, double& frequency);
double NearestBandEdge(const TALL& all, bool upper, double frequency);

// ---- Tones ----
std::string ToneText(uint8_t b0, uint8_t b1);
std::pair<uint8_t, uint8_t> ToneBytes(const std::string& text);
std::string NormalizeToneText(const std::string& text);
// The 263 items of every tone list: "None", 50 CTCSS tones, 106 DCS codes "N", the same 106 "I".
const std::vector<std::string>& ToneList();

// ---- Characters and time ----
int DtmfCode(char c);
char DtmfChar(int code);
int NameCode(char c);
char NameChar(int code);
// The text of count name character codes (channel name, power-on message), trailing spaces removed. Codes whose
// character lies above ASCII give that character number in UTF-8.
std::string NameText(const uint8_t* codes, int count);
void StampTime(uint8_t* destination, const std::string& text);
// The local date and time as "yyyy-MM-dd HH:mm:ss".
std::string NowText();

// ---- Channel record codec ----
struct TSlot {
    int Block;
    int Offset;
};
TSlot ChannelSlot(int index, int k);
// Image offset of byte k of channel index.
int ChannelByte(int index, int k);
double ReadChannelFreq(const TALL& all, int index, int kind);
void WriteChannelFreq(TALL& all, int index, uint32_t n, int kind);
bool IsChannelUsed(const TALL& all, int index);
void SetChannelUsed(TALL& all, int mapOffset, int index, bool used);
bool DecodeChannel(TALL& all, int index, TChannel& channel);
void SetChannelField(TALL& all, int index, int field, std::string& text);
void ResetChannel(TALL& all, int index, const std::string& frequencyText);

// ---- Image-wide derivations ----
void NewImage(TALL& all);
void ValidateSettings(TALL& all);
void ApplyModelBands(TALL& all, const TMacList& list);
void SelectModel(TALL& all, const TMacList& list, const std::string& identifier, bool writeIdentification);
void WriteModelIdent(TALL& all);
void StoreBandLimits(TALL& all);
void DeriveBands(TALL& all, const TMacList& list);

// The sequences that run on the image when the main window first shows, on New and after a read.
void PrepareFirstImage(TALL& all, const TMacList& list);
void NewDataSet(TALL& all, const TMacList& list);
// Radio blocks 0 to 296 (staging holds at least 297 * 16 bytes); the model must be in the catalogue.
void CompleteRead(TALL& all, const TMacList& list, const std::vector<uint8_t>& staging, const std::string& modelId,
                  uint8_t bandByte);

// ---- FM broadcast channels ----
double DecodeFmChannel(TALL& all, int n);
std::string SetFmChannel(TALL& all, int n, const std::string& text);
