// SPDX-License-Identifier: GPL-3.0-or-later
// qbh52-cli: scripted work on data files (and radios) with the same core as the program.
#include <algorithm>
#include <exception>
#include <iostream>
#include <unistd.h>

#include "app/cli/CliCommands.h"
#include "app/cli/DiffCommand.h"
#include "app/cli/ReadCommand.h"
#include "app/cli/WriteCommand.h"
#include "core/files/Locations.h"
#include "core/files/StartUp.h"
#include "core/model/Derivations.h"
#include "core/model/Version.h"

namespace
{
// One line per subcommand.
const TCliEntry kCommands[] = {
    {"new", "[--force] OUT.dat",
     "Writes the data set the program starts with; an existing OUT.dat is replaced only with --force.", CmdNew},
    {"info", "FILE.dat", "Prints the model, its bands, the channels in use, the write time and the serial number.",
     CmdInfo},
    {"channels", "FILE.dat", "Prints the memory channels in use as CSV, as the channel table shows them.", CmdChannels},
    {"fm", "FILE.dat", "Prints the current FM frequency and the 25 FM memories as CSV.", CmdFm},
    {"read", "--port PORT OUT.dat", "Reads the radio's memory into a new data file.", CmdRead},
    {"write", "--port PORT [--port PORT]... [--force] [--verify] [--dry-run] IN.dat",
     "Writes a data file into one radio per --port, all at once, after printing what changes against the newest "
     "backup of each radio; --force writes even if the radio reports another model, --verify reads each radio back "
     "and compares (exit status 3 on a mismatch), --dry-run prints the changes and writes nothing.",
     CmdWrite},
    {"diff", "A.dat B.dat",
     "Prints each change from A.dat to B.dat, one line per channel field or setting; exit status 0 when they are the "
     "same, 1 when they differ, 2 on a usage or file error.",
     CmdDiff},
    {"settings", "FILE.dat", "Prints every radio-wide setting as 'Window / Field = value' lines.", CmdSettings},
    {"set", "FILE.dat 'Field=value'... OUT.dat",
     "Changes settings by the labels 'settings' prints (a field, or 'Window / Field') and writes OUT.dat; an "
     "unknown label or value writes nothing.",
     CmdSet},
    {"export-csv", "FILE.dat OUT.csv", "Writes the memory channels in use as CSV in CHIRP's columns.", CmdExportCsv},
    {"import-csv", "IN.csv [--into BASE.dat] [--replace] OUT.dat",
     "Reads channels from CSV in CHIRP's columns into the channels of BASE.dat (default: a new data set) and "
     "writes OUT.dat; --replace clears the channels not in the file. The report goes to stderr; exit status 0 "
     "when OUT.dat was written, 1 when no row could be imported or a file failed.",
     CmdImportCsv},
    {"print", "FILE.dat OUT.pdf",
     "Writes the printed pages (the channel list and the radio-wide settings) as a PDF file, without a window.",
     CmdPrint},
};

const TCliEntry* FindCommand(const std::string& name)
{
    for (const TCliEntry& command : kCommands)
        if (name == command.Name)
            return &command;
    return nullptr;
}

std::string UsageLine(const TCliEntry& command)
{
    return std::string("qbh52-cli ") + command.Name + " " + command.Arguments;
}

// The folder of the program file with a trailing "/", where the settings and language files are looked for.
std::string ProgramFolder(const char* argv0)
{
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    path = length > 0 ? path.substr(0, static_cast<size_t>(length)) : std::string(argv0);
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

// Every command with what it does.
std::string Overview()
{
    std::string text = "usage:";
    for (const TCliEntry& command : kCommands)
        text += "\n  " + UsageLine(command) + "\n      " + command.Summary;
    return text + "\n  qbh52-cli COMMAND --help\n  qbh52-cli --version\n";
}

bool AsksForHelp(const std::string& argument)
{
    return argument == "--help" || argument == "-h";
}
} // namespace

int CliFail(const std::string& message)
{
    std::cerr << "qbh52-cli: " << message << "\n";
    return 1;
}

int CliUsage(const std::string& command, const std::string& message)
{
    const TCliEntry* entry = FindCommand(command);
    std::cerr << "qbh52-cli: " << message << "\n" << (entry ? "usage: " + UsageLine(*entry) + "\n" : Overview());
    return kCliUsageStatus;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << Overview();
        return kCliUsageStatus;
    }
    const std::string name = argv[1];
    if (name == "--version") {
        std::cout << VersionText("qbh52-cli");
        return 0;
    }
    if (AsksForHelp(name)) {
        std::cout << Overview();
        return 0;
    }
    const TCliEntry* command = FindCommand(name);
    if (!command)
        return CliUsage(name, "unknown command \"" + name + "\"");
    const TCliArgs args(argv + 2, argv + argc);
    if (std::any_of(args.begin(), args.end(), AsksForHelp)) {
        std::cout << "usage: " << UsageLine(*command) << "\n" << command->Summary << "\n";
        return 0;
    }
    try {
        // The state as the program has it once its main window is shown: a new data set of the first model.
        // The commands still work with the defaults and the built-in English texts; the user learns why.
        for (const std::string& problem : StartUp(ProgramFolder(argv[0])))
            CliFail(problem);
        PrepareFirstImage(gAll, gMacList);
        NewDataSet(gAll, gMacList);
        return command->Run(args);
    } catch (const std::exception& error) {
        return CliFail(error.what());
    }
}
