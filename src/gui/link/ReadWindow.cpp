// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/link/ReadWindow.h"

#include "core/files/StartUp.h"

TReadWindow::TReadWindow(QWidget* parent)
    : TTransferWindow(parent, "fReadRadio", QStringLiteral("Read Data From Radio"))
{
    auto engine = std::make_unique<TReadEngine>(gAll, gMacList, gLanguage, Link, *this);
    Engine = engine.get();
    AttachTransfer(std::move(engine));
}
