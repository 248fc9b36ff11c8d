// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/Frames.h"

#include <algorithm>

#include "core/model/Numbers.h"

namespace
{

void PutAddress(TFrame& frame, int address)
{
    frame.push_back(static_cast<uint8_t>((address >> 8) & 0xFF));
    frame.push_back(static_cast<uint8_t>(address & 0xFF));
}

TFrame BlockFrame(uint8_t command, int address)
{
    TFrame frame{command};
    PutAddress(frame, address);
    frame.push_back(kBlockSize);
    return frame;
}

} // namespace

TFrame BuildHandshake(int n, int random04)
{
    TFrame frame{'P', 'R', 'O', 'G', 'R', 'A', 'M'};
    const int letter = (n >= 1 && n <= 9) ? 0x60 + n : 0x65 + random04;
    frame.push_back(static_cast<uint8_t>(letter));
    return frame;
}

TFrame BuildReadRequest(int block)
{
    return BlockFrame(kReadCommand, block * kBlockSize);
}

TFrame BuildWriteFrame(const uint8_t* image, int block)
{
    TFrame frame = BlockFrame(kWriteCommand, block * kBlockSize);
    frame.insert(frame.end(), image + block * kBlockSize, image + (block + 1) * kBlockSize);
    return frame;
}

TFrame BuildPowerRead(int row)
{
    return BlockFrame(kPowerReadCommand, row * kBlockSize);
}

TFrame BuildPowerWrite(int address, uint8_t value)
{
    TFrame frame{kPowerWriteCommand};
    PutAddress(frame, address);
    frame.push_back(1);
    frame.push_back(value);
    return frame;
}

bool ReplyAnswers(const TFrame& request, std::span<const uint8_t> reply)
{
    if (request.size() < kBlockRequestLength || reply.size() < kBlockRequestLength)
        return false;
    return reply[0] == request[0] + kReplyCommandStep &&
           std::equal(request.begin() + 1, request.begin() + 4, reply.begin() + 1);
}

std::optional<int> PortNumber(const std::string& portName)
{
    if (portName.find('/') != std::string::npos)
        return 0;
    if (portName.size() < 4)
        return std::nullopt;
    const auto n = TryParseInt(std::string_view(portName).substr(3));
    if (!n || *n < 0 || *n > 9999)
        return std::nullopt;
    return static_cast<int>(*n);
}
