#include "link/WriteRadio.h"

#include "model/Maindb.h"

TfWriteRadio::TfWriteRadio(QWidget* parent)
    : TTransferWindow(parent, "fWriteRadio", QStringLiteral("Write data to radio"))
{
    auto engine = std::make_unique<TWriteEngine>(gAll, gMacList, gLanguage, Link);
    Engine = engine.get();
    AttachTransfer(std::move(engine));
}
