#include "gui/settings/OptionalFunctionsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "core/files/StartUp.h"
#include "core/model/Encodings.h"
#include "gui/kit/FormKit.h"

namespace
{
// The mode list's index for each stored mode code (item 3, low nibble), and the code each index writes.
constexpr std::array<int, 16> kModeIndexOfCode = {4, 4, 4, 4, 3, 3, 3, 3, 2, 1, 2, 0, 2, 1, 2, 0};
constexpr std::array<int, 5> kModeCodeOfIndex = {15, 13, 14, 7, 3};
constexpr int kNameItem = 16;
constexpr int kNameLength = 7;
constexpr uint8_t kManualFreqYes = 0xAA;
constexpr uint8_t kManualFreqNo = 0xFF;
constexpr int kManualFreqByte = 0x11FD;

} // namespace

TOptionalFunctionsWindow::TOptionalFunctionsWindow(QWidget* parent) : TSettingsWindow(parent)
{
    setObjectName(QStringLiteral("fOptFun"));
    setWindowTitle(QStringLiteral("Optional Function"));
    auto* grid = new QGridLayout(this);
    cxOpenSw = AddList(grid, 0, 0, "cl00", QStringLiteral("Open Show"), "cxOpenSw", {"None", "Msg", "DC"});
    AddLabel(grid, 0, 2, "cl09", QStringLiteral("Radio Name"));
    cxOpenMsg = new QLineEdit(this);
    cxOpenMsg->setObjectName(QStringLiteral("cxOpenMsg"));
    cxOpenMsg->setMaxLength(kNameLength);
    TKeyFilter::Install(cxOpenMsg, TKeyFilter::Name);
    grid->addWidget(cxOpenMsg, 0, 3);
    cxModeSw = AddList(grid, 1, 0, "cl01", QStringLiteral("Mode"), "cxModeSw",
                       {"Freq.", "Chs Freq.", "Chs.", "FM Freq.", "FM Chs."});
    cxDWait = AddList(grid, 1, 2, "cl10", QStringLiteral("Double Wait"), "cxDWait", {"Off", "On"});
    cxSqlLv = AddList(grid, 2, 0, "cl02", QStringLiteral("Squelch level "), "cxSqlLv", NumberItems(0, 9), -2);
    cxTotSv = AddList(grid, 2, 2, "cl11", QStringLiteral("TX Time Out[s]"), "cxTotSv",
                      QStringList{"Off"} + NumberItems(30, 360, 30), -3);
    cxChsNs = AddList(grid, 3, 0, "cl03", QStringLiteral("Chs Name"), "cxChsNs", {"Yes", "No"});
    cxRxSav =
        AddList(grid, 3, 2, "cl12", QStringLiteral("Battery Save"), "cxRxSav", {"OFF", "1:1", "1:2", "1:3", "1:4"});
    cxRelay = AddList(grid, 4, 0, "cl04", QStringLiteral("Relay station"), "cxRelay", {"On", "Off"});
    cxSaveLs = AddList(grid, 4, 2, "cl13", QStringLiteral("Super Save"), "cxSaveLs",
                       {"Off", "1s", "2s", "3s", "4s", "5s", "6s", "7s", "8s", "9s"});
    cxToneEs = AddList(grid, 5, 0, "cl05", QStringLiteral("Beep"), "cxToneEs", {"Off", "On"});
    cxWavsSw = AddList(grid, 5, 2, "cl14", QStringLiteral("Voice"), "cxWavsSw", {"Off", "English", "Chinese"});
    cxLamp = AddList(grid, 6, 0, "cl06", QStringLiteral("Lamp"), "cxLamp", {"Off", "On", "Auto"});
    cxColor = AddList(grid, 6, 2, "cl15", QStringLiteral("Color"), "cxColor", {"Color-1", "Color-2", "Color-3"});
    cxLockSw = AddList(grid, 7, 0, "cl07", QStringLiteral("Key Lock"), "cxLockSw", {"Auto", "Manual"});
    cxRoger = AddList(grid, 7, 2, "cl16", QStringLiteral("Tx Over Tone"), "cxRoger", {"On", "Off"});
    cxFrq_Use = AddList(grid, 8, 0, "cl08", QStringLiteral("Manual Freq."), "cxFrq_Use", {"Yes", "No"});
    cxBatTx = AddList(grid, 8, 2, "cl17", QStringLiteral("Vol Inhibit Tx"), "cxBatTx", {"None", "Low", "High", "Both"});
    cxMenuSet = new QCheckBox(QStringLiteral("Manual setting"), this);
    cxMenuSet->setObjectName(QStringLiteral("cxMenuSet"));
    grid->addWidget(cxMenuSet, 9, 0, 1, 2);
    cxRelaySet = new QCheckBox(QStringLiteral("Relay setting"), this);
    cxRelaySet->setObjectName(QStringLiteral("cxRelaySet"));
    grid->addWidget(cxRelaySet, 9, 2, 1, 2);
    // The band-4 transmit switch is kept out of the user's reach; its bit is carried through unchanged.
    cx3xxM = AddList(grid, 10, 0, "La26", QStringLiteral("Freq. Rang-4"), "cx3xxM", {"Can Rx & Tx", "Inhibit Tx"});
    cx3xxM->hide();
    findChild<QWidget*>(QStringLiteral("La26"))->hide();
    grid->addWidget(AddCloseButton(), 11, 3);

    for (QComboBox* list : findChildren<QComboBox*>())
        connect(list, &QComboBox::currentIndexChanged, this, &TOptionalFunctionsWindow::Changed);
    connect(cxMenuSet, &QCheckBox::toggled, this, &TOptionalFunctionsWindow::Changed);
    connect(cxRelaySet, &QCheckBox::toggled, this, &TOptionalFunctionsWindow::Changed);
    connect(cxOpenMsg, &QLineEdit::textEdited, this, &TOptionalFunctionsWindow::Changed);
    connect(cxOpenMsg, &QLineEdit::returnPressed, this, &TOptionalFunctionsWindow::Changed);
}

void TOptionalFunctionsWindow::Fill()
{
    LoadOptions();
}

void TOptionalFunctionsWindow::Changed()
{
    if (!Loading)
        StoreOptions();
}

void TOptionalFunctionsWindow::LoadOptions()
{
    LoadList(cxOpenSw, 6, 0x0C);
    ShowIndex(cxModeSw, kModeIndexOfCode[GetSetting(gAll, 3, 0x0F)]);
    LoadList(cxDWait, 3, 0x20);
    LoadList(cxSqlLv, 7, 0x0F);
    LoadList(cxTotSv, 7, 0xF0);
    LoadList(cxChsNs, 3, 0x80);
    LoadBatterySave();
    LoadList(cxSaveLs, 13, 0x0F);
    LoadList(cxToneEs, 5, 0x01);
    LoadVoice();
    LoadList(cxLamp, 5, 0x18);
    LoadList(cxColor, 6, 0x03);
    LoadList(cxLockSw, 4, 0x10);
    LoadList(cxRoger, 5, 0x20);
    LoadList(cxBatTx, 4, 0xC0);
    LoadList(cx3xxM, 5, 0x80);
    LoadList(cxRelay, 6, 0x10);
    cxMenuSet->setChecked(GetSetting(gAll, 6, 0x40) == 1);
    cxRelaySet->setChecked(GetSetting(gAll, 6, 0x20) == 1);
    LoadRadioName();
    cxFrq_Use->setCurrentIndex(gAll.ManualFreq == kManualFreqYes ? 0 : 1);
}

void TOptionalFunctionsWindow::StoreOptions()
{
    StoreList(cxOpenSw, 6, 0x0C);
    const int mode = cxModeSw->currentIndex();
    SetSetting(gAll, 3, 0x0F, mode >= 0 ? kModeCodeOfIndex[mode] : 15);
    StoreList(cxDWait, 3, 0x20);
    StoreList(cxSqlLv, 7, 0x0F);
    StoreList(cxTotSv, 7, 0xF0);
    StoreList(cxChsNs, 3, 0x80);
    StoreBatterySave();
    StoreVoice();
    StoreList(cxSaveLs, 13, 0x0F);
    StoreList(cxToneEs, 5, 0x01);
    StoreList(cxLamp, 5, 0x18);
    StoreList(cxColor, 6, 0x03);
    StoreList(cxLockSw, 4, 0x10);
    StoreList(cxRoger, 5, 0x20);
    StoreList(cxBatTx, 4, 0xC0);
    StoreList(cx3xxM, 5, 0x80);
    StoreList(cxRelay, 6, 0x10);
    SetSetting(gAll, 6, 0x40, cxMenuSet->isChecked() ? 1 : 0);
    SetSetting(gAll, 6, 0x20, cxRelaySet->isChecked() ? 1 : 0);
    StoreRadioName();
    gAll.ManualFreq = cxFrq_Use->currentIndex() == 1 ? kManualFreqNo : kManualFreqYes;
    gAll.Image[kManualFreqByte] = gAll.ManualFreq;
    gAll.Modified = true;
}

// Item 4 bit 2 switches battery saving on; bits 0 and 1 hold the ratio and stay as they are when it is off.
void TOptionalFunctionsWindow::LoadBatterySave()
{
    cxRxSav->setCurrentIndex(GetSetting(gAll, 4, 0x04) == 0 ? 0 : GetSetting(gAll, 4, 0x03) + 1);
}

void TOptionalFunctionsWindow::StoreBatterySave()
{
    const int index = cxRxSav->currentIndex();
    SetSetting(gAll, 4, 0x04, index > 0 ? 1 : 0);
    if (index > 0)
        SetSetting(gAll, 4, 0x03, index - 1);
}

// Item 5 bit 1 switches the voice prompts on; bit 2 chooses Chinese and stays as it is when they are off.
void TOptionalFunctionsWindow::LoadVoice()
{
    cxWavsSw->setCurrentIndex(GetSetting(gAll, 5, 0x02) == 0 ? 0 : GetSetting(gAll, 5, 0x04) + 1);
}

void TOptionalFunctionsWindow::StoreVoice()
{
    const int index = cxWavsSw->currentIndex();
    SetSetting(gAll, 5, 0x02, index > 0 ? 1 : 0);
    if (index > 0)
        SetSetting(gAll, 5, 0x04, index - 1);
}

void TOptionalFunctionsWindow::LoadRadioName()
{
    std::string name;
    for (int i = 0; i < kNameLength; ++i)
        name += NameChar(GetSetting(gAll, kNameItem + i, 0xFF));
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    cxOpenMsg->setText(QString::fromLatin1(name));
}

void TOptionalFunctionsWindow::StoreRadioName()
{
    const QString text = cxOpenMsg->text().leftJustified(kNameLength, QLatin1Char(' '), true);
    for (int i = 0; i < kNameLength; ++i) {
        const char16_t c = text.at(i).unicode();
        // A character beyond 7 bits cannot be one of the radio's; NameCode stores it as code 32.
        SetSetting(gAll, kNameItem + i, 0xFF, NameCode(c < 0x80 ? static_cast<char>(c) : '\x7f'));
    }
}
