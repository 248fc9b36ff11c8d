// The one way the program shows messages and asks questions.
#pragma once

#include <QString>
#include <functional>

class QWidget;

// Results, as the callers compare them.
inline constexpr int kMbOk = 1;
inline constexpr int kMbCancel = 2;
inline constexpr int kMbRetry = 4;
inline constexpr int kMbYes = 6;
inline constexpr int kMbNo = 7;

// Kinds: 1 OK (information), 2 Yes/No (question), 22 Retry/Cancel (question); any other kind shows nothing
// and gives 1.
int ShowMessageBox(const QString& caption, const QString& text, int kind);

// Tests answer the boxes instead of a person: the responder gets what would be shown and returns the button.
using TMessageResponder = std::function<int(const QString& caption, const QString& text, int kind)>;
void SetMessageResponder(TMessageResponder responder);

// The open and save dialogs go through one seam too; an empty result means the user cancelled.
using TFileDialogResponder = std::function<QString(bool save)>;
void SetFileDialogResponder(TFileDialogResponder responder);
QString AskOpenFileName(QWidget* parent);
QString AskSaveFileName(QWidget* parent);
