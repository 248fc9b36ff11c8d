// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Printout.h"

#include <sstream>

#include "core/files/LanguageFile.h"
#include "core/files/Profile.h"
#include "core/model/ChannelCodec.h"
#include "core/model/ChannelFields.h"
#include "core/model/Encodings.h"
#include "core/model/Numbers.h"
#include "core/model/SettingTexts.h"

namespace
{
const char* const kTableSection = "fChsInfo";
const char* const kPrintSection = "Print";

void ReplaceFirst(std::string& text, const std::string& mark, const std::string& value)
{
    if (const size_t at = text.find(mark); at != std::string::npos)
        text.replace(at, mark.size(), value);
}

// A column the channel table shows: its key starts with "S".
bool IsShownColumn(const TChannelFieldRow& row)
{
    return row.ColumnKey[0] == 'S';
}

// The column definition "www@Title" of the language file, or the built-in width and title.
TPrintColumn ColumnOf(const TProfile& language, const TChannelFieldRow& row)
{
    const std::string key = "ColShow." + std::to_string(FieldNumber(row.Field));
    const std::string value = language.ReadString(kTableSection, key, "");
    const size_t at = value.find('@');
    const auto width = at == std::string::npos ? std::nullopt : TryParseInt(value.substr(0, at));
    if (!width || *width <= 0)
        return {row.ColumnTitle, row.ColumnWidth};
    return {value.substr(at + 1), static_cast<int>(*width)};
}

// The cell as the channel table shows it in the current language: list items (and the tone list's "none")
// come from the table's lists in the language file.
std::string CellOf(const TProfile& language, const TChannel& channel, int number, const TChannelFieldRow& row)
{
    const std::string text = ChannelCellText(channel, number, row.Field);
    if (!row.ListName)
        return text;
    int item = -1;
    if (row.Kind == TFieldKind::List)
        item = ChannelListValue(channel, row.Field);
    else if (row.Kind == TFieldKind::Tone && text == ToneList().front())
        item = 0;
    if (item < 0)
        return text;
    return language.ReadString(kTableSection, std::string(row.ListName) + "." + std::to_string(item), text);
}

std::string HeaderOf(const TProfile& language, const TAppState& all, const std::string& fileName,
                     const std::string& dateText)
{
    const auto text = [&language](const char* key, const char* builtIn) {
        return language.ReadString(kPrintSection, key, builtIn);
    };
    const std::string file = fileName.empty() ? text("NoFile", "(not saved)") : fileName;
    return all.AppTitle + "    " + text("Model", "Model") + ": " + all.ModelName + "    " + text("File", "File") +
           ": " + file + "    " + text("Printed", "Printed") + ": " + dateText;
}
} // namespace

TPrintout BuildPrintout(const TAppState& all, const std::string& fileName, const std::string& dateText)
{
    TProfile language;
    language.Load(LanguageFilePath(all, all.LanguageName));
    TPrintout printout;
    printout.Header = HeaderOf(language, all, fileName, dateText);
    printout.PageText = language.ReadString(kPrintSection, "Page", "Page %1 of %2");
    printout.SettingsTitle = language.ReadString(kPrintSection, "Settings", "Radio-wide settings");
    std::vector<const TChannelFieldRow*> shown;
    for (const TChannelFieldRow& row : ChannelFieldTable()) {
        if (IsShownColumn(row)) {
            shown.push_back(&row);
            printout.Columns.push_back(ColumnOf(language, row));
        }
    }
    // Decoding normalises what it reads; the printout works on a copy so the data set stays as it is.
    TAppState copy = all;
    for (int number = 1; number <= copy.ChannelCount; ++number) {
        TChannel channel;
        if (!DecodeChannel(copy, number, channel))
            continue;
        std::vector<std::string> cells;
        for (const TChannelFieldRow* row : shown)
            cells.push_back(CellOf(language, channel, number, *row));
        printout.Rows.push_back(std::move(cells));
    }
    std::istringstream listing(SettingsListing(all));
    for (std::string line; std::getline(listing, line);)
        printout.SettingsLines.push_back(line);
    return printout;
}

std::string PageNumberText(const TPrintout& printout, int page, int pages)
{
    std::string text = printout.PageText;
    ReplaceFirst(text, "%1", std::to_string(page));
    ReplaceFirst(text, "%2", std::to_string(pages));
    return text;
}

std::string PrintMessageText(const TAppState& all, TPrintMessage message, const std::string& file,
                             const std::string& reason)
{
    TProfile language;
    language.Load(LanguageFilePath(all, all.LanguageName));
    std::string text;
    switch (message) {
    case TPrintMessage::PrinterFailed:
        text = language.ReadString(kPrintSection, "PrinterFailed", "The printer could not print the pages.");
        break;
    case TPrintMessage::PdfNotWritten:
        text = language.ReadString(kPrintSection, "PdfNotWritten", "Cannot write the PDF file \"%1\". %2");
        break;
    }
    ReplaceFirst(text, "%1", file);
    ReplaceFirst(text, "%2", reason);
    return text;
}
