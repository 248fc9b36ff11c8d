#include "link/ReadRadio.h"

#include "model/Maindb.h"

TfReadRadio::TfReadRadio(QWidget* parent)
    : TTransferWindow(parent, "fReadRadio", QStringLiteral("Read data From radio"))
{
    auto engine = std::make_unique<TReadEngine>(gAll, gMacList, gLanguage, Link);
    Engine = engine.get();
    AttachTransfer(std::move(engine));
}
