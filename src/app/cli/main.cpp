// qbh52-cli: scripted work on data files (and radios) with the same core as the program.
#include <exception>
#include <iostream>
#include <unistd.h>

#include "app/cli/CliCommands.h"
#include "app/cli/ReadCommand.h"
#include "app/cli/WriteCommand.h"
#include "core/files/StartUp.h"
#include "core/model/Derivations.h"

namespace
{
// One line per subcommand.
const TCliEntry kCommands[] = {
    {"new", "OUT.dat", CmdNew},
    {"info", "FILE.dat", CmdInfo},
    {"channels", "FILE.dat", CmdChannels},
    {"fm", "FILE.dat", CmdFm},
    {"read", "--port PORT OUT.dat", CmdRead},
    {"write", "--port PORT [--force] IN.dat", CmdWrite},
};

// The folder of the program file with a trailing "/", where the settings and language files are looked for.
std::string ProgramFolder(const char* argv0)
{
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    path = length > 0 ? path.substr(0, static_cast<size_t>(length)) : std::string(argv0);
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

int Usage()
{
    std::cerr << "usage:";
    for (const TCliEntry& command : kCommands)
        std::cerr << "\n  qbh52-cli " << command.Name << " " << command.Arguments;
    std::cerr << "\n";
    return 2;
}
} // namespace

int CliFail(const std::string& message)
{
    std::cerr << "qbh52-cli: " << message << "\n";
    return 1;
}

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    const std::string name = argv[1];
    const TCliArgs args(argv + 2, argv + argc);
    for (const TCliEntry& command : kCommands) {
        if (name != command.Name)
            continue;
        try {
            // The state as the program has it once its main window is shown: a new data set of the first model.
            for (const std::string& problem : StartUp(ProgramFolder(argv[0])))
                CliFail(problem);
            PrepareFirstImage(gAll, gMacList);
            NewDataSet(gAll, gMacList);
            return command.Run(args);
        } catch (const std::exception& error) {
            return CliFail(error.what());
        }
    }
    return Usage();
}
