// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settings/ScanWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

#include "core/files/StartUp.h"
#include "core/model/SettingTexts.h"
#include "gui/kit/FormKit.h"

TScanWindow::TScanWindow(QWidget* parent) : TSettingsWindow(parent)
{
    setObjectName(QStringLiteral("fScanFun"));
    setWindowTitle(ToQt(SettingsWindowTitle(objectName().toStdString())));
    auto* grid = new QGridLayout(this);
    cxScanMode = AddSetting(grid, 0, 0, TSetting::ScanMode);
    cxScanRate = AddSetting(grid, 1, 0, TSetting::ScanSpeed);
    cxScanBack = AddSetting(grid, 2, 0, TSetting::DropoutDelay);
    // The channel numbers join "OFF" when the window is filled, after the language texts.
    cxScanPris = AddSetting(grid, 3, 0, TSetting::PriorityChannel);
    grid->addWidget(AddCloseButton(), 4, 1);
    for (QComboBox* list : {cxScanMode, cxScanRate, cxScanBack, cxScanPris})
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] { Store(list); });
}

void TScanWindow::Fill()
{
    cxScanPris->addItems(ToQtList(NumberTexts(1, gAll.ChannelCount)));
    Load();
}

void TScanWindow::Load()
{
    // A priority channel beyond the model's channels (129 passes the validation) shows "OFF"; it is written
    // back as 0 with the next change the user makes here.
    LoadLists();
}

void TScanWindow::Store(const QWidget* changed)
{
    if (Loading)
        return;
    StoreLists();
    CommitControlEdit(changed);
}
