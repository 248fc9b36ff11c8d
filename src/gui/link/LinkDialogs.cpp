#include "gui/link/LinkDialogs.h"

#include <QWidget>

#include "gui/link/PortWindow.h"
#include "gui/link/PowerTestWindow.h"
#include "gui/link/ReadWindow.h"
#include "gui/link/WriteWindow.h"

bool ShowReadWindow(QWidget* parent)
{
    TReadWindow dialog(parent);
    dialog.exec();
    return dialog.Completed();
}

void ShowWriteWindow(QWidget* parent)
{
    TWriteWindow dialog(parent);
    dialog.exec();
}

void ShowPowerTestWindow(QWidget* parent)
{
    TPowerTestWindow dialog(parent);
    dialog.exec();
}

void ShowPortWindow(QWidget* parent)
{
    TPortWindow dialog(parent);
    dialog.exec();
}
