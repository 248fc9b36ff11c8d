// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "core/model/SettingTexts.h"
#include "gui/kit/FormKit.h"

TOptionalFunctionsWindow::TOptionalFunctionsWindow(QWidget* parent) : TSettingsWindow(parent)
{
    setObjectName(QStringLiteral("fOptFun"));
    setWindowTitle(ToQt(SettingsWindowTitle(objectName().toStdString())));
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
    // Only a typed name is stored: leaving the box untouched must not rewrite the name bytes as the box shows them.
    connect(cxOpenMsg, &QLineEdit::editingFinished, this, [this] {
        if (!cxOpenMsg->isModified())
            return;
        cxOpenMsg->setModified(false);
        Changed(cxOpenMsg);
    });
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
    LoadCheck(cxMenuSet, TSetting::ManualSetting);
    LoadCheck(cxRelaySet, TSetting::RelaySetting);
    LoadRadioName();
}

void TOptionalFunctionsWindow::StoreOptions()
{
    StoreLists();
    StoreCheck(cxMenuSet, TSetting::ManualSetting);
    StoreCheck(cxRelaySet, TSetting::RelaySetting);
    StoreRadioName();
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
