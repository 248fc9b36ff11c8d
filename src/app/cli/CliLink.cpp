// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/CliLink.h"

#include <QTimer>
#include <clocale>
#include <iostream>
#include <unistd.h>

#include "core/files/StartUp.h"

std::optional<TLinkArgs> ParseLinkArgs(const TCliArgs& args, bool write)
{
    TLinkArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--port" && i + 1 < args.size() && (write || parsed.Ports.empty()))
            parsed.Ports.push_back(args[++i]);
        else if (args[i] == "--force" && write)
            parsed.Force = true;
        else if (args[i] == "--verify" && write)
            parsed.Verify = true;
        else if (args[i] == "--dry-run" && write)
            parsed.DryRun = true;
        else if (parsed.File.empty() && !args[i].starts_with("--"))
            parsed.File = args[i];
        else
            return std::nullopt;
    }
    if ((parsed.Ports.empty() && !parsed.DryRun) || parsed.File.empty())
        return std::nullopt;
    return parsed;
}

void TCliObserver::Progress(int position, int maximum)
{
    if (!ShowProgress || position == Shown || Ended)
        return;
    Shown = position;
    std::cerr << "\r" << Verb << ": " << position << "/" << maximum << std::flush;
}

void TCliObserver::ShowMessage(const TLinkMessage& message)
{
    if (!IsLinkSuccess(message.Key) && Error.empty())
        Error = message.Text;
    Stop();
}

bool TCliObserver::Ask(const TLinkMessage& message, TQuestion)
{
    if (!Force && Error.empty())
        Error = message.Text + " (--force writes anyway)";
    return Force;
}

void TCliObserver::Stop()
{
    if (std::exchange(Ended, true))
        return;
    Over();
}

TEventLoop::TEventLoop() : App(Argc, Argv)
{
    std::setlocale(LC_NUMERIC, "C");
}

TCliPort::TCliPort(TAppState& all, const char* verb, bool force, bool progress, std::function<void()> over)
    : All(all), Observer(verb, force, progress && isatty(STDERR_FILENO) == 1, std::move(over)), Serial(all)
{
}

std::string TCliPort::Failure() const
{
    return Observer.Error.empty() ? gLanguage.ComError : Observer.Error;
}

TCliPort& TCliLink::AddPort(TAppState& all, const std::string& port, const char* verb, bool force, bool progress)
{
    all.ComPort = port;
    Ports.push_back(std::make_unique<TCliPort>(all, verb, force, progress, [this] { PortOver(); }));
    return *Ports.back();
}

// The windows open their engines the same way: the port opens when the window shows, then Ok.
void TCliLink::Run(const std::vector<std::pair<TCliPort*, TTransferEngine*>>& transfers)
{
    Running = transfers.size();
    for (const auto& [port, engine] : transfers) {
        port->Serial.SetEngine(engine);
        engine->Open();
        engine->Start();
    }
    if (Running > 0)
        QCoreApplication::exec();
    bool showed = false;
    for (const auto& [port, engine] : transfers) {
        engine->Cancel();
        port->Serial.SetEngine(nullptr);
        showed = showed || port->Observer.ShowedProgress();
    }
    if (showed)
        std::cerr << "\n";
}

// The engine goes on with what follows its last message (the read replaces the image) before the loop ends.
void TCliLink::PortOver()
{
    if (Running > 0 && --Running == 0)
        QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
}
