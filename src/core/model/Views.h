// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's refresh operations, reachable from every editor.
#pragma once

#include <string>

// What a change asks the open windows to show again.
enum class TRefresh {
    CurrentRow,     // the channel table reloads the current channel's row
    ReopenTable,    // every editor closes and the channel table opens afresh (a new image)
    ChannelEditor,  // the channel edit window reloads (the current channel changed)
    TableAndEditor, // the channel table and the channel edit window reload (many channels changed)
};
void RefreshViews(TRefresh kind);
// Status bar and caption.
void RefreshStatus();
// A one-line note in the status bar about the edit just made (a value stored otherwise than typed). The next
// refresh of the status bar clears it, so it is shown after the edit's step is committed.
void ShowNote(const std::string& text);
// The commands of the main window's menus, toolbar and tree. The values are the commands' tags, which the
// actions and tree nodes carry.
enum class TCommand : int {
    New = 1,
    Open = 2,
    Save = 3,
    SaveAs = 4,
    Print = 5,
    PrintPreview = 6,
    Exit = 7,
    BatchEdit = 9,
    VfoEdit = 10,
    ChannelTable = 11,
    ChannelEdit = 12,
    FmRadio = 13,
    Vox = 14,
    OptionalFunctions = 15,
    RadioInfo = 16,
    KeyFunction = 17,
    TestFrequency = 181,
    Dtmf = 18,
    Scan = 19,
    ReadFromRadio = 20,
    WriteToRadio = 21,
    PowerTest = 22,
    Model = 30,
    Port = 31,
    Language = 32,
    TreeView = 40,
    Toolbar = 41,
    StatusBar = 42,
    Cascade = 50,
    TileHorizontally = 51,
    TileVertically = 52,
    ArrangeIcons = 53,
    CloseAll = 54,
    HelpTopics = 60,
    About = 61,
    ExportPdf = 70,
    OpenBackup = 81,       // File > Open Backup...: the open dialog in the backups folder
    VerifyAfterWrite = 82, // Program > Verify after write, a check item kept in the settings file
    ExportCsv = 120,
    ImportCsv = 121,
};

// Runs a command of the main window so that a window can open another without knowing it.
void ExecuteCommand(TCommand command);

// Called once after every change to the image, with the step's caption as the Edit menu shows it after
// "Undo " (for example "Edit CH-005 RX Frequency", "Batch Channel Edit", "Read From Radio"). The main
// window records one undo step when the image differs from the last recorded state, sets Modified, updates
// Undo and Redo and schedules the recovery copy.
void CommitEdit(const std::string& caption);
// After a change that replaces the whole data set and starts afresh (New, Open, a restored recovery copy):
// the history holds only the present state.
void ResetHistory();

// The main window registers itself here; without one (tests of single editors) the calls do nothing.
class TViewsHost
{
  public:
    virtual ~TViewsHost() = default;
    virtual void RefreshViews(TRefresh kind) = 0;
    virtual void RefreshStatus() = 0;
    virtual void ExecuteCommand(TCommand command) = 0;
    virtual void CommitEdit(const std::string& /*caption*/) {}
    virtual void ResetHistory() {}
    virtual void ShowNote(const std::string& /*text*/) {}
};
void SetViewsHost(TViewsHost* host);
