// SPDX-License-Identifier: GPL-3.0-or-later
// The printed channel list and settings of a data set, laid out on pages: landscape, the header line and the
// column titles at the top of every page of the table, the page number at the foot of every page.
#pragma once

#include <QString>

#include "core/files/Printout.h"
#include "core/model/AppState.h"

class QPagedPaintDevice;

// The printout of a data set as it stands, named after the data file's name (without its folder; empty for a
// data set never saved) and dated now.
TPrintout PrintoutOf(const TAppState& all, const QString& dataFilePath);
// Turns the device to landscape pages.
void PrepareDevice(QPagedPaintDevice& device);
// Paints every page on the device; false when the device cannot be painted on (a printer that fails).
bool PaintPrintout(const TPrintout& printout, QPagedPaintDevice& device);
// Writes the pages as a PDF file, through a temporary file beside path; false with the system's reason in
// error, and the old file at path as it was.
bool WritePdf(const TPrintout& printout, const QString& path, QString& error);
