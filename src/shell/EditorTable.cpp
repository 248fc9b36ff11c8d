#include "shell/EditorTable.h"

const std::vector<TEditorEntry>& EditorTable()
{
    static const std::vector<TEditorEntry> table = {
    };
    return table;
}
