#include "gui/settings/ScanWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

#include "core/files/StartUp.h"
#include "core/model/Encodings.h"

TScanWindow::TScanWindow(QWidget* parent) : TSettingsWindow(parent)
{
    setObjectName(QStringLiteral("fScanFun"));
    setWindowTitle(QStringLiteral("Scan Information"));
    auto* grid = new QGridLayout(this);
    cxScanMode = AddList(grid, 0, 0, "clScanMode", QStringLiteral("Scan Mode"), "cxScanMode", {"CO", "TO", "SE"});
    cxScanRate =
        AddList(grid, 1, 0, "clScanRate", QStringLiteral("Scan Speed[ms]"), "cxScanRate", NumberItems(100, 500, 50));
    cxScanBack =
        AddList(grid, 2, 0, "clScanBack", QStringLiteral("Dropout Delay Time[s]"), "cxScanBack", NumberItems(3, 30));
    // The channel numbers join "OFF" when the window is filled, after the language texts.
    cxScanPris = AddList(grid, 3, 0, "clScanPris", QStringLiteral("Priority Channel"), "cxScanPris", {"OFF"});
    grid->addWidget(AddCloseButton(), 4, 1);
    for (QComboBox* list : {cxScanMode, cxScanRate, cxScanBack, cxScanPris})
        connect(list, &QComboBox::currentIndexChanged, this, &TScanWindow::Store);
}

void TScanWindow::Fill()
{
    cxScanPris->addItems(NumberItems(1, gAll.ChannelCount));
    LoadList(cxScanMode, 10, 0x0F);
    LoadList(cxScanRate, 10, 0xF0);
    LoadList(cxScanBack, 11, 0xFF);
    // A priority channel beyond the model's channels (129 passes the validation) shows "OFF"; it is written
    // back as 0 with the next change the user makes here.
    const int priority = GetSetting(gAll, 12, 0xFF);
    cxScanPris->setCurrentIndex(priority <= gAll.ChannelCount ? priority : 0);
}

void TScanWindow::Store()
{
    if (Loading)
        return;
    StoreList(cxScanMode, 10, 0x0F);
    StoreList(cxScanRate, 10, 0xF0);
    StoreList(cxScanBack, 11, 0xFF);
    StoreList(cxScanPris, 12, 0xFF);
    gAll.Modified = true;
}
