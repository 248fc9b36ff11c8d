// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line's read and write share: their arguments, and a radio link with the same engines and
// serial adapter as the program's windows, driven by a QCoreApplication event loop. Messages that would be
// boxes become the command's result and its error line.
#pragma once

#include <QCoreApplication>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/CliCommands.h"
#include "core/link/LinkObserver.h"
#include "core/link/TransferEngine.h"
#include "qt/SerialLink.h"

struct TLinkArgs {
    // One port for a read; a write goes to every port given, all at once.
    std::vector<std::string> Ports;
    std::string File;
    bool Force = false;
    bool Verify = false;
    bool DryRun = false;
};

// --port PORT and one file name; for a write also more ports, --force, --verify and --dry-run (which needs
// no port). nullopt for anything else.
std::optional<TLinkArgs> ParseLinkArgs(const TCliArgs& args, bool write);

// Stands where a window would: shows progress on stderr and reports when the transfer is over. The progress
// rewrites one line with carriage returns, which only a terminal shows as such: redirected into a log or a pipe
// it would be hundreds of texts without a line break, so there it stays quiet.
class TCliObserver : public TLinkObserver
{
  public:
    // over runs once, when the first message or the close request ends the transfer.
    TCliObserver(const char* verb, bool force, bool progress, std::function<void()> over)
        : Verb(verb), Force(force), ShowProgress(progress), Over(std::move(over))
    {
    }

    void Progress(int position, int maximum) override;
    void ShowMessage(const TLinkMessage& message) override;
    bool Ask(const TLinkMessage& message, TQuestion question) override;
    void Changed() override {}
    // True once a progress text is on the line, which then needs its line break.
    bool ShowedProgress() const { return Shown >= 0; }
    void Finish() override { Stop(); }

    // The first message that reports a failure, as the window would have shown it.
    std::string Error;

  private:
    void Stop();

    const char* Verb;
    bool Force;
    bool ShowProgress;
    std::function<void()> Over;
    int Shown = -1;
    // A message ends the transfer; the engine's later progress resets are not shown.
    bool Ended = false;
};

// The event loop the serial adapter needs; the number format stays "." whatever the user's locale.
class TEventLoop
{
  public:
    TEventLoop();

  private:
    int Argc = 1;
    char Name[10] = "qbh52-cli";
    char* Argv[2] = {Name, nullptr};
    QCoreApplication App;
};

// One transfer's side of a link: the state whose port it opens, the serial adapter over it and the observer.
struct TCliPort {
    TCliPort(TAppState& all, const char* verb, bool force, bool progress, std::function<void()> over);
    TAppState& All;
    TCliObserver Observer;
    TSerialLink Serial;
    // Why the transfer did not reach its result: the message shown, else the connection error text.
    std::string Failure() const;
};

// The event loop and the transfers on it: build each engine over a port's Serial and Observer, then Run them
// all at once. The ports share nothing but the loop, so one falling silent stops none of the others.
class TCliLink
{
  public:
    TCliLink() = default;

    // A transfer over the port that all names (its ComPort is set to port); progress: show it, if stderr is a
    // terminal.
    TCliPort& AddPort(TAppState& all, const std::string& port, const char* verb, bool force, bool progress);
    // Runs every engine from the window's opening and Ok until each transfer is over.
    void Run(const std::vector<std::pair<TCliPort*, TTransferEngine*>>& transfers);

  private:
    void PortOver();

    TEventLoop Loop;
    std::vector<std::unique_ptr<TCliPort>> Ports;
    size_t Running = 0;
};
