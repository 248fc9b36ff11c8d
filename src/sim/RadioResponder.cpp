// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/RadioResponder.h"

#include <algorithm>
#include <utility>

namespace
{

constexpr char kProgram[] = "PROGRAM";
constexpr uint8_t kStray = 0x00;

int FrameAddress(const TFrame& frame)
{
    return (frame[1] << 8) | frame[2];
}

// Bytes from a table at an address, 0xFF where the table ends.
template <size_t N> std::vector<uint8_t> TableBytes(const std::array<uint8_t, N>& table, int address)
{
    std::vector<uint8_t> bytes(kBlockSize, 0xFF);
    for (int i = 0; i < kBlockSize && address + i < static_cast<int>(N); ++i)
        bytes[i] = table[address + i];
    return bytes;
}

} // namespace

void FillPowerPattern(std::array<uint8_t, kPowerTableSize>& table)
{
    for (int r = 0; r < kPowerRows; ++r) {
        for (int k = 0; k < kBlockSize; ++k)
            table[r * kBlockSize + k] = static_cast<uint8_t>((r * 7 + k * 13) % 256);
    }
}

TRadioResponder::TRadioResponder()
{
    FillPowerPattern(PowerTable);
}

int TRadioResponder::FrameLength(uint8_t first) const
{
    switch (first) {
    case 'P':
        return kHandshakeLength;
    case kIdentifyByte:
    case kAckByte:
    case kEndByte:
        return 1;
    case kReadCommand:
    case kPowerReadCommand:
        return kBlockRequestLength;
    case kWriteCommand:
        return kWriteFrameLength;
    case kPowerWriteCommand:
        return kPowerWriteLength;
    default:
        return 0;
    }
}

TSimOutput TRadioResponder::Receive(std::span<const uint8_t> bytes)
{
    TSimOutput out;
    for (size_t i = 0; i < bytes.size() && !out.LineError; ++i) {
        const uint8_t b = bytes[i];
        // A handshake that breaks off after "PROGRAM"'s first letters: the byte may start a new frame.
        if (!Pending.empty() && Pending[0] == 'P' && Pending.size() < 7 && b != kProgram[Pending.size()])
            Pending.clear();
        if (Pending.empty() && FrameLength(b) == 0)
            continue;
        Pending.push_back(b);
        if (static_cast<int>(Pending.size()) == FrameLength(Pending[0])) {
            const TFrame frame = std::exchange(Pending, {});
            HandleFrame(frame, i + 1, out);
        }
    }
    if (out.LineError)
        Pending.clear();
    return out;
}

void TRadioResponder::HandleFrame(const TFrame& frame, size_t after, TSimOutput& out)
{
    if (LogFrames)
        Frames.push_back(frame);
    if (Faults.Mute)
        return;
    if (frame[0] == 'P') {
        HandleHandshake(after, out);
        return;
    }
    if (Silent || !InSession)
        return;
    HandleSessionFrame(frame, after, out);
}

void TRadioResponder::HandleHandshake(size_t after, TSimOutput& out)
{
    InSession = true;
    SessionBlocks = 0;
    WrongAckGiven = false;
    if (Silent && Faults.SilenceEndsAtHandshake) {
        Silent = false;
        Faults.SilentAfterBlock = -1;
    }
    if (Silent)
        return;
    std::vector<uint8_t> answer;
    if (Faults.StrayBeforeHandshakeAnswer)
        answer.push_back(kStray);
    answer.push_back(Faults.WrongHandshakeAnswer ? kRefusal : kAckByte);
    Reply(answer, after, out);
}

void TRadioResponder::HandleSessionFrame(const TFrame& frame, size_t after, TSimOutput& out)
{
    switch (frame[0]) {
    case kEndByte:
        ++EndCount;
        InSession = false;
        break;
    case kIdentifyByte:
        Reply(IdentReply(), after, out);
        break;
    case kAckByte:
        Ack(after, out);
        break;
    case kReadCommand:
        if (BlockFrame(after, out))
            Reply(DataReply(frame, kWriteCommand, FrameAddress(frame) + NextBlockSkip()), after, out);
        break;
    case kWriteCommand:
        if (BlockFrame(after, out)) {
            if (!StrikesAt(Faults.UnstoredAtBlock))
                StoreBlock(frame);
            Ack(after, out);
        }
        break;
    case kPowerReadCommand:
        if (BlockFrame(after, out))
            Reply(DataReply(frame, kPowerWriteCommand, FrameAddress(frame) + NextBlockSkip()), after, out);
        break;
    case kPowerWriteCommand:
        if (BlockFrame(after, out)) {
            if (FrameAddress(frame) < kPowerTableSize)
                PowerTable[FrameAddress(frame)] = frame[4];
            Ack(after, out);
        }
        break;
    default:
        break;
    }
}

int TRadioResponder::NextBlockSkip() const
{
    return StrikesAt(Faults.NextBlockAtBlock) ? kBlockSize : 0;
}

void TRadioResponder::StoreBlock(const TFrame& frame)
{
    const int address = FrameAddress(frame);
    for (int i = 0; i < kBlockSize && address + i < kImageSize; ++i)
        Memory[address + i] = frame[4 + i];
    if (address % kBlockSize == 0 && address / kBlockSize < kWriteBlockCount)
        Written[address / kBlockSize] = true;
}

// Counts a block frame of the session and applies the faults that strike at it; false: no answer.
bool TRadioResponder::BlockFrame(size_t after, TSimOutput& out)
{
    const int n = SessionBlocks++;
    if (Faults.LineErrorAtBlock == n && LineErrorsGiven < Faults.LineErrorCount) {
        ++LineErrorsGiven;
        out.LineError = true;
        out.LineErrorAfter = after;
        return false;
    }
    if (Faults.SilentAfterBlock >= 0 && n >= Faults.SilentAfterBlock) {
        Silent = true;
        return false;
    }
    return true;
}

void TRadioResponder::Ack(size_t after, TSimOutput& out)
{
    const bool wrong = !WrongAckGiven && StrikesAt(Faults.WrongAckAtBlock);
    WrongAckGiven = WrongAckGiven || wrong;
    Reply({wrong ? kRefusal : kAckByte}, after, out);
}

void TRadioResponder::Reply(std::vector<uint8_t> bytes, size_t after, TSimOutput& out)
{
    if (Faults.GarbageFromBlock >= 0 && SessionBlocks > Faults.GarbageFromBlock) {
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<uint8_t>(0x80 | ((i * 37 + static_cast<size_t>(SessionBlocks) * 11) & 0x7F));
    }
    if (Faults.StrayByte)
        bytes.push_back(kStray);
    if (!Faults.SplitReplies || bytes.size() < 2) {
        out.Pieces.push_back({std::move(bytes), after});
        return;
    }
    const auto half = bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2);
    out.Pieces.push_back({std::vector<uint8_t>(bytes.begin(), half), after});
    out.Pieces.push_back({std::vector<uint8_t>(half, bytes.end()), after});
}

// The request's length byte, the command raised by 5 and the 16 bytes of the table at address.
std::vector<uint8_t> TRadioResponder::DataReply(const TFrame& frame, uint8_t command, int address) const
{
    std::vector<uint8_t> reply{command, static_cast<uint8_t>((address >> 8) & 0xFF),
                               static_cast<uint8_t>(address & 0xFF), frame[3]};
    const auto data = command == kWriteCommand ? TableBytes(Memory, address) : TableBytes(PowerTable, address);
    reply.insert(reply.end(), data.begin(), data.end());
    return reply;
}

std::vector<uint8_t> TRadioResponder::IdentReply() const
{
    const std::string id = (ModelId + "    ").substr(0, 4);
    return {'P',
            static_cast<uint8_t>(id[0]),
            static_cast<uint8_t>(id[1]),
            static_cast<uint8_t>(id[2]),
            static_cast<uint8_t>(id[3]),
            0x00,
            BandByte,
            0x00};
}
