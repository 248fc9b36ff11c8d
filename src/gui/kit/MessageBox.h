// SPDX-License-Identifier: GPL-3.0-or-later
// The one way the program shows messages and asks questions.
#pragma once

#include <QString>
#include <functional>

class QWidget;

// What a box offers: a message with OK, or a question with Yes and No, with Yes, No and Cancel (the save
// question: Esc and closing the box are Cancel) or with Retry and Cancel. The messages differ in their icon, as
// the desktop shows them: information (a report), success (what was asked for is done), warning (the program
// went on, but not quite as asked) and error (it could not do what was asked).
enum class TMessageKind { Information, YesNo, YesNoCancel, RetryCancel, Success, Warning, Error };
// The button the user pressed.
enum class TAnswer { Ok, Cancel, Retry, Yes, No };

TAnswer ShowMessageBox(const QString& caption, const QString& text, TMessageKind kind);

// Tests answer the boxes instead of a person: the responder gets what would be shown and returns the button.
using TMessageResponder = std::function<TAnswer(const QString& caption, const QString& text, TMessageKind kind)>;
void SetMessageResponder(TMessageResponder responder);

// The open and save dialogs go through one seam too; start is the folder or suggested path the dialog opens
// with; an empty result means the user cancelled.
using TFileDialogResponder = std::function<QString(bool save, const QString& start)>;
void SetFileDialogResponder(TFileDialogResponder responder);
// The kind of file a dialog offers: data files (.dat) or CSV channel lists (.csv).
enum class TFileType { Data, Csv };
// The dialogs start in folder, else in the folder of the file last chosen (kept in the state's LastFolder),
// else in the Documents folder, else at home; the folder of the file chosen becomes the last one.
QString AskOpenFileName(QWidget* parent, TFileType type = TFileType::Data, const QString& folder = {});
// suggestedName: the file name the save dialog offers.
QString AskSaveFileName(QWidget* parent, TFileType type = TFileType::Data, const QString& suggestedName = {});
// The save dialog of File > Export PDF..., which offers the suggested name and asks before replacing a file.
QString AskPdfFileName(QWidget* parent, const QString& suggested);
