// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export CSV... and Import CSV...: the memory channels as a CSV file in CHIRP's columns, and such a file's
// channels into the data set, after the import's report and the choice between replacing every memory channel
// and merging the file's Locations into them. An import is one undo step.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

class TCsvCommands : public QObject
{
    Q_OBJECT
  public:
    // The texts the commands show are hidden labels of window, so that its language section translates them.
    explicit TCsvCommands(QWidget* window);

    void Export();
    void Import();
    // The import of a file already chosen (the program's file argument, a dropped file).
    void ImportFile(const QString& path);

  private:
    QString Text(const char* labelName) const;

    QWidget* Window;
};
