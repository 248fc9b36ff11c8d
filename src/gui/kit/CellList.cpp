// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/kit/CellList.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

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

// The open list closes before the picked item becomes the current one: the list ends once that is done.
void TCellList::hidePopup()
{
    QComboBox::hidePopup();
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isVisible() && !view()->isVisible())
                End(false);
        },
        Qt::QueuedConnection);
}

void TCellList::End(bool cancelled)
{
    hide();
    if (cancelled) {
        emit Cancelled();
        return;
    }
    emit Committed();
    emit Finished();
}

// Left, Right, Home and End edit the typed text of an editable list; Alt+Down opens the list.
bool TCellList::IsNavigation(const QKeyEvent* key) const
{
    if (key->modifiers() & Qt::AltModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return !isEditable();
    default:
        return false;
    }
}

// Tab would otherwise move the focus to the next control before the list sees it.
bool TCellList::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress && !view()->isVisible()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QComboBox::event(event);
}

void TCellList::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    // Opening the drop-down takes the focus to the pop-up; the list stays.
    if (event->reason() != Qt::PopupFocusReason && !view()->isVisible() && isVisible()) {
        hide();
        emit Committed();
    }
}

void TCellList::keyPressEvent(QKeyEvent* event)
{
    if (view()->isVisible())
        return QComboBox::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return End(false);
    if (event->key() == Qt::Key_Escape)
        return End(true);
    if (IsNavigation(event)) {
        const int key = event->key();
        const Qt::KeyboardModifiers modifiers = event->modifiers();
        End(false);
        emit Navigate(key, modifiers);
        return;
    }
    // A closed list that cannot be typed into would pick an item by its first letter: it opens instead.
    if (!isEditable() && !event->text().isEmpty() && event->text()[0].isPrint())
        return showPopup();
    QComboBox::keyPressEvent(event);
}

void TCellList::wheelEvent(QWheelEvent* event)
{
    if (view()->isVisible())
        return QComboBox::wheelEvent(event);
    event->ignore();
}
