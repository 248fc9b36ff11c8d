#include "app/cli/CliLink.h"

#include <QTimer>
#include <clocale>
#include <iostream>

#include "core/files/StartUp.h"

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

void TCliObserver::Progress(int position, int maximum)
{
    if (position == Shown || Over)
        return;
    Shown = position;
    std::cerr << "\r" << Verb << ": " << position << "/" << maximum << std::flush;
}

void TCliObserver::ShowMessage(const TLinkMessage& message)
{
    const bool success = message.Key == TLinkMessageKey::ReadOk || message.Key == TLinkMessageKey::WriteOk;
    if (!success && Error.empty())
        Error = message.Text;
    Over = true;
    Stop();
}

bool TCliObserver::Ask(const TLinkMessage& message, TQuestion)
{
    if (!Force && Error.empty())
        Error = message.Text + " (--force writes anyway)";
    return Force;
}

// The engine goes on with what follows the message (the read replaces the image) before the loop ends.
void TCliObserver::Stop()
{
    QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
}

TEventLoop::TEventLoop() : App(Argc, Argv)
{
    std::setlocale(LC_NUMERIC, "C");
}

// The serial adapter opens the port the state names, as the windows do.
TCliLink::TCliLink(const std::string& port, const char* verb, bool force) : Observer(verb, force), Serial(gAll)
{
    gAll.ComPort = port;
}

void TCliLink::Run(TTransferEngine& engine)
{
    Serial.SetEngine(&engine);
    engine.Open();
    engine.Start();
    QCoreApplication::exec();
    engine.Cancel();
    Serial.SetEngine(nullptr);
    std::cerr << "\n";
}

std::string TCliLink::Failure() const
{
    return Observer.Error.empty() ? gLanguage.ComError : Observer.Error;
}
