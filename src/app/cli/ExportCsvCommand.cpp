// SPDX-License-Identifier: GPL-3.0-or-later
// export-csv FILE.dat OUT.csv: the memory channels in use as CSV in CHIRP's columns.
#include "app/cli/DataFileArgs.h"
#include "core/files/CsvFile.h"
#include "core/files/StartUp.h"
#include "core/model/ChirpCsv.h"

int CmdExportCsv(const TCliArgs& args)
{
    if (args.size() != 2)
        return CliUsage("export-csv", "export-csv needs a data file and the CSV file to write");
    if (!OpenDataFileArgument(args[0]))
        return 1;
    std::string error;
    return WriteCsvFile(args[1], ExportChirpCsv(gAll), error) ? 0 : CliFail(error);
}
