// SPDX-License-Identifier: GPL-3.0-or-later
// import-csv IN.csv [--into BASE.dat] [--replace] OUT.dat: the channels of a CSV file in CHIRP's columns over
// the channels of BASE.dat (or of a new data set), written to OUT.dat. The report goes to stderr; OUT.dat is
// written only when at least one row was imported.
#include <iostream>
#include <optional>

#include "app/cli/DataFileArgs.h"
#include "core/files/CsvFile.h"
#include "core/files/DataFile.h"
#include "core/files/StartUp.h"
#include "core/model/ChirpCsv.h"

namespace
{
struct TImportArgs {
    std::string Csv;
    std::string Base;
    std::string Out;
    bool Replace = false;
};

std::optional<TImportArgs> ParseImportArgs(const TCliArgs& args, std::string& problem)
{
    TImportArgs parsed;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--replace") {
            parsed.Replace = true;
        } else if (args[i] == "--into") {
            if (++i == args.size()) {
                problem = "--into needs a data file";
                return std::nullopt;
            }
            parsed.Base = args[i];
        } else if (args[i].rfind("--", 0) == 0) {
            problem = "unknown option " + args[i];
            return std::nullopt;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) {
        problem = "import-csv needs the CSV file and the data file to write";
        return std::nullopt;
    }
    parsed.Csv = files[0];
    parsed.Out = files[1];
    return parsed;
}
} // namespace

int CmdImportCsv(const TCliArgs& args)
{
    std::string problem;
    const auto parsed = ParseImportArgs(args, problem);
    if (!parsed)
        return CliUsage("import-csv", problem);
    std::string text, error;
    if (!ReadCsvFile(parsed->Csv, text, error))
        return CliFail(error);
    if (!parsed->Base.empty() && !OpenDataFileArgument(parsed->Base))
        return 1;
    const TCsvImport import = ImportChirpCsv(gAll, text);
    if (!import.Error.empty())
        return CliFail(parsed->Csv + ": " + import.Error);
    std::cerr << CsvReportText(import);
    if (import.Channels.empty())
        return CliFail(parsed->Csv + ": no row could be imported; " + parsed->Out + " is not written");
    ApplyCsvImport(gAll, import, parsed->Replace);
    return SaveDataFile(gAll, parsed->Out, error) ? 0 : CliFail(error);
}
