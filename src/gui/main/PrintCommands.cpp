// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/PrintCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "core/files/Printout.h"
#include "core/files/StartUp.h"
#include "gui/kit/MessageBox.h"
#include "print/PrintPages.h"

namespace
{
void ShowPrintMessage(const std::string& text)
{
    ShowMessageBox(QString::fromStdString(gAll.AppTitle), QString::fromStdString(text), TMessageKind::Error);
}

QString SuggestedPdfName(const QString& dataFileName)
{
    if (dataFileName.isEmpty())
        return QStringLiteral("channels.pdf");
    const QFileInfo data(dataFileName);
    return data.dir().filePath(data.completeBaseName() + QStringLiteral(".pdf"));
}
} // namespace

void PrintDataSet(QWidget* parent, const QString& dataFileName)
{
    QPrinter printer(QPrinter::HighResolution);
    PrepareDevice(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("pdPrint"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!PaintPrintout(PrintoutOf(gAll, dataFileName), printer))
        ShowPrintMessage(PrintMessageText(gAll, TPrintMessage::PrinterFailed));
}

void PreviewDataSet(QWidget* parent, const QString& dataFileName)
{
    QPrinter printer(QPrinter::HighResolution);
    PrepareDevice(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("ppPreview"));
    const TPrintout printout = PrintoutOf(gAll, dataFileName);
    // The preview paints on its own preview printer, and on the real one when its print button is pressed.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&printout](QPrinter* target) {
        if (!PaintPrintout(printout, *target))
            ShowPrintMessage(PrintMessageText(gAll, TPrintMessage::PrinterFailed));
    });
    dialog.exec();
}

void ExportPdf(QWidget* parent, const QString& dataFileName)
{
    const QString path = AskPdfFileName(parent, SuggestedPdfName(dataFileName));
    if (path.isEmpty())
        return;
    QString error;
    if (!WritePdf(PrintoutOf(gAll, dataFileName), path, error))
        ShowPrintMessage(PrintMessageText(gAll, TPrintMessage::PdfNotWritten, path.toStdString(), error.toStdString()));
}
