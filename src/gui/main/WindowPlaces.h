// SPDX-License-Identifier: GPL-3.0-or-later
// Where the user left the windows: the main window, each editor window and the columns of a grid inside one,
// kept in the settings file's section Windows from one start to the next.
#pragma once

#include <QHash>
#include <QString>
#include <string>

class QMdiSubWindow;
class QWidget;

class TWindowPlaces
{
  public:
    // Reads section Windows of the settings file.
    void Load();
    // Puts the main window where it was; false when no place was kept (the first start).
    bool RestoreMain(QWidget& window) const;
    // Puts an editor window where it was and gives the grid inside it the column widths it had.
    void Restore(QMdiSubWindow& window, const QString& formName) const;
    // Notes where an editor window is, before it closes; a maximised one keeps its earlier place.
    void Remember(const QMdiSubWindow& window, const QString& formName);
    // Notes the main window's place and writes every place into the settings file.
    bool Save(const QWidget& window, std::string& error);

  private:
    QHash<QString, QString> Values;
};
