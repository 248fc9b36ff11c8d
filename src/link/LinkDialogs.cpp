#include "link/LinkDialogs.h"

#include <QWidget>

#include "link/ReadRadio.h"
#include "link/SetPort.h"
#include "link/TestFrm.h"
#include "link/WriteRadio.h"

bool ShowReadRadio(QWidget* parent)
{
    TfReadRadio dialog(parent);
    dialog.exec();
    return dialog.Completed();
}

void ShowWriteRadio(QWidget* parent)
{
    TfWriteRadio dialog(parent);
    dialog.exec();
}

void ShowTestFrm(QWidget* parent)
{
    TfTestFrm dialog(parent);
    dialog.exec();
}

void ShowSetPort(QWidget* parent)
{
    TfSetPort dialog(parent);
    dialog.exec();
}
