// SPDX-License-Identifier: GPL-3.0-or-later
// Base of the radio-wide settings windows: the child-window life they share (placed at 20, 20, fixed size,
// freed on close, filled once when first shown with the Loading flag set), the controls built from a setting's
// row of the settings table and the list helpers that move a drop-down list's index in and out of a setting.
#pragma once

#include <QStringList>
#include <string>
#include <utility>
#include <vector>

#include "core/model/SettingsTable.h"
#include "gui/kit/EditSteps.h"
#include "gui/kit/EditorWindow.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

class TSettingsWindow : public TEditorWindow
{
    Q_OBJECT
  public:
    explicit TSettingsWindow(QWidget* parent = nullptr);
    // Shows the image's values again (after an undo or a redo), with Loading set; nothing before the first show.
    void Reload() override;

  protected:
    // Fills the controls from the image; runs once, after the language texts are applied, with Loading set.
    virtual void Fill() = 0;
    // Loads the controls' values from the image on a Reload; a window whose Fill also builds or fills lists
    // loads only the values here.
    virtual void Load() { Fill(); }
    void showEvent(QShowEvent* event) override;
    // The "&Close" button every settings window carries.
    QPushButton* AddCloseButton();
    // The setting's label and fixed drop-down list side by side in one grid row, named, captioned, filled and
    // tagged from its row, and hidden where its row keeps it out of the user's reach. LoadLists and StoreLists
    // load and store it.
    QComboBox* AddSetting(QGridLayout* grid, int row, int column, TSetting setting);
    // Every list of the window shows its setting's value, or stores the item it shows into it.
    void LoadLists();
    void StoreLists();
    QLabel* AddLabel(QGridLayout* grid, int row, int column, const char* name, const QString& caption);
    // The setting's label alone, for a control that is not a list.
    QLabel* AddLabel(QGridLayout* grid, int row, int column, TSetting setting);

    // True while the window fills its own controls: their change signals must not write the image.
    bool Loading = false;

  private:
    bool Filled = false;
    std::vector<std::pair<QComboBox*, TSetting>> PlainLists;
};

// The setting's control object name, the key of its texts in the language file.
QString ControlName(TSetting setting);
// The setting's check box, named and captioned from its row.
QCheckBox* NewSettingCheck(QWidget* parent, TSetting setting);
// Selects a stored index; an index beyond the list leaves the list with no selection.
void ShowIndex(QComboBox* list, int index);
// Selects the item the setting's value shows (core/model/SettingTexts).
void LoadList(QComboBox* list, TSetting setting);
// Stores the selected item into the setting. A list with no selection (its stored value had no item) leaves the
// setting as it was, so that no bits of the neighbouring fields are overwritten.
void StoreList(const QComboBox* list, TSetting setting);
// A check box's state from its setting, and back.
void LoadCheck(QCheckBox* box, TSetting setting);
void StoreCheck(const QCheckBox* box, TSetting setting);
