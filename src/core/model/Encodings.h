// SPDX-License-Identifier: GPL-3.0-or-later
// Field encodings: bits and settings fields, frequencies, tones, DTMF digits, name characters, time stamps.
// Every function takes the state it works on; none reaches for the global instances.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/model/AppState.h"

// ---- Bits and settings fields ----
bool GetBit(uint8_t value, int n);
void SetBit(uint8_t& value, int n, bool on);
// The bits under mask, shifted down to bit 0.
int FieldValue(uint8_t value, uint8_t mask);
int GetField(uint8_t value, uint8_t mask, int max, int defaultValue);
void SetField(uint8_t& value, uint8_t mask, int fieldValue);
// Entry n (1-based) of a bit map at the given image offset.
bool GetMapBit(const TAppState& all, int mapOffset, int n);
void SetMapBit(TAppState& all, int mapOffset, int n, bool on);

// ---- Frequencies ----
uint32_t ReadLe32(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3);
void WriteLe32(uint8_t* destination, uint32_t n);
uint16_t ReadLe16(const uint8_t* source);
void WriteLe16(uint8_t* destination, uint16_t n);
// MHz to units of 10 Hz, halves away from zero.
int64_t FreqToUnits(double mhz);
int64_t RoundToStep(const TAppState& all, double& frequency, int& code);
int SettingStepClass(const TAppState& all);
int FreqStepClass(double frequency);
// The text up to the first "MHz" as a number; empty gives -1.0; not a number throws ConversionError.
double ParseFreqText(const std::string& text);
bool CheckFreqRange(const TAppState& all, const std::string& text, double& frequency);
double NearestBandEdge(const TAppState& all, bool upper, double frequency);

// ---- Tones ----
std::string ToneText(uint8_t b0, uint8_t b1);
std::pair<uint8_t, uint8_t> ToneBytes(const std::string& text);
std::string NormalizeToneText(const std::string& text);
// The 263 items of every tone list: "None", 50 CTCSS tones, 106 DCS codes "N", the same 106 "I".
const std::vector<std::string>& ToneList();

// ---- Characters and time ----
int DtmfCode(char c);
char DtmfChar(int code);
// DTMF digit codes packed two to a byte, the first in the high nibble (the codes of the DTMF settings and of a
// channel's ID code). Up to n digits, stopping before the first code above limit.
std::string DigitText(std::span<const uint8_t> bytes, int n, int limit);
// Fills every nibble with the digits of text, padded with "*"; digits beyond the bytes are dropped.
void WriteDigitCodes(std::span<uint8_t> bytes, const std::string& text);
int NameCode(char c);
char NameChar(int code);
// The text of count name character codes (channel name, power-on message), trailing spaces removed. Codes whose
// character lies above ASCII give that character number in UTF-8.
std::string NameText(const uint8_t* codes, int count);
void StampTime(uint8_t* destination, const std::string& text);
// The local date and time as "yyyy-MM-dd HH:mm:ss".
std::string NowText();
