// SPDX-License-Identifier: GPL-3.0-or-later
// A drop-down list laid over a grid cell (see TGrid::PlaceOverCell).
#pragma once

#include <QComboBox>

// Hidden until placed over a cell. Its value changes only inside its open list (a click on an item, or Enter
// there); the arrow keys, Tab and the mouse wheel never change it while the list is closed: those keys go back
// to the grid (Navigate) as the cell cursor's moves. It hides itself when it loses the focus to another widget,
// and on Enter, Escape or the closing of its open list. Committed says the value shown stands (Enter, the open
// list closed, the focus gone elsewhere): an editable list's owner stores its typed text then. Finished follows
// when the owner should give the focus back to the grid; Escape on the closed list emits Cancelled instead and
// the typed text is dropped. An editable list takes typed text as it is (no completion, nothing is added to
// the items).
class TCellList : public QComboBox
{
    Q_OBJECT
  public:
    TCellList(const QString& name, const QStringList& items, bool editable, QWidget* parent);
    void hidePopup() override;

  signals:
    void Committed();
    void Finished();
    void Cancelled();
    void Navigate(int key, Qt::KeyboardModifiers modifiers);

  protected:
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    bool IsNavigation(const QKeyEvent* key) const;
    void End(bool cancelled);
};
