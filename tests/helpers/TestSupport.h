// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the window tests: answers message boxes and file dialogs instead of a person,
// and prepares the global state as the program's start-up does.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <deque>

#include "core/model/ChannelFields.h"
#include "gui/kit/MessageBox.h"

class TChannelTableWindow;
class TMainWindow;

struct TShownBox {
    QString Caption;
    QString Text;
    TMessageKind Kind;
};

// Installs itself as the message-box and file-dialog responder for its lifetime. Each box takes the next
// queued answer (default: OK, Yes or Retry); each file dialog the next queued
// file name (default: cancelled).
class TMessageRecorder
{
  public:
    TMessageRecorder();
    ~TMessageRecorder();
    void QueueAnswer(TAnswer answer) { Answers.push_back(answer); }
    void QueueFileName(const QString& path) { FileNames.push_back(path); }
    QStringList Texts() const;
    std::deque<TAnswer> Answers;
    std::deque<QString> FileNames;
    QList<TShownBox> Shown;
    int FileDialogs = 0;
    // Where each file dialog started (its folder or suggested path).
    QStringList FileDialogStarts;
};

// Start-up of the global state with AppDir = a fresh temporary folder holding copies of the language files,
// the built-in model selected and a new image, as after the main window's first show.
// A stand-in views host is installed that marks the data set modified on every committed change; a window
// or test host installed later takes its place. Returns AppDir (with trailing "/").
QString InitTestState();

// A file's bytes (empty when it cannot be read), and a file written with bytes (the test fails when it cannot be).
QByteArray ReadFile(const QString& path);
void WriteFile(const QString& path, const QByteArray& bytes);

// The main window's open channel table (nullptr when closed), and the grid column that shows a field (-1 when
// none does).
TChannelTableWindow* Table(TMainWindow& frm);
int Column(TChannelTableWindow* table, TChannelField field);
