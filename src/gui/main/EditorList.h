// SPDX-License-Identifier: GPL-3.0-or-later
// The editor windows the main window opens by command tag, one instance per class.
#pragma once

#include <functional>
#include <vector>

#include "core/model/Views.h"

class TEditorWindow;

struct TEditorEntry {
    TCommand Command;     // the menu entry, toolbar button or tree node that opens it
    const char* FormName; // object name of the window, e.g. "fChsInfo"
    std::function<TEditorWindow*()> Create;
};

const std::vector<TEditorEntry>& EditorList();
