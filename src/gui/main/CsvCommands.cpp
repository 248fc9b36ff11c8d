// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/CsvCommands.h"

#include <QFileInfo>
#include <QLabel>
#include <QWidget>

#include "core/files/CsvFile.h"
#include "core/files/StartUp.h"
#include "core/model/ChirpCsv.h"
#include "core/model/Views.h"
#include "gui/kit/FormKit.h"
#include "gui/kit/MessageBox.h"

namespace
{
const char* const kReplaceQuestion = "lCsvReplace";
const char* const kNothingImported = "lCsvNothing";
// A message box shows this many lines of the report; the rest are counted.
constexpr int kShownReportLines = 25;

QString ShortReport(const TCsvImport& import)
{
    QStringList lines = ToQt(CsvReportText(import)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.size() > kShownReportLines + 1) {
        const qsizetype more = lines.size() - kShownReportLines;
        lines = lines.mid(0, kShownReportLines);
        lines << QStringLiteral("... (+%1)").arg(more);
    }
    return lines.join(QLatin1Char('\n'));
}

QString WithCsvExtension(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".csv") : path;
}

void ShowText(const QString& text)
{
    ShowMessageBox(ToQt(gAll.AppTitle), text, TMessageKind::Information);
}
} // namespace

TCsvCommands::TCsvCommands(QWidget* window) : QObject(window), Window(window)
{
    NewLabel(window, kReplaceQuestion,
             "Replace all memory channels? Yes: the channels not in the file are cleared. No: only the file's "
             "Locations change.")
        ->hide();
    NewLabel(window, kNothingImported, "No row could be imported.")->hide();
}

void TCsvCommands::Export()
{
    const QString chosen = AskSaveFileName(Window, TFileType::Csv);
    if (chosen.isEmpty())
        return;
    const QString path = WithCsvExtension(chosen);
    if (QFileInfo::exists(path) &&
        ShowMessageBox(ToQt(gLanguage.Confirmation), ToQt(gLanguage.FileExists), TMessageKind::YesNo) != TAnswer::Yes)
        return;
    std::string error;
    if (!WriteCsvFile(ToStd(path), ExportChirpCsv(gAll), error))
        ShowText(ToQt(error));
}

void TCsvCommands::Import()
{
    const QString path = AskOpenFileName(Window, TFileType::Csv);
    if (!path.isEmpty())
        ImportFile(path);
}

void TCsvCommands::ImportFile(const QString& path)
{
    std::string text, error;
    if (!ReadCsvFile(ToStd(path), text, error))
        return ShowText(ToQt(error));
    const TCsvImport import = ImportChirpCsv(gAll, text);
    if (!import.Error.empty())
        return ShowText(path + QStringLiteral(": ") + ToQt(import.Error));
    if (import.Channels.empty())
        return ShowText(ShortReport(import) + QStringLiteral("\n\n") + Text(kNothingImported));
    const bool replace = ShowMessageBox(ToQt(gLanguage.Confirmation),
                                        ShortReport(import) + QStringLiteral("\n\n") + Text(kReplaceQuestion),
                                        TMessageKind::YesNo) == TAnswer::Yes;
    ApplyCsvImport(gAll, import, replace);
    RefreshViews(TRefresh::TableAndEditor);
    CommitEdit(gLanguage.ImportStep);
}

QString TCsvCommands::Text(const char* labelName) const
{
    return Window->findChild<QLabel*>(QString::fromLatin1(labelName))->text();
}
