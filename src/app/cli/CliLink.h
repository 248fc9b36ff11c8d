// What the command line's read and write share: their arguments, and a radio link with the same engines and
// serial adapter as the program's windows, driven by a QCoreApplication event loop. Messages that would be
// boxes become the command's result and its error line.
#pragma once

#include <QCoreApplication>
#include <optional>
#include <string>

#include "app/cli/CliCommands.h"
#include "core/link/LinkObserver.h"
#include "core/link/TransferEngine.h"
#include "qt/SerialLink.h"

struct TLinkArgs {
    std::string Port;
    std::string File;
    bool Force = false;
};

// --port PORT and one file name, and --force where allowForce; nullopt for anything else.
std::optional<TLinkArgs> ParseLinkArgs(const TCliArgs& args, bool allowForce);

// Stands where a window would: shows progress on stderr and ends the event loop when the transfer is over.
class TCliObserver : public TLinkObserver
{
  public:
    TCliObserver(const char* verb, bool force) : Verb(verb), Force(force) {}

    void Progress(int position, int maximum) override;
    void ShowMessage(const TLinkMessage& message) override;
    bool Ask(const TLinkMessage& message, TQuestion question) override;
    void Changed() override {}
    void Finish() override { Stop(); }

    // The first message that reports a failure, as the window would have shown it.
    std::string Error;

  private:
    void Stop();

    const char* Verb;
    bool Force;
    int Shown = -1;
    // A message ends the transfer; the engine's later progress resets are not shown.
    bool Over = false;
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

// One transfer's link on the port given on the command line: build the engine over Port() and View(), then
// Run it.
class TCliLink
{
  public:
    // verb names the transfer in the progress line; force answers Yes to the force-write question.
    TCliLink(const std::string& port, const char* verb, bool force);

    TLinkTransport& Port() { return Serial; }
    TLinkObserver& View() { return Observer; }
    // Runs the engine from the window's opening and Ok to the end of the transfer.
    void Run(TTransferEngine& engine);
    // Why a transfer did not reach its result: the message shown, else the connection error text.
    std::string Failure() const;

  private:
    TEventLoop Loop;
    TCliObserver Observer;
    TSerialLink Serial;
};
