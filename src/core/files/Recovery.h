// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy: while the data set has unsaved changes the program keeps it as a data file,
// recovery.dat, in its state folder (beside a portable program, else $XDG_STATE_HOME/qbh52/), so that a
// crash, a power cut or a killed program loses at most the last few seconds of work. The running program
// holds recovery.lock there with flock; a second program at the same time finds it held and leaves the copy
// alone, and the system lets go of the lock however the holder ends.
#pragma once

#include <string>

#include "core/files/MessageTexts.h"
#include "core/model/AppState.h"
#include "core/model/ModelCatalogue.h"

// The folder of the recovery copy and its lock, with a trailing "/".
std::string RecoveryFolder(const TAppState& all);
std::string RecoveryFilePath(const TAppState& all);

// True when something (a file or anything else) lies at the recovery copy's path.
bool RecoveryCopyExists(const TAppState& all);

// Creates the folder when missing and replaces the copy with the data set's data file, atomically: on any
// failure the previous copy stays whole. The state is never changed. False with the reason in error.
bool WriteRecoveryCopy(const TAppState& all, std::string& error);

// restored becomes all with the copy's data set loaded as Open loads a file: only a complete data file of a
// known model is taken, and then as a whole. False with the reason in the language of texts, restored
// untouched.
bool ReadRecoveryCopy(const TAppState& all, const TModelCatalogue& list, TAppState& restored, std::string& reason,
                      const TMessageTexts& texts = TMessageTexts());

// Renames a copy that cannot be read to "recovery.dat.bad-<stamp>" (a second one in the same stamp gets
// "-2", "-3", ...), so that it is neither loaded nor overwritten and the user can still look at it.
bool SetAsideRecoveryCopy(const TAppState& all, const std::string& stamp, std::string& asidePath, std::string& error);

// Removes the copy; a copy that is not there is no failure.
bool RemoveRecoveryCopy(const TAppState& all, std::string& error);

// The lock that makes the recovery copy this program's own while it runs.
class TRecoveryLock
{
  public:
    TRecoveryLock() = default;
    ~TRecoveryLock();
    TRecoveryLock(const TRecoveryLock&) = delete;
    TRecoveryLock& operator=(const TRecoveryLock&) = delete;

    // Creates the folder and recovery.lock when missing and takes the lock without waiting. False when
    // another program holds it (Busy() then says so) or the folder or file cannot be made (error says why).
    bool Acquire(const TAppState& all, std::string& error);
    void Release();
    bool Held() const { return Fd >= 0; }
    bool Busy() const { return HeldElsewhere; }

  private:
    int Fd = -1;
    bool HeldElsewhere = false;
};
