// The main window's refresh operations, reachable from every editor.
#pragma once

// 0: channel table reloads the current channel's row; 1: close all editors and reopen the channel table;
// 2: channel edit window reloads; 3: channel table and channel edit window reload.
void RefreshViews(int kind);
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
    virtual void RefreshViews(int kind) = 0;
    virtual void RefreshStatus() = 0;
    virtual void ExecuteCommand(int tag) = 0;
};
void SetViewsHost(TViewsHost* host);
