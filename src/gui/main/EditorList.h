// The editor windows the main window opens by command tag, one instance per class.
#pragma once

#include <functional>
#include <vector>

class TEditorWindow;

struct TEditorEntry {
    int Tag;              // command tag of the menu entry, toolbar button or tree node
    const char* FormName; // object name of the window, e.g. "fChsInfo"
    std::function<TEditorWindow*()> Create;
};

const std::vector<TEditorEntry>& EditorList();
