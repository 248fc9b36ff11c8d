#include "core/model/Views.h"

namespace
{
TViewsHost* gHost = nullptr;
}

void SetViewsHost(TViewsHost* host)
{
    gHost = host;
}

void RefreshViews(TRefresh kind)
{
    if (gHost)
        gHost->RefreshViews(kind);
}

void RefreshStatus()
{
    if (gHost)
        gHost->RefreshStatus();
}

void ExecuteCommand(TCommand command)
{
    if (gHost)
        gHost->ExecuteCommand(command);
}
// Records nothing until the undo history lands (see Views.h).
void CommitEdit(const std::string&) {}
