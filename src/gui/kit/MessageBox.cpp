// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/kit/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include "core/files/StartUp.h"

namespace
{
TMessageResponder gResponder;
TFileDialogResponder gFileResponder;

TAnswer ShowModalBox(const QString& caption, const QString& text, TMessageKind kind)
{
    QWidget* owner = QApplication::activeWindow();
    switch (kind) {
    case TMessageKind::Information:
        QMessageBox::information(owner, caption, text, QMessageBox::Ok);
        return TAnswer::Ok;
    case TMessageKind::YesNo: {
        const auto answer = QMessageBox::question(owner, caption, text, QMessageBox::Yes | QMessageBox::No);
        return answer == QMessageBox::Yes ? TAnswer::Yes : TAnswer::No;
    }
    case TMessageKind::RetryCancel:
        break;
    }
    const auto answer = QMessageBox::question(owner, caption, text, QMessageBox::Retry | QMessageBox::Cancel);
    return answer == QMessageBox::Retry ? TAnswer::Retry : TAnswer::Cancel;
}

const QString kDataFilter = QStringLiteral("Data File(*.dat) (*.dat)");
const QString kCsvFilter = QStringLiteral("CSV File(*.csv) (*.csv)");

QString FilterOf(TFileType type)
{
    return type == TFileType::Csv ? kCsvFilter : kDataFilter;
}

QString StartFolder(const QString& folder)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    for (const QString& candidate : {folder, QString::fromStdString(gAll.LastFolder), documents})
        if (!candidate.isEmpty() && QFileInfo(candidate).isDir())
            return candidate;
    return QDir::homePath();
}

QString Chosen(const QString& path)
{
    if (!path.isEmpty())
        gAll.LastFolder = QFileInfo(path).absolutePath().toStdString();
    return path;
}
} // namespace

TAnswer ShowMessageBox(const QString& caption, const QString& text, TMessageKind kind)
{
    if (gResponder)
        return gResponder(caption, text, kind);
    return ShowModalBox(caption, text, kind);
}

void SetMessageResponder(TMessageResponder responder)
{
    gResponder = std::move(responder);
}

void SetFileDialogResponder(TFileDialogResponder responder)
{
    gFileResponder = std::move(responder);
}

QString AskOpenFileName(QWidget* parent, TFileType type, const QString& folder)
{
    const QString start = StartFolder(folder);
    if (gFileResponder)
        return Chosen(gFileResponder(false, start));
    return Chosen(QFileDialog::getOpenFileName(parent, QString(), start, FilterOf(type)));
}

QString AskSaveFileName(QWidget* parent, TFileType type, const QString& suggestedName)
{
    const QString start = suggestedName.isEmpty() ? StartFolder({}) : QDir(StartFolder({})).filePath(suggestedName);
    if (gFileResponder)
        return Chosen(gFileResponder(true, start));
    QFileDialog dialog(parent, QString(), start, FilterOf(type));
    dialog.setObjectName(QStringLiteral("sdSave"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(type == TFileType::Csv ? QStringLiteral("csv") : QStringLiteral("dat"));
    // The program asks "The File is exists,replace it?" itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return Chosen(dialog.selectedFiles().first());
}

QString AskPdfFileName(QWidget* parent, const QString& suggested)
{
    if (gFileResponder)
        return gFileResponder(true, suggested);
    QFileDialog dialog(parent, QString(), suggested, QStringLiteral("PDF (*.pdf)"));
    dialog.setObjectName(QStringLiteral("sdPdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
