// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/RecoveryKeeper.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "core/files/StartUp.h"
#include "gui/kit/FormKit.h"
#include "gui/kit/MessageBox.h"

namespace
{
// When the copy was last written, as its question and the status bar say it.
std::string CopyTime()
{
    const QFileInfo copy(ToQt(RecoveryFilePath(gAll)));
    return ToStd(copy.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}
} // namespace

TRecoveryKeeper::TRecoveryKeeper(QStatusBar* bar, QObject* parent) : QObject(parent)
{
    Panel = new QLabel(bar);
    Panel->setObjectName(QStringLiteral("lRecovery"));
    Panel->hide();
    bar->addPermanentWidget(Panel);
    Timer = new QTimer(this);
    Timer->setSingleShot(true);
    Timer->setInterval(kDelay);
    connect(Timer, &QTimer::timeout, this, &TRecoveryKeeper::Write);
}

void TRecoveryKeeper::SetDelay(int milliseconds)
{
    Timer->setInterval(milliseconds);
}

bool TRecoveryKeeper::WritePending() const
{
    return Timer->isActive();
}

bool TRecoveryKeeper::TakeLock()
{
    std::string error;
    if (Lock.Held() || Lock.Acquire(gAll, error))
        return true;
    Report(Lock.Busy() ? gLanguage.RecoveryElsewhere : FormatText(gLanguage.RecoveryFailed, {error}));
    return false;
}

bool TRecoveryKeeper::Offer()
{
    if (!TakeLock() || !RecoveryCopyExists(gAll))
        return false;
    TAppState restored;
    std::string reason;
    if (!ReadRecoveryCopy(gAll, gMacList, restored, reason, gLanguage)) {
        SetAside(reason);
        return false;
    }
    const std::string when = CopyTime();
    Owned = true;
    const QString question = ToQt(FormatText(gLanguage.RecoveryOffer, {when}));
    if (ShowMessageBox(ToQt(gLanguage.Confirmation), question, TMessageKind::YesNo) != TAnswer::Yes) {
        Discard();
        return false;
    }
    gAll = std::move(restored);
    Report(FormatText(gLanguage.RecoveryRestored, {when}));
    return true;
}

// Kept under another name, so that it is neither loaded half-way nor overwritten by the next copy.
void TRecoveryKeeper::SetAside(const std::string& reason)
{
    const std::string copy = RecoveryFilePath(gAll);
    const std::string stamp = ToStd(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    std::string aside, error;
    const std::string text = SetAsideRecoveryCopy(gAll, stamp, aside, error)
                                 ? FormatText(gLanguage.RecoveryBad, {copy, reason, aside})
                                 : FormatText(gLanguage.RecoveryStuck, {copy, reason, error});
    ShowMessageBox(ToQt(gAll.AppTitle), ToQt(text), TMessageKind::Information);
}

void TRecoveryKeeper::Changed()
{
    if (!Timer->isActive())
        Timer->start();
}

void TRecoveryKeeper::Write()
{
    // Undone back to the saved state: the file on disk holds it all.
    if (!gAll.Modified)
        return Discard();
    if (!TakeLock())
        return;
    // A copy this program did not write is a crashed program's work waiting for the next start, which
    // will find the lock free.
    if (!Owned && RecoveryCopyExists(gAll)) {
        Lock.Release();
        return Report(gLanguage.RecoveryWaiting);
    }
    std::string error;
    if (!WriteRecoveryCopy(gAll, error))
        return Report(FormatText(gLanguage.RecoveryFailed, {error}));
    Owned = true;
    ClearReport();
}

void TRecoveryKeeper::Discard()
{
    Timer->stop();
    if (!Owned)
        return;
    std::string error;
    if (!RemoveRecoveryCopy(gAll, error))
        return Report(error);
    Owned = false;
    ClearReport();
}

void TRecoveryKeeper::Report(const std::string& text)
{
    Panel->setText(ToQt(text));
    Panel->setToolTip(Panel->text());
    Panel->show();
}

void TRecoveryKeeper::ClearReport()
{
    Panel->clear();
    Panel->hide();
}
