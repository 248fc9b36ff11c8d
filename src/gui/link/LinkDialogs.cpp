// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/link/LinkDialogs.h"

#include <QMainWindow>
#include <QStatusBar>
#include <QWidget>

#include "core/files/Backups.h"
#include "core/files/StartUp.h"
#include "core/model/Encodings.h"
#include "gui/link/PortWindow.h"
#include "gui/link/PowerTestWindow.h"
#include "gui/link/ReadWindow.h"
#include "gui/link/WriteWindow.h"

namespace
{
constexpr int kBackupNoteMs = 15000;

// What the radio holds now is kept in the backups folder; the main window's status bar says where, or why
// not. A backup that fails never undoes the transfer.
void BackUp(QWidget* parent)
{
    std::string path;
    std::string error;
    const bool saved = SaveBackup(gAll, NowText(), path, error);
    const std::string note =
        saved ? FormatText(gLanguage.BackupSaved, {path}) : FormatText(gLanguage.BackupFailed, {error});
    if (auto* main = qobject_cast<QMainWindow*>(parent))
        main->statusBar()->showMessage(QString::fromStdString(note), kBackupNoteMs);
}
} // namespace

bool ShowReadWindow(QWidget* parent)
{
    TReadWindow dialog(parent);
    dialog.exec();
    if (dialog.Completed())
        BackUp(parent);
    return dialog.Completed();
}

// A verified write read the radio back: that read is kept like any other.
void ShowWriteWindow(QWidget* parent)
{
    TWriteWindow dialog(parent);
    dialog.exec();
    if (dialog.Verified())
        BackUp(parent);
}

void ShowPowerTestWindow(QWidget* parent)
{
    TPowerTestWindow dialog(parent);
    dialog.exec();
}

void ShowPortWindow(QWidget* parent)
{
    TPortWindow dialog(parent);
    dialog.exec();
}
