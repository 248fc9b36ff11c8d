// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual radio on a pseudo-terminal: the radio simulator answers what a program writes to the device,
// optionally as slowly as a 4800-baud 8N2 line would carry the bytes.
#pragma once

#include <chrono>
#include <csignal>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sim/RadioResponder.h"

class TPtyHost
{
  public:
    TPtyHost(TRadioResponder& radio, bool wireTime, std::string linkPath, bool log);
    ~TPtyHost();
    TPtyHost(const TPtyHost&) = delete;
    TPtyHost& operator=(const TPtyHost&) = delete;

    // Creates the pseudo-terminal (and points the link at it). False with the system's reason.
    bool OpenDevice(std::string& error);
    // The path a program opens: the link when there is one, else the pseudo-terminal itself.
    std::string DevicePath() const;
    // Serves the radio until stop is set (by a signal) or, with once, until a session has ended.
    // False when the device failed.
    bool Run(const volatile std::sig_atomic_t& stop, bool once, std::string& error);

  private:
    using TClock = std::chrono::steady_clock;
    struct TOutput {
        std::vector<uint8_t> Bytes;
        bool HangUp = false;
    };

    void CloseDevice();
    bool ReadInput(std::string& error);
    void Schedule(const TSimOutput& out, const std::vector<TClock::time_point>& arrivals, TClock::time_point now);
    bool WriteDue(std::string& error);
    bool HangUp(std::string& error);
    void LogFrames(size_t from) const;

    TRadioResponder& Radio;
    const bool WireTime;
    const std::string LinkPath;
    const bool Log;
    int Master = -1;
    // The simulator keeps the device open itself, so a program closing and reopening it never hangs it up.
    int Slave = -1;
    std::string PtyPath;
    std::multimap<TClock::time_point, TOutput> Outputs;
    TClock::time_point InClock{};
    TClock::time_point OutClock{};
};
