#include "gui/settings/SettingsWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include "core/files/StartUp.h"
#include "core/model/Encodings.h"
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

QComboBox* TSettingsWindow::AddList(QGridLayout* grid, int row, int column, const char* labelName,
                                    const QString& caption, const char* listName, const QStringList& items, int tag)
{
    QLabel* label = AddLabel(grid, row, column, labelName, caption);
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(listName));
    list->setProperty("tag", tag);
    list->addItems(items);
    list->setMinimumWidth(110);
    label->setBuddy(list);
    grid->addWidget(list, row, column + 1);
    return list;
}

QStringList NumberItems(int first, int last, int step)
{
    QStringList items;
    for (int value = first; value <= last; value += step)
        items << QString::number(value);
    return items;
}

void ShowIndex(QComboBox* list, int index)
{
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

void LoadList(QComboBox* list, int item, uint8_t mask)
{
    ShowIndex(list, GetSetting(gAll, item, mask));
}

void StoreList(const QComboBox* list, int item, uint8_t mask)
{
    if (list->currentIndex() >= 0)
        SetSetting(gAll, item, mask, list->currentIndex());
}
