// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/WriteCommand.h"

#include <QString>
#include <iostream>
#include <memory>

#include "app/cli/CliLink.h"
#include "app/cli/DataFileArgs.h"
#include "core/files/Backups.h"
#include "core/files/StartUp.h"
#include "core/link/WriteEngine.h"
#include "core/model/Encodings.h"
#include "qt/PortList.h"

namespace
{
// One radio of the write: its own copy of the data set (the port, the write-time stamp) and its engine.
struct TRadioWrite {
    std::unique_ptr<TAppState> State;
    TCliPort* Port = nullptr;
    std::unique_ptr<TWriteEngine> Engine;
};

void PrintPreview()
{
    const TWritePreview preview = BuildWritePreview(gAll, gMacList, gLanguage);
    std::string text = preview.Heading + "\n";
    for (const std::string& line : preview.Lines)
        text += "  " + line + "\n";
    std::cout << text << std::flush;
}

// "COM5 /dev/ttyUSB0" for a port name, the path alone for a device path.
std::string PortTitle(const TAppState& all)
{
    const std::string device = PortDevice(all, QString::fromStdString(all.ComPort)).toStdString();
    return device.empty() || device == all.ComPort ? all.ComPort : all.ComPort + " " + device;
}

// The port's result line and exit status. A verified write is a read of the radio: it is backed up.
int Outcome(const TRadioWrite& radio, bool alone)
{
    const TWriteEngine& engine = *radio.Engine;
    std::string result = "written";
    int status = 0;
    if (engine.Verified()) {
        result += ", verified";
        std::string path;
        std::string error;
        if (!SaveBackup(*radio.State, NowText(), path, error))
            CliFail(FormatText(gLanguage.BackupFailed, {error}));
    } else if (!engine.Succeeded()) {
        result = radio.Port->Failure();
        status = engine.DifferingBlocks().empty() ? 1 : kVerifyFailedStatus;
        if (alone)
            CliFail(result);
    }
    std::cout << PortTitle(*radio.State) << ": " << result << "\n";
    return status;
}
} // namespace

// The data file is opened as the program opens one, so each radio gets the image the program would send.
int CmdWrite(const TCliArgs& args)
{
    const auto parsed = ParseLinkArgs(args, true);
    if (!parsed)
        return CliUsage("write",
                        "write needs --port PORT (once per radio), one file name and optionally --force, --verify "
                        "and --dry-run");
    if (!OpenDataFileArgument(parsed->File))
        return 1;
    PrintPreview();
    if (parsed->DryRun)
        return 0;
    gAll.VerifyAfterWrite = parsed->Verify;
    const bool alone = parsed->Ports.size() == 1;
    TCliLink link;
    std::vector<TRadioWrite> radios;
    std::vector<std::pair<TCliPort*, TTransferEngine*>> transfers;
    for (const std::string& port : parsed->Ports) {
        TRadioWrite radio{std::make_unique<TAppState>(gAll), nullptr, nullptr};
        radio.Port = &link.AddPort(*radio.State, port, "write", parsed->Force, alone);
        radio.Engine =
            std::make_unique<TWriteEngine>(*radio.State, gMacList, gLanguage, radio.Port->Serial, radio.Port->Observer);
        transfers.emplace_back(radio.Port, radio.Engine.get());
        radios.push_back(std::move(radio));
    }
    link.Run(transfers);
    int status = 0;
    for (const TRadioWrite& radio : radios) {
        const int outcome = Outcome(radio, alone);
        status = status == 1 || outcome == 1 ? 1 : std::max(status, outcome);
    }
    return status;
}
