// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/link/WriteWindow.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/files/Backups.h"
#include "core/files/StartUp.h"
#include "gui/kit/MessageBox.h"

namespace
{
constexpr int kPreviewWidth = 480;
constexpr int kPreviewHeight = 220;
} // namespace

TWriteWindow::TWriteWindow(QWidget* parent)
    : TTransferWindow(parent, "fWriteRadio", QStringLiteral("Write Data To Radio"))
{
    auto engine = std::make_unique<TWriteEngine>(gAll, gMacList, gLanguage, Link, *this);
    Engine = engine.get();
    AttachTransfer(std::move(engine));
    ShowPreview();
}

void TWriteWindow::done(int result)
{
    const bool partial = Engine->PartlyWritten();
    TTransferWindow::done(result);
    if (partial)
        ShowMessageBox(QString::fromStdString(gLanguage.Caution), QString::fromStdString(gLanguage.WritePartial),
                       TMessageKind::Information);
}

// The texts come from the message texts, not the window's section: they name a count and a file.
void TWriteWindow::ShowPreview()
{
    const TWritePreview preview = BuildWritePreview(gAll, gMacList, gLanguage);
    lPreview = new QLabel(QString::fromStdString(preview.Heading), this);
    lPreview->setObjectName(QStringLiteral("lPreview"));
    lPreview->setWordWrap(true);
    lbPreview = new QListWidget(this);
    lbPreview->setObjectName(QStringLiteral("lbPreview"));
    for (const std::string& line : preview.Lines)
        lbPreview->addItem(QString::fromStdString(line));
    lbPreview->setFixedSize(kPreviewWidth, kPreviewHeight);
    lbPreview->setVisible(!preview.Lines.empty());
    lPreview->setMaximumWidth(kPreviewWidth);
    Body->insertWidget(0, lPreview);
    Body->insertWidget(1, lbPreview);
}
