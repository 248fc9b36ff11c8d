#include "gui/settings/OptionalFunctionsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "core/files/StartUp.h"
#include "core/model/Encodings.h"
#include "gui/kit/FormKit.h"

namespace
{
// The mode list's index for each stored mode code, and the code each index writes.
constexpr std::array<int, 16> kModeIndexOfCode = {4, 4, 4, 4, 3, 3, 3, 3, 2, 1, 2, 0, 2, 1, 2, 0};
constexpr std::array<int, 5> kModeCodeOfIndex = {15, 13, 14, 7, 3};
constexpr uint8_t kManualFreqYes = 0xAA;
constexpr uint8_t kManualFreqNo = 0xFF;
} // namespace

TOptionalFunctionsWindow::TOptionalFunctionsWindow(QWidget* parent) : TSettingsWindow(parent)
{
    setObjectName(QStringLiteral("fOptFun"));
    setWindowTitle(QStringLiteral("Optional Function"));
    auto* grid = new QGridLayout(this);
    cxOpenSw = AddSetting(grid, 0, 0, TSetting::OpenShow);
    QLabel* nameLabel = AddLabel(grid, 0, 2, TSetting::RadioName);
    cxOpenMsg = new QLineEdit(this);
    nameLabel->setBuddy(cxOpenMsg);
    cxOpenMsg->setObjectName(ControlName(TSetting::RadioName));
    cxOpenMsg->setMaxLength(SettingRow(TSetting::RadioName).Length);
    TKeyFilter::Install(cxOpenMsg, TKeyFilter::Name);
    grid->addWidget(cxOpenMsg, 0, 3);
    cxModeSw = AddSetting(grid, 1, 0, TSetting::Mode);
    cxDWait = AddSetting(grid, 1, 2, TSetting::DoubleWait);
    cxSqlLv = AddSetting(grid, 2, 0, TSetting::SquelchLevel);
    cxTotSv = AddSetting(grid, 2, 2, TSetting::TimeOut);
    cxChsNs = AddSetting(grid, 3, 0, TSetting::ChannelNameShown);
    cxRxSav = AddSetting(grid, 3, 2, TSetting::BatterySave);
    cxRelay = AddSetting(grid, 4, 0, TSetting::RelayStation);
    cxSaveLs = AddSetting(grid, 4, 2, TSetting::SuperSave);
    cxToneEs = AddSetting(grid, 5, 0, TSetting::Beep);
    cxWavsSw = AddSetting(grid, 5, 2, TSetting::Voice);
    cxLamp = AddSetting(grid, 6, 0, TSetting::Lamp);
    cxColor = AddSetting(grid, 6, 2, TSetting::Color);
    cxLockSw = AddSetting(grid, 7, 0, TSetting::KeyLock);
    cxRoger = AddSetting(grid, 7, 2, TSetting::TxOverTone);
    cxFrq_Use = AddSetting(grid, 8, 0, TSetting::ManualFreq);
    cxBatTx = AddSetting(grid, 8, 2, TSetting::VoltageTxInhibit);
    cxMenuSet = NewSettingCheck(this, TSetting::ManualSetting);
    grid->addWidget(cxMenuSet, 9, 0, 1, 2);
    cxRelaySet = NewSettingCheck(this, TSetting::RelaySetting);
    grid->addWidget(cxRelaySet, 9, 2, 1, 2);
    // The band-4 transmit switch is kept out of the user's reach; its bit is carried through unchanged.
    cx3xxM = AddSetting(grid, 10, 0, TSetting::Band4TxInhibit);
    HideSetting(TSetting::Band4TxInhibit);
    grid->addWidget(AddCloseButton(), 11, 3);

    for (QComboBox* list : findChildren<QComboBox*>())
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] { Changed(list); });
    for (QCheckBox* box : {cxMenuSet, cxRelaySet})
        connect(box, &QCheckBox::toggled, this, [this, box] { Changed(box); });
    // The radio name is stored as it is typed and becomes one undo step when the box is left or Enter pressed.
    connect(cxOpenMsg, &QLineEdit::textEdited, this, [this] {
        if (Loading)
            return;
        StoreOptions();
        gAll.Modified = true;
    });
    connect(cxOpenMsg, &QLineEdit::editingFinished, this, [this] { Changed(cxOpenMsg); });
}

void TOptionalFunctionsWindow::Fill()
{
    LoadOptions();
}

void TOptionalFunctionsWindow::Changed(const QWidget* changed)
{
    if (Loading)
        return;
    StoreOptions();
    CommitControlEdit(changed);
}

void TOptionalFunctionsWindow::LoadOptions()
{
    LoadLists();
    ShowIndex(cxModeSw, kModeIndexOfCode[GetSetting(gAll, TSetting::Mode)]);
    LoadBatterySave();
    LoadVoice();
    cxMenuSet->setChecked(GetSetting(gAll, TSetting::ManualSetting) == 1);
    cxRelaySet->setChecked(GetSetting(gAll, TSetting::RelaySetting) == 1);
    LoadRadioName();
    cxFrq_Use->setCurrentIndex(gAll.ManualFreq == kManualFreqYes ? 0 : 1);
}

void TOptionalFunctionsWindow::StoreOptions()
{
    StoreLists();
    const int mode = cxModeSw->currentIndex();
    SetSetting(gAll, TSetting::Mode, mode >= 0 ? kModeCodeOfIndex[mode] : 15);
    StoreBatterySave();
    StoreVoice();
    SetSetting(gAll, TSetting::ManualSetting, cxMenuSet->isChecked() ? 1 : 0);
    SetSetting(gAll, TSetting::RelaySetting, cxRelaySet->isChecked() ? 1 : 0);
    StoreRadioName();
    gAll.ManualFreq = cxFrq_Use->currentIndex() == 1 ? kManualFreqNo : kManualFreqYes;
    SetSetting(gAll, TSetting::ManualFreq, gAll.ManualFreq);
}

// Battery saving is on when its bit is set; the ratio stays as it is when saving is off.
void TOptionalFunctionsWindow::LoadBatterySave()
{
    cxRxSav->setCurrentIndex(
        GetSetting(gAll, TSetting::BatterySave) == 0 ? 0 : GetSetting(gAll, TSetting::BatterySaveRatio) + 1);
}

void TOptionalFunctionsWindow::StoreBatterySave()
{
    const int index = cxRxSav->currentIndex();
    SetSetting(gAll, TSetting::BatterySave, index > 0 ? 1 : 0);
    if (index > 0)
        SetSetting(gAll, TSetting::BatterySaveRatio, index - 1);
}

// The voice prompts are on when their bit is set; the language stays as it is when they are off.
void TOptionalFunctionsWindow::LoadVoice()
{
    cxWavsSw->setCurrentIndex(GetSetting(gAll, TSetting::Voice) == 0 ? 0
                                                                     : GetSetting(gAll, TSetting::VoiceChinese) + 1);
}

void TOptionalFunctionsWindow::StoreVoice()
{
    const int index = cxWavsSw->currentIndex();
    SetSetting(gAll, TSetting::Voice, index > 0 ? 1 : 0);
    if (index > 0)
        SetSetting(gAll, TSetting::VoiceChinese, index - 1);
}

void TOptionalFunctionsWindow::LoadRadioName()
{
    std::string name;
    for (const uint8_t code : SettingBytes(gAll, TSetting::RadioName))
        name += NameChar(code);
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    cxOpenMsg->setText(QString::fromLatin1(name));
}

void TOptionalFunctionsWindow::StoreRadioName()
{
    const std::span<uint8_t> codes = SettingBytes(gAll, TSetting::RadioName);
    const QString text = cxOpenMsg->text().leftJustified(static_cast<int>(codes.size()), QLatin1Char(' '), true);
    for (size_t i = 0; i < codes.size(); ++i) {
        const char16_t c = text.at(static_cast<int>(i)).unicode();
        // A character beyond 7 bits cannot be one of the radio's; NameCode stores it as code 32.
        codes[i] = static_cast<uint8_t>(NameCode(c < 0x80 ? static_cast<char>(c) : '\x7f'));
    }
}
