// SPDX-License-Identifier: GPL-3.0-or-later
// print FILE.dat OUT.pdf: the printed channel list and settings of a data file, written to a PDF file.
#include <QGuiApplication>
#include <clocale>

#include "app/cli/DataFileArgs.h"
#include "core/files/StartUp.h"
#include "print/PrintPages.h"

int CmdPrint(const TCliArgs& args)
{
    if (args.size() != 2)
        return CliFail("print needs a data file and a PDF file name");
    if (!OpenDataFileArgument(args[0]))
        return 1;
    // The pages need Qt's fonts, which come with a GUI application; the offscreen platform gives them
    // without a display and shows nothing.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "qbh52-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QString error;
    if (!WritePdf(PrintoutOf(gAll, QString::fromStdString(args[0])), QString::fromStdString(args[1]), error))
        return CliFail(PrintMessageText(gAll, TPrintMessage::PdfNotWritten, args[1], error.toStdString()));
    return 0;
}
