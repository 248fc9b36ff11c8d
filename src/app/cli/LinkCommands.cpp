// The command line's radio link: the same engines and serial adapter as the program's windows, driven by a
// QCoreApplication event loop; messages that would be boxes become the result and the error line.
#include "app/cli/LinkCommands.h"

#include <QCoreApplication>
#include <QTimer>
#include <clocale>
#include <iostream>
#include <optional>

#include "core/files/DataFile.h"
#include "core/files/StartUp.h"
#include "core/link/ReadEngine.h"
#include "core/link/WriteEngine.h"
#include "qt/SerialLink.h"

namespace
{

struct TLinkArgs {
    std::string Port;
    std::string File;
    bool Force = false;
};

std::optional<TLinkArgs> ParseLinkArgs(const TCliArgs& args, bool allowForce)
{
    TLinkArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--port" && i + 1 < args.size())
            parsed.Port = args[++i];
        else if (args[i] == "--force" && allowForce)
            parsed.Force = true;
        else if (parsed.File.empty() && !args[i].starts_with("--"))
            parsed.File = args[i];
        else
            return std::nullopt;
    }
    if (parsed.Port.empty() || parsed.File.empty())
        return std::nullopt;
    return parsed;
}

// Stands where a window would: shows progress on stderr and ends the event loop when the transfer is over.
class TCliView : public TLinkView
{
  public:
    TCliView(const char* verb, bool force) : Verb(verb), Force(force) {}

    void Progress(int position, int maximum) override
    {
        if (position == Shown || Over)
            return;
        Shown = position;
        std::cerr << "\r" << Verb << ": " << position << "/" << maximum << std::flush;
    }
    void ShowMessage(const TLinkMessage& message) override
    {
        if (message.Key != "ReadOk" && message.Key != "WriteOk" && Error.empty())
            Error = message.Text;
        Over = true;
        Stop();
    }
    bool Ask(const TLinkMessage& message, TQuestion) override
    {
        if (!Force && Error.empty())
            Error = message.Text + " (--force writes anyway)";
        return Force;
    }
    void Changed() override {}
    void Finish() override { Stop(); }

    // The first message that reports a failure, as the window would have shown it.
    std::string Error;

  private:
    // The engine goes on with what follows the message (the read replaces the image) before the loop ends.
    void Stop()
    {
        QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
    }

    const char* Verb;
    bool Force;
    int Shown = -1;
    // A message ends the transfer; the engine's later progress resets are not shown.
    bool Over = false;
};

// Runs one transfer to its end; returns the view's error, empty when none was reported.
std::string RunTransfer(TTransferEngine& engine, TSerialLink& link, TCliView& view)
{
    link.SetEngine(&engine);
    engine.Open();
    engine.Start();
    QCoreApplication::exec();
    engine.Cancel();
    link.SetEngine(nullptr);
    std::cerr << "\n";
    return view.Error;
}

// The event loop the serial adapter needs; the number format stays "." whatever the user's locale.
class TEventLoop
{
  public:
    TEventLoop() : App(Argc, Argv) { std::setlocale(LC_NUMERIC, "C"); }

  private:
    int Argc = 1;
    char Name[10] = "qbh52-cli";
    char* Argv[2] = {Name, nullptr};
    QCoreApplication App;
};

} // namespace

int CmdRead(const TCliArgs& args)
{
    const auto parsed = ParseLinkArgs(args, false);
    if (!parsed)
        return CliFail("read needs --port PORT and one file name");
    TEventLoop loop;
    gAll.ComPort = parsed->Port;
    TCliView view("read", false);
    TSerialLink link(gAll, view);
    TReadEngine engine(gAll, gMacList, gLanguage, link);
    const std::string error = RunTransfer(engine, link, view);
    if (!engine.Completed())
        return CliFail(error.empty() ? gLanguage.ComError : error);
    std::string saveError;
    if (!SaveDataFile(gAll, parsed->File, saveError))
        return CliFail(saveError);
    return 0;
}

int CmdWrite(const TCliArgs& args)
{
    const auto parsed = ParseLinkArgs(args, true);
    if (!parsed)
        return CliFail("write needs --port PORT, one file name and optionally --force");
    std::string openError;
    switch (OpenDataFile(gAll, gMacList, parsed->File, openError)) {
    case TOpenResult::Ok:
        break;
    case TOpenResult::ModelUnknown:
        return CliFail(gLanguage.ModError);
    case TOpenResult::CannotOpen:
        return CliFail(openError);
    }
    TEventLoop loop;
    gAll.ComPort = parsed->Port;
    TCliView view("write", parsed->Force);
    TSerialLink link(gAll, view);
    TWriteEngine engine(gAll, gMacList, gLanguage, link);
    const std::string error = RunTransfer(engine, link, view);
    if (!engine.Succeeded())
        return CliFail(error.empty() ? gLanguage.ComError : error);
    return 0;
}
