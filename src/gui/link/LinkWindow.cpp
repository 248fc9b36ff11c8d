// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/link/LinkWindow.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/files/StartUp.h"
#include "core/link/TransferEngine.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/DialogButtons.h"
#include "gui/kit/MessageBox.h"

TLinkWindow::TLinkWindow(QWidget* parent) : QDialog(parent), Link(gAll) {}

TLinkWindow::~TLinkWindow()
{
    Link.SetEngine(nullptr);
    Engine.reset();
}

void TLinkWindow::Attach(std::unique_ptr<TLinkEngine> engine)
{
    Engine = std::move(engine);
    Link.SetEngine(Engine.get());
}

void TLinkWindow::ShowMessage(const TLinkMessage& message)
{
    ShowMessageBox(QString::fromStdString(message.Caption), QString::fromStdString(message.Text),
                   IsLinkSuccess(message.Key) ? TMessageKind::Success : TMessageKind::Error);
}

bool TLinkWindow::Ask(const TLinkMessage& message, TQuestion question)
{
    const TMessageKind kind = question == TQuestion::YesNo ? TMessageKind::YesNo : TMessageKind::RetryCancel;
    const TAnswer answer =
        ShowMessageBox(QString::fromStdString(message.Caption), QString::fromStdString(message.Text), kind);
    return answer == TAnswer::Yes || answer == TAnswer::Retry;
}

void TLinkWindow::Finish()
{
    QMetaObject::invokeMethod(
        this, [this] { done(QDialog::Accepted); }, Qt::QueuedConnection);
}

void TLinkWindow::done(int result)
{
    if (Engine)
        Engine->Cancel();
    QDialog::done(result);
}

TTransferWindow::TTransferWindow(QWidget* parent, const char* formName, const QString& caption) : TLinkWindow(parent)
{
    setObjectName(QString::fromLatin1(formName));
    setWindowTitle(caption);
    pBar = new QProgressBar(this);
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setMinimumWidth(320);
    Body = new QVBoxLayout(this);
    Body->addWidget(pBar);
    Body->addLayout(NewOkCancelRow(this, btnOk, btnCancel, false));
    Body->setSizeConstraint(QLayout::SetFixedSize);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TTransferWindow::AttachTransfer(std::unique_ptr<TTransferEngine> engine)
{
    Transfer = engine.get();
    connect(btnOk, &QPushButton::clicked, this, [this] { Transfer->Start(); });
    Attach(std::move(engine));
}

void TTransferWindow::Progress(int position, int maximum)
{
    pBar->setRange(0, maximum);
    pBar->setValue(position);
}

void TTransferWindow::Changed()
{
    btnOk->setEnabled(Transfer->OkEnabled());
}

void TTransferWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!std::exchange(Shown, true))
        FormShow();
}

void TTransferWindow::FormShow()
{
    ApplyLanguage(this, false);
    Transfer->Open();
}
