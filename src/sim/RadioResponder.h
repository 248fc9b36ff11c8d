// SPDX-License-Identifier: GPL-3.0-or-later
// The radio side of the programming protocol, served from a memory image and a 65-row power table. Used by
// the in-process fake radio of the engine tests and by the virtual radio program qbh52-radio-sim.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/link/Frames.h"
#include "core/model/AppState.h"

// Faults the virtual radio can show. Block frames are read, write, power-read and power-write frames,
// counted from 0 in each session (a session begins with a handshake frame).
struct TSimFaults {
    // Answers this many block frames of a session, then nothing at all.
    int SilentAfterBlock = -1;
    // The next handshake frame ends the silence, and the fault is used up.
    bool SilenceEndsAtHandshake = false;
    // Handshake frames are answered with 0x15 instead of 0x06.
    bool WrongHandshakeAnswer = false;
    // The acknowledgement that follows block frame N of a session is 0x15 instead of 0x06.
    int WrongAckAtBlock = -1;
    // Every reply comes in two pieces (the first half, then the rest).
    bool SplitReplies = false;
    // Every reply is followed by one stray byte.
    bool StrayByte = false;
    // The handshake answer is preceded by one stray byte (0x06 at reply byte 1).
    bool StrayBeforeHandshakeAnswer = false;
    // Instead of answering block frame N of a session the line fails; LineErrorCount times in all.
    int LineErrorAtBlock = -1;
    int LineErrorCount = 1;
    // Block frame N of a session, when it is a read of the memory or of the power table, is answered with the
    // address and bytes of the block after it: a reply that looks sound but is not the one asked for.
    int NextBlockAtBlock = -1;
    // Block frame N of a session, when it is a write, is acknowledged but its bytes are not stored.
    int UnstoredAtBlock = -1;
    // Nothing is ever answered: a radio switched off at the end of a connected cable.
    bool Mute = false;
    // The replies to block frame N of a session and all after it are noise of the same length (never an
    // acknowledgement, never a block reply's command byte).
    int GarbageFromBlock = -1;
};

// Bytes the radio sends, produced once the first After bytes of the fed input were received.
struct TSimPiece {
    std::vector<uint8_t> Bytes;
    size_t After = 0;
};

struct TSimOutput {
    std::vector<TSimPiece> Pieces;
    // The line failed once the first LineErrorAfter bytes were received; everything after them was lost.
    bool LineError = false;
    size_t LineErrorAfter = 0;
};

class TRadioResponder
{
  public:
    TRadioResponder();

    // Feeds bytes from the line; returns what the radio answers. Bytes that start no frame are ignored.
    TSimOutput Receive(std::span<const uint8_t> bytes);

    // The radio's memory, as large as the image; blocks 0 to 296 are served, blocks 0 to 294 written.
    std::array<uint8_t, kImageSize> Memory{};
    std::array<uint8_t, kPowerTableSize> PowerTable{};
    // The model identifier (four characters) and band byte of the identification reply.
    std::string ModelId = "LP47";
    uint8_t BandByte = 0xFF;
    TSimFaults Faults;

    // Every complete frame received, in order, while LogFrames is set.
    std::vector<TFrame> Frames;
    bool LogFrames = true;
    // Blocks written since the simulator was made.
    std::array<bool, kWriteBlockCount> Written{};
    int EndCount = 0;

  private:
    int FrameLength(uint8_t first) const;
    void HandleFrame(const TFrame& frame, size_t after, TSimOutput& out);
    void HandleHandshake(size_t after, TSimOutput& out);
    void HandleSessionFrame(const TFrame& frame, size_t after, TSimOutput& out);
    bool BlockFrame(size_t after, TSimOutput& out);
    void StoreBlock(const TFrame& frame);
    // How far the reply's address is moved from the one asked for (NextBlockAtBlock).
    int NextBlockSkip() const;
    // The block frame just counted is the one a fault at block n strikes.
    bool StrikesAt(int n) const { return n >= 0 && SessionBlocks == n + 1; }
    std::vector<uint8_t> DataReply(const TFrame& frame, uint8_t command, int address) const;
    void Reply(std::vector<uint8_t> bytes, size_t after, TSimOutput& out);
    void Ack(size_t after, TSimOutput& out);
    std::vector<uint8_t> IdentReply() const;

    TFrame Pending;
    bool InSession = false;
    bool Silent = false;
    int SessionBlocks = 0;
    bool WrongAckGiven = false;
    int LineErrorsGiven = 0;
};

// A recognisable default power table: row r, byte k holds (r * 7 + k * 13) mod 256.
void FillPowerPattern(std::array<uint8_t, kPowerTableSize>& table);
