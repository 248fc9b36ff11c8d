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

QMessageBox::Icon IconOf(TMessageKind kind)
{
    switch (kind) {
    case TMessageKind::Warning:
        return QMessageBox::Warning;
    case TMessageKind::Error:
        return QMessageBox::Critical;
    case TMessageKind::YesNo:
    case TMessageKind::YesNoCancel:
    case TMessageKind::RetryCancel:
        return QMessageBox::Question;
    case TMessageKind::Information:
    case TMessageKind::Success:
        break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons ButtonsOf(TMessageKind kind)
{
    switch (kind) {
    case TMessageKind::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case TMessageKind::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case TMessageKind::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
}

TAnswer AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return TAnswer::Yes;
    case QMessageBox::No:
        return TAnswer::No;
    case QMessageBox::Retry:
        return TAnswer::Retry;
    case QMessageBox::Cancel:
        return TAnswer::Cancel;
    default:
        return TAnswer::Ok;
    }
}

TAnswer ShowModalBox(const QString& caption, const QString& text, TMessageKind kind)
{
    QMessageBox box(IconOf(kind), caption, text, ButtonsOf(kind), QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    // A question closed by its window button or Esc answers No or Cancel, never the affirmative; the save
    // question's Cancel keeps the work.
    box.setEscapeButton(kind == TMessageKind::YesNo                                              ? QMessageBox::No
                        : kind == TMessageKind::RetryCancel || kind == TMessageKind::YesNoCancel ? QMessageBox::Cancel
                                                                                                 : QMessageBox::Ok);
    return AnswerOf(box.exec());
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
    // The program asks "The file already exists. Replace it?" itself.
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
