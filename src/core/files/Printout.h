// SPDX-License-Identifier: GPL-3.0-or-later
// What a printed channel list holds before it is laid out on pages: a header line, the channel table's shown
// columns, one row per channel in use, and the radio-wide settings. The texts are those of the current
// language file: the column titles and list items of the channel table, and the section [Print].
#pragma once

#include <string>
#include <vector>

#include "core/model/AppState.h"

struct TPrintColumn {
    std::string Title;
    // The channel table's width of the column, which the pages share out in proportion.
    int Width = 0;
};

struct TPrintout {
    // Program, model, file name and date on one line, repeated at the top of every page.
    std::string Header;
    std::vector<TPrintColumn> Columns;
    std::vector<std::vector<std::string>> Rows;
    std::string SettingsTitle;
    // Every radio-wide setting as "Window / Field = value", as qbh52-cli settings lists them.
    std::vector<std::string> SettingsLines;
    // "Page %1 of %2": %1 the page, %2 the number of pages.
    std::string PageText;
};

// The printout of a data set; fileName is what the header calls it (empty for a data set never saved),
// dateText the date and time of printing. The image is not changed.
TPrintout BuildPrintout(const TAppState& all, const std::string& fileName, const std::string& dateText);
// PageText with the page and the number of pages filled in.
std::string PageNumberText(const TPrintout& printout, int page, int pages);

// The messages of printing, in the current language (section [Print] of the language file).
enum class TPrintMessage {
    PrinterFailed, // the printer could not be started or stopped midway
    PdfNotWritten, // %1 the PDF file, %2 the system's reason
};
std::string PrintMessageText(const TAppState& all, TPrintMessage message, const std::string& file = "",
                             const std::string& reason = "");
