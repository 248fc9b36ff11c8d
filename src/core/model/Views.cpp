// SPDX-License-Identifier: GPL-3.0-or-later
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

void ShowNote(const std::string& text)
{
    if (gHost)
        gHost->ShowNote(text);
}

void ExecuteCommand(TCommand command)
{
    if (gHost)
        gHost->ExecuteCommand(command);
}

void CommitEdit(const std::string& caption)
{
    if (gHost)
        gHost->CommitEdit(caption);
}

void ResetHistory()
{
    if (gHost)
        gHost->ResetHistory();
}
