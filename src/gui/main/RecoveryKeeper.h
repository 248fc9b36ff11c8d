// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's recovery copy (core/files/Recovery): written a few seconds after a change while the data
// set has unsaved changes, never more often than once in the delay, removed when the changes are saved or
// thrown away, and offered for restoring at the next start when the program did not live to do that. A copy
// that cannot be kept is said in a panel of the status bar; the data set in the window is never touched by it.
#pragma once

#include <QObject>
#include <QString>

#include "core/files/Recovery.h"

class QLabel;
class QStatusBar;
class QTimer;

class TRecoveryKeeper : public QObject
{
    Q_OBJECT
  public:
    // The least time between two writes of the copy, and so the most work a crash can take.
    static constexpr int kDelay = 10000;

    TRecoveryKeeper(QStatusBar* bar, QObject* parent);

    void SetDelay(int milliseconds);
    // At start-up: takes the lock and offers a copy a program left behind. True when gAll now holds the
    // restored data set; a copy that cannot be read is set aside with a message and nothing is loaded.
    bool Offer();
    // After every change of the image: the copy follows once the delay has passed.
    void Changed();
    // Save, New, Open, or an exit that throws the changes away: this program's copy goes.
    void Discard();
    bool WritePending() const;

    // "lRecovery": what keeps the copy from being written, or that it was restored; hidden when all is well.
    QLabel* Panel;

  private:
    void Write();
    bool TakeLock();
    void SetAside(const std::string& reason);
    void Report(const std::string& text);
    void ClearReport();

    QTimer* Timer;
    TRecoveryLock Lock;
    // The copy on disk is this program's: written or restored by it. Another one is never removed or replaced.
    bool Owned = false;
};
