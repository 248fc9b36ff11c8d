// The main window's refresh operations, reachable from every editor.
#pragma once

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
// Runs a command of the main window by its tag (the tag of its menu entry, toolbar button or tree node), so that
// a window can open another without knowing it.
void ExecuteCommand(int tag);

// The main window registers itself here; without one (tests of single editors) the calls do nothing.
class TViewsHost
{
  public:
    virtual ~TViewsHost() = default;
    virtual void RefreshViews(TRefresh kind) = 0;
    virtual void RefreshStatus() = 0;
    virtual void ExecuteCommand(int tag) = 0;
};
void SetViewsHost(TViewsHost* host);
