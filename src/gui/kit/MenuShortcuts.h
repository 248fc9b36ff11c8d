// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl shortcuts of a window's menus, whatever widget has the focus.
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// A text box claims Ctrl+Z, Ctrl+Y, Ctrl+A, Home and the like for itself before the menus see them, so that in a
// cell editor or a typed box Ctrl+Z undid the typing instead of the last edit. Installed on the application,
// this hands every Ctrl key that an enabled action of the window has as its shortcut to that action. The clipboard
// keys stay with the widget that claims them (a text box's text, the channel table's rows), and so does every key
// no menu entry has.
class TMenuShortcuts : public QObject
{
    Q_OBJECT
  public:
    static void Install(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit TMenuShortcuts(QWidget* window);
    QPointer<QWidget> Window;
};
