#include "gui/link/WriteWindow.h"

#include "core/files/StartUp.h"

TWriteWindow::TWriteWindow(QWidget* parent)
    : TTransferWindow(parent, "fWriteRadio", QStringLiteral("Write data to radio"))
{
    auto engine = std::make_unique<TWriteEngine>(gAll, gMacList, gLanguage, Link, *this);
    Engine = engine.get();
    AttachTransfer(std::move(engine));
}
