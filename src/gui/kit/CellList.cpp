// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/kit/CellList.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

TCellList::TCellList(const QString& name, const QStringList& items, bool editable, QWidget* parent) : QComboBox(parent)
{
    setObjectName(name);
    setEditable(editable);
    if (editable) {
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
    }
    setMaxVisibleItems(16);
    addItems(items);
    hide();
}

void TCellList::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    // Opening the drop-down takes the focus to the pop-up; the list stays.
    if (event->reason() != Qt::PopupFocusReason && !view()->isVisible())
        hide();
}

void TCellList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !view()->isVisible()) {
        emit Finished();
        hide();
        return;
    }
    QComboBox::keyPressEvent(event);
}
