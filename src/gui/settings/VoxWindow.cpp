#include "gui/settings/VoxWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "core/files/StartUp.h"

namespace
{
constexpr int kVoxItem = 8;
constexpr uint8_t kGainMask = 0x0F;
constexpr uint8_t kDelayMask = 0x60;
constexpr uint8_t kRxInhibitMask = 0x80;
} // namespace

TVoxWindow::TVoxWindow(QWidget* parent) : TSettingsWindow(parent)
{
    setObjectName(QStringLiteral("fVoxFun"));
    setWindowTitle(QStringLiteral("Vox Function"));
    auto* grid = new QGridLayout(this);
    cxVoxLv = AddList(grid, 0, 0, "clVoxLv", QStringLiteral("VOX Gain Level"), "cxVoxLv", NumberItems(1, 9), -3);
    cxVoxDv =
        AddList(grid, 1, 0, "clVoxDv", QStringLiteral("VOX Delay Time[s]"), "cxVoxDv", {"0.5", "1.0", "2.0", "3.0"});
    // Not offered to the user; filled and written back so that bit 7 passes through unchanged.
    cxVoxRs = AddList(grid, 2, 0, "clVoxRs", QStringLiteral("Vox Inhibit on Receive"), "cxVoxRs", {"No", "Yes"});
    cxVoxRs->hide();
    findChild<QLabel*>(QStringLiteral("clVoxRs"))->hide();
    grid->addWidget(AddCloseButton(), 3, 1);
    for (QComboBox* list : {cxVoxLv, cxVoxDv, cxVoxRs})
        connect(list, &QComboBox::currentIndexChanged, this, &TVoxWindow::Store);
}

void TVoxWindow::Fill()
{
    LoadList(cxVoxLv, kVoxItem, kGainMask);
    LoadList(cxVoxDv, kVoxItem, kDelayMask);
    LoadList(cxVoxRs, kVoxItem, kRxInhibitMask);
}

void TVoxWindow::Store()
{
    if (Loading)
        return;
    StoreList(cxVoxLv, kVoxItem, kGainMask);
    StoreList(cxVoxDv, kVoxItem, kDelayMask);
    StoreList(cxVoxRs, kVoxItem, kRxInhibitMask);
    gAll.Modified = true;
}
