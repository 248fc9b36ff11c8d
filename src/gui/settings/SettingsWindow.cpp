// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settings/SettingsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include "core/files/StartUp.h"
#include "core/model/SettingTexts.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/FormKit.h"

TSettingsWindow::TSettingsWindow(QWidget* parent) : TEditorWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void TSettingsWindow::showEvent(QShowEvent* event)
{
    TEditorWindow::showEvent(event);
    if (Filled)
        return;
    Filled = true;
    if (layout())
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    MoveEditor(this);
    Loading = true;
    ApplyLanguage(this, false);
    Fill();
    Loading = false;
}

void TSettingsWindow::Reload()
{
    if (!Filled)
        return;
    Loading = true;
    Load();
    Loading = false;
}

QPushButton* TSettingsWindow::AddCloseButton()
{
    auto* button = new QPushButton(QStringLiteral("&Close"), this);
    button->setObjectName(QStringLiteral("btnCancel"));
    connect(button, &QPushButton::clicked, this, [this] { CloseEditor(this); });
    return button;
}

QLabel* TSettingsWindow::AddLabel(QGridLayout* grid, int row, int column, const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    grid->addWidget(label, row, column);
    return label;
}

QLabel* TSettingsWindow::AddLabel(QGridLayout* grid, int row, int column, TSetting setting)
{
    const TSettingRow& settingRow = SettingRow(setting);
    return AddLabel(grid, row, column, settingRow.LabelName.c_str(), ToQt(settingRow.Caption));
}

QComboBox* TSettingsWindow::AddSetting(QGridLayout* grid, int row, int column, TSetting setting)
{
    const TSettingRow& settingRow = SettingRow(setting);
    QLabel* label = AddLabel(grid, row, column, setting);
    auto* list = new QComboBox(this);
    list->setObjectName(ControlName(setting));
    list->setProperty("tag", settingRow.Tag);
    list->addItems(ToQtList(settingRow.Items));
    list->setMinimumWidth(110);
    label->setBuddy(list);
    grid->addWidget(list, row, column + 1);
    // A hidden list still carries its bits through.
    label->setHidden(settingRow.Hidden);
    list->setHidden(settingRow.Hidden);
    PlainLists.emplace_back(list, setting);
    return list;
}

void TSettingsWindow::LoadLists()
{
    for (const auto& [list, setting] : PlainLists)
        LoadList(list, setting);
}

void TSettingsWindow::StoreLists()
{
    for (const auto& [list, setting] : PlainLists)
        StoreList(list, setting);
}

QString ControlName(TSetting setting)
{
    return ToQt(SettingRow(setting).ControlName);
}

QCheckBox* NewSettingCheck(QWidget* parent, TSetting setting)
{
    auto* box = new QCheckBox(ToQt(SettingRow(setting).Caption), parent);
    box->setObjectName(ControlName(setting));
    return box;
}

void ShowIndex(QComboBox* list, int index)
{
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

void LoadList(QComboBox* list, TSetting setting)
{
    ShowIndex(list, ShownItem(gAll, setting));
}

void StoreList(const QComboBox* list, TSetting setting)
{
    StoreItem(gAll, setting, list->currentIndex());
}

void LoadCheck(QCheckBox* box, TSetting setting)
{
    box->setChecked(SettingChecked(gAll, setting));
}

void StoreCheck(const QCheckBox* box, TSetting setting)
{
    StoreChecked(gAll, setting, box->isChecked());
}
