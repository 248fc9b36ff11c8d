#include "gui/link/LinkDialogs.h"

#include <QWidget>

#include "gui/link/PortWindow.h"
#include "gui/link/PowerTestWindow.h"
#include "gui/link/ReadWindow.h"
#include "gui/link/WriteWindow.h"

bool ShowReadRadio(QWidget* parent)
{
    TReadWindow dialog(parent);
    dialog.exec();
    return dialog.Completed();
}

void ShowWriteRadio(QWidget* parent)
{
    TWriteWindow dialog(parent);
    dialog.exec();
}

void ShowTestFrm(QWidget* parent)
{
    TPowerTestWindow dialog(parent);
    dialog.exec();
}

void ShowSetPort(QWidget* parent)
{
    TPortWindow dialog(parent);
    dialog.exec();
}
