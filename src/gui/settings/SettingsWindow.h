// Base of the radio-wide settings windows: the child-window life they share (placed at 20, 20, fixed size,
// freed on close, filled once when first shown with the Loading flag set) and the list helpers that move a
// drop-down list's index in and out of a settings field.
#pragma once

#include <QStringList>
#include <cstdint>

#include "gui/kit/EditorWindow.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

class TSettingsWindow : public TEditorWindow
{
    Q_OBJECT
  public:
    explicit TSettingsWindow(QWidget* parent = nullptr);

  protected:
    // Fills the controls from the image; runs once, after the language texts are applied, with Loading set.
    virtual void Fill() = 0;
    void showEvent(QShowEvent* event) override;
    // The "&Close" button every settings window carries.
    QPushButton* AddCloseButton();
    // A label named labelName and a fixed drop-down list named listName side by side in one grid row.
    QComboBox* AddList(QGridLayout* grid, int row, int column, const char* labelName, const QString& caption,
                       const char* listName, const QStringList& items, int tag = 0);
    QLabel* AddLabel(QGridLayout* grid, int row, int column, const char* name, const QString& caption);

    // True while the window fills its own controls: their change signals must not write the image.
    bool Loading = false;

  private:
    bool Filled = false;
};

// "first" to "last" in steps of step, as list items.
QStringList NumberItems(int first, int last, int step = 1);
// Selects a stored index; an index beyond the list leaves the list with no selection.
void ShowIndex(QComboBox* list, int index);
// Shows the settings field's value as the list index.
void LoadList(QComboBox* list, int item, uint8_t mask);
// Writes the list index into the settings field. A list with no selection (its stored value had no item)
// leaves the field as it was, so that no bits of the neighbouring fields are overwritten.
void StoreList(const QComboBox* list, int item, uint8_t mask);
