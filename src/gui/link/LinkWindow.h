// SPDX-License-Identifier: GPL-3.0-or-later
// What the three radio-link windows share: a modal dialog that observes one engine working over the serial
// adapter, the engine's messages shown with ShowMessageBox, and the port closed whenever the window closes.
#pragma once

#include <QDialog>
#include <memory>

#include "core/link/LinkEngine.h"
#include "core/link/LinkObserver.h"
#include "qt/SerialLink.h"

class QProgressBar;
class QVBoxLayout;
class QPushButton;
class TTransferEngine;

class TLinkWindow : public QDialog, public TLinkObserver
{
    Q_OBJECT
  public:
    ~TLinkWindow() override;

    void ShowMessage(const TLinkMessage& message) override;
    bool Ask(const TLinkMessage& message, TQuestion question) override;
    // The engine asks from inside one of its handlers; the window closes once that handler has returned.
    void Finish() override;
    // Every way of closing (Cancel, the close box, the engine's close timer) ends the engine and the port.
    void done(int result) override;

  protected:
    explicit TLinkWindow(QWidget* parent);
    // Takes the engine, which was built over Link with this window as its observer.
    void Attach(std::unique_ptr<TLinkEngine> engine);

    TSerialLink Link;

  private:
    std::unique_ptr<TLinkEngine> Engine;
};

// The read and write windows: a progress bar, Ok and Cancel; the port opens when the window is shown.
class TTransferWindow : public TLinkWindow
{
    Q_OBJECT
  public:
    QProgressBar* pBar;
    QPushButton* btnOk;
    QPushButton* btnCancel;

    void Progress(int position, int maximum) override;
    void Changed() override;

  protected:
    TTransferWindow(QWidget* parent, const char* formName, const QString& caption);
    void AttachTransfer(std::unique_ptr<TTransferEngine> engine);
    // The column the progress bar and the buttons stand in; a window may put more above them.
    QVBoxLayout* Body;
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();

    TTransferEngine* Transfer = nullptr;
    bool Shown = false;
};
