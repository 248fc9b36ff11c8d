// SPDX-License-Identifier: GPL-3.0-or-later
// Application state (TAppState): the memory image and what the program derives from it, and the decoded
// channel (TChannel).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Size of the radio's memory as the program mirrors it (0x0000 to 0x16C1).
inline constexpr int kImageSize = 5826;
inline constexpr int kBlockSize = 16;

// Offsets of the image regions the program interprets.
inline constexpr int kChannelEmptyMap = 0x1190;
inline constexpr int kScanSkipMap = 0x11A0;
inline constexpr int kFmEmptyMap = 0x11B0;
inline constexpr int kFmLowLimit = 0x11B4;
inline constexpr int kFmHighLimit = 0x11B6;
inline constexpr int kSettingsBase = 0x11B8;
inline constexpr int kModelIdent = 0x11F8;
inline constexpr int kBandBlock = 0x1200;
inline constexpr int kWriteTime = 0x1260;
inline constexpr int kSerialNumber = 0x1280;

// Channel indexes of the two VFO channels.
inline constexpr int kVfoA = 129;
inline constexpr int kVfoB = 130;

struct TBand {
    double Low = 0.0;
    double High = 0.0;
};

class TAppState
{
  public:
    std::string LanguageName;
    int LanguageIndex = 0;
    bool LanguageSelectable = false;
    int CurrentChannel = 0;
    std::string ComPort;
    std::string AppDir;
    std::string AppTitle;
    int ChannelCount = 0;
    std::string ModelName;
    std::string BandText;
    uint8_t BandMask = 0;
    uint8_t ManualFreq = 0;
    uint8_t SupportedBands = 0;
    std::array<TBand, 4> Bands{};
    double FmMinLimit = 0.0;
    double FmMaxLimit = 0.0;
    std::string ModelId;
    int BaudRate = 0;
    bool DtmfDecode = false;
    bool Modified = false;
    std::string BuiltInModelId;
    std::string SnStart;
    int SnIndex = 0;
    int SnCount = 0;
    bool TestEnabled = false;
    bool SerialEditable = false;
    // Program > Verify after write: a write reads the radio back and compares every written block.
    bool VerifyAfterWrite = true;
    // [Backup] Folder= of the settings file: where backups go instead of the data folder's backups.
    std::string BackupFolder;
    // [Recent] File1= to File8= of the settings file: File > Recent Files, the newest first.
    std::vector<std::string> RecentFiles;
    // [Program] LastFolder=: where the open and save dialogs start.
    std::string LastFolder;
    std::array<uint8_t, kImageSize> Image{};
};

class TChannel
{
  public:
    double RxFreq = 0.0;
    double TxFreq = 0.0;
    double Offset = 0.0;
    uint8_t Duplex = 0;
    std::string RxTone;
    std::string TxTone;
    uint8_t Reverse = 0;
    uint8_t BusyLock = 0;
    uint8_t Wide = 0;
    uint8_t Power = 0;
    uint8_t VoiceMode = 0;
    uint8_t ScanSkip = 0;
    uint8_t Tail = 0;
    uint8_t Vox = 0;
    uint8_t PttId = 0;
    uint8_t Ani = 0;
    std::string Name;
    std::string IdCode;
};
