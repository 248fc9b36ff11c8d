// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settings/VoxWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

#include "core/files/StartUp.h"
#include "core/model/SettingTexts.h"
#include "gui/kit/FormKit.h"

TVoxWindow::TVoxWindow(QWidget* parent) : TSettingsWindow(parent)
{
    setObjectName(QStringLiteral("fVoxFun"));
    setWindowTitle(ToQt(SettingsWindowTitle(objectName().toStdString())));
    auto* grid = new QGridLayout(this);
    cxVoxLv = AddSetting(grid, 0, 0, TSetting::VoxGain);
    cxVoxDv = AddSetting(grid, 1, 0, TSetting::VoxDelay);
    // Not offered to the user; filled and written back so that its bit passes through unchanged.
    cxVoxRs = AddSetting(grid, 2, 0, TSetting::VoxRxInhibit);
    grid->addWidget(AddCloseButton(), 3, 1);
    for (QComboBox* list : {cxVoxLv, cxVoxDv, cxVoxRs})
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] { Store(list); });
}

void TVoxWindow::Fill()
{
    LoadLists();
}

void TVoxWindow::Store(const QWidget* changed)
{
    if (Loading)
        return;
    StoreLists();
    CommitControlEdit(changed);
}
