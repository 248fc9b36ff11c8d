// SPDX-License-Identifier: GPL-3.0-or-later
// A drop-down list laid over a grid cell (see TGrid::PlaceOverCell).
#pragma once

#include <QComboBox>

// Hidden until placed over a cell. It hides itself again when it loses the focus to another widget, and on
// Enter, which also emits Finished so that its owner can give the focus back to the grid. An editable list
// takes typed text as it is (no completion, nothing is added to the items).
class TCellList : public QComboBox
{
    Q_OBJECT
  public:
    TCellList(const QString& name, const QStringList& items, bool editable, QWidget* parent);

  signals:
    void Finished();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
