// SPDX-License-Identifier: GPL-3.0-or-later
// The frames of the radio's programming protocol, shared by the engines and the virtual radio.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/model/AppState.h"

using TFrame = std::vector<uint8_t>;

inline constexpr uint8_t kAckByte = 0x06;
inline constexpr uint8_t kIdentifyByte = 0x02;
inline constexpr uint8_t kEndByte = 0x45;
inline constexpr uint8_t kReadCommand = 0x52;       // "R": read a memory block
inline constexpr uint8_t kWriteCommand = 0x57;      // "W": write a memory block
inline constexpr uint8_t kPowerReadCommand = 0x53;  // "S": read a power-table row
inline constexpr uint8_t kPowerWriteCommand = 0x58; // "X": write one power-table byte
inline constexpr uint8_t kRefusal = 0x15;           // what the virtual radio answers instead of 0x06 in a fault

inline constexpr int kHandshakeLength = 8;
inline constexpr int kIdentLength = 8;
inline constexpr int kBlockRequestLength = 4;
inline constexpr int kDataReplyLength = 20;
inline constexpr int kWriteFrameLength = 20;
inline constexpr int kPowerWriteLength = 5;

// The identification reply: the four characters of the model identifier from byte 1, the band byte at 6.
inline constexpr int kIdentModelOffset = 1;
inline constexpr int kIdentModelLength = 4;
inline constexpr int kIdentBandOffset = 6;
// A data reply repeats the request's four bytes with the command raised by 5 ("R" comes back as "W", "S" as
// "X") and carries the block's 16 bytes after them.
inline constexpr int kReplyCommandStep = 5;
inline constexpr int kReplyDataOffset = kBlockRequestLength;

inline constexpr int kReadBlockCount = 297;  // blocks 0 to 296
inline constexpr int kWriteBlockCount = 295; // blocks 0 to 294
inline constexpr int kPowerRows = 65;        // power table rows 0 to 64, 16 bytes each
inline constexpr int kPowerTableSize = kPowerRows * kBlockSize;

// One bit time at 4800 baud with 8 data bits, no parity, 2 stop bits: 11 bits per byte on the wire.
inline constexpr double kByteWireMs = 11.0 * 1000.0 / 4800.0;

// "PROGRAM" and a letter: a to i for n from 1 to 9; otherwise e plus random04 (0 to 4).
TFrame BuildHandshake(int n, int random04);
// "R", address high, address low, 16.
TFrame BuildReadRequest(int block);
// "W", address, 16 and the 16 bytes at block*16 of image.
TFrame BuildWriteFrame(const uint8_t* image, int block);
// "S", address of the row, 16.
TFrame BuildPowerRead(int row);
// "X", address, 1, value.
TFrame BuildPowerWrite(int address, uint8_t value);

// The first four bytes of a data reply answer this block request: its command raised by 5, its address and
// its length. Anything else is a reply for another block (a slipped byte, a confused radio).
bool ReplyAnswers(const TFrame& request, std::span<const uint8_t> reply);

// The port number of a port name: "COM7" and "Com7" give 7 (the text from the fourth character on);
// a device path ("/dev/ttyUSB0", or "pts/3" relative to the working folder) gives 0, which draws a random handshake
// letter as numbers above 9 do; nullopt when the name is neither.
std::optional<int> PortNumber(const std::string& portName);
